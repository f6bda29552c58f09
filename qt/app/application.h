#pragma once
// The application object: the title, the windows it owns, the event loop and
// the last line of error reporting.

#include <functional>
#include <vector>

#include <QApplication>
#include <QPointer>
#include <QWidget>

#include "calc/fpu_mode.h"
#include "common/owned_windows.h"
#include "qt/frame_extents.h"

namespace tarsilo {

class TApplication : public QApplication {
    Q_OBJECT
public:
    // The title comes from the executable's file name; it is also the
    // application display name, which captions the error dialog.
    TApplication(int& argc, char** argv);
    ~TApplication() override;

    const QString& Title() const { return title_; }
    QWidget* MainForm() const { return forms_.Main(); }
    bool Terminated() const { return terminated_; }
    bool Running() const { return running_; }

    // Creates a window that the application owns and stores it in
    // `reference`. The first one becomes the main window, and its native
    // window is made at once, still hidden. Every later one is given the main
    // window as its owner, the window it hands the activation back to. No
    // window is a Qt parent of another: each is a top-level window that the
    // window manager stacks on its own, and all share the program's WM_CLASS,
    // so task bars group them as one program.
    template <class Form> Form* CreateForm(Form*& reference);

    // Shows the main window and runs the event loop until the quit request.
    void Run();
    // Posts the quit request; closing the main window does this.
    void Terminate();
    // Hides every owned window, then destroys them, newest first.
    void Shutdown() noexcept;

    // Errors that escape an event handler are shown here, and the loop goes on.
    bool notify(QObject* receiver, QEvent* event) override;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Adopt(QWidget* form, std::function<void()> forgetReference);
    void FollowMainWindowState();

    QString title_;
    OwnedWindows<QWidget, QPointer<QWidget>> forms_;
    bool terminated_ = false;
    bool running_ = false;
};

template <class Form> Form* TApplication::CreateForm(Form*& reference) {
    // The windowing system must not leave the floating-point mode changed.
    const ScopedFpuMode keepMode(ReadFpuControlWord());
    const bool isMain = !forms_.Main();
    auto* form = new Form(isMain ? nullptr : forms_.Main());
    reference = form;
    Adopt(form, [&reference] { reference = nullptr; });
    if (isMain) {
        form->winId();
        // Asked now, the window manager's answer is there when the window is
        // first shown and centred by its frame.
        RequestFrameExtents(form);
    }
    return form;
}

} // namespace tarsilo
