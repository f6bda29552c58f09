#include "win32/app/application.h"

#include <stdexcept>

#include "calc/decimal_mark.h"
#include "win32/application_title.h"
#include "win32/error_reporting.h"
#include "win32/native_window.h"
#include "win32/resources.h"
#include "win32/window_keyboard.h"

namespace tarsilo::win32 {

namespace {

constexpr wchar_t ClassName[] = L"TApplication";
// Posted when the application's window was activated: the activation goes
// on to the program's window that had it last.
constexpr UINT ActivateLastFormMessage = WM_APP + 1;

} // namespace

TApplication::TApplication() : title_(ProgramTitle()) {
    RegisterWindowClass(ClassName, Procedure, ProgramIcon(SM_CXICON), ProgramIcon(SM_CXSMICON));
    // A pop-up window without area at the centre of the screen: the shell
    // gives it the task-bar entry once it is visible, yet the user never sees
    // it. Without a sizing frame the system keeps the empty size.
    const int x = GetSystemMetrics(SM_CXSCREEN) / 2;
    const int y = GetSystemMetrics(SM_CYSCREEN) / 2;
    handle_ =
        CreateNativeWindow(0, ClassName, title_.c_str(),
                           WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                           {x, y, x, y}, nullptr, nullptr, this);
    // Sent to every top-level window when the shell (re)starts.
    taskbarCreated_ = RegisterWindowMessageW(L"TaskbarCreated");
    SetErrorDialogOwner(handle_, title_);
}

TApplication::~TApplication() {
    Shutdown();
    SetErrorDialogOwner(nullptr, title_);
    if (handle_)
        DestroyWindow(handle_);
}

void TApplication::Adopt(std::unique_ptr<Form> form, std::function<void()> forgetReference) {
    Form* adopted = form.get();
    forms_.Adopt(std::move(form), std::move(forgetReference));
    // The main window closes by ending the program: nothing can refuse.
    if (forms_.Main() == adopted)
        adopted->SetCloseAction([this] { Terminate(); });
}

void TApplication::Run() {
    running_ = true;
    terminated_ = false;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    GetStartupInfoW(&startup);
    if (forms_.Main())
        ShowMainForm((startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow
                                                              : SW_SHOWNORMAL);
    MSG message{};
    while (!terminated_) {
        // Blocks until a message arrives: the loop never polls.
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0 || got == -1) {
            terminated_ = true;
            break;
        }
        HandleMessage(message);
    }
    running_ = false;
}

void TApplication::HandleMessage(const MSG& message) {
    try {
        DispatchProgramMessage(message);
    } catch (const std::exception& error) {
        ReportException(error, handle_);
    } catch (...) {
        ReportException(std::runtime_error("An error of an unknown kind was raised"), handle_);
    }
}

// Minimised without activation starts the program on the task bar. A window
// of fixed size has no maximised state, so a request for it (like any other)
// shows the window normally.
void TApplication::ShowMainForm(int launcherRequest) {
    if (launcherRequest == SW_SHOWMINNOACTIVE) {
        minimised_ = true;
        forms_.ShowAfterRestoreOnly(*forms_.Main());
        ShowWindow(handle_, SW_SHOWMINNOACTIVE);
        return;
    }
    const HWND main = forms_.Main()->Handle();
    ShowWindow(main, SW_SHOW);
    // Windows may give a process's first showing the launcher's request
    // instead of the one asked for; a window of fixed size is not maximised.
    if (IsZoomed(main))
        ShowWindow(main, SW_RESTORE);
    // The task-bar entry follows at once. Shown first, the application's
    // window would keep the main window from the screen for as long as the
    // system takes to show a window (under Wine 3 milliseconds: it makes and
    // maps a window of the X server for it).
    ShowWindow(handle_, SW_SHOWNOACTIVATE);
    SetForegroundWindow(main);
}

void TApplication::Terminate() {
    PostQuitMessage(0);
}

void TApplication::Shutdown() noexcept {
    if (handle_)
        ShowWindow(handle_, SW_HIDE);
    forms_.Shutdown(
        [](Form& form) {
            if (form.Handle())
                ShowWindow(form.Handle(), SW_HIDE);
        },
        [](std::unique_ptr<Form>& form) { form.reset(); });
}

// The program went to the task bar: its windows go with it.
void TApplication::FormsMinimised() {
    if (minimised_)
        return;
    minimised_ = true;
    forms_.HideWithMinimise([](Form& form) { return IsWindowVisible(form.Handle()) != 0; },
                            [](Form& form) { ShowWindow(form.Handle(), SW_HIDE); });
}

void TApplication::FormsRestored() {
    if (!minimised_)
        return;
    minimised_ = false;
    forms_.ShowAfterRestore([](Form& form) { ShowWindow(form.Handle(), SW_SHOWNA); });
    ActivateLastForm();
}

// The application's window has no area to work in; the window of the program
// that was active last takes the activation.
void TApplication::ActivateLastForm() {
    const HWND last = GetLastActivePopup(handle_);
    const Form* main = forms_.Main();
    const HWND target = last && last != handle_ ? last : main ? main->Handle() : nullptr;
    if (target && IsWindowVisible(target) && IsWindowEnabled(target)) {
        SetForegroundWindow(target);
        SetActiveWindow(target);
    }
}

void TApplication::RereadRegionalSettings() {
    // The thread keeps the locale it started with until told otherwise.
    SetThreadLocale(LOCALE_USER_DEFAULT);
    ReadDecimalMark();
}

LRESULT TApplication::WindowMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE:
        if (wParam == SIZE_MINIMIZED)
            FormsMinimised();
        else if (wParam == SIZE_RESTORED)
            FormsRestored();
        break;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE && !minimised_) {
            PostMessageW(handle_, ActivateLastFormMessage, 0, 0);
            return 0;
        }
        break;
    case ActivateLastFormMessage:
        if (!minimised_)
            ActivateLastForm();
        return 0;
    case WM_CLOSE:
        // Close on the task-bar entry closes the main window.
        if (const Form* main = forms_.Main())
            SendMessageW(main->Handle(), WM_CLOSE, 0, 0);
        else
            Terminate();
        return 0;
    case WM_GETICON:
        return WindowIcon(handle_, wParam, lParam);
    case WM_QUERYENDSESSION:
        return TRUE;
    case WM_ENDSESSION:
        // Logging off or shutting down ends the program like a close.
        if (wParam)
            Terminate();
        return 0;
    case WM_SETTINGCHANGE: // also WM_WININICHANGE
        RereadRegionalSettings();
        break;
    default:
        if (message == taskbarCreated_ && taskbarCreated_ != 0)
            RereadRegionalSettings();
        break;
    }
    return DefWindowProcW(handle_, message, wParam, lParam);
}

LRESULT CALLBACK TApplication::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* application = reinterpret_cast<TApplication*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_NCCREATE) {
        application = static_cast<TApplication*>(
            reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(application));
        application->handle_ = window;
    }
    if (!application)
        return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        application->handle_ = nullptr;
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return GuardedMessage(window, message,
                          [&] { return application->WindowMessage(message, wParam, lParam); });
}

} // namespace tarsilo::win32
