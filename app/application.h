#pragma once
// The application object: the title, the windows it owns, the event loop and
// the last line of error reporting.

#include <functional>
#include <vector>

#include <QApplication>
#include <QPointer>
#include <QWidget>

#include "calc/fpu_mode.h"

namespace tarsilo {

class TApplication : public QApplication {
    Q_OBJECT
public:
    // The title comes from the executable's file name; it is also the
    // application display name, which captions the error dialog.
    TApplication(int& argc, char** argv);
    ~TApplication() override;

    const QString& Title() const { return title_; }
    QWidget* MainForm() const { return mainForm_; }
    bool Terminated() const { return terminated_; }
    bool Running() const { return running_; }

    // Creates a window that the application owns and stores it in
    // `reference`. The first one becomes the main window, and its native
    // window is made at once, still hidden; every later one is created with
    // the main window as parent and made transient for it, so that the
    // program has one task entry.
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

    struct OwnedForm {
        QPointer<QWidget> form;
        std::function<void()> forgetReference;
    };

    QString title_;
    QPointer<QWidget> mainForm_;
    std::vector<OwnedForm> forms_;
    bool terminated_ = false;
    bool running_ = false;
};

template <class Form> Form* TApplication::CreateForm(Form*& reference) {
    // The windowing system must not leave the floating-point mode changed.
    const ScopedFpuMode keepMode(ReadFpuControlWord());
    const bool isMain = mainForm_.isNull();
    auto* form = new Form(isMain ? nullptr : mainForm_.data());
    // A dialog-type window is transient for its parent on every desktop: no
    // task entry of its own, and minimised with the main window.
    if (!isMain && form->windowType() == Qt::Window)
        form->setWindowFlags((form->windowFlags() & ~Qt::WindowType_Mask) | Qt::Dialog);
    reference = form;
    Adopt(form, [&reference] { reference = nullptr; });
    if (isMain)
        form->winId();
    return form;
}

} // namespace tarsilo
