#pragma once
// The program's two windows, created in the test process through the real
// application object, the main window shown and active; destroyed again at
// the end of each test.

#include <windows.h>

#include <map>
#include <string>
#include <string_view>

#include "win32/Info.h"
#include "win32/Tarsilo_V10.h"
#include "win32/app/application.h"

namespace tarsilo::test {

// The one application object of the test process.
win32::TApplication& TestApplication();

class ProgramWindows {
public:
    ProgramWindows();
    ~ProgramWindows();
    ProgramWindows(const ProgramWindows&) = delete;
    ProgramWindows& operator=(const ProgramWindows&) = delete;

    win32::TfTarsilo_main& Main() const { return *win32::fTarsilo_main; }
    win32::TfInfo& Info() const { return *win32::fInfo; }

    // A control of the main window by name.
    HWND Control(std::string_view name) const { return Main().Control(name); }
    std::wstring Text(std::string_view name) const;
    void SetText(std::string_view name, const std::wstring& text) const;
    void Click(std::string_view name) const;
    // Puts the focus on a control as a click would.
    void Focus(std::string_view name) const;
    std::string FocusedName() const;

    // Every edit text and label caption of the main window, by name.
    std::map<std::string, std::wstring> Screen() const;

private:
    int unexpectedBoxesBefore_;
};

} // namespace tarsilo::test
