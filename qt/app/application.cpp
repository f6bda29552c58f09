#include "qt/app/application.h"

#include <QStyle>
#include <QStyleFactory>

#include "calc/decimal_mark.h"
#include "qt/app/application_title.h"
#include "qt/error_reporting.h"
#include "qt/window_style.h"

namespace tarsilo {

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
    title_ = ApplicationTitleFromPath(applicationFilePath());
    // Only the name: a display name would be appended to every window title.
    setApplicationName(title_);
    // Qt's application name falls back to the file name when the title is
    // empty; the error dialog shows the title itself.
    SetErrorDialogCaption(title_);
    // The windows' font becomes the application's, so that a control takes it
    // from its first moment (an edit lays out its text as it is made): no
    // other font is loaded at start. The message boxes keep the desktop's.
    SetDialogFont(font("QMessageBoxLabel"));
    setFont(WindowFont(ScreenDpi(nullptr)));
    // The windows are designed for the classic desktop look: captions set
    // into group box frames, sunken edits, a heavy frame on the default button.
    if (QStyle* classic = QStyleFactory::create(QStringLiteral("Windows"))) {
        setStyle(classic);
        setPalette(classic->standardPalette());
    }
    // Only the main window ends the program, whatever else is still open.
    setQuitOnLastWindowClosed(false);
}

TApplication::~TApplication() {
    Shutdown();
}

void TApplication::Adopt(QWidget* form, std::function<void()> forgetReference) {
    forms_.Adopt(form, std::move(forgetReference));
    if (forms_.Main() == form)
        form->installEventFilter(this);
}

void TApplication::Run() {
    running_ = true;
    terminated_ = false;
    if (QWidget* main = forms_.Main())
        main->show();
    while (!terminated_)
        exec();
    running_ = false;
}

void TApplication::Terminate() {
    postEvent(this, new QEvent(QEvent::Quit));
}

void TApplication::Shutdown() noexcept {
    forms_.Shutdown([](QWidget& form) { form.hide(); },
                    [](QPointer<QWidget>& form) { delete form.data(); });
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ReportException(error, this);
        return false;
    }
}

bool TApplication::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::Quit:
        // Nothing can refuse the quit request: the windows are hidden and
        // destroyed at shutdown, not asked to close.
        terminated_ = true;
        exit(0);
        return true;
    case QEvent::LocaleChange:
        ReadDecimalMark();
        break;
    default:
        break;
    }
    return QApplication::event(event);
}

bool TApplication::eventFilter(QObject* watched, QEvent* event) {
    // The main window closes like any other (it hides); the program then ends
    // once the close has been handled.
    const bool main = watched && watched == forms_.Main();
    if (main && event->type() == QEvent::Close)
        Terminate();
    if (main && event->type() == QEvent::WindowStateChange)
        FollowMainWindowState();
    return QApplication::eventFilter(watched, event);
}

// The other windows are top-level windows of their own, so minimising the
// main window takes them along by hand: the program goes away as a whole.
// They are hidden rather than minimised: they have no task entry of their own,
// and a window manager may refuse to minimise a window that offers no minimise
// button. What was not on screen (hidden or minimised on its own) stays so.
void TApplication::FollowMainWindowState() {
    QWidget* main = forms_.Main();
    if (main->isMinimized()) {
        forms_.HideWithMinimise(
            [main](QWidget& form) {
                return &form != main && form.isVisible() && !form.isMinimized();
            },
            [](QWidget& form) { form.hide(); });
        return;
    }
    forms_.ShowAfterRestore([](QWidget& form) {
        if (!form.isVisible())
            form.show();
    });
    // A modal dialog that went away with the main window comes back with it:
    // the program must never be blocked with nothing on the screen.
    if (QWidget* modal = activeModalWidget(); modal && modal != main) {
        if (modal->isMinimized())
            modal->showNormal();
        modal->raise();
        modal->activateWindow();
    }
}

} // namespace tarsilo
