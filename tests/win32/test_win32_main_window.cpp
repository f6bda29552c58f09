// The real Win32 main window driven by messages: the examples of its
// commands, the errors and what they leave on screen, the regional decimal
// mark, the window's frame and placement, the labels and the composite
// captions, and the floating-point mode around window creation.

#include <doctest/doctest.h>

#include <utility>
#include <vector>

#include "calc/decimal_mark.h"
#include "calc/errors.h"
#include "calc/fpu_mode.h"
#include "common/layout_scale.h"
#include "tests/win32/program_windows.h"
#include "tests/win32/win32_test_support.h"
#include "win32/error_reporting.h"
#include "win32/native_window.h"
#include "win32/text_encoding.h"
#include "win32/window_fonts.h"

using namespace tarsilo;
using namespace tarsilo::test;
using forms::ControlKind;

namespace {

using Texts = std::vector<std::pair<std::string, std::wstring>>;

const Texts DefaultInputs = {
    {"ev0", L"10000"}, {"eD", L"1"},     {"eL", L"1"},      {"eCb", L"0.5"},   {"eRoB", L"1000"},
    {"eg", L"9.81"},   {"eRo0", L"1.2"}, {"emu", L"0.029"}, {"eTemp", L"300"}, {"eHx", L"0"},
};

const Texts BallResults = {
    {"eVV", L"0.5236"},
    {"em", L"523.6"},
    {"ev", L"193.83"},
    {"evv0", L"1.9383"},
    {"ev_v0", L"98.062"},
    {"evc", L"147.65"},
    {"eEt0", L"6.26"},
    {"eEt", L"0.0023518"},
    {"lEt0", L"Начальная энергия, т"},
    {"lEt", L"Энергия в расчетной точке, т"},
    {"eReady", L"Готов ..."},
};

const char* const ResultFields[] = {"eVV", "em", "ev", "evv0", "ev_v0", "evc", "eEt0", "eEt"};

void Fill(const ProgramWindows& windows, const Texts& texts) {
    for (const auto& [name, text] : texts)
        windows.SetText(name, text);
}

void CheckTexts(const ProgramWindows& windows, const Texts& expected) {
    for (const auto& [name, text] : expected) {
        CAPTURE(name);
        CHECK(win32::Utf8FromWide(windows.Text(name)) == win32::Utf8FromWide(text));
    }
}

RECT PlaceInWindow(HWND control) {
    RECT place{};
    GetWindowRect(control, &place);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&place), 2);
    return place;
}

int Baseline(const win32::TfTarsilo_main& window, std::string_view label) {
    const int index = window.IndexOf(label);
    const HFONT font = window.Layout().FontOf(window.Definition().controls[index]);
    return PlaceInWindow(window.ControlAt(index)).top + win32::FontAscent(font);
}

} // namespace

TEST_CASE("the examples of Calculate through the window") {
    struct Example {
        const char* name;
        bool cylinder;
        std::wstring speed;
        Texts expected;
    };
    const Example examples[] = {
        {"defaults, ball", false, L"10000", BallResults},
        {"defaults, cylinder",
         true,
         L"10000",
         {{"eVV", L"0.7854"},
          {"em", L"785.4"},
          {"ev", L"721.57"},
          {"evv0", L"7.2157"},
          {"ev_v0", L"92.784"},
          {"evc", L"180.83"},
          {"eEt0", L"9.39"},
          {"eEt", L"0.04889"},
          {"lEt0", L"Начальная энергия, т"},
          {"lEt", L"Энергия в расчетной точке, т"},
          {"eReady", L"Готов ..."}}},
        {"2000000 m/s, kilotonnes",
         false,
         L"2000000",
         {{"lEt0", L"Начальная энергия, кт"}, {"eEt0", L"250.4"}, {"eReady", L"Готов ..."}}},
    };
    for (const Example& example : examples) {
        CAPTURE(example.name);
        ProgramWindows windows;
        if (example.cylinder)
            windows.Click("rbCyl");
        windows.SetText("ev0", example.speed);
        windows.Click("bCalc");
        CheckTexts(windows, example.expected);
    }
}

TEST_CASE("a validation failure keeps the earlier results next to its message") {
    ProgramWindows windows;
    windows.Click("bCalc");
    auto before = windows.Screen();
    windows.SetText("ev0", L"0");
    windows.Click("bCalc");
    before["ev0"] = L"0";
    before["eReady"] = L"Введите Vo > 0";
    CHECK(windows.Screen() == before);
}

TEST_CASE("Clear empties the results and keeps the inputs and the tonne labels") {
    ProgramWindows windows;
    windows.Click("bCalc");
    windows.SetText("eReady", L"typed");
    windows.Click("bClear");
    for (const char* output : ResultFields) {
        CAPTURE(output);
        CHECK(windows.Text(output).empty());
    }
    CheckTexts(windows, {{"eReady", L"Готов ..."},
                         {"lEt0", L"Начальная энергия, т"},
                         {"lEt", L"Энергия в расчетной точке, т"}});
    CheckTexts(windows, DefaultInputs);
}

TEST_CASE("the shape choice, the diameter label and the cylinder length") {
    ProgramWindows windows;
    const HWND lD = windows.Control("lD");
    windows.Click("rbCyl");
    CHECK(windows.Text("lD") == L"Диаметр цилиндра D, м");
    // The label has grown to show its new caption whole.
    RECT place = PlaceInWindow(lD);
    CHECK(place.right - place.left >=
          win32::TextExtent(windows.Main().Layout().WindowFont(), windows.Text("lD")).cx);
    CHECK(IsWindowVisible(windows.Control("eL")));
    CHECK(IsWindowVisible(windows.Control("lL")));

    // The ball hides the length but keeps it, and Calculate still checks it.
    windows.SetText("eL", L"0");
    windows.Click("rbBall");
    CHECK(windows.Text("lD") == L"Диаметр шара D, м");
    CHECK_FALSE(IsWindowVisible(windows.Control("eL")));
    CHECK_FALSE(IsWindowVisible(windows.Control("lL")));
    CHECK(windows.Text("eL") == L"0");
    windows.Click("bCalc");
    CHECK(windows.Text("eReady") == L"Введите L > 0");

    windows.Click("rbCyl");
    CHECK(windows.Text("eL") == L"1");
}

TEST_CASE("clicking the shape that is already selected runs nothing") {
    ProgramWindows windows;
    windows.Click("bCalc");
    windows.SetText("eReady", L"typed");
    const auto before = windows.Screen();
    windows.Click("rbBall");
    CHECK(SendMessageW(windows.Control("rbBall"), BM_GETCHECK, 0, 0) == BST_CHECKED);
    CHECK(windows.Screen() == before);
}

TEST_CASE("an error shows the dialog and changes nothing on screen") {
    struct Failure {
        const char* name;
        Texts inputs;
        std::wstring message;
    };
    const Failure failures[] = {
        {"letters in the speed", {{"ev0", L"abc"}}, L"'abc' is not a valid floating point value."},
        {"blank diameter", {{"eD", L" \t "}}, L"'' is not a valid floating point value."},
        {"comma with the point as mark",
         {{"eRoB", L"  1,5 "}},
         L"'1,5' is not a valid floating point value."},
        {"two bad fields, the first in reading order",
         {{"eHx", L"later"}, {"eL", L"first"}},
         L"'first' is not a valid floating point value."},
        {"T 0 and H 0", {{"eTemp", L"0"}, {"eHx", L"0"}}, L"Invalid floating point operation."},
        {"T 0 and H 100", {{"eTemp", L"0"}, {"eHx", L"100"}}, L"Floating point division by zero."},
        {"H 1e8", {{"eHx", L"1e8"}}, L"Floating point overflow."},
    };
    for (const Failure& failure : failures) {
        CAPTURE(failure.name);
        ProgramWindows windows;
        windows.Click("bCalc");
        windows.SetText("eReady", L"status before");
        Fill(windows, failure.inputs);
        const auto before = windows.Screen();

        const MessageBoxSeen dialog = CloseMessageBoxOpenedBy([&] { windows.Click("bCalc"); });
        REQUIRE(dialog.shown);
        CHECK(win32::Utf8FromWide(dialog.text) == win32::Utf8FromWide(failure.message));
        CHECK(dialog.caption == L"test_win32_main_window");
        CHECK(dialog.stopIcon);
        CHECK(dialog.owner == TestApplication().Handle());
        CHECK(dialog.enabledWindows == 0);
        CHECK(windows.Screen() == before);

        // No fault is left pending for the next calculation.
        CHECK(FpuModeIsDefault());
        CHECK((ReadFpuStatusWord() & 0x000D) == 0);
        Fill(windows, DefaultInputs);
        windows.Click("bCalc");
        CheckTexts(windows, BallResults);
    }
}

TEST_CASE("the error dialog blocks the windows and gives the activation back") {
    ProgramWindows windows;
    windows.Click("bCalc");
    windows.SetText("ev0", L"abc");
    bool mainDisabled = false;
    const MessageBoxSeen dialog = CloseMessageBoxOpenedBy(
        [&] { windows.Click("bCalc"); },
        [&](HWND) { mainDisabled = !IsWindowEnabled(windows.Main().Handle()); });
    REQUIRE(dialog.shown);
    CHECK(mainDisabled);
    // Centred on the work area of the active window's monitor.
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(windows.Main().Handle(), MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& work = monitor.rcWork;
    CHECK(std::abs((dialog.frame.left + dialog.frame.right) - (work.left + work.right)) <= 2);
    CHECK(std::abs((dialog.frame.top + dialog.frame.bottom) - (work.top + work.bottom)) <= 2);
    CHECK(WaitUntil([&] { return GetActiveWindow() == windows.Main().Handle(); }));
    CHECK(IsWindowEnabled(windows.Main().Handle()));
    CHECK(windows.Text("eVV") == L"0.5236");
}

TEST_CASE("an impossible shape choice is an error, not the cylinder") {
    struct Choice {
        const char* name;
        bool ball;
        bool cylinder;
        std::wstring message;
    };
    const Choice choices[] = {
        {"neither shape", false, false, L"No body shape is selected."},
        {"both shapes", true, true, L"Both body shapes are selected."},
    };
    for (const Choice& choice : choices) {
        CAPTURE(choice.name);
        ProgramWindows windows;
        SendMessageW(windows.Control("rbBall"), BM_SETCHECK, choice.ball, 0);
        SendMessageW(windows.Control("rbCyl"), BM_SETCHECK, choice.cylinder, 0);
        const auto before = windows.Screen();
        const MessageBoxSeen dialog = CloseMessageBoxOpenedBy([&] { windows.Click("bCalc"); });
        CHECK(dialog.text == choice.message);
        CHECK(windows.Screen() == before);
    }
}

TEST_CASE("the decimal comma of the regional settings") {
    ProgramWindows windows;
    UseLocale(LANG_RUSSIAN);
    REQUIRE(DecimalMark == ',');
    const MessageBoxSeen rejected = CloseMessageBoxOpenedBy([&] { windows.Click("bCalc"); });
    CHECK(rejected.text == L"'0.5' is not a valid floating point value.");
    CHECK(windows.Text("eVV").empty());

    Fill(windows, {{"eCb", L"0,5"}, {"eg", L"9,81"}, {"eRo0", L"1,2"}, {"emu", L"0,029"}});
    windows.Click("bCalc");
    CheckTexts(windows, {{"eVV", L"0,5236"},
                         {"em", L"523,6"},
                         {"ev", L"193,83"},
                         {"evv0", L"1,9383"},
                         {"ev_v0", L"98,062"},
                         {"evc", L"147,65"},
                         {"eEt0", L"6,26"},
                         {"eEt", L"0,0023518"}});
    UseLocale(LANG_ENGLISH);
}

TEST_CASE("the window's frame, caption, icons and fields") {
    ProgramWindows windows;
    const HWND window = windows.Main().Handle();
    wchar_t className[32] = {};
    GetClassNameW(window, className, 32);
    CHECK(std::wstring(className) == L"TfTarsilo_main");
    const std::wstring caption = TextOf(window);
    CHECK(caption.starts_with(L"Tarsilo V1.0 ("));
    CHECK(caption.ends_with(L")"));
    RECT client{};
    GetClientRect(window, &client);
    const SIZE designed = windows.Main().Layout().ClientSize(windows.Main().Definition());
    CHECK(client.right == designed.cx);
    CHECK(client.bottom == designed.cy);
    CHECK(designed.cx == windows.Main().Layout().Scale().Apply(742));

    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    CHECK((style & WS_MINIMIZEBOX) != 0);
    CHECK((style & WS_SYSMENU) != 0);
    CHECK((style & (WS_MAXIMIZEBOX | WS_THICKFRAME)) == 0);
    const HMENU menu = GetSystemMenu(window, FALSE);
    CHECK(GetMenuState(menu, SC_MAXIMIZE, MF_BYCOMMAND) == UINT(-1));
    CHECK(GetMenuState(menu, SC_SIZE, MF_BYCOMMAND) == UINT(-1));
    CHECK(GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND) != UINT(-1));
    CHECK(SendMessageW(window, WM_GETICON, ICON_BIG, 0) != 0);
    CHECK(SendMessageW(window, WM_GETICON, ICON_SMALL, 0) != 0);
    CHECK(GetWindow(window, GW_OWNER) == TestApplication().Handle());

    // Maximising does nothing to a window of fixed size.
    RECT before{};
    GetWindowRect(window, &before);
    SendMessageW(window, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    RECT after{};
    GetWindowRect(window, &after);
    CHECK(EqualRect(&before, &after));
    CHECK_FALSE(IsZoomed(window));

    CHECK(SendMessageW(windows.Control("rbBall"), BM_GETCHECK, 0, 0) == BST_CHECKED);
    CHECK(SendMessageW(windows.Control("rbCyl"), BM_GETCHECK, 0, 0) == BST_UNCHECKED);
    const auto& controls = windows.Main().Definition().controls;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (controls[i].kind != ControlKind::Edit)
            continue;
        CAPTURE(std::string(controls[i].name));
        const HWND edit = windows.Main().ControlAt(static_cast<int>(i));
        CHECK(IsWindowEnabled(edit));
        CHECK((GetWindowLongPtrW(edit, GWL_STYLE) & ES_READONLY) == 0);
        CHECK((GetWindowLongPtrW(edit, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) != 0);
        // No length limit: the largest the control knows.
        CHECK(SendMessageW(edit, EM_GETLIMITTEXT, 0, 0) >= 0x7FFFFFFE);
    }
}

TEST_CASE("centred on the desktop at the first showing only") {
    ProgramWindows windows;
    const HWND window = windows.Main().Handle();
    RECT frame{};
    GetWindowRect(window, &frame);
    const int desktopWidth = GetSystemMetrics(SM_CXVIRTUALSCREEN);
    const int desktopHeight = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    CHECK(frame.left == std::max(0L, (desktopWidth - (frame.right - frame.left)) / 2));
    CHECK(frame.top == std::max(0L, (desktopHeight - (frame.bottom - frame.top)) / 2));
    SetWindowPos(window, nullptr, 5, 7, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ShowWindow(window, SW_HIDE);
    ShowWindow(window, SW_SHOW);
    PumpMessages();
    GetWindowRect(window, &frame);
    CHECK(frame.left == 5);
    CHECK(frame.top == 7);
}

TEST_CASE("labels show their captions whole, inside their group, without overlapping") {
    for (const bool cylinder : {false, true}) {
        CAPTURE(cylinder);
        ProgramWindows windows;
        if (cylinder)
            windows.Click("rbCyl");
        const auto& window = windows.Main();
        const auto& controls = window.Definition().controls;
        for (int parent = -1; parent < static_cast<int>(controls.size()); ++parent) {
            if (parent >= 0 && controls[parent].kind != ControlKind::GroupBox)
                continue;
            RECT inside{};
            if (parent < 0)
                GetClientRect(window.Handle(), &inside);
            else
                inside = PlaceInWindow(window.ControlAt(parent));
            InflateRect(&inside, -2, -2);
            std::vector<std::pair<std::string, RECT>> boxes;
            for (std::size_t i = 0; i < controls.size(); ++i) {
                const HWND control = window.ControlAt(static_cast<int>(i));
                if (controls[i].parent != parent || !IsWindowVisible(control))
                    continue;
                RECT box = PlaceInWindow(control);
                if (controls[i].kind == ControlKind::Label) {
                    // A Greek letter's label holds the letter, not the blank after it.
                    std::wstring caption = TextOf(control);
                    if (controls[i].greekLetter)
                        caption = caption.substr(0, caption.find(L' '));
                    const SIZE drawn =
                        win32::DrawnTextExtent(window.Layout().FontOf(controls[i]), caption);
                    CAPTURE(std::string(controls[i].name));
                    CHECK(box.right - box.left >= drawn.cx);
                } else if (controls[i].kind == ControlKind::RadioButton) {
                    InflateRect(&box, 0, -1); // the designed rows share a pixel line
                }
                boxes.emplace_back(controls[i].name, box);
            }
            for (std::size_t i = 0; i < boxes.size(); ++i) {
                CAPTURE(boxes[i].first);
                RECT within{};
                IntersectRect(&within, &boxes[i].second, &inside);
                CHECK(EqualRect(&within, &boxes[i].second));
                for (std::size_t j = i + 1; j < boxes.size(); ++j) {
                    CAPTURE(boxes[j].first);
                    RECT overlap{};
                    CHECK_FALSE(IntersectRect(&overlap, &boxes[i].second, &boxes[j].second));
                }
            }
        }
    }
}

TEST_CASE("composite captions read as one line") {
    struct Composite {
        const char* start;
        const char* letter;
        const char* continuation;
        const wchar_t* greek;
    };
    const Composite composites[] = {
        {"lRoB", "Label4", "Label5", L"ρ"},
        {"lRo0", "Label11", "Label12", L"ρ"},
        {"lmu", "Label8", "Label13", L"μ"},
    };
    ProgramWindows windows;
    const auto& window = windows.Main();
    for (const Composite& composite : composites) {
        CAPTURE(std::string(composite.letter));
        CHECK(windows.Text(composite.letter).starts_with(composite.greek));
        CHECK(Baseline(window, composite.letter) == Baseline(window, composite.start));
        CHECK(Baseline(window, composite.continuation) == Baseline(window, composite.start));
        const RECT start = PlaceInWindow(windows.Control(composite.start));
        const RECT letter = PlaceInWindow(windows.Control(composite.letter));
        const RECT rest = PlaceInWindow(windows.Control(composite.continuation));
        // One blank after the start's text, nothing between letter and rest.
        const HFONT font = window.Layout().WindowFont();
        std::wstring startText = windows.Text(composite.start);
        startText.pop_back();
        CHECK(letter.left - start.left ==
              win32::DrawnTextExtent(font, startText).cx + win32::TextExtent(font, L" ").cx);
        CHECK(rest.left == letter.right);
    }
    // The index of the drag coefficient the designed 6 pixels after the end
    // of the text as drawn, 8 lower.
    const RECT c = PlaceInWindow(windows.Control("lCb"));
    const RECT index = PlaceInWindow(windows.Control("Label20"));
    CHECK(c.right - c.left ==
          win32::DrawnTextExtent(window.Layout().WindowFont(), windows.Text("lCb")).cx);
    CHECK(index.left - c.right == window.Layout().Scale().Apply(6));
    CHECK(index.top - c.top == window.Layout().Scale().Apply(8));
    // The Greek letters at 15 pixels, in a font that has them.
    const HFONT greek = window.Layout().GreekFont();
    LOGFONTW logical{};
    GetObjectW(greek, sizeof logical, &logical);
    CHECK(logical.lfHeight == -window.Layout().Scale().Apply(15));
    CHECK(std::wstring(logical.lfFaceName) == win32::GreekLetterFontFace().name);
}

namespace {

// A window whose creation changes the floating-point mode, as a driver or a
// hook might.
LRESULT CALLBACK ModeChangingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CREATE) {
        const std::uint16_t doublePrecision = 0x027F;
        asm volatile("fldcw %0" : : "m"(doublePrecision));
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

// Wine saves and restores the x87 state around every callback into the
// program, so there only Windows itself can show a missing guard.
TEST_CASE("window creation leaves the floating-point mode as it was") {
    win32::RegisterWindowClass(L"ModeChanging", ModeChangingProcedure);
    REQUIRE(FpuModeIsDefault());
    const HWND window = win32::CreateNativeWindow(0, L"ModeChanging", L"", WS_POPUP, {0, 0, 10, 10},
                                                  nullptr, nullptr);
    CHECK(FpuModeIsDefault());
    DestroyWindow(window);
    // The program's windows too.
    ProgramWindows windows;
    CHECK(FpuModeIsDefault());
}

TEST_CASE("moving to a monitor of another resolution scales the whole window") {
    for (const UINT dpi : {120u, 144u, 192u, 96u}) {
        CAPTURE(dpi);
        ProgramWindows windows;
        auto& window = windows.Main();
        windows.Click("rbCyl");
        RECT suggested{};
        GetWindowRect(window.Handle(), &suggested);
        OffsetRect(&suggested, 10, 20);
        SendMessageW(window.Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                     reinterpret_cast<LPARAM>(&suggested));
        PumpMessages();
        const win32::FormLayout& layout = window.Layout();
        CHECK(layout.Dpi() == dpi);
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(windows.Control("ev0"), WM_GETFONT, 0, 0)),
                   sizeof font, &font);
        CHECK(font.lfHeight == -FontPixelsAt(WindowFontPixels, dpi));
        // The layout grows with the text: at twice the resolution, about twice.
        const double ratio = double(layout.Scale().Measured()) / layout.Scale().Reference();
        CHECK(ratio == doctest::Approx(dpi / 96.0).epsilon(0.12));
        // The frame is sized for the new resolution's borders and caption;
        // a window that only pretends to move keeps its old ones, so its
        // client area is at least the scaled design.
        RECT client{};
        GetClientRect(window.Handle(), &client);
        CHECK(client.right >= layout.Scale().Apply(742));
        CHECK(client.bottom >= layout.Scale().Apply(363));
        RECT frame{};
        GetWindowRect(window.Handle(), &frame);
        CHECK(frame.left == suggested.left);
        CHECK(frame.top == suggested.top);
        const RECT eHx = PlaceInWindow(windows.Control("eHx"));
        const RECT designed = layout.ControlRect(window.Definition(), window.IndexOf("eHx"));
        CHECK(EqualRect(&eHx, &designed));
        // Labels still show their captions, composites still read as one line.
        const RECT lD = PlaceInWindow(windows.Control("lD"));
        CHECK(lD.right - lD.left >=
              win32::DrawnTextExtent(layout.WindowFont(), windows.Text("lD")).cx);
        CHECK(Baseline(window, "Label4") == Baseline(window, "lRoB"));
        CHECK(Baseline(window, "Label5") == Baseline(window, "lRoB"));
    }
}
