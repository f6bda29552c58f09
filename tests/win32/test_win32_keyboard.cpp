// The keyboard of the real Win32 main window: keys posted to the focused
// control go through the same message loop path as typed ones.

#include <doctest/doctest.h>

#include <string>
#include <vector>

#include "tests/win32/program_windows.h"
#include "tests/win32/win32_test_support.h"

using namespace tarsilo;
using namespace tarsilo::test;

namespace {

// What a key did, told apart by the fields: the result field and the status
// line hold marks before the key.
enum class Effect { Calculated, Cleared, InfoShown, Closed, Nothing };

const char* EffectName(Effect effect) {
    switch (effect) {
    case Effect::Calculated:
        return "calculated";
    case Effect::Cleared:
        return "cleared";
    case Effect::InfoShown:
        return "reference window shown";
    case Effect::Closed:
        return "main window closed";
    case Effect::Nothing:
        return "nothing";
    }
    return "?";
}

// The tab sequence from bCalc with the ball selected, and what the cylinder
// changes in it.
const std::vector<std::string> BallSequence = {
    "bCalc", "bClear", "bInfo", "bbClose", "rbBall", "ev0", "eD",     "eCb",
    "eRoB",  "eg",     "eRo0",  "emu",     "eTemp",  "eHx", "eVV",    "em",
    "ev",    "evv0",   "ev_v0", "eEt0",    "eEt",    "evc", "eReady",
};
const std::vector<std::string> CylinderSequence = {
    "bCalc", "bClear", "bInfo", "bbClose", "rbCyl", "ev0",   "eD",  "eL",
    "eCb",   "eRoB",   "eg",    "eRo0",    "emu",   "eTemp", "eHx", "eVV",
    "em",    "ev",     "evv0",  "ev_v0",   "eEt0",  "eEt",   "evc", "eReady",
};

} // namespace

TEST_CASE("right after start the focus is on Расчет and Enter calculates") {
    ProgramWindows windows;
    CHECK(windows.FocusedName() == "bCalc");
    PressKey(VK_RETURN);
    CHECK(windows.Text("eVV") == L"0.5236");
    CHECK(windows.FocusedName() == "bCalc");
}

TEST_CASE("Enter clicks the active button, and only Enter alone") {
    struct Press {
        const char* name;
        const char* focus;
        UINT key;
        Modifiers held;
        Effect effect;
    };
    const Press presses[] = {
        {"Enter on Расчет", "bCalc", VK_RETURN, {}, Effect::Calculated},
        {"Enter in an input field", "eD", VK_RETURN, {}, Effect::Calculated},
        {"Enter in a result field", "eEt", VK_RETURN, {}, Effect::Calculated},
        {"Enter in the status line", "eReady", VK_RETURN, {}, Effect::Calculated},
        {"Enter on a shape selector", "rbBall", VK_RETURN, {}, Effect::Calculated},
        {"Enter on Очистить", "bClear", VK_RETURN, {}, Effect::Cleared},
        {"Enter on Инфо", "bInfo", VK_RETURN, {}, Effect::InfoShown},
        {"Enter on Выход", "bbClose", VK_RETURN, {}, Effect::Closed},
        {"Space on Очистить", "bClear", VK_SPACE, {}, Effect::Cleared},
        {"Shift+Enter", "ev0", VK_RETURN, {.shift = true}, Effect::Nothing},
        {"Ctrl+Enter", "ev0", VK_RETURN, {.control = true}, Effect::Nothing},
        {"Alt+Enter", "ev0", VK_RETURN, {.alt = true}, Effect::Nothing},
        {"Shift+Enter on Очистить", "bClear", VK_RETURN, {.shift = true}, Effect::Nothing},
        {"Esc in a field", "ev0", VK_ESCAPE, {}, Effect::Nothing},
        {"Esc on a button", "bInfo", VK_ESCAPE, {}, Effect::Nothing},
    };
    for (const Press& press : presses) {
        CAPTURE(press.name);
        ProgramWindows windows;
        bool closed = false;
        windows.Main().SetCloseAction([&closed] { closed = true; });
        windows.Click("bCalc");
        windows.SetText("eVV", L"mark");
        windows.SetText("eReady", L"mark");
        windows.Focus(press.focus);
        PressKey(press.key, press.held);

        Effect effect = Effect::Nothing;
        if (closed)
            effect = Effect::Closed;
        else if (IsWindowVisible(windows.Info().Handle()))
            effect = Effect::InfoShown;
        else if (windows.Text("eVV") == L"0.5236")
            effect = Effect::Calculated;
        else if (windows.Text("eVV").empty() && windows.Text("eReady") == L"Готов ...")
            effect = Effect::Cleared;
        else if (windows.Text("eVV") != L"mark" || windows.Text("eReady") != L"mark")
            FAIL("the key changed the fields in an unexpected way");
        CHECK(std::string(EffectName(effect)) == EffectName(press.effect));
        if (press.effect != Effect::Closed)
            CHECK(IsWindowVisible(windows.Main().Handle()));
    }
}

TEST_CASE("Tab and Shift+Tab walk the tab sequence, wrapping around") {
    struct Walk {
        const char* name;
        bool cylinder;
        const std::vector<std::string>* sequence;
    };
    const Walk walks[] = {
        {"ball selected", false, &BallSequence},
        {"cylinder selected", true, &CylinderSequence},
    };
    for (const Walk& walk : walks) {
        CAPTURE(walk.name);
        ProgramWindows windows;
        if (walk.cylinder)
            windows.Click("rbCyl");
        windows.Focus("bCalc");
        std::vector<std::string> forward;
        for (std::size_t i = 0; i < walk.sequence->size(); ++i) {
            forward.push_back(windows.FocusedName());
            PressKey(VK_TAB);
        }
        CHECK(forward == *walk.sequence);
        CHECK(windows.FocusedName() == "bCalc");

        std::vector<std::string> backward;
        for (std::size_t i = 0; i < walk.sequence->size(); ++i) {
            PressKey(VK_TAB, {.shift = true});
            backward.insert(backward.begin(), windows.FocusedName());
        }
        CHECK(backward == *walk.sequence);
        // Tab with Ctrl moves nothing.
        PressKey(VK_TAB, {.control = true});
        CHECK(windows.FocusedName() == "bCalc");
    }
}

TEST_CASE(
    "a field entered by Tab has its whole text selected, one clicked its caret at the click") {
    ProgramWindows windows;
    windows.Focus("ev0");
    SendMessageW(windows.Control("ev0"), EM_SETSEL, 0, 0);
    PressKey(VK_TAB);
    REQUIRE(windows.FocusedName() == "eD");
    windows.SetText("eD", L"12345");
    PressKey(VK_TAB, {.shift = true});
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(windows.Control("ev0"), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    CHECK(start == 0);
    CHECK(end == 5);

    // A click in the middle of "12345" puts the caret there.
    const HWND eD = windows.Control("eD");
    RECT client{};
    GetClientRect(eD, &client);
    const LPARAM point = MAKELPARAM(client.right / 8, client.bottom / 2);
    PostMessageW(eD, WM_LBUTTONDOWN, MK_LBUTTON, point);
    PostMessageW(eD, WM_LBUTTONUP, 0, point);
    PumpMessages();
    CHECK(windows.FocusedName() == "eD");
    SendMessageW(eD, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    CHECK(start == end);
    CHECK(start > 0);
    CHECK(start < 5);
}

TEST_CASE("arrow keys move among the siblings of a button or a shape selector") {
    struct Arrow {
        const char* name;
        const char* from;
        UINT key;
        const char* to;
        bool cylinderAfter;
    };
    const Arrow arrows[] = {
        {"Right from Расчет", "bCalc", VK_RIGHT, "bClear", false},
        {"Down from Инфо", "bInfo", VK_DOWN, "bbClose", false},
        {"Left from Очистить", "bClear", VK_LEFT, "bCalc", false},
        {"Up from Расчет wraps to the status line", "bCalc", VK_UP, "eReady", false},
        {"Right from Выход reaches the status line", "bbClose", VK_RIGHT, "eReady", false},
        {"Down on the ball selects the cylinder", "rbBall", VK_DOWN, "rbCyl", true},
        {"Up on the ball wraps to the cylinder", "rbBall", VK_UP, "rbCyl", true},
        {"an edit keeps the arrows for its caret", "ev0", VK_RIGHT, "ev0", false},
    };
    for (const Arrow& arrow : arrows) {
        CAPTURE(arrow.name);
        ProgramWindows windows;
        windows.Focus(arrow.from);
        PressKey(arrow.key);
        CHECK(windows.FocusedName() == arrow.to);
        const bool cylinder =
            SendMessageW(windows.Control("rbCyl"), BM_GETCHECK, 0, 0) == BST_CHECKED;
        CHECK(cylinder == arrow.cylinderAfter);
        if (arrow.cylinderAfter) {
            // The cylinder's command ran.
            CHECK(windows.Text("lD") == L"Диаметр цилиндра D, м");
            CHECK(IsWindowVisible(windows.Control("eL")));
        }
    }
}

TEST_CASE("the default frame follows the focused push button") {
    struct Focus {
        const char* focus;
        const char* framed;
    };
    const Focus foci[] = {
        {"bClear", "bClear"}, {"bInfo", "bInfo"},  {"ev0", "bCalc"},
        {"bbClose", ""},      {"rbBall", "bCalc"}, {"bCalc", "bCalc"},
    };
    ProgramWindows windows;
    for (const Focus& focus : foci) {
        CAPTURE(focus.focus);
        windows.Focus(focus.focus);
        for (const char* button : {"bCalc", "bClear", "bInfo"}) {
            CAPTURE(button);
            const LONG_PTR type =
                GetWindowLongPtrW(windows.Control(button), GWL_STYLE) & BS_TYPEMASK;
            CHECK((type == BS_DEFPUSHBUTTON) == (std::string(button) == focus.framed));
        }
        // The close button is drawn by the window, framed while it is active.
        CHECK((windows.Main().ActiveButton() == windows.Main().IndexOf("bbClose")) ==
              (std::string(focus.focus) == "bbClose"));
    }
}

TEST_CASE("the focus comes back where it was when the window is activated again") {
    struct Return {
        const char* control;
        int caret; // in an edit, where the caret stands; -1 elsewhere
    };
    // An edit keeps its caret and selects nothing: typing on after switching
    // back must not replace the field.
    const Return returns[] = {{"eTemp", 1}, {"eg", 4}, {"bClear", -1}};
    for (const Return& back : returns) {
        CAPTURE(std::string(back.control));
        ProgramWindows windows;
        windows.Focus(back.control);
        const HWND control = windows.Control(back.control);
        if (back.caret >= 0)
            SendMessageW(control, EM_SETSEL, back.caret, back.caret);
        windows.Info().Show();
        REQUIRE(WaitUntil([&] { return GetActiveWindow() == windows.Info().Handle(); }));
        SetActiveWindow(windows.Main().Handle());
        CHECK(WaitUntil([&] { return windows.FocusedName() == back.control; }));
        if (back.caret >= 0) {
            DWORD start = 0;
            DWORD end = 0;
            SendMessageW(control, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                         reinterpret_cast<LPARAM>(&end));
            CHECK(start == DWORD(back.caret));
            CHECK(end == DWORD(back.caret));
        }
    }
}
