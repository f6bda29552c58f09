#include "win32/status_announcer.h"

#include <objbase.h>
#include <oleacc.h>
#include <uiautomationcore.h>

#include "calc/fpu_mode.h"

namespace tarsilo::win32 {

namespace {

// From the Windows headers of the systems that have them.
constexpr GUID LiveSettingProperty = {
    0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
constexpr IID AccPropServicesInterface = {
    0x6e26e776, 0x04f0, 0x495d, {0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69}};
constexpr CLSID AccPropServicesClass = {
    0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};
constexpr LONG PoliteLiveSetting = 1;
constexpr int ActionCompletedNotification = 2;     // NotificationKind_ActionCompleted
constexpr int CurrentThenMostRecentProcessing = 4; // NotificationProcessing_CurrentThenMostRecent

using HostProviderFromHwnd = HRESULT(WINAPI*)(HWND, IRawElementProviderSimple**);
using RaiseNotificationEvent = HRESULT(WINAPI*)(IRawElementProviderSimple*, int, int, BSTR, BSTR);
using AllocString = BSTR(WINAPI*)(const OLECHAR*);
using FreeString = void(WINAPI*)(BSTR);

template <class Function> Function Resolve(const wchar_t* library, const char* name) {
    const HMODULE module = LoadLibraryW(library);
    return module
               ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)))
               : nullptr;
}

struct Notifications {
    HostProviderFromHwnd hostProvider = nullptr;
    RaiseNotificationEvent raise = nullptr;
    AllocString allocString = nullptr;
    FreeString freeString = nullptr;

    bool Available() const { return hostProvider && raise && allocString && freeString; }
};

const Notifications& SystemNotifications() {
    static const Notifications notifications = [] {
        Notifications found;
        found.hostProvider =
            Resolve<HostProviderFromHwnd>(L"uiautomationcore.dll", "UiaHostProviderFromHwnd");
        found.raise =
            Resolve<RaiseNotificationEvent>(L"uiautomationcore.dll", "UiaRaiseNotificationEvent");
        found.allocString = Resolve<AllocString>(L"oleaut32.dll", "SysAllocString");
        found.freeString = Resolve<FreeString>(L"oleaut32.dll", "SysFreeString");
        return found;
    }();
    return notifications;
}

// The status line as a polite live region, where the system annotates.
void AnnotatePoliteLiveRegion(HWND statusLine) {
    using CreateInstance = HRESULT(WINAPI*)(REFCLSID, LPUNKNOWN, DWORD, REFIID, LPVOID*);
    using Initialise = HRESULT(WINAPI*)(LPVOID, DWORD);
    const auto initialise = Resolve<Initialise>(L"ole32.dll", "CoInitializeEx");
    const auto create = Resolve<CreateInstance>(L"ole32.dll", "CoCreateInstance");
    if (!initialise || !create)
        return;
    const HRESULT started = initialise(nullptr, COINIT_APARTMENTTHREADED);
    if (FAILED(started) && started != RPC_E_CHANGED_MODE)
        return;
    IAccPropServices* services = nullptr;
    if (FAILED(create(AccPropServicesClass, nullptr, CLSCTX_INPROC_SERVER, AccPropServicesInterface,
                      reinterpret_cast<void**>(&services))) ||
        !services)
        return;
    VARIANT setting;
    setting.vt = VT_I4;
    setting.lVal = PoliteLiveSetting;
    services->SetHwndProp(statusLine, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                          LiveSettingProperty, setting);
    services->Release();
}

void RaiseNotification(HWND statusLine, const std::wstring& text) {
    const Notifications& system = SystemNotifications();
    IRawElementProviderSimple* provider = nullptr;
    if (FAILED(system.hostProvider(statusLine, &provider)) || !provider)
        return;
    const BSTR said = system.allocString(text.c_str());
    const BSTR activity = system.allocString(L"Tarsilo.Status");
    if (said && activity)
        system.raise(provider, ActionCompletedNotification, CurrentThenMostRecentProcessing, said,
                     activity);
    system.freeString(said);
    system.freeString(activity);
    provider->Release();
}

} // namespace

void StatusAnnouncer::Announce(const std::wstring& text) {
    // The libraries loaded here must not leave the calculation core another
    // floating-point mode.
    const ScopedFpuMode keepMode(ReadFpuControlWord());
    if (!prepared_) {
        prepared_ = true;
        notifications_ = SystemNotifications().Available();
        if (!notifications_)
            AnnotatePoliteLiveRegion(statusLine_);
    }
    NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, statusLine_, OBJID_CLIENT, CHILDID_SELF);
    if (notifications_)
        RaiseNotification(statusLine_, text);
}

} // namespace tarsilo::win32
