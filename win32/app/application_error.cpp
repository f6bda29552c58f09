#include "win32/app/application_error.h"

#include <windows.h>

#include <cxxabi.h>

#include <cstdlib>
#include <memory>
#include <typeinfo>

#include "calc/errors.h"
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

std::wstring ErrorClassName(const std::exception& error) {
    if (const auto* own = dynamic_cast<const Exception*>(&error))
        return WideFromUtf8(own->ClassName());
    const char* mangled = typeid(error).name();
    int status = 0;
    const std::unique_ptr<char, decltype(&std::free)> demangled(
        abi::__cxa_demangle(mangled, nullptr, nullptr, &status), &std::free);
    return WideFromUtf8(status == 0 && demangled ? demangled.get() : mangled);
}

const void* ErrorAddress(const std::exception& error) {
    if (const auto* own = dynamic_cast<const Exception*>(&error))
        return own->Address();
    return nullptr;
}

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
    return WideFromU16(ApplicationErrorText(U16FromWide(ErrorClassName(error)),
                                            U16FromWide(ErrorModuleName(error)),
                                            ErrorAddress(error), U16FromWide(ErrorMessage(error))));
}

void ShowApplicationError(const std::exception& error) {
    MessageBoxW(nullptr, ApplicationErrorBoxText(error).c_str(), L"Application Error",
                MB_OK | MB_ICONERROR | MB_TASKMODAL);
}

} // namespace tarsilo::win32
