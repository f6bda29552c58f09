#pragma once
// A top-level window built from its window definition: the window with its
// caption and client size, and every control with its kind, parent, place,
// caption, visibility and tab order, scaled to the screen. Both windows of
// the program are forms; they add their commands.
//
// The controls are children of the window itself, not of their group boxes,
// as usual for Win32 dialogs: a group box is a frame drawn under the controls
// that stand in it. Their places are the design places added up along the
// chain of group boxes, and the later control of two that overlap is drawn
// over the earlier one.

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "common/window_definition.h"
#include "win32/form_layout.h"

namespace tarsilo::win32 {

// The identifier of the control at `index` of a form's definition
// (GetDlgCtrlID), also for other processes that look for it.
int ControlId(int index);

class Form;

// Moves the controls that a window lays out itself from the places the
// layout gives them: `places` holds every control's place in the window's
// client area by index (labels sized to their captions), `captions` their
// captions.
using PlaceArrangement = void (*)(const Form& form, const FormLayout& layout,
                                  const std::vector<std::wstring>& captions,
                                  std::vector<RECT>& places);

// Where a window is made: at its designed position, or where it goes at its
// first showing, centred on the whole desktop, so that the showing need not
// move it.
enum class FirstPlace { Designed, DesktopCentred };

class Form {
public:
    // Creates the window hidden, owned by `owner`, with its controls, each at
    // its place from the start (`arrange` moves some first).
    // `removedCommands` are taken off the system menu (SC_SIZE, SC_MAXIMIZE...).
    Form(const forms::WindowDefinition& definition, HWND owner, DWORD style,
         std::vector<UINT> removedCommands, FirstPlace firstPlace = FirstPlace::Designed,
         PlaceArrangement arrange = nullptr);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    HWND Handle() const { return handle_; }
    const forms::WindowDefinition& Definition() const { return definition_; }

    // The control of that name; a name the definition lacks is a fault of
    // the program (std::logic_error).
    int IndexOf(std::string_view name) const;
    HWND Control(std::string_view name) const { return controls_[IndexOf(name)]; }
    HWND ControlAt(int index) const { return controls_[index]; }
    // The index of a control of this form, or -1.
    int IndexOfControl(HWND control) const;
    forms::ControlKind KindOf(int index) const { return definition_.controls[index].kind; }

    // Writes a label's caption; the label grows or shrinks to fit it.
    void SetLabelCaption(int index, const std::wstring& caption);
    // Shows or hides a control; a hidden control gives the focus away.
    void SetControlVisible(int index, bool visible);
    bool IsChecked(int index) const;

    // What closing the window does (its close box, Alt+F4, a close button):
    // by default it hides the window.
    void SetCloseAction(std::function<void()> action) { closeAction_ = std::move(action); }
    // Hides the window; when it was active, the program's top-most other
    // visible and enabled window becomes active.
    void Hide();

    // --- the dialog keys (see window_keyboard.h) ---
    // The button Enter clicks: the focused push button, else the default one;
    // -1 when there is none.
    int ActiveButton() const;
    // Clicks the active button if it can take the focus.
    void ClickActiveButton();
    // Moves the focus along the tab sequence, wrapping around.
    void FocusNextTabStop(bool forward);
    // Moves the focus from `index` to the previous or next control that can
    // take it among the controls of the same group box, in tab order.
    void FocusSibling(int index, bool forward);
    // Puts the focus on a control; by keyboard an edit's whole text is
    // selected.
    void FocusControl(int index, bool byKeyboard);
    bool CanTakeFocus(int index) const;
    // The tab stop Tab or Shift+Tab reaches from `from` (-1: from outside the
    // tab sequence); -1 when there is none.
    int TabStopFrom(int from, bool forward) const;

    // The form a window belongs to: the form's own window or one of its
    // controls. Null for any other window.
    static Form* Of(HWND window);

    // The scale, fonts and resolution the form is laid out for now.
    const FormLayout& Layout() const { return layout_; }

protected:
    // Every message of the window; errors are reported by the caller.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // A push button was clicked.
    virtual void ButtonClicked(int /*index*/) {}
    // A radio button changed from not selected to selected.
    virtual void RadioSelected(int /*index*/) {}

    // Places and sizes every control for `dpi`, and the window's client area.
    void LayOut(UINT dpi);
    LRESULT DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // Every message of every control passes here on its way to the
    // control's own procedure.
    static LRESULT CALLBACK ControlProcedure(HWND control, UINT message, WPARAM wParam,
                                             LPARAM lParam);

    // Every control's place for the layout and these captions.
    std::vector<RECT> Places(const std::vector<std::wstring>& captions) const;
    void CreateControls();
    HWND CreateControl(int index, const std::wstring& caption, const RECT& place);
    void ControlFocused(int index);
    void ShowActiveButton();
    void Command(int index, WORD notification);
    bool SelectRadio(int index);
    void RestoreFocus();
    LRESULT ControlColour(HDC dc);
    // The window's outer size for the client area of the layout at `dpi`.
    SIZE OuterSizeFor(UINT dpi) const;
    SIZE OuterSizeFor(UINT dpi, DWORD style, DWORD exStyle) const;
    // Sizes the window for its client area, unless it has that size already.
    void FitFrame();

    const forms::WindowDefinition& definition_;
    HWND handle_ = nullptr;
    std::vector<HWND> controls_;
    std::vector<WNDPROC> controlProcedures_; // each control's own, by index
    FormLayout layout_;
    PlaceArrangement arrange_;
    std::function<void()> closeAction_;
    int lastFocus_ = -1;
};

} // namespace tarsilo::win32
