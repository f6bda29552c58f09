#pragma once
// The system's accessibility functions, loaded from their libraries when a
// screen reader first asks for an object: linked in, oleacc and the COM
// libraries it pulls in would be loaded at every start, screen reader or not.

#include <windows.h>

#include <oleacc.h>

namespace tarsilo::win32 {

struct AccessibilityApi {
    decltype(&::CreateStdAccessibleObject) CreateStdAccessibleObject = nullptr;
    decltype(&::LresultFromObject) LresultFromObject = nullptr;
    decltype(&::AccessibleObjectFromWindow) AccessibleObjectFromWindow = nullptr;
    decltype(&::SysAllocStringLen) SysAllocStringLen = nullptr;

    bool Loaded() const {
        return CreateStdAccessibleObject && LresultFromObject && AccessibleObjectFromWindow &&
               SysAllocStringLen;
    }
};

// Loaded on first use, with COM initialised on this thread (the objects are
// handed to other processes through it). Null when the system lacks them.
const AccessibilityApi* Accessibility();

} // namespace tarsilo::win32
