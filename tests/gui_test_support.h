#pragma once
// Support for tests that drive the real windows: closing the message boxes a
// test expects, and failing a test that leaves an unexpected one open.

#include <functional>
#include <type_traits>

#include <QApplication>

#include <QMessageBox>
#include <QObject>
#include <QRect>
#include <QString>
#include <QTest>
#include <QTimer>

namespace tarsilo::test {

// What a message box showed while it was open.
struct MessageBoxSeen {
    bool shown = false;
    QString objectName;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    qint64 iconPixmapKey = 0; // QPixmap::cacheKey() of the icon the box shows
    QMessageBox::StandardButtons buttons;
    Qt::WindowModality modality = Qt::NonModal;
    bool hasParent = false;
    QRect frame;
};

// Runs `action`, records the first modal message box that opens while it
// runs, and closes that box with its OK button. `whileOpen` runs once the box
// is recorded, before it closes.
MessageBoxSeen CloseMessageBoxOpenedBy(const std::function<void()>& action,
                                       const std::function<void()>& whileOpen = {});

// Fails the running test when a modal dialog that no test expects stays open
// longer than the grace period, and closes the dialog so that the test ends.
class ModalDialogWatchdog : public QObject {
    Q_OBJECT
public:
    explicit ModalDialogWatchdog(int graceMilliseconds = 3000, QObject* parent = nullptr);

    int UnexpectedDialogs() const { return unexpected_; }

private:
    void Check();

    QTimer timer_;
    int graceMilliseconds_;
    QObject* seen_ = nullptr;
    qint64 seenSince_ = 0;
    int unexpected_ = 0;
};

// Pins the environment's locale to C (the full stop as decimal mark) for the
// whole test process, before the application object exists.
void PinLocale();

// Points the locale environment of this process at `localeName`, or back at
// C when it is empty.
void SetLocaleEnvironment(const char* localeName);

// The main of a test of real windows: the locale pinned to C, then
// `beforeApplication`, then the application object (a plain one named as the
// program, or the program's own, which names itself), then `Test` run by
// QTest. `Test` is given the application object when it takes one.
template <class Test, class Application = QApplication>
int RunWindowTest(int argc, char* argv[], void (*beforeApplication)() = nullptr) {
    PinLocale();
    if (beforeApplication)
        beforeApplication();
    Application application(argc, argv);
    if constexpr (std::is_same_v<Application, QApplication>)
        QCoreApplication::setApplicationName(QStringLiteral("Tarsilo10"));
    if constexpr (std::is_constructible_v<Test, Application&>) {
        Test test(application);
        return QTest::qExec(&test, argc, argv);
    } else {
        Test test;
        return QTest::qExec(&test, argc, argv);
    }
}

} // namespace tarsilo::test
