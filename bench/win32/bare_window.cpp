// The bare Win32 program that the Windows start-up benchmark sets beside
// Tarsilo10.exe: a window of the main window's client size and styles with
// as many controls of each kind and style as the main window (5 group boxes,
// 25 labels, 19 edits with sunken edges, a default and 3 other push buttons,
// 2 radio buttons: 55 controls in 56 windows), all in one font made once and
// set on every control, as any program sets the font of its controls; and
// nothing else: no icon, scaling, picture or second window of its own.

#include <windows.h>

namespace {

constexpr int ClientWidth = 742;
constexpr int ClientHeight = 363;

struct ControlKind {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
    int count;
    int width;
    int height;
};

constexpr ControlKind Kinds[] = {
    {L"BUTTON", BS_GROUPBOX, 0, 5, 140, 60},
    {L"STATIC", SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0, 25, 110, 16},
    {L"EDIT", ES_LEFT | ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, 19, 90, 21},
    {L"BUTTON", BS_DEFPUSHBUTTON | WS_TABSTOP, 0, 1, 75, 25},
    {L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0, 3, 75, 25},
    {L"BUTTON", BS_AUTORADIOBUTTON | WS_TABSTOP, 0, 2, 70, 17},
};

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// Lays the controls out in rows across the client area, kind after kind.
void CreateControls(HWND window, HINSTANCE instance, HFONT font) {
    int x = 8, y = 8, rowHeight = 0, id = 100;
    for (const ControlKind& kind : Kinds) {
        for (int i = 0; i < kind.count; ++i) {
            if (x + kind.width > ClientWidth - 8) {
                x = 8;
                y += rowHeight + 4;
                rowHeight = 0;
            }
            const HWND control = CreateWindowExW(
                kind.exStyle, kind.className, L"Text", WS_CHILD | WS_VISIBLE | kind.style, x, y,
                kind.width, kind.height, window,
                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id++)), instance, nullptr);
            SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
            x += kind.width + 4;
            rowHeight = rowHeight > kind.height ? rowHeight : kind.height;
        }
    }
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WindowProcedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = L"BareWindow";
    RegisterClassExW(&windowClass);

    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT frame = {0, 0, ClientWidth, ClientHeight};
    AdjustWindowRectEx(&frame, style, FALSE, 0);
    HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"Baseline window", style,
                                  CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left,
                                  frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);
    if (window == nullptr)
        return 1;
    // The designed font of Tarsilo's windows: 8 points at 96 pixels per inch.
    const HFONT font = CreateFontW(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                   OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                   DEFAULT_PITCH | FF_DONTCARE, L"MS Sans Serif");
    CreateControls(window, instance, font);
    ShowWindow(window, showCommand);
    UpdateWindow(window);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageW(window, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    DeleteObject(font);
    return static_cast<int>(message.wParam);
}
