// The rules both front ends share, built for each platform (natively with the
// Linux tests, under Wine with the Windows ones): the application title from
// a path, the error boxes' texts on UTF-16 and how they name an error, the
// dialog keys, the windows' ownership and shutdown order, window placement on
// the monitors, the design metrics and their scaling, and the composite
// captions' pieces (the table the Qt suite runs too).

#define DOCTEST_CONFIG_IMPLEMENT_WITH_MAIN
#include <doctest/doctest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <new>
#include <stdexcept>
#include <string>

#include "calc/errors.h"
#include "common/application_title.h"
#include "common/composite_captions.h"
#include "common/error_identity.h"
#include "common/error_texts.h"
#include "common/layout_scale.h"
#include "common/monitor_geometry.h"
#include "common/owned_windows.h"
#include "common/picture_scale.h"
#include "common/window_definition.h"
#include "common/window_keys.h"
#include "tests/composite_caption_rows.h"

using namespace tarsilo;

namespace {

// Lower-cases ASCII letters only, so that the rows show what the rule itself
// does and what it leaves to the front end's mapping.
std::u16string AsciiLowerCase(std::u16string_view text) {
    std::u16string lower(text);
    for (char16_t& c : lower)
        if (c >= u'A' && c <= u'Z')
            c = static_cast<char16_t>(c - u'A' + u'a');
    return lower;
}

std::string Narrow(std::u16string_view text) {
    std::string narrow;
    for (const char16_t c : text)
        narrow += c < 0x80 ? static_cast<char>(c) : '?';
    return narrow;
}

} // namespace

TEST_CASE("the application title from the executable's path") {
    struct Row {
        const char* name;
        std::u16string_view path;
        PathStyle style;
        std::u16string_view title;
    };
    const Row rows[] = {
        {"backslashes", u"C:\\Program Files\\Tarsilo\\DESCENT.EXE", PathStyle::Windows, u"Descent"},
        {"slashes on Windows too", u"C:/Tools/my.calc.exe", PathStyle::Windows, u"my"},
        {"mixed, the last separator counts", u"C:\\a/b\\Tarsilo10.exe", PathStyle::Windows,
         u"Tarsilo10"},
        {"a backslash is a letter on Linux", u"/opt/a\\B.C", PathStyle::Posix, u"a\\b"},
        {"full stop in a directory", u"C:\\v1.2\\CALC", PathStyle::Windows, u"Calc"},
        {"first letter small stays small", u"D:\\tARSILO.exe", PathStyle::Windows, u"tarsilo"},
        {"pair of surrogates first stays whole", u"C:\\\U0001D400BC.exe", PathStyle::Windows,
         u"\U0001D400bc"},
        {"lone high surrogate at the end", u"C:\\\xD835", PathStyle::Windows, u"\xD835"},
        {"name starting with a full stop", u"C:\\.hidden", PathStyle::Windows, u""},
        {"separator last", u"C:\\dir\\", PathStyle::Windows, u""},
        {"no directory", u"Descent.exe", PathStyle::Windows, u"Descent"},
        {"empty", u"", PathStyle::Windows, u""},
    };
    for (const Row& row : rows) {
        CAPTURE(row.name);
        CHECK(ApplicationTitleFromPath(row.path, row.style, AsciiLowerCase) == row.title);
    }
}

TEST_CASE("the error dialog's full stop and shortening") {
    struct FullStop {
        std::u16string_view message;
        std::u16string_view text;
    };
    const FullStop fullStops[] = {
        {u"Floating point overflow", u"Floating point overflow."},
        {u"Done.", u"Done."},
        {u"Stop!", u"Stop!"},
        {u"Reason:", u"Reason:."},
        {u"a/", u"a/."},
        {u"\x041E\x0448\x0438\x0431\x043A\x0430", u"\x041E\x0448\x0438\x0431\x043A\x0430."},
        {u"pair \U0001D400", u"pair \U0001D400."},
        {u"", u""},
    };
    for (const FullStop& row : fullStops) {
        CAPTURE(Narrow(row.message));
        CHECK(ErrorDialogText(row.message) == row.text);
    }

    struct Shortening {
        const char* name;
        std::u16string_view text;
        std::size_t maxCharacters;
        std::size_t maxLineBreaks;
        std::u16string_view shown;
    };
    const Shortening shortenings[] = {
        {"within both limits", u"abcdefg", 7, 0, u"abcdefg"},
        {"odd room: the end gets the extra character", u"abcdefghijklmnop", 8, 8, u"abc\u2026mnop"},
        {"line breaks of every kind", u"a\rb\u2028c\u2029d\ne", 100, 2, u"a\rb\u2026d\ne"},
        {"pair of surrogates at the start's cut", u"a\U0001D400cdefghij", 6, 8, u"a\u2026hij"},
        {"pair of surrogates at the end's cut", u"abcdefg\U0001D400ij", 6, 8, u"ab\u2026ij"},
        {"room for the ellipsis only", u"abc", 1, 8, u"\u2026"},
        {"no room at all", u"abc", 0, 8, u"\u2026"},
    };
    for (const Shortening& row : shortenings) {
        CAPTURE(row.name);
        CHECK(ShortenedForDialog(row.text, row.maxCharacters, row.maxLineBreaks) == row.shown);
    }
    const std::u16string longest(DialogTextMaxCharacters, u'x');
    CHECK(ShortenedForDialog(longest) == longest);
    CHECK(ShortenedForDialog(longest + u'x').size() == std::size_t(DialogTextMaxCharacters));
}

TEST_CASE("the Application Error text and its address") {
    const auto address = reinterpret_cast<const void*>(std::uintptr_t(0x4a3f10));
    CHECK(AddressText(address).size() == 2 * sizeof(void*));
    CHECK(AddressText(address).ends_with(u"4A3F10"));
    CHECK(AddressText(nullptr) == std::u16string(2 * sizeof(void*), u'0'));
    CHECK(AddressText(reinterpret_cast<const void*>(~std::uintptr_t(0))) ==
          std::u16string(2 * sizeof(void*), u'F'));
    const std::u16string lead =
        u"Exception EOverflow in module Tarsilo10.exe at " + AddressText(address) + u".\n";
    CHECK(ApplicationErrorText(u"EOverflow", u"Tarsilo10.exe", address, u"Stop!") ==
          lead + u"Stop!.\n");
    CHECK(ApplicationErrorText(u"EOverflow", u"Tarsilo10.exe", address, u"Done.") ==
          lead + u"Done.\n");
    CHECK(ApplicationErrorText(u"EOverflow", u"Tarsilo10.exe", address, u"") == lead + u"\n");
}

namespace tarsilo::test {
// A class of neither the program's errors nor the standard library's.
struct OwnFault : std::runtime_error {
    OwnFault() : std::runtime_error("own") {}
};
} // namespace tarsilo::test

TEST_CASE("the Application Error box names an error by its class") {
    struct Row {
        const char* name;
        std::function<void()> raise;
        std::string className;
        bool hasAddress;
    };
    const Row rows[] = {
        {"the program's own error", [] { throw EConvertError("x"); }, "EConvertError", true},
        {"an arithmetic fault", [] { throw EOverflow("Floating point overflow"); }, "EOverflow",
         true},
        {"a standard error, not by its mangled name", [] { throw std::logic_error("l"); },
         "std::logic_error", false},
        {"a standard error derived twice", [] { throw std::out_of_range("o"); },
         "std::out_of_range", false},
        {"allocation", [] { throw std::bad_alloc(); }, "std::bad_alloc", false},
        {"a class in a namespace", [] { throw test::OwnFault(); }, "tarsilo::test::OwnFault",
         false},
    };
    for (const Row& row : rows) {
        CAPTURE(row.name);
        try {
            row.raise();
            FAIL("nothing was raised");
        } catch (const std::exception& error) {
            CHECK(ErrorClassName(error) == row.className);
            CHECK((ErrorAddress(error) != nullptr) == row.hasAddress);
        }
    }
}

TEST_CASE("the dialog keys") {
    using forms::Key;
    using forms::KeyAction;
    const forms::WindowDefinition& main = forms::MainWindowDefinition;
    const auto index = [&main](const char* name) { return name ? forms::IndexOf(main, name) : -1; };
    const auto name = [&main](int at) { return at < 0 ? std::string() : main.controls[at].name; };

    struct KeyRow {
        Key key;
        forms::KeyModifiers modifiers;
        const char* focused; // null: none of the window's controls
        KeyAction action;
    };
    const KeyRow keys[] = {
        {Key::Enter, {}, "ev0", KeyAction::ClickActiveButton},
        {Key::Enter, {.shift = true}, "bCalc", KeyAction::Swallow},
        {Key::Enter, {.control = true}, "bCalc", KeyAction::Swallow},
        {Key::Enter, {.alt = true}, "bCalc", KeyAction::Swallow},
        {Key::Escape, {}, "ev0", KeyAction::Swallow},
        {Key::Tab, {}, "ev0", KeyAction::NextTabStop},
        {Key::Tab, {.shift = true}, "ev0", KeyAction::PreviousTabStop},
        {Key::Tab, {.control = true}, "ev0", KeyAction::Swallow},
        {Key::Tab, {.alt = true}, "ev0", KeyAction::PassOn},
        {Key::Left, {}, "ev0", KeyAction::PassOn},
        {Key::Right, {}, "bCalc", KeyAction::NextSibling},
        {Key::Down, {}, "rbBall", KeyAction::NextSibling},
        {Key::Up, {}, "bbClose", KeyAction::PreviousSibling},
        {Key::Left, {}, "rbCyl", KeyAction::PreviousSibling},
        {Key::Down, {.alt = true}, "bCalc", KeyAction::PassOn},
        {Key::Left, {}, nullptr, KeyAction::PassOn},
        {Key::Other, {}, "bCalc", KeyAction::PassOn},
    };
    for (const KeyRow& row : keys) {
        CAPTURE(static_cast<int>(row.key));
        CAPTURE(name(index(row.focused)));
        CHECK(forms::DecideKey(row.key, row.modifiers, main, index(row.focused)) == row.action);
    }

    struct ButtonRow {
        const forms::WindowDefinition* window;
        const char* focused;
        const char* active;
    };
    const ButtonRow buttons[] = {
        {&main, "bClear", "bClear"},
        {&main, "bbClose", "bbClose"},
        {&main, "ev0", "bCalc"},
        {&main, nullptr, "bCalc"},
        {&forms::InfoWindowDefinition, nullptr, "BitBtn1"},
    };
    for (const ButtonRow& row : buttons) {
        CAPTURE(row.focused ? row.focused : "none");
        const int focused = row.focused ? forms::IndexOf(*row.window, row.focused) : -1;
        const int active = forms::ActiveButton(*row.window, focused);
        REQUIRE(active >= 0);
        CHECK(std::string(row.window->controls[active].name) == row.active);
    }

    // Where the focus moves for either shape: the length edit shows for the
    // cylinder only, and of the shape selectors only the chosen one is a tab
    // stop.
    struct MoveRow {
        bool cylinder;
        bool arrow; // else Tab
        const char* from;
        bool forward;
        const char* to;
    };
    const MoveRow moves[] = {
        {false, false, "bbClose", true, "rbBall"}, {true, false, "bbClose", true, "rbCyl"},
        {true, false, "ev0", false, "rbCyl"},      {false, false, "eD", true, "eCb"},
        {true, false, "eD", true, "eL"},           {true, false, "eCb", false, "eL"},
        {false, false, "eReady", true, "bCalc"},   {false, false, "bCalc", false, "eReady"},
        {false, false, nullptr, true, "bCalc"},    {false, false, nullptr, false, "eReady"},
        {false, true, "bCalc", true, "bClear"},    {false, true, "bCalc", false, "eReady"},
        {false, true, "bbClose", true, "eReady"},  {false, true, "rbBall", true, "rbCyl"},
        {false, true, "rbBall", false, "rbCyl"},   {true, true, "rbCyl", true, "rbBall"},
    };
    for (const MoveRow& row : moves) {
        CAPTURE(row.cylinder);
        CAPTURE(row.from ? row.from : "none");
        CAPTURE(row.forward);
        const auto canTakeFocus = [&](int at) { return name(at) != "eL" || row.cylinder; };
        const auto isChecked = [&](int at) {
            return name(at) == (row.cylinder ? "rbCyl" : "rbBall");
        };
        const int target =
            row.arrow
                ? forms::SiblingTarget(main, index(row.from), row.forward, canTakeFocus)
                : forms::TabStopTarget(main, index(row.from), row.forward, canTakeFocus, isChecked);
        CHECK(name(target) == row.to);
    }
}

TEST_CASE("the windows the application owns") {
    struct Window {
        std::string name;
        bool shown = true;
    };
    std::vector<std::string> journal;
    Window* mainReference = nullptr;
    OwnedWindows<Window, std::unique_ptr<Window>> windows;
    for (const char* name : {"main", "info", "third"}) {
        auto window = std::make_unique<Window>(Window{name});
        if (windows.Main() == nullptr)
            mainReference = window.get();
        windows.Adopt(std::move(window), [&journal, name, &mainReference] {
            journal.push_back(std::string("forget ") + name);
            if (std::string(name) == "main")
                mainReference = nullptr;
        });
    }
    REQUIRE(windows.Main() == mainReference);
    const auto hide = [&journal](Window& window) {
        journal.push_back("hide " + window.name);
        window.shown = false;
    };
    const auto show = [&journal](Window& window) {
        journal.push_back("show " + window.name);
        window.shown = true;
    };

    SUBCASE("minimised and restored: only what was on screen goes and comes back") {
        journal.clear();
        // The third window is off the screen already; the main one minimises
        // by itself here.
        const auto goes = [&](Window& window) {
            return &window != windows.Main() && window.shown && window.name != "third";
        };
        windows.HideWithMinimise(goes, hide);
        windows.HideWithMinimise(goes, hide); // a second notice hides nothing more
        windows.ShowAfterRestore(show);
        windows.ShowAfterRestore(show); // nor does a second restore show anything
        CHECK(journal == std::vector<std::string>{"hide info", "show info"});
    }
    SUBCASE("shutdown: all hidden first, then destroyed newest first") {
        journal.clear();
        windows.Shutdown(hide, [&journal](std::unique_ptr<Window>& window) {
            journal.push_back("destroy " + window->name);
            window.reset();
        });
        CHECK(journal == std::vector<std::string>{"hide main", "hide info", "hide third",
                                                  "destroy third", "forget third", "destroy info",
                                                  "forget info", "destroy main", "forget main"});
        CHECK(windows.Main() == nullptr);
        CHECK(mainReference == nullptr);
    }
}

// The rows of the Linux tests cover the placement rules; these add what only
// this build can get wrong.
TEST_CASE("windows on the desktop's monitors") {
    CHECK(DesktopCentredPosition(Size{1281, 801}, Size{750, 390}) == Point{265, 205});
    CHECK(DesktopCentredPosition(Size{640, 300}, Size{750, 390}) == Point{0, 0});
    const Rect sideBySide[] = {{0, 0, 1920, 1080}, {1920, 0, 1280, 1024}};
    CHECK(FollowActiveMonitor(Rect{1000, 100, 718, 572}, Rect{2000, 300, 742, 390}, sideBySide) ==
          Point{3200 - 718, 100});
    CHECK(MonitorOf(Rect{0, 0, 10, 10}, {}) == -1);
    // Areas past the range of int still compare.
    const Rect huge[] = {{0, 0, 60000, 60000}, {60000, 0, 70000, 70000}};
    CHECK(MonitorOf(Rect{10000, 0, 120000, 60000}, huge) == 1);
}

TEST_CASE("design metrics and their scaling") {
    struct FontRow {
        int design;
        double dpi;
        int pixels;
    };
    const FontRow fonts[] = {{11, 96, 11},  {11, 120, 14}, {11, 144, 17},
                             {15, 144, 23}, {11, 192, 22}, {11, 72, 8}};
    for (const FontRow& row : fonts) {
        CAPTURE(row.dpi);
        CHECK(FontPixelsAt(row.design, row.dpi) == row.pixels);
    }

    CHECK(TextHeightScale(13, 13).IsIdentity());
    CHECK(TextHeightScale(16, 13).Apply(Rect{8, 8, 369, 153}) == Rect{10, 10, 454, 188});
    // Edges, not sizes, are rounded: two controls that meet still meet.
    const TextHeightScale half(3, 2);
    CHECK(half.Apply(Rect{1, 1, 1, 1}) == Rect{2, 2, 1, 1});
    CHECK(half.Apply(Rect{2, 2, 1, 1}) == Rect{3, 3, 2, 2});
    CHECK(half.Apply(1) == 2);
    CHECK(half.Apply(-1) == -2);
    CHECK(TextHeightScale(26, 13).Apply(Size{742, 363}) == Size{1484, 726});
    // A reference height of 0 scales nothing rather than dividing by it.
    CHECK(TextHeightScale(16, 0).IsIdentity());
    CHECK(TextHeightScale(16, 0).Apply(Rect{8, 8, 369, 153}) == Rect{8, 8, 369, 153});

    CHECK(PictureScaleFor(1.0) == 1);
    CHECK(PictureScaleFor(0.5) == 1);
    CHECK(PictureScaleFor(1.25) == 2);
    CHECK(PictureScaleFor(2.0) == 2);
    CHECK(PictureScaleFor(3.0) == 2);
}

TEST_CASE("the composite captions' pieces follow the measured texts") {
    CHECK(test::CompositeCaptionDefinitionFault() == "");
    for (const test::CompositeCaptionRow& row : test::CompositeCaptionRows) {
        CAPTURE(row.name);
        const CompositeCaptionPlaces placed = PlaceCompositeCaption(row.metrics);
        CHECK(placed.letter == row.places.letter);
        CHECK(placed.continuation == row.places.continuation);
    }
    for (const test::IndexRow& row : test::IndexRows) {
        CAPTURE(row.name);
        CHECK(PlaceIndex(row.metrics) == row.place);
    }
}
