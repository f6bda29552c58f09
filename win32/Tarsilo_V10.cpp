#include "win32/Tarsilo_V10.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "calc/program_records.h"
#include "commands/main_commands.h"
#include "common/composite_captions.h"
#include "common/monitor_geometry.h"
#include "win32/error_reporting.h"
#include "win32/monitors.h"
#include "win32/native_window.h"

namespace tarsilo::win32 {

TfTarsilo_main* fTarsilo_main = nullptr;

namespace {

std::wstring Trimmed(std::wstring text) {
    const auto blank = [](wchar_t c) { return c == L' '; };
    text.erase(std::find_if_not(text.rbegin(), text.rend(), blank).base(), text.end());
    text.erase(text.begin(), std::find_if_not(text.begin(), text.end(), blank));
    return text;
}

Point TopLeft(const RECT& place) {
    return {place.left, place.top};
}

void MoveTo(RECT& place, Point corner) {
    OffsetRect(&place, corner.x - place.left, corner.y - place.top);
}

// Puts the pieces of the composite captions and the lowered index where the
// shared rule places them for the texts as drawn on this screen, before the
// labels are made or moved.
void PlaceCaptionPieces(const Form& form, const FormLayout& layout,
                        const std::vector<std::wstring>& captions, std::vector<RECT>& places) {
    const HFONT textFont = layout.WindowFont();
    const HFONT letterFont = layout.GreekFont();
    for (const CompositeCaption& caption : CompositeCaptions) {
        const int start = form.IndexOf(caption.start);
        const int letter = form.IndexOf(caption.letter);
        const int continuation = form.IndexOf(caption.continuation);
        // Only the letter: the blank after it would lie under the continuation.
        const SIZE letterSize = layout.DrawnExtent(letterFont, Trimmed(captions[letter]));
        const CompositeCaptionPlaces placed = PlaceCompositeCaption({
            .start = TopLeft(places[start]),
            .startTextWidth = layout.DrawnExtent(textFont, Trimmed(captions[start])).cx,
            .blankWidth = layout.DrawnExtent(textFont, L" ").cx,
            .textAscent = layout.Ascent(textFont),
            .letterTop = places[letter].top,
            .letterAscent = layout.Ascent(letterFont),
            .letterWidth = letterSize.cx,
        });
        places[letter] = {placed.letter.x, placed.letter.y, placed.letter.x + letterSize.cx,
                          placed.letter.y + letterSize.cy};
        MoveTo(places[continuation], placed.continuation);
    }
    for (const IndexedCaption& caption : IndexedCaptions) {
        const int text = form.IndexOf(caption.caption);
        const int index = form.IndexOf(caption.index);
        MoveTo(places[index],
               PlaceIndex({
                   .caption = TopLeft(places[text]),
                   .captionTextWidth = layout.DrawnExtent(textFont, captions[text]).cx,
                   .indexTop = places[index].top,
                   .gap = layout.Scale().Apply(DesignedIndexGap(form.Definition(), caption)),
               }));
    }
}

} // namespace

TfTarsilo_main::TfTarsilo_main(HWND owner)
    : Form(forms::MainWindowDefinition, owner,
           WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, {SC_SIZE, SC_MAXIMIZE},
           FirstPlace::DesktopCentred, PlaceCaptionPieces),
      fields_(*this) {}

TfTarsilo_main::~TfTarsilo_main() {
    if (fTarsilo_main == this)
        fTarsilo_main = nullptr;
}

void TfTarsilo_main::CentreOnDesktop() {
    const Rect frame = FrameOf(Handle());
    // The whole virtual screen, measured from the origin 0, 0. The window was
    // made there; it moves if the desktop or its frame changed since.
    const Point corner = DesktopCentredPosition(DesktopSize(), {frame.width, frame.height});
    if (corner != frame.TopLeft())
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
