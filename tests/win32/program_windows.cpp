#include "tests/win32/program_windows.h"

#include <doctest/doctest.h>

#include "tests/win32/win32_test_support.h"
#include "win32/app/program.h"

namespace tarsilo::test {

using forms::ControlKind;

win32::TApplication& TestApplication() {
    static win32::TApplication application;
    return application;
}

ProgramWindows::ProgramWindows() : unexpectedBoxesBefore_(UnexpectedMessageBoxes()) {
    win32::TApplication& application = TestApplication();
    win32::CreateForms(application);
    ShowWindow(application.Handle(), SW_SHOWNOACTIVATE);
    ShowWindow(Main().Handle(), SW_SHOW);
    SetForegroundWindow(Main().Handle());
    REQUIRE(WaitUntil([this] { return GetActiveWindow() == Main().Handle() && GetFocus(); }));
}

ProgramWindows::~ProgramWindows() {
    TestApplication().Shutdown();
    PumpMessages();
    CHECK_MESSAGE(UnexpectedMessageBoxes() == unexpectedBoxesBefore_,
                  "a message box that no test expected stayed open");
}

std::wstring ProgramWindows::Text(std::string_view name) const {
    return TextOf(Control(name));
}

void ProgramWindows::SetText(std::string_view name, const std::wstring& text) const {
    SetTextOf(Control(name), text);
}

void ProgramWindows::Click(std::string_view name) const {
    test::Click(Control(name));
}

void ProgramWindows::Focus(std::string_view name) const {
    SetFocus(Control(name));
    PumpMessages();
}

std::string ProgramWindows::FocusedName() const {
    const int index = Main().IndexOfControl(GetFocus());
    return index < 0 ? std::string() : std::string(Main().Definition().controls[index].name);
}

std::map<std::string, std::wstring> ProgramWindows::Screen() const {
    std::map<std::string, std::wstring> shown;
    const auto& controls = Main().Definition().controls;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (controls[i].kind == ControlKind::Edit || controls[i].kind == ControlKind::Label)
            shown[controls[i].name] = TextOf(Main().ControlAt(static_cast<int>(i)));
    }
    return shown;
}

} // namespace tarsilo::test
