#include "win32/Tarsilo_V10.h"

#include <algorithm>
#include <string_view>

#include "calc/program_records.h"
#include "commands/main_commands.h"
#include "common/monitor_geometry.h"
#include "win32/error_reporting.h"
#include "win32/monitors.h"
#include "win32/native_window.h"

namespace tarsilo::win32 {

TfTarsilo_main* fTarsilo_main = nullptr;

namespace {

// A caption put together from a text, a Greek letter in a font of its own
// and the rest of the text, each a label of its own.
struct CompositeCaption {
    std::string_view start;
    std::string_view letter;
    std::string_view continuation;
};

constexpr CompositeCaption CompositeCaptions[] = {
    {"lRoB", "Label4", "Label5"},
    {"lRo0", "Label11", "Label12"},
    {"lmu", "Label8", "Label13"},
};

// A caption whose last letter takes a lowered index, a label of its own.
struct IndexedCaption {
    std::string_view caption;
    std::string_view index;
};

constexpr IndexedCaption IndexedCaptions[] = {
    {"lCb", "Label20"},
};

// A label's place in the window's client area.
RECT PlaceOf(HWND control) {
    RECT place{};
    GetWindowRect(control, &place);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&place), 2);
    return place;
}

std::wstring Trimmed(std::wstring text) {
    const auto blank = [](wchar_t c) { return c == L' '; };
    text.erase(std::find_if_not(text.rbegin(), text.rend(), blank).base(), text.end());
    text.erase(text.begin(), std::find_if_not(text.begin(), text.end(), blank));
    return text;
}

} // namespace

TfTarsilo_main::TfTarsilo_main(HWND owner)
    : Form(forms::MainWindowDefinition, owner,
           WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, {SC_SIZE, SC_MAXIMIZE}),
      fields_(*this) {
    // The form laid the controls out before this class existed.
    PlaceCompositeCaptions();
}

TfTarsilo_main::~TfTarsilo_main() {
    if (fTarsilo_main == this)
        fTarsilo_main = nullptr;
}

void TfTarsilo_main::ControlsPlaced() {
    PlaceCompositeCaptions();
}

// Lays each composite caption out as one line of text: the letter where the
// start (which ends in a blank) ends, the continuation right after the
// letter, and the letter's baseline on the text line; and each lowered index
// after the text it belongs to. The start keeps its designed place, the
// others their designed tops.
void TfTarsilo_main::PlaceCompositeCaptions() {
    const HFONT textFont = Layout().WindowFont();
    const HFONT letterFont = Layout().GreekFont();
    for (const CompositeCaption& caption : CompositeCaptions) {
        const HWND start = Control(caption.start);
        const HWND letter = Control(caption.letter);
        const HWND continuation = Control(caption.continuation);
        const RECT startPlace = PlaceOf(start);
        const int designedTop = Layout().ControlRect(Definition(), IndexOf(caption.letter)).top;
        const int baseline = startPlace.top + Layout().Ascent(textFont);
        const int drop = std::max(0, baseline - designedTop - Layout().Ascent(letterFont));
        // Where the drawn text of the start ends, then its blank.
        const int letterLeft = startPlace.left +
                               Layout().DrawnExtent(textFont, Trimmed(WindowText(start))).cx +
                               TextExtent(textFont, L" ").cx;
        // Only the letter: the blank after it would lie under the continuation.
        const SIZE letterSize = Layout().DrawnExtent(letterFont, Trimmed(WindowText(letter)));
        SetWindowPos(letter, nullptr, letterLeft, designedTop + drop, letterSize.cx, letterSize.cy,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        SetWindowPos(continuation, nullptr, letterLeft + letterSize.cx, PlaceOf(continuation).top,
                     0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    // The index keeps its designed distance from the end of the caption's
    // text, where the caption's label ends: the text's width does not follow
    // the scale of the layout (at its designed place, 30 pixels too far at
    // 192 ppi).
    for (const IndexedCaption& caption : IndexedCaptions) {
        const forms::ControlDefinition& designed = Definition().controls[IndexOf(caption.caption)];
        const HWND index = Control(caption.index);
        const int gap =
            Definition().controls[IndexOf(caption.index)].left - (designed.left + designed.width);
        SetWindowPos(index, nullptr,
                     PlaceOf(Control(caption.caption)).right + Layout().Scale().Apply(gap),
                     PlaceOf(index).top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void TfTarsilo_main::CentreOnDesktop() {
    const Rect frame = FrameOf(Handle());
    // The whole virtual screen, measured from the origin 0, 0.
    const Size desktop{GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN)};
    const Point corner = DesktopCentredPosition(desktop, {frame.width, frame.height});
    SetWindowPos(Handle(), nullptr, corner.x, corner.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT TfTarsilo_main::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SHOWWINDOW:
        // Centred when first shown only; later the window stays where the
        // user has moved it.
        if (wParam && !placed_) {
            placed_ = true;
            CentreOnDesktop();
        }
        break;
    case WM_SYSCOMMAND:
        // Minimising acts on the whole program: the application's window
        // goes to the task bar and takes every window of the program along.
        if ((wParam & 0xFFF0) == SC_MINIMIZE) {
            if (const HWND owner = GetWindow(Handle(), GW_OWNER)) {
                ShowWindow(owner, SW_MINIMIZE);
                return 0;
            }
        }
        break;
    default:
        break;
    }
    return Form::HandleMessage(message, wParam, lParam);
}

void TfTarsilo_main::ButtonClicked(int index) {
    const std::string_view name = Definition().controls[index].name;
    if (name == "bCalc")
        bCalcClick();
    else if (name == "bClear")
        bClearClick();
    else if (name == "bInfo")
        bInfoClick();
}

void TfTarsilo_main::RadioSelected(int index) {
    const std::string_view name = Definition().controls[index].name;
    if (name == "rbBall")
        rbBallClick();
    else if (name == "rbCyl")
        rbCylClick();
}

void TfTarsilo_main::bCalcClick() {
    RunCommand(Control("bCalc"), [this] { Calculate(fields_, ProgramInputs, ProgramResults); });
}

void TfTarsilo_main::bClearClick() {
    RunCommand(Control("bClear"), [this] { Clear(fields_); });
}

void TfTarsilo_main::bInfoClick() {
    RunCommand(Control("bInfo"), [this] {
        if (infoCommand_)
            infoCommand_();
    });
}

void TfTarsilo_main::rbBallClick() {
    RunCommand(Control("rbBall"), [this] { ChooseBall(fields_); });
}

void TfTarsilo_main::rbCylClick() {
    RunCommand(Control("rbCyl"), [this] { ChooseCylinder(fields_); });
}

} // namespace tarsilo::win32
