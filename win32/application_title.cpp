#include "win32/application_title.h"

#include <windows.h>

#include "common/application_title.h"
#include "win32/text_encoding.h"

namespace tarsilo::win32 {

namespace {

// The system's case mapping, which knows the letters of every script.
std::u16string LowerCase(std::u16string_view text) {
    std::wstring wide = WideFromU16(text);
    if (!wide.empty())
        CharLowerBuffW(wide.data(), static_cast<DWORD>(wide.size()));
    return U16FromWide(wide);
}

} // namespace

std::wstring ExecutablePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

std::wstring ApplicationTitleFromPath(const std::wstring& executablePath) {
    return WideFromU16(tarsilo::ApplicationTitleFromPath(U16FromWide(executablePath),
                                                         PathStyle::Windows, LowerCase));
}

std::wstring ProgramTitle() {
    return ApplicationTitleFromPath(ExecutablePath());
}

} // namespace tarsilo::win32
