#include "qt/status_announcer.h"

#include <QAccessible>

namespace tarsilo {

AnnouncementNotification::AnnouncementNotification(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    // One pixel: a widget of no size would not be on the screen for a screen
    // reader either.
    setGeometry(0, 0, 1, 1);
    hide();
}

StatusAnnouncer::StatusAnnouncer(QWidget* statusLine)
    : QObject(statusLine), statusLine_(statusLine) {
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    notification_ = new AnnouncementNotification(statusLine->window());
#endif
}

void StatusAnnouncer::Announce(const QString& text) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent announcement(statusLine_, text);
    announcement.setPoliteness(QAccessible::AnnouncementPoliteness::Polite);
    QAccessible::updateAccessibility(&announcement);
#else
    notification_->hide();
    notification_->setAccessibleName(text);
    notification_->show();
#endif
    emit Announced(text);
}

} // namespace tarsilo
