// The main of every Win32 window test: the program's floating-point mode and
// the point as decimal mark, then doctest.
//
// Under Wine the windows are made unmanaged: Wine then draws their frames
// itself, as Windows does, instead of waiting for a window manager (two
// seconds for every window hidden on a bare X server). Wine reads the setting
// when the process starts, so a test that has just made it runs again.

#define DOCTEST_CONFIG_IMPLEMENT
#include <doctest/doctest.h>

#include <windows.h>

#include "calc/fpu_mode.h"
#include "tests/win32/win32_test_support.h"

namespace {

constexpr wchar_t WineX11Settings[] = L"Software\\Wine\\X11 Driver";

bool RunsUnderWine() {
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

bool WindowsAreUnmanaged() {
    wchar_t value[8] = {};
    DWORD size = sizeof value;
    return RegGetValueW(HKEY_CURRENT_USER, WineX11Settings, L"Managed", RRF_RT_REG_SZ, nullptr,
                        value, &size) == ERROR_SUCCESS &&
           (value[0] == L'N' || value[0] == L'n');
}

// Runs this test again with the same command line and output; returns its
// exit status.
int RunAgain() {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    wchar_t* commandLine = _wcsdup(GetCommandLineW());
    const BOOL started = CreateProcessW(nullptr, commandLine, nullptr, nullptr, TRUE, 0, nullptr,
                                        nullptr, &startup, &process);
    free(commandLine);
    if (!started)
        return 1;
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD status = 1;
    GetExitCodeProcess(process.hProcess, &status);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<int>(status);
}

} // namespace

int main(int argc, char** argv) {
    if (RunsUnderWine() && !WindowsAreUnmanaged()) {
        RegSetKeyValueW(HKEY_CURRENT_USER, WineX11Settings, L"Managed", REG_SZ, L"N",
                        2 * sizeof(wchar_t));
        return RunAgain();
    }
    tarsilo::ResetFpu();
    tarsilo::test::UseLocale(LANG_ENGLISH);
    doctest::Context context(argc, argv);
    return context.run();
}
