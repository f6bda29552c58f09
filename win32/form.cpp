#include "win32/form.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "common/accessibility.h"
#include "common/monitor_geometry.h"
#include "win32/accessible_control.h"
#include "win32/close_button.h"
#include "win32/error_reporting.h"
#include "win32/monitors.h"
#include "win32/native_window.h"
#include "win32/picture_control.h"
#include "win32/resources.h"
#include "win32/text_encoding.h"

#ifndef WM_GETDPISCALEDSIZE
#define WM_GETDPISCALEDSIZE 0x02E4
#endif

namespace tarsilo::win32 {

using forms::ControlDefinition;
using forms::ControlKind;

namespace {

// Control identifiers start above the dialog box command identifiers (IDOK...).
constexpr int FirstControlId = 100;

std::vector<Form*>& LiveForms() {
    static std::vector<Form*> forms;
    return forms;
}

struct ControlClass {
    const wchar_t* name;
    DWORD style;
    DWORD exStyle;
};

ControlClass ClassOf(const ControlDefinition& control) {
    switch (control.kind) {
    case ControlKind::GroupBox:
        return {L"BUTTON", BS_GROUPBOX, 0};
    case ControlKind::Label:
        // No accelerators: no caption holds an ampersand to be underlined.
        return {L"STATIC", SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0};
    case ControlKind::Edit:
        return {L"EDIT", ES_LEFT | ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
    case ControlKind::Button: {
        const DWORD type = control.isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
        return {L"BUTTON", type | WS_TABSTOP, 0};
    }
    case ControlKind::CloseButton:
        return {L"BUTTON", BS_OWNERDRAW | WS_TABSTOP, 0};
    case ControlKind::RadioButton:
        // Selected by the form, so that the command runs only on a change.
        return {L"BUTTON", BS_RADIOBUTTON | (control.checked ? DWORD{WS_TABSTOP} : 0), 0};
    case ControlKind::Picture:
        return {PictureControlClass(), 0, 0};
    }
    throw std::logic_error("a control of an unknown kind");
}

// The program's top-most visible and enabled window other than `except`;
// windows without area (the application's hidden window) do not count.
HWND TopMostOtherWindow(HWND except) {
    const DWORD thread = GetCurrentThreadId();
    for (HWND window = GetTopWindow(nullptr); window; window = GetWindow(window, GW_HWNDNEXT)) {
        RECT frame{};
        if (window != except && GetWindowThreadProcessId(window, nullptr) == thread &&
            IsWindowVisible(window) && IsWindowEnabled(window) && GetWindowRect(window, &frame) &&
            !IsRectEmpty(&frame))
            return window;
    }
    return nullptr;
}

} // namespace

int ControlId(int index) {
    return FirstControlId + index;
}

Form::Form(const forms::WindowDefinition& definition, HWND owner, DWORD style,
           std::vector<UINT> removedCommands, FirstPlace firstPlace, PlaceArrangement arrange)
    : definition_(definition), layout_(WindowDpi(nullptr)), arrange_(arrange) {
    const std::wstring className = WideFromUtf8(definition.className);
    RegisterWindowClass(className.c_str(), Procedure, ProgramIcon(SM_CXICON),
                        ProgramIcon(SM_CXSMICON));
    // At the designed position, and already of the size of the layout: the
    // window and its controls are made where they stay, since under Wine
    // every later move or resize of a window costs a fifth of a millisecond.
    const SIZE outer = OuterSizeFor(layout_.Dpi(), style, 0);
    const Point corner = firstPlace == FirstPlace::DesktopCentred
                             ? DesktopCentredPosition(DesktopSize(), {static_cast<int>(outer.cx),
                                                                      static_cast<int>(outer.cy)})
                             : Point{definition.left, definition.top};
    handle_ = CreateNativeWindow(
        0, className.c_str(), WideFromUtf8(definition.caption).c_str(), style,
        {corner.x, corner.y, corner.x + outer.cx, corner.y + outer.cy}, owner, nullptr, this);
    LiveForms().push_back(this);
    try {
        const HMENU menu = GetSystemMenu(handle_, FALSE);
        for (const UINT command : removedCommands)
            DeleteMenu(menu, command, MF_BYCOMMAND);
        CreateControls();
        // A monitor of another resolution than the system's, or a frame the
        // system made otherwise than asked.
        if (const UINT dpi = WindowDpi(handle_); dpi != layout_.Dpi())
            LayOut(dpi);
        else
            FitFrame();
    } catch (...) {
        DestroyWindow(handle_);
        std::erase(LiveForms(), this);
        throw;
    }
}

Form::~Form() {
    std::erase(LiveForms(), this);
    if (handle_)
        DestroyWindow(handle_);
}

Form* Form::Of(HWND window) {
    if (!window)
        return nullptr;
    const HWND root = GetAncestor(window, GA_ROOT);
    for (Form* form : LiveForms()) {
        if (form->handle_ == root)
            return form;
    }
    return nullptr;
}

// The controls are stacked by their order in the definition, the later one
// on top: a group box lies under its contents, and of two overlapping labels
// the later one is drawn over the earlier. The system stacks a new child
// under its elder siblings, so the controls are made from the last to the
// first; restacking them afterwards would cost a move of every control.
void Form::CreateControls() {
    std::vector<std::wstring> captions;
    for (const ControlDefinition& control : definition_.controls)
        captions.push_back(WideFromUtf8(control.text));
    const std::vector<RECT> places = Places(captions);
    controls_.assign(definition_.controls.size(), nullptr);
    controlProcedures_.assign(controls_.size(), nullptr);
    for (std::size_t i = controls_.size(); i-- > 0;)
        controls_[i] = CreateControl(static_cast<int>(i), captions[i], places[i]);
    // A system that stacks new children on top gets them restacked.
    if (!controls_.empty() && GetWindow(handle_, GW_CHILD) != controls_.back()) {
        for (const HWND control : controls_)
            SetWindowPos(control, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

// A label is of the size of its caption; the window arranges what it lays out
// itself.
std::vector<RECT> Form::Places(const std::vector<std::wstring>& captions) const {
    std::vector<RECT> places;
    for (std::size_t i = 0; i < definition_.controls.size(); ++i) {
        const ControlDefinition& control = definition_.controls[i];
        RECT place = layout_.ControlRect(definition_, static_cast<int>(i));
        if (control.kind == ControlKind::Label) {
            const SIZE size = layout_.DrawnExtent(layout_.FontOf(control), captions[i]);
            place.right = place.left + size.cx;
            place.bottom = place.top + size.cy;
        }
        places.push_back(place);
    }
    if (arrange_)
        arrange_(*this, layout_, captions, places);
    return places;
}

// Made at its place with its font: nothing of it needs to change before it is
// first shown.
HWND Form::CreateControl(int index, const std::wstring& caption, const RECT& place) {
    const ControlDefinition& control = definition_.controls[index];
    const ControlClass kind = ClassOf(control);
    const DWORD visible = control.visible ? WS_VISIBLE : 0;
    const HWND window = CreateNativeWindow(
        kind.exStyle, kind.name, caption.c_str(), WS_CHILD | WS_CLIPSIBLINGS | visible | kind.style,
        place, handle_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlId(index))));
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(layout_.FontOf(control)), FALSE);
    if (control.kind == ControlKind::Edit)
        SendMessageW(window, EM_SETLIMITTEXT, 0, 0); // no length limit
    if (control.kind == ControlKind::RadioButton)
        SendMessageW(window, BM_SETCHECK, control.checked ? BST_CHECKED : BST_UNCHECKED, 0);
    // Subclassed by hand: the common controls library, which would do it too,
    // costs its loading at every start.
    controlProcedures_[index] = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
        window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Form::ControlProcedure)));
    return window;
}

int Form::IndexOf(std::string_view name) const {
    const int index = forms::IndexOf(definition_, name);
    if (index < 0)
        throw std::logic_error("the window " + std::string(definition_.name) + " has no control " +
                               std::string(name));
    return index;
}

int Form::IndexOfControl(HWND control) const {
    const auto found = std::find(controls_.begin(), controls_.end(), control);
    return found == controls_.end() || !control ? -1 : static_cast<int>(found - controls_.begin());
}

void Form::LayOut(UINT dpi) {
    // The old fonts stay alive until every control has the new ones.
    const FormLayout previous = std::exchange(layout_, FormLayout(dpi));
    // The labels' captions as they are now; an edit's text plays no part.
    std::vector<std::wstring> captions(controls_.size());
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        if (definition_.controls[i].kind == ControlKind::Label)
            captions[i] = WindowText(controls_[i]);
    }
    const std::vector<RECT> places = Places(captions);
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        const RECT& place = places[i];
        SetWindowPos(controls_[i], nullptr, place.left, place.top, place.right - place.left,
                     place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(controls_[i], WM_SETFONT,
                     reinterpret_cast<WPARAM>(layout_.FontOf(definition_.controls[i])), FALSE);
    }
    FitFrame();
    RedrawWindow(handle_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void Form::FitFrame() {
    const SIZE outer = OuterSizeFor(layout_.Dpi());
    RECT frame{};
    GetWindowRect(handle_, &frame);
    if (frame.right - frame.left != outer.cx || frame.bottom - frame.top != outer.cy)
        SetWindowPos(handle_, nullptr, 0, 0, outer.cx, outer.cy,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

SIZE Form::OuterSizeFor(UINT dpi) const {
    return OuterSizeFor(dpi, static_cast<DWORD>(GetWindowLongPtrW(handle_, GWL_STYLE)),
                        static_cast<DWORD>(GetWindowLongPtrW(handle_, GWL_EXSTYLE)));
}

SIZE Form::OuterSizeFor(UINT dpi, DWORD style, DWORD exStyle) const {
    const SIZE client = dpi == layout_.Dpi() ? layout_.ClientSize(definition_)
                                             : FormLayout(dpi).ClientSize(definition_);
    const RECT outer = OuterRectForClient(client, style, exStyle, dpi);
    return {outer.right - outer.left, outer.bottom - outer.top};
}

void Form::SetLabelCaption(int index, const std::wstring& caption) {
    const HWND label = controls_[index];
    const bool renamed = WindowText(label) != caption;
    SetWindowTextW(label, caption.c_str());
    const SIZE text = layout_.DrawnExtent(layout_.FontOf(definition_.controls[index]), caption);
    SetWindowPos(label, nullptr, 0, 0, text.cx, text.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(label, nullptr, TRUE);
    // The label tells of its own new name; the controls it names do not know.
    for (const int named :
         renamed ? forms::ControlsNamedBy(definition_, index) : std::vector<int>())
        NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, controls_[named], OBJID_CLIENT, CHILDID_SELF);
}

void Form::SetControlVisible(int index, bool visible) {
    const HWND control = controls_[index];
    if (!visible && GetFocus() == control)
        FocusNextTabStop(true);
    ShowWindow(control, visible ? SW_SHOWNA : SW_HIDE);
}

bool Form::IsChecked(int index) const {
    return SendMessageW(controls_[index], BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Form::Hide() {
    if (!IsWindowVisible(handle_))
        return;
    if (GetActiveWindow() == handle_) {
        if (const HWND next = TopMostOtherWindow(handle_))
            SetActiveWindow(next);
    }
    ShowWindow(handle_, SW_HIDE);
}

void Form::Command(int index, WORD notification) {
    if (notification != BN_CLICKED)
        return;
    switch (KindOf(index)) {
    case ControlKind::Button:
        ButtonClicked(index);
        break;
    case ControlKind::CloseButton:
        // Closes the window the button stands in, as its close box does.
        SendMessageW(handle_, WM_CLOSE, 0, 0);
        break;
    case ControlKind::RadioButton:
        if (SelectRadio(index))
            RadioSelected(index);
        break;
    default:
        break;
    }
}

LRESULT Form::ControlColour(HDC dc) {
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

LRESULT Form::DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(handle_, message, wParam, lParam);
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (const int index = IndexOfControl(reinterpret_cast<HWND>(lParam)); index >= 0) {
            Command(index, HIWORD(wParam));
            return 0;
        }
        break;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        return ControlColour(reinterpret_cast<HDC>(wParam));
    case WM_DRAWITEM: {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        const int index = IndexOfControl(item.hwndItem);
        if (index >= 0 && KindOf(index) == ControlKind::CloseButton) {
            DrawCloseButton(item, index == ActiveButton(), layout_);
            return TRUE;
        }
        break;
    }
    case WM_ACTIVATE:
        // The focus goes back where it was, or to the first tab stop.
        if (LOWORD(wParam) != WA_INACTIVE && !HIWORD(wParam)) {
            RestoreFocus();
            return 0;
        }
        break;
    case WM_GETICON:
        return WindowIcon(handle_, wParam, lParam);
    case WM_GETOBJECT:
        if (const LRESULT answer = AnswerGetObject(handle_, wParam, lParam))
            return answer;
        break;
    case WM_CLOSE:
        if (closeAction_)
            closeAction_();
        else
            Hide();
        return 0;
    case WM_SYSCOMMAND: {
        const WPARAM command = wParam & 0xFFF0;
        if (command == SC_MAXIMIZE || command == SC_SIZE)
            return 0; // a fixed size
        break;
    }
    case WM_GETDPISCALEDSIZE:
        // The size the window takes on the new monitor, so that the system's
        // suggested rectangle already fits the rescaled layout.
        *reinterpret_cast<SIZE*>(lParam) = OuterSizeFor(static_cast<UINT>(wParam));
        return TRUE;
    case WM_DPICHANGED: {
        LayOut(LOWORD(wParam));
        const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(handle_, nullptr, suggested.left, suggested.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    default:
        break;
    }
    return DefWindowProcW(handle_, message, wParam, lParam);
}

LRESULT CALLBACK Form::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* form = reinterpret_cast<Form*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_NCCREATE) {
        form = static_cast<Form*>(reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
        form->handle_ = window;
    }
    if (!form)
        return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        form->handle_ = nullptr;
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return GuardedMessage(window, message,
                          [&] { return form->HandleMessage(message, wParam, lParam); });
}

LRESULT CALLBACK Form::ControlProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    // The control's form is its parent's; the identifier gives its index.
    Form* form = reinterpret_cast<Form*>(GetWindowLongPtrW(GetParent(control), GWLP_USERDATA));
    const int index = GetDlgCtrlID(control) - FirstControlId;
    WNDPROC procedure = nullptr;
    if (form && index >= 0 && index < static_cast<int>(form->controlProcedures_.size()))
        procedure = form->controlProcedures_[index];
    if (!procedure) // the form has let go of it: its class's procedure is its own
        procedure = reinterpret_cast<WNDPROC>(GetClassLongPtrW(control, GCLP_WNDPROC));
    return GuardedMessage(control, message, [&] {
        if (message == WM_GETOBJECT && form) {
            if (const LRESULT answer = AnswerGetObject(control, wParam, lParam))
                return answer;
        }
        const LRESULT result = CallWindowProcW(procedure, control, message, wParam, lParam);
        // Told after the control has the focus, so that ActiveButton sees it.
        if (message == WM_SETFOCUS && form)
            form->ControlFocused(form->IndexOfControl(control));
        return result;
    });
}

} // namespace tarsilo::win32
