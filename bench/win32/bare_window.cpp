// The bare Win32 program that the Windows start-up benchmark sets beside
// Tarsilo10.exe: a window of the main window's client size with as many
// controls of each kind as the main window (5 group boxes, 25 labels,
// 19 edits, 4 push buttons, 2 radio buttons: 55 controls in 56 windows) and
// nothing else: no font, icon, scaling, picture or second window of its own.

#include <windows.h>

namespace {

constexpr int ClientWidth = 742;
constexpr int ClientHeight = 363;

struct ControlKind {
    const wchar_t* className;
    DWORD style;
    int count;
    int width;
    int height;
};

constexpr ControlKind Kinds[] = {
    {L"BUTTON", BS_GROUPBOX, 5, 140, 60},
    {L"STATIC", SS_LEFT, 25, 110, 16},
    {L"EDIT", WS_BORDER | ES_AUTOHSCROLL | WS_TABSTOP, 19, 90, 21},
    {L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 4, 75, 25},
    {L"BUTTON", BS_AUTORADIOBUTTON | WS_TABSTOP, 2, 70, 17},
};

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// Lays the controls out in rows across the client area, kind after kind.
void CreateControls(HWND window, HINSTANCE instance) {
    int x = 8, y = 8, rowHeight = 0, id = 100;
    for (const ControlKind& kind : Kinds) {
        for (int i = 0; i < kind.count; ++i) {
            if (x + kind.width > ClientWidth - 8) {
                x = 8;
                y += rowHeight + 4;
                rowHeight = 0;
            }
            CreateWindowExW(0, kind.className, L"Text", WS_CHILD | WS_VISIBLE | kind.style, x, y,
                            kind.width, kind.height, window,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id++)), instance, nullptr);
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
    CreateControls(window, instance);
    ShowWindow(window, showCommand);
    UpdateWindow(window);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageW(window, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}
