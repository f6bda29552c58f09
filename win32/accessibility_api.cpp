#include "win32/accessibility_api.h"

#include <objbase.h>

namespace tarsilo::win32 {

namespace {

template <class Function> void Resolve(HMODULE library, const char* name, Function& function) {
    function =
        library ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)))
                : nullptr;
}

AccessibilityApi Load() {
    AccessibilityApi api;
    const HMODULE com = LoadLibraryW(L"ole32.dll");
    decltype(&::CoInitializeEx) initialise = nullptr;
    Resolve(com, "CoInitializeEx", initialise);
    // The thread of the windows is a single-threaded apartment; a failure
    // (another model chosen before) leaves COM as it was.
    if (!initialise || FAILED(initialise(nullptr, COINIT_APARTMENTTHREADED)))
        return api;
    const HMODULE oleacc = LoadLibraryW(L"oleacc.dll");
    Resolve(oleacc, "CreateStdAccessibleObject", api.CreateStdAccessibleObject);
    Resolve(oleacc, "LresultFromObject", api.LresultFromObject);
    Resolve(oleacc, "AccessibleObjectFromWindow", api.AccessibleObjectFromWindow);
    Resolve(LoadLibraryW(L"oleaut32.dll"), "SysAllocStringLen", api.SysAllocStringLen);
    return api;
}

} // namespace

const AccessibilityApi* Accessibility() {
    static const AccessibilityApi api = Load();
    return api.Loaded() ? &api : nullptr;
}

} // namespace tarsilo::win32
