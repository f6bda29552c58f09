// The main of every Win32 window test: the program's floating-point mode and
// the point as decimal mark, then doctest.
//
// Under Wine the windows must be unmanaged: Wine then draws their frames
// itself, as Windows does, instead of waiting for a window manager (two
// seconds for every window hidden on a bare X server). scripts/test-windows.sh
// sets that for its prefix before any test starts. Wine reads the setting
// when a process starts, so a test started in a prefix without it sets it
// for the next run and stops with a message.

#define DOCTEST_CONFIG_IMPLEMENT
#include <doctest/doctest.h>

#include <windows.h>

#include <cstdio>

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

} // namespace

int main(int argc, char** argv) {
    if (RunsUnderWine() && !WindowsAreUnmanaged()) {
        RegSetKeyValueW(HKEY_CURRENT_USER, WineX11Settings, L"Managed", REG_SZ, L"N",
                        2 * sizeof(wchar_t));
        std::fputs("The windows of this Wine prefix were managed: without a window manager, Wine\n"
                   "waits two seconds for every window it hides. They are unmanaged from now on\n"
                   "(HKCU\\Software\\Wine\\X11 Driver, Managed=N), which Wine reads when a\n"
                   "program starts: run the tests again.\n",
                   stderr);
        return 1;
    }
    tarsilo::ResetFpu();
    tarsilo::test::UseLocale(LANG_ENGLISH);
    doctest::Context context(argc, argv);
    return context.run();
}
