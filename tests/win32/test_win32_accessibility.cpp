// What a screen reader is given by both real Win32 windows, asked as a client
// asks (AccessibleObjectFromWindow, then the IAccessible properties): every
// control's role, name, states, shortcut, group and description as the shared
// table says, in each situation the table names; and the live-region event of
// the status line after a command.

#include <doctest/doctest.h>

#include <oleacc.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "common/reference_pictures.h"
#include "tests/accessibility_table.h"
#include "tests/win32/program_windows.h"
#include "tests/win32/win32_test_support.h"
#include "win32/text_encoding.h"

using namespace tarsilo;
using namespace tarsilo::test;

namespace {

// A COM reference released at the end of its scope.
template <class Interface> class Held {
public:
    Held() = default;
    explicit Held(Interface* object) : object_(object) {}
    ~Held() {
        if (object_)
            object_->Release();
    }
    Held(Held&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
    Held(const Held&) = delete;
    Held& operator=(const Held&) = delete;
    Interface* operator->() const { return object_; }
    Interface* get() const { return object_; }
    Interface** Out() { return &object_; }
    explicit operator bool() const { return object_ != nullptr; }

private:
    Interface* object_ = nullptr;
};

VARIANT Self() {
    VARIANT self;
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    return self;
}

std::string Utf8(BSTR text) {
    const std::string result = text ? win32::Utf8FromWide(std::wstring(text)) : std::string();
    SysFreeString(text);
    return result;
}

LONG RoleNamed(const std::string& role) {
    if (role == "grouping")
        return ROLE_SYSTEM_GROUPING;
    if (role == "label")
        return ROLE_SYSTEM_STATICTEXT;
    if (role == "text")
        return ROLE_SYSTEM_TEXT;
    if (role == "button")
        return ROLE_SYSTEM_PUSHBUTTON;
    if (role == "radio")
        return ROLE_SYSTEM_RADIOBUTTON;
    if (role == "graphic")
        return ROLE_SYSTEM_GRAPHIC;
    FAIL("the accessibility table names an unknown role " << role);
    return 0;
}

// The client object of a window, as a screen reader obtains it.
Held<IAccessible> ObjectOf(HWND window) {
    Held<IAccessible> object;
    const HRESULT found =
        AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                   reinterpret_cast<void**>(object.Out()));
    CAPTURE(found);
    REQUIRE(SUCCEEDED(found));
    REQUIRE(object);
    return object;
}

Held<IAccessible> AsAccessible(IDispatch* dispatch) {
    Held<IAccessible> object;
    if (dispatch) {
        dispatch->QueryInterface(__uuidof(IAccessible), reinterpret_cast<void**>(object.Out()));
        dispatch->Release();
    }
    return object;
}

HWND WindowOf(IAccessible* object) {
    HWND window = nullptr;
    WindowFromAccessibleObject(object, &window);
    return window;
}

// The windows of an object's children.
std::vector<HWND> ChildWindows(IAccessible* object) {
    LONG count = 0;
    REQUIRE(SUCCEEDED(object->get_accChildCount(&count)));
    std::vector<HWND> windows;
    for (LONG i = 1; i <= count; ++i) {
        VARIANT child;
        child.vt = VT_I4;
        child.lVal = i;
        IDispatch* dispatch = nullptr;
        if (SUCCEEDED(object->get_accChild(child, &dispatch))) {
            const Held<IAccessible> found = AsAccessible(dispatch);
            if (found)
                windows.push_back(WindowOf(found.get()));
        }
    }
    return windows;
}

bool Contains(const std::vector<HWND>& windows, HWND window) {
    return std::find(windows.begin(), windows.end(), window) != windows.end();
}

win32::Form& FormIn(ProgramWindows& windows, const std::string& window,
                    const std::string& situation) {
    if (window == "info") {
        windows.Info().Show();
        REQUIRE(WaitUntil([&] { return GetActiveWindow() == windows.Info().Handle(); }));
        return windows.Info();
    }
    if (situation == "cylinder")
        windows.Click("rbCyl");
    else if (situation == "calculated")
        windows.Click("bCalc");
    else
        REQUIRE(situation.empty());
    return windows.Main();
}

void CheckControl(win32::Form& form, const AccessibleExpectation& expected) {
    CAPTURE(expected.window);
    CAPTURE(expected.situation);
    CAPTURE(expected.control);
    const HWND window = form.Control(expected.control);
    const Held<IAccessible> object = ObjectOf(window);
    const VARIANT self = Self();

    BSTR name = nullptr;
    object->get_accName(self, &name);
    CHECK(Utf8(name) == expected.name);

    VARIANT role;
    VariantInit(&role);
    REQUIRE(SUCCEEDED(object->get_accRole(self, &role)));
    CHECK(role.vt == VT_I4);
    CHECK(role.lVal == RoleNamed(expected.role));

    VARIANT state;
    VariantInit(&state);
    REQUIRE(SUCCEEDED(object->get_accState(self, &state)));
    REQUIRE(state.vt == VT_I4);
    CHECK(((state.lVal & STATE_SYSTEM_INVISIBLE) != 0) == expected.Has("hidden"));
    if (expected.role == "button") {
        CHECK(((state.lVal & STATE_SYSTEM_DEFAULT) != 0) == expected.Has("default"));
        BSTR shortcut = nullptr;
        object->get_accKeyboardShortcut(self, &shortcut);
        CHECK(Utf8(shortcut) == expected.shortcut);
    }
    if (expected.role == "radio")
        CHECK(((state.lVal & STATE_SYSTEM_CHECKED) != 0) == expected.Has("checked"));

    BSTR description = nullptr;
    object->get_accDescription(self, &description);
    const std::string words = Utf8(description);
    if (expected.role == "graphic") {
        const forms::PictureWords* picture = forms::WordsOfPicture(expected.control);
        REQUIRE(picture);
        CHECK(words == picture->description);
        CHECK(words.substr(0, words.find('\n')) == expected.description);
    } else {
        CHECK(words.empty());
    }

    // Heard in its group box, which holds it; or in the window's client
    // area, whose children are the windows of the top-level controls.
    IDispatch* parentDispatch = nullptr;
    REQUIRE(SUCCEEDED(object->get_accParent(&parentDispatch)));
    const Held<IAccessible> parent = AsAccessible(parentDispatch);
    REQUIRE(parent);
    if (expected.group.empty()) {
        CHECK(WindowOf(parent.get()) == window);
        CHECK(Contains(ChildWindows(ObjectOf(form.Handle()).get()), window));
    } else {
        const HWND group = form.Control(expected.group);
        CHECK(WindowOf(parent.get()) == group);
        VARIANT groupRole;
        VariantInit(&groupRole);
        REQUIRE(SUCCEEDED(parent->get_accRole(self, &groupRole)));
        CHECK(groupRole.lVal == ROLE_SYSTEM_GROUPING);
        CHECK(Contains(ChildWindows(parent.get()), window));
    }
}

// The live-region events of this thread's windows, with the status line's
// text at the time.
std::vector<std::pair<HWND, std::wstring>>& LiveRegionEvents() {
    static std::vector<std::pair<HWND, std::wstring>> events;
    return events;
}

void CALLBACK RecordLiveRegion(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child,
                               DWORD, DWORD) {
    if (event == EVENT_OBJECT_LIVEREGIONCHANGED && object == OBJID_CLIENT && child == CHILDID_SELF)
        LiveRegionEvents().emplace_back(window, TextOf(window));
}

} // namespace

TEST_CASE("every control as the shared table says, in every situation") {
    for (const char* window : {"main", "info"}) {
        for (const std::string& situation : SituationsOf(window)) {
            ProgramWindows windows;
            win32::Form& form = FormIn(windows, window, situation);
            for (const AccessibleExpectation& expected : ExpectationsIn(window, situation))
                CheckControl(form, expected);
        }
    }
}

TEST_CASE("an edit's name follows its label's caption") {
    ProgramWindows windows;
    const Held<IAccessible> energy = ObjectOf(windows.Control("eEt"));
    BSTR before = nullptr;
    energy->get_accName(Self(), &before);
    windows.Click("bCalc");
    BSTR after = nullptr;
    energy->get_accName(Self(), &after);
    CHECK(Utf8(before) == "Энергия в расчетной точке, кт");
    CHECK(Utf8(after) == "Энергия в расчетной точке, т");
}

TEST_CASE("the default state and Enter move to the focused push button") {
    ProgramWindows windows;
    windows.Focus("bClear");
    for (const std::string button : {"bCalc", "bClear"}) {
        CAPTURE(button);
        const Held<IAccessible> object = ObjectOf(windows.Control(button));
        VARIANT state;
        VariantInit(&state);
        REQUIRE(SUCCEEDED(object->get_accState(Self(), &state)));
        const bool active = button == "bClear";
        CHECK(((state.lVal & STATE_SYSTEM_DEFAULT) != 0) == active);
        BSTR shortcut = nullptr;
        object->get_accKeyboardShortcut(Self(), &shortcut);
        CHECK(Utf8(shortcut) == (active ? "Enter" : ""));
    }
}

TEST_CASE("a command's outcome is announced once from the status line") {
    struct Case {
        const char* name;
        const char* field;
        std::wstring text;
        const char* command;
        std::vector<std::wstring> said;
    };
    const Case cases[] = {
        {"Calculate", nullptr, L"", "bCalc", {L"Готов ..."}},
        {"Calculate, a failed check", "eD", L"0", "bCalc", {L"Введите D > 0"}},
        {"Clear", nullptr, L"", "bClear", {L"Готов ..."}},
        {"the cylinder: the selection is heard", nullptr, L"", "rbCyl", {}},
    };
    const HWINEVENTHOOK hook =
        SetWinEventHook(EVENT_OBJECT_LIVEREGIONCHANGED, EVENT_OBJECT_LIVEREGIONCHANGED, nullptr,
                        RecordLiveRegion, GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    REQUIRE(hook);
    for (const Case& c : cases) {
        CAPTURE(c.name);
        ProgramWindows windows;
        if (c.field)
            windows.SetText(c.field, c.text);
        LiveRegionEvents().clear();
        windows.Click(c.command);
        // Delivered through this thread's queue; a missing event has time to
        // come.
        WaitUntil([&] { return LiveRegionEvents().size() > c.said.size(); }, 300);
        std::vector<std::wstring> said;
        for (const auto& [window, text] : LiveRegionEvents()) {
            CHECK(window == windows.Control("eReady"));
            said.push_back(text);
        }
        CHECK(said == c.said);
    }
    UnhookWinEvent(hook);
}
