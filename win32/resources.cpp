#include "win32/resources.h"

#include <windows.h>

#include <string>

#include "calc/errors.h"
#include "win32/resource_ids.h"
#include "win32/text_encoding.h"

namespace tarsilo::win32 {

std::span<const unsigned char> ResourceBytes(std::string_view name) {
    const HMODULE module = GetModuleHandleW(nullptr);
    // As program_resources.rc names them.
    std::wstring wide = WideFromUtf8(name);
    for (wchar_t& c : wide)
        c = c == L'.' || c == L'@' ? L'_' : (c >= L'a' && c <= L'z' ? c - L'a' + L'A' : c);
    const HRSRC found = FindResourceW(module, wide.c_str(), MAKEINTRESOURCEW(10)); // RCDATA
    const HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes)
        throw Exception("The program lacks its resource " + std::string(name));
    return {static_cast<const unsigned char*>(bytes), SizeofResource(module, found)};
}

namespace {

HICON LoadProgramIcon(int metric) {
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(TARSILO_ICON),
                                         IMAGE_ICON, GetSystemMetrics(metric),
                                         GetSystemMetrics(metric), LR_SHARED));
}

} // namespace

HICON ProgramIcon(int metric) {
    // Looked up once: every window class of the program takes the same two,
    // and a shared icon lives as long as the process.
    static const HICON large = LoadProgramIcon(SM_CXICON);
    static const HICON small = LoadProgramIcon(SM_CXSMICON);
    if (metric == SM_CXICON)
        return large;
    return metric == SM_CXSMICON ? small : LoadProgramIcon(metric);
}

} // namespace tarsilo::win32
