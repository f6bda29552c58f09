#include "win32/app/application_error.h"

#include <windows.h>

#include "common/error_identity.h"
#include "common/error_texts.h"
#include "win32/application_title.h"
#include "win32/error_reporting.h"
#include "win32/text_encoding.h"

namespace tarsilo::win32 {

namespace {

std::wstring FileNameOf(const std::wstring& path) {
    const std::size_t separator = path.find_last_of(L"\\/");
    return separator == std::wstring::npos ? path : path.substr(separator + 1);
}

std::wstring ModulePath(HMODULE module) {
    std::wstring path(MAX_PATH, L'\0');
    const DWORD length = GetModuleFileNameW(module, path.data(), static_cast<DWORD>(path.size()));
    path.resize(length);
    return path;
}

} // namespace

std::wstring ErrorModuleName(const std::exception& error) {
    HMODULE module = nullptr;
    if (const void* address = ErrorAddress(error);
        address && GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                                          GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                                      static_cast<LPCWSTR>(address), &module)) {
        if (const std::wstring path = ModulePath(module); !path.empty())
            return FileNameOf(path);
    }
    return FileNameOf(ExecutablePath());
}

std::wstring ApplicationErrorBoxText(const std::exception& error) {
    return WideFromU16(ApplicationErrorText(U16FromWide(WideFromUtf8(ErrorClassName(error))),
                                            U16FromWide(ErrorModuleName(error)),
                                            ErrorAddress(error), U16FromWide(ErrorMessage(error))));
}

void ShowApplicationError(const std::exception& error) {
    MessageBoxW(nullptr, ApplicationErrorBoxText(error).c_str(), L"Application Error",
                MB_OK | MB_ICONERROR | MB_TASKMODAL);
}

} // namespace tarsilo::win32
