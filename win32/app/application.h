#pragma once
// The application object: the title, a hidden window that owns every window
// of the program and carries its one task-bar entry, the windows it owns,
// the event loop and the last line of error reporting.

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/owned_windows.h"
#include "win32/form.h"

namespace tarsilo::win32 {

class TApplication {
public:
    // Derives the title from the executable's name and creates the hidden
    // window with the title as its text. The window's task-bar entry appears
    // with the main window.
    TApplication();
    ~TApplication();
    TApplication(const TApplication&) = delete;
    TApplication& operator=(const TApplication&) = delete;

    const std::wstring& Title() const { return title_; }
    HWND Handle() const { return handle_; }
    Form* MainForm() const { return forms_.Main(); }
    bool Terminated() const { return terminated_; }
    bool Running() const { return running_; }

    // Creates a window owned by the application's window and stores it in
    // `reference`, which is cleared when the window is destroyed. The first
    // one becomes the main window; closing it ends the program.
    template <class FormClass> FormClass* CreateForm(FormClass*& reference);

    // Shows the main window as the launcher asked (or minimises the program)
    // and runs the event loop until the quit request.
    void Run();
    // Posts the quit request; closing the main window does this.
    void Terminate();
    // Hides every owned window, then destroys them, newest first.
    void Shutdown() noexcept;

    // One message along the loop's path; errors that escape it are reported.
    void HandleMessage(const MSG& message);

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT WindowMessage(UINT message, WPARAM wParam, LPARAM lParam);

    void Adopt(std::unique_ptr<Form> form, std::function<void()> forgetReference);
    void ShowMainForm(int launcherRequest);
    void FormsMinimised();
    void FormsRestored();
    void ActivateLastForm();
    void RereadRegionalSettings();

    std::wstring title_;
    HWND handle_ = nullptr;
    UINT taskbarCreated_ = 0;
    OwnedWindows<Form, std::unique_ptr<Form>> forms_;
    bool minimised_ = false;
    bool terminated_ = false;
    bool running_ = false;
};

template <class FormClass> FormClass* TApplication::CreateForm(FormClass*& reference) {
    auto form = std::make_unique<FormClass>(handle_);
    FormClass* created = form.get();
    reference = created;
    Adopt(std::move(form), [&reference, created] {
        if (reference == created)
            reference = nullptr;
    });
    return created;
}

} // namespace tarsilo::win32
