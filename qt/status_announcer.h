#pragma once
// Has screen readers say a command's outcome once, from the status line.
//
// With Qt 6.8 and later it is an announcement of the status line's, polite:
// said after what the screen reader is saying. Before 6.8 Qt has no
// announcements, and a screen reader speaks no change of a field that does not
// have the focus; it does speak a notification as it appears, so the text is
// shown as one: a window-less notification, hidden and shown again for each
// text, which speech interrupts what is being said for.

#include <QObject>
#include <QString>
#include <QWidget>

namespace tarsilo {

class StatusAnnouncer : public QObject {
    Q_OBJECT
public:
    // A child of the status line.
    explicit StatusAnnouncer(QWidget* statusLine);
    void Announce(const QString& text);

signals:
    // After each announcement.
    void Announced(const QString& text);

private:
    QWidget* statusLine_;
    QWidget* notification_ = nullptr; // before Qt 6.8
};

// The notification of Qt before 6.8: it draws nothing and takes no input; a
// screen reader sees it as a notification named by the text.
class AnnouncementNotification : public QWidget {
    Q_OBJECT
public:
    explicit AnnouncementNotification(QWidget* parent);
};

} // namespace tarsilo
