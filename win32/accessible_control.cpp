#include "win32/accessible_control.h"

#include <oleacc.h>

#include <string>
#include <vector>

#include "calc/fpu_mode.h"
#include "common/accessibility.h"
#include "win32/accessibility_api.h"
#include "win32/form.h"
#include "win32/native_window.h"
#include "win32/text_encoding.h"

namespace tarsilo::win32 {

using forms::AccessibleRole;

namespace {

LONG SystemRole(AccessibleRole role) {
    switch (role) {
    case AccessibleRole::Grouping:
        return ROLE_SYSTEM_GROUPING;
    case AccessibleRole::Label:
        return ROLE_SYSTEM_STATICTEXT;
    case AccessibleRole::Text:
        return ROLE_SYSTEM_TEXT;
    case AccessibleRole::PushButton:
        return ROLE_SYSTEM_PUSHBUTTON;
    case AccessibleRole::RadioButton:
        return ROLE_SYSTEM_RADIOBUTTON;
    case AccessibleRole::Graphic:
        return ROLE_SYSTEM_GRAPHIC;
    }
    return ROLE_SYSTEM_CLIENT;
}

bool IsSelf(const VARIANT& child) {
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

// Where a window stands: a form's own window (control -1) or one of its
// controls. Looked up at every call, as a client may keep an object longer
// than the window lives.
struct Place {
    Form* form = nullptr;
    int control = -1;

    bool IsControl() const { return form && control >= 0; }
    const forms::ControlDefinition& Definition() const {
        return form->Definition().controls[control];
    }
};

Place PlaceOf(HWND window) {
    Form* form = Form::Of(window);
    if (!form)
        return {};
    if (window == form->Handle())
        return {form, -1};
    const int index = form->IndexOfControl(window);
    return index >= 0 ? Place{form, index} : Place{};
}

HRESULT TextResult(const std::string& utf8, BSTR* result) {
    *result = nullptr;
    if (utf8.empty())
        return S_FALSE;
    const std::wstring text = WideFromUtf8(utf8);
    *result = Accessibility()->SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    return *result ? S_OK : E_OUTOFMEMORY;
}

class AccessibleControl final : public IAccessible, public IOleWindow {
public:
    // The object for a form's window or control, or null.
    static AccessibleControl* Create(HWND window) {
        const AccessibilityApi* api = Accessibility();
        if (!api || !PlaceOf(window).form)
            return nullptr;
        IAccessible* standard = nullptr;
        if (FAILED(api->CreateStdAccessibleObject(window, OBJID_CLIENT, __uuidof(IAccessible),
                                                  reinterpret_cast<void**>(&standard))) ||
            !standard)
            return nullptr;
        return new AccessibleControl(window, standard);
    }

    // --- IUnknown ---
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        if (!object)
            return E_POINTER;
        if (id == __uuidof(IUnknown) || id == __uuidof(IDispatch) || id == __uuidof(IAccessible))
            *object = static_cast<IAccessible*>(this);
        else if (id == __uuidof(IOleWindow))
            *object = static_cast<IOleWindow*>(this);
        else {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0)
            delete this;
        return left;
    }

    // --- IDispatch: clients call through the table ---
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        return E_NOTIMPL;
    }

    // --- IOleWindow ---
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override {
        *window = window_;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

    // --- IAccessible: the program's answers ---
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        const Place place = PlaceOf(window_);
        if (place.IsControl() && place.Definition().parent >= 0) {
            const HWND group = place.form->ControlAt(place.Definition().parent);
            return Handed(Create(group), parent);
        }
        return standard_->get_accParent(parent);
    }

    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
        const Place place = PlaceOf(window_);
        if (!IsContainer(place))
            return standard_->get_accChildCount(count);
        *count = static_cast<LONG>(ChildrenOf(place).size());
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        const Place place = PlaceOf(window_);
        if (!IsContainer(place))
            return standard_->get_accChild(child, object);
        *object = nullptr;
        const std::vector<int> children = ChildrenOf(place);
        if (child.vt != VT_I4 || child.lVal < 1 || child.lVal > static_cast<LONG>(children.size()))
            return E_INVALIDARG;
        const HWND control = place.form->ControlAt(children[child.lVal - 1]);
        if (place.control >= 0) // inside a group box: the control's own object
            return Handed(Create(control), object);
        // In the client area, as the system has it: the control's window,
        // whose child is the control's object.
        return Accessibility()->AccessibleObjectFromWindow(
            control, static_cast<DWORD>(OBJID_WINDOW), __uuidof(IDispatch),
            reinterpret_cast<void**>(object));
    }

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        const Place place = PlaceOf(window_);
        if (!IsSelf(child) || !place.IsControl())
            return standard_->get_accName(child, name);
        const Form& form = *place.form;
        const auto caption = [&form](int index) {
            return Utf8FromWide(WindowText(form.ControlAt(index)));
        };
        return TextResult(forms::AccessibleName(form.Definition(), place.control, caption), name);
    }

    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
        const Place place = PlaceOf(window_);
        if (!IsSelf(child) || !place.IsControl())
            return standard_->get_accDescription(child, description);
        return TextResult(
            std::string(forms::AccessibleDescription(place.form->Definition(), place.control)),
            description);
    }

    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        const Place place = PlaceOf(window_);
        if (!IsSelf(child) || !place.IsControl())
            return standard_->get_accRole(child, role);
        role->vt = VT_I4;
        role->lVal = SystemRole(forms::RoleOf(place.Definition().kind));
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        const HRESULT result = standard_->get_accState(child, state);
        const Place place = PlaceOf(window_);
        if (FAILED(result) || !IsSelf(child) || !place.IsControl() || state->vt != VT_I4)
            return result;
        const auto set = [state](LONG flag, bool on) {
            state->lVal = on ? state->lVal | flag : state->lVal & ~flag;
        };
        switch (forms::RoleOf(place.Definition().kind)) {
        case AccessibleRole::PushButton:
            // The button Enter clicks is the default one, whichever has the
            // frame; the owner-drawn one has no standard state for it.
            set(STATE_SYSTEM_DEFAULT, place.form->ActiveButton() == place.control);
            break;
        case AccessibleRole::RadioButton:
            // The form selects the shape selectors itself.
            set(STATE_SYSTEM_CHECKED, place.form->IsChecked(place.control));
            break;
        default:
            break;
        }
        return result;
    }

    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        const Place place = PlaceOf(window_);
        if (!IsSelf(child) || !place.IsControl())
            return standard_->get_accKeyboardShortcut(child, shortcut);
        // No caption has an access key: only the active button has a key.
        const bool active =
            IsActivePushButtonKind(place) && place.form->ActiveButton() == place.control;
        return TextResult(active ? std::string(forms::ActiveButtonShortcut) : std::string(),
                          shortcut);
    }

    // --- IAccessible: the standard object's answers ---
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return standard_->get_accValue(child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        return standard_->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
        return standard_->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
        return standard_->get_accFocus(focus);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
        return standard_->get_accSelection(selection);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return standard_->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override {
        return standard_->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                          VARIANT child) override {
        return standard_->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
        return standard_->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG left, LONG top, VARIANT* child) override {
        return standard_->accHitTest(left, top, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        return standard_->accDoDefaultAction(child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
        return standard_->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return standard_->put_accValue(child, value);
    }

private:
    AccessibleControl(HWND window, IAccessible* standard) : window_(window), standard_(standard) {}
    ~AccessibleControl() { standard_->Release(); }

    // Hands a new object over as an IDispatch, the caller's reference.
    static HRESULT Handed(AccessibleControl* object, IDispatch** result) {
        *result = object;
        return object ? S_OK : E_FAIL;
    }

    // The form's client area and its group boxes hold the controls the
    // window definition puts there.
    static bool IsContainer(const Place& place) {
        return place.form &&
               (place.control < 0 || place.Definition().kind == forms::ControlKind::GroupBox);
    }
    static std::vector<int> ChildrenOf(const Place& place) {
        std::vector<int> children;
        const auto& controls = place.form->Definition().controls;
        for (std::size_t i = 0; i < controls.size(); ++i) {
            if (controls[i].parent == place.control)
                children.push_back(static_cast<int>(i));
        }
        return children;
    }
    static bool IsActivePushButtonKind(const Place& place) {
        return place.IsControl() &&
               forms::RoleOf(place.Definition().kind) == AccessibleRole::PushButton;
    }

    LONG references_ = 1;
    HWND window_;
    IAccessible* standard_;
};

} // namespace

LRESULT AnswerGetObject(HWND window, WPARAM flags, LPARAM objectId) {
    if (static_cast<DWORD>(objectId) != static_cast<DWORD>(OBJID_CLIENT))
        return 0;
    // Libraries loaded and COM started for the first request must not leave
    // the calculation core another floating-point mode.
    const ScopedFpuMode keepMode(ReadFpuControlWord());
    AccessibleControl* object = AccessibleControl::Create(window);
    if (!object)
        return 0;
    const LRESULT result = Accessibility()->LresultFromObject(__uuidof(IAccessible), flags,
                                                              static_cast<IAccessible*>(object));
    object->Release();
    return result;
}

} // namespace tarsilo::win32
