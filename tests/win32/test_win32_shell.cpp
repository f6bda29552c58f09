// The application shell: the title, the error dialog and the "Application
// Error" box, the exit status, the regional settings, and the real
// Tarsilo10.exe started as a child process: its ends with status 0, its one
// task-bar entry, minimising as a whole, the launcher's request, its version
// and icon. The shared rules' own tables are in test_shared_rules.cpp.

#include <doctest/doctest.h>

#include <regex>
#include <string>
#include <vector>

#include "calc/decimal_mark.h"
#include "calc/errors.h"
#include "calc/fpu_mode.h"
#include "common/window_definition.h"
#include "tests/win32/program_windows.h"
#include "tests/win32/win32_test_support.h"
#include "win32/app/program.h"
#include "win32/application_title.h"
#include "win32/error_reporting.h"
#include "win32/resource_ids.h"
#include "win32/text_encoding.h"

using namespace tarsilo;
using namespace tarsilo::test;

namespace {

// --- the real program in a process of its own ---

struct TaskBarCount {
    DWORD process;
    std::vector<HWND> entries;
};

// A window gets a task-bar button when it is visible and either marked as an
// application window or neither owned nor a tool window.
BOOL CALLBACK CountTaskBarEntry(HWND window, LPARAM data) {
    auto& count = *reinterpret_cast<TaskBarCount*>(data);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    const LONG_PTR exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
    if (process == count.process && IsWindowVisible(window) &&
        ((exStyle & WS_EX_APPWINDOW) ||
         (!GetWindow(window, GW_OWNER) && !(exStyle & WS_EX_TOOLWINDOW))))
        count.entries.push_back(window);
    return TRUE;
}

std::wstring ProgramPath() {
    std::wstring path = ExecutableDirectory() + TARSILO10_FROM_TESTS L"\\Tarsilo10.exe";
    for (wchar_t& c : path) {
        if (c == L'/')
            c = L'\\';
    }
    return path;
}

class RunningProgram {
public:
    // Starts Tarsilo10.exe, with a show request from the launcher when
    // `showWindow` is not negative, and waits for its main window.
    explicit RunningProgram(int showWindow = -1) {
        const std::wstring path = ProgramPath();
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        if (showWindow >= 0) {
            startup.dwFlags = STARTF_USESHOWWINDOW;
            startup.wShowWindow = static_cast<WORD>(showWindow);
        }
        std::wstring commandLine = L"\"" + path + L"\"";
        started_ = CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                                  nullptr, nullptr, &startup, &process_);
        REQUIRE_MESSAGE(started_, "Tarsilo10.exe did not start");
        REQUIRE(WaitUntil([this] { return Window(L"TfInfo") != nullptr; }, 30000));
    }
    ~RunningProgram() {
        if (!started_)
            return;
        if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT)
            TerminateProcess(process_.hProcess, 99);
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    HWND Window(const wchar_t* className) const {
        return TopWindowOfProcess(process_.dwProcessId, className);
    }
    HWND MainWindow() const { return Window(L"TfTarsilo_main"); }
    HWND ReferenceWindow() const { return Window(L"TfInfo"); }
    HWND ApplicationWindow() const { return Window(L"TApplication"); }
    HWND Control(const char* name) const {
        return GetDlgItem(MainWindow(),
                          win32::ControlId(forms::IndexOf(forms::MainWindowDefinition, name)));
    }
    std::vector<HWND> TaskBarEntries() const {
        TaskBarCount count{process_.dwProcessId, {}};
        EnumWindows(CountTaskBarEntry, reinterpret_cast<LPARAM>(&count));
        return count.entries;
    }
    // The exit status once the program has ended, -1 while it runs on.
    int ExitStatus(int milliseconds = 20000) const {
        if (WaitForSingleObject(process_.hProcess, static_cast<DWORD>(milliseconds)) !=
            WAIT_OBJECT_0)
            return -1;
        DWORD status = 0;
        GetExitCodeProcess(process_.hProcess, &status);
        return static_cast<int>(status);
    }

private:
    PROCESS_INFORMATION process_{};
    bool started_ = false;
};

bool Shows(HWND window) {
    return window && IsWindowVisible(window) && !IsIconic(window);
}

// A window whose creation fails, like a window whose pictures do not read.
class FailingForm : public win32::TfInfo {
public:
    explicit FailingForm(HWND owner) : TfInfo(owner) {
        throw EInvalidOp("Invalid floating point operation");
    }
};
FailingForm* failingForm = nullptr;

const std::regex ApplicationErrorPattern(
    "Exception (\\w+) in module test_win32_shell\\.exe at [0-9A-F]{16}\\.\\n([^\\n]*)\\n");

} // namespace

TEST_CASE("the title comes from the executable's file name") {
    struct Path {
        const wchar_t* path;
        const wchar_t* title;
    };
    const Path paths[] = {
        {L"C:\\Program Files\\DESCENT.EXE", L"Descent"},
        {L"C:/tools/my.calc.exe", L"my"},
        {L"C:\\ПРОГРАММЫ\\СПУСК.EXE", L"Спуск"},
        {L"C:\\bin\\ÉCOLE.EXE", L"École"},
    };
    for (const Path& path : paths) {
        CAPTURE(win32::Utf8FromWide(path.path));
        CHECK(win32::Utf8FromWide(win32::ApplicationTitleFromPath(path.path)) ==
              win32::Utf8FromWide(path.title));
    }
    CHECK(win32::ProgramTitle() == L"test_win32_shell");
    CHECK(TestApplication().Title() == L"test_win32_shell");
    CHECK(TextOf(TestApplication().Handle()) == L"test_win32_shell");
}

TEST_CASE("the error dialog's text, caption, icon and owner") {
    struct Message {
        const char* name;
        std::string message;
        // The text shown, or empty where the text is too long for the screen
        // and shown shortened around "…".
        std::string shown;
    };
    std::string manyWords;
    for (int i = 0; i < 120; ++i)
        manyWords += "слово ";
    std::string manyLines;
    for (int i = 0; i < 200; ++i)
        manyLines += "line\n";
    const std::string fieldText =
        "'" + std::string(62, '7') + "' is not a valid floating point value";
    // Of the widest letters, so that the box reaches the screen's edges.
    std::string longField = "'";
    for (int i = 0; i < 3000; ++i)
        longField += "Ш";
    longField += "' is not a valid floating point value";
    const Message messages[] = {
        {"full stop added", "Floating point overflow", "Floating point overflow."},
        {"ends in ')'", "(see above)", "(see above)"},
        {"Cyrillic", "Ошибка", "Ошибка."},
        {"a 62-character field text is shown whole", fieldText, fieldText + "."},
        {"many words wrap onto lines of their own", manyWords, manyWords},
        {"a field text wider than the screen", longField, ""},
        {"more lines than the screen holds", manyLines + ":", ""},
    };
    TestApplication();
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(nullptr, MONITOR_DEFAULTTOPRIMARY), &monitor);
    for (const Message& message : messages) {
        CAPTURE(std::string(message.name));
        const MessageBoxSeen dialog =
            CloseMessageBoxOpenedBy([&] { win32::ShowErrorDialog(Exception(message.message)); });
        REQUIRE(dialog.shown);
        const std::wstring full =
            win32::WideFromUtf8(message.message) + (message.message.back() > '.' ? L"." : L"");
        if (!message.shown.empty()) {
            CHECK(win32::Utf8FromWide(dialog.text) == message.shown);
        } else {
            // The start and the end stay, the full stop after the end.
            const std::size_t cut = dialog.text.find(L'…');
            REQUIRE(cut != std::wstring::npos);
            CHECK(full.starts_with(dialog.text.substr(0, cut)));
            CHECK(full.ends_with(dialog.text.substr(cut + 1)));
            CHECK(dialog.text.size() > 100);
            CHECK(dialog.text == win32::FittedForDialog(full, nullptr));
        }
        // The whole box on the screen, its button too.
        RECT within{};
        IntersectRect(&within, &dialog.frame, &monitor.rcWork);
        CHECK(EqualRect(&within, &dialog.frame));
        CHECK(dialog.caption == L"test_win32_shell");
        CHECK(dialog.stopIcon);
        CHECK(dialog.owner == TestApplication().Handle());
    }
}

TEST_CASE("an error raised by a command is shown, and the program goes on") {
    ProgramWindows windows;
    windows.Main().SetInfoCommand([] { throw EOverflow("Floating point overflow"); });
    const MessageBoxSeen dialog = CloseMessageBoxOpenedBy([&] { windows.Click("bInfo"); });
    REQUIRE(dialog.shown);
    CHECK(dialog.text == L"Floating point overflow.");
    CHECK(dialog.caption == L"test_win32_shell");
    CHECK(dialog.caption != TextOf(windows.Main().Handle()));
    windows.Click("bCalc");
    CHECK(windows.Text("eVV") == L"0.5236");
}

TEST_CASE("an error outside the event loop ends the program with status 1") {
    struct Failure {
        const char* name;
        std::function<void(win32::TApplication&)> createForms;
        const char* errorClass;
        const char* message;
    };
    const Failure failures[] = {
        {"raised by the program entry",
         [](win32::TApplication& application) {
             win32::CreateForms(application);
             throw EConvertError("'x' is not a valid floating point value");
         },
         "EConvertError", "'x' is not a valid floating point value."},
        {"raised by a window being created",
         [](win32::TApplication& application) {
             win32::CreateForms(application);
             application.CreateForm(failingForm);
         },
         "EInvalidOp", "Invalid floating point operation."},
    };
    for (const Failure& failure : failures) {
        CAPTURE(std::string(failure.name));
        int status = -1;
        const MessageBoxSeen box = CloseMessageBoxOpenedBy(
            [&] { status = win32::RunProgram(TestApplication(), failure.createForms); });
        CHECK(status == 1);
        REQUIRE(box.shown);
        CHECK(box.caption == L"Application Error");
        CHECK(box.stopIcon);
        CHECK(box.owner == nullptr);
        std::smatch match;
        const std::string text = win32::Utf8FromWide(box.text);
        REQUIRE_MESSAGE(std::regex_match(text, match, ApplicationErrorPattern), text);
        CHECK(match[1] == failure.errorClass);
        CHECK(match[2] == failure.message);
        CHECK(win32::fTarsilo_main == nullptr);
        CHECK(win32::fInfo == nullptr);
        CHECK(failingForm == nullptr);
    }
}

TEST_CASE("a wrong floating-point mode stops the program before any window exists") {
    int status = -1;
    bool formsCreated = false;
    MessageBoxSeen box;
    {
        const ScopedFpuMode doublePrecision(0x027F);
        box = CloseMessageBoxOpenedBy([&] {
            status = win32::RunProgram(TestApplication(),
                                       [&](win32::TApplication&) { formsCreated = true; });
        });
    }
    CHECK(status == 1);
    CHECK_FALSE(formsCreated);
    CHECK(std::regex_match(win32::Utf8FromWide(box.text), ApplicationErrorPattern));
    CHECK(FpuModeIsDefault());
}

TEST_CASE("the decimal mark is read again when the regional settings change") {
    const HWND application = TestApplication().Handle();
    // What the user's own settings give, as the program reads them at start.
    SetThreadLocale(LOCALE_USER_DEFAULT);
    ReadDecimalMark();
    const char userMark = DecimalMark;
    struct Notice {
        const char* name;
        UINT message;
    };
    const Notice notices[] = {
        {"settings changed", WM_SETTINGCHANGE},
        {"task bar created", RegisterWindowMessageW(L"TaskbarCreated")},
    };
    for (const Notice& notice : notices) {
        CAPTURE(std::string(notice.name));
        UseLocale(LANG_RUSSIAN);
        REQUIRE(DecimalMark == ',');
        SendMessageW(application, notice.message, 0, reinterpret_cast<LPARAM>(L"intl"));
        CHECK(DecimalMark == userMark);
    }
    UseLocale(LANG_ENGLISH);
}

TEST_CASE("the program ends with status 0 however its main window closes") {
    struct Ending {
        const char* name;
        bool referenceWindowOpen;
        std::function<void(const RunningProgram&)> close;
    };
    const Ending endings[] = {
        {"click on Выход", false,
         [](const RunningProgram& program) {
             SendMessageW(program.Control("bbClose"), BM_CLICK, 0, 0);
         }},
        {"Enter on Выход, reached by Tab", false,
         [](const RunningProgram& program) {
             const HWND any = program.Control("bCalc");
             for (int i = 0; i < 3; ++i)
                 PostMessageW(any, WM_KEYDOWN, VK_TAB, 1);
             PostMessageW(any, WM_KEYDOWN, VK_RETURN, 1);
         }},
        {"close box with the reference window open", true,
         [](const RunningProgram& program) {
             PostMessageW(program.MainWindow(), WM_SYSCOMMAND, SC_CLOSE, 0);
         }},
        {"Close on the task-bar entry", false,
         [](const RunningProgram& program) {
             PostMessageW(program.ApplicationWindow(), WM_CLOSE, 0, 0);
         }},
        {"the user logs off", true,
         [](const RunningProgram& program) {
             const HWND application = program.ApplicationWindow();
             CHECK(SendMessageW(application, WM_QUERYENDSESSION, 0, 0) == TRUE);
             SendMessageW(application, WM_ENDSESSION, TRUE, 0);
         }},
    };
    for (const Ending& ending : endings) {
        CAPTURE(std::string(ending.name));
        RunningProgram program;
        REQUIRE(WaitUntil([&] { return GetForegroundWindow() == program.MainWindow(); }));
        if (ending.referenceWindowOpen) {
            SendMessageW(program.Control("bInfo"), BM_CLICK, 0, 0);
            REQUIRE(WaitUntil([&] { return Shows(program.ReferenceWindow()); }));
        }
        ending.close(program);
        CHECK(program.ExitStatus() == 0);
    }
}

TEST_CASE("one task-bar entry under the application title, minimised and restored as a whole") {
    RunningProgram program;
    const HWND main = program.MainWindow();
    const HWND reference = program.ReferenceWindow();
    const HWND application = program.ApplicationWindow();
    REQUIRE(WaitUntil([&] { return Shows(main); }));
    REQUIRE(WaitUntil([&] { return program.TaskBarEntries().size() == 1; }));
    const auto entries = program.TaskBarEntries();
    CHECK(entries[0] == application);
    CHECK(TextOf(entries[0]) == L"Tarsilo10");
    CHECK(TextOf(main).starts_with(L"Tarsilo V1.0 ("));
    // The application's window shows nothing of itself.
    RECT frame{};
    GetWindowRect(application, &frame);
    CHECK(IsRectEmpty(&frame));

    SendMessageW(program.Control("bInfo"), BM_CLICK, 0, 0);
    REQUIRE(WaitUntil([&] { return Shows(reference); }));
    CHECK(program.TaskBarEntries().size() == 1);
    CHECK(GetWindow(main, GW_OWNER) == application);
    CHECK(GetWindow(reference, GW_OWNER) == application);

    SendMessageW(main, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    CHECK(WaitUntil([&] {
        return IsIconic(application) && !IsWindowVisible(main) && !IsWindowVisible(reference);
    }));
    CHECK(program.TaskBarEntries().size() == 1);

    // What a click on the task-bar entry sends. One of the windows is
    // active again, not the application's window without area.
    PostMessageW(application, WM_SYSCOMMAND, SC_RESTORE, 0);
    CHECK(WaitUntil([&] { return !IsIconic(application) && Shows(main) && Shows(reference); }));
    CHECK(WaitUntil([&] {
        const HWND active = GetForegroundWindow();
        return active == main || active == reference;
    }));
    CHECK(program.TaskBarEntries().size() == 1);
    PostMessageW(main, WM_CLOSE, 0, 0);
    CHECK(program.ExitStatus() == 0);
}

TEST_CASE("the launcher's show request") {
    struct Request {
        const char* name;
        int showWindow;
        bool startsMinimised;
    };
    const Request requests[] = {
        {"minimised without activation", SW_SHOWMINNOACTIVE, true},
        {"maximised: the window has a fixed size, so it shows normally", SW_SHOWMAXIMIZED, false},
        {"normal", SW_SHOWNORMAL, false},
    };
    for (const Request& request : requests) {
        CAPTURE(std::string(request.name));
        RunningProgram program(request.showWindow);
        const HWND main = program.MainWindow();
        const HWND application = program.ApplicationWindow();
        if (request.startsMinimised) {
            CHECK(WaitUntil([&] { return IsIconic(application) && IsWindowVisible(application); }));
            CHECK_FALSE(IsWindowVisible(main));
            PostMessageW(application, WM_SYSCOMMAND, SC_RESTORE, 0);
        }
        REQUIRE(WaitUntil([&] { return Shows(main); }));
        // Active, also once restored from the task bar.
        CHECK(WaitUntil([&] { return GetForegroundWindow() == main; }));
        CHECK_FALSE(IsZoomed(main));
        // Centred by its outer frame on the whole desktop, as at every first showing.
        RECT frame{};
        GetWindowRect(main, &frame);
        CHECK(
            frame.left ==
            std::max(0L, (GetSystemMetrics(SM_CXVIRTUALSCREEN) - (frame.right - frame.left)) / 2));
        CHECK(
            frame.top ==
            std::max(0L, (GetSystemMetrics(SM_CYVIRTUALSCREEN) - (frame.bottom - frame.top)) / 2));
        RECT client{};
        GetClientRect(main, &client);
        CHECK(client.right == 742);
        CHECK(client.bottom == 363);
        PostMessageW(main, WM_CLOSE, 0, 0);
        CHECK(program.ExitStatus() == 0);
    }
}

namespace {

// The resolution that programs started from now on take, by the user's
// desktop setting; the setting before is put back at the end.
class StartingResolution {
public:
    explicit StartingResolution(DWORD dpi) {
        DWORD size = sizeof previous_;
        hadSetting_ = RegGetValueW(HKEY_CURRENT_USER, Desktop, L"LogPixels", RRF_RT_REG_DWORD,
                                   nullptr, &previous_, &size) == ERROR_SUCCESS;
        RegSetKeyValueW(HKEY_CURRENT_USER, Desktop, L"LogPixels", REG_DWORD, &dpi, sizeof dpi);
    }
    ~StartingResolution() {
        if (hadSetting_)
            RegSetKeyValueW(HKEY_CURRENT_USER, Desktop, L"LogPixels", REG_DWORD, &previous_,
                            sizeof previous_);
        else
            RegDeleteKeyValueW(HKEY_CURRENT_USER, Desktop, L"LogPixels");
    }
    StartingResolution(const StartingResolution&) = delete;
    StartingResolution& operator=(const StartingResolution&) = delete;

private:
    static constexpr wchar_t Desktop[] = L"Control Panel\\Desktop";
    DWORD previous_ = 0;
    bool hadSetting_ = false;
};

struct ChildPlaces {
    HWND parent;
    std::vector<std::pair<std::wstring, RECT>> places;
};

BOOL CALLBACK NoteChildPlace(HWND child, LPARAM data) {
    auto& children = *reinterpret_cast<ChildPlaces*>(data);
    if (GetParent(child) != children.parent || !IsWindowVisible(child))
        return TRUE;
    RECT place{};
    GetWindowRect(child, &place);
    MapWindowPoints(nullptr, children.parent, reinterpret_cast<POINT*>(&place), 2);
    children.places.emplace_back(TextOf(child), place);
    return TRUE;
}

} // namespace

TEST_CASE("on a denser screen the window grows with its controls from the start") {
    for (const DWORD dpi : {120u, 144u}) {
        CAPTURE(dpi);
        const StartingResolution denser(dpi);
        RunningProgram program;
        const HWND main = program.MainWindow();
        REQUIRE(WaitUntil([&] { return Shows(main); }));
        RECT client{};
        GetClientRect(main, &client);
        // Larger than at 96 ppi, about as the resolution.
        CHECK(client.right > 742);
        CHECK(client.bottom > 363);
        CHECK(client.right < 742 * int(dpi) / 96 * 13 / 10);
        // Every control inside, the right and bottom ones too.
        ChildPlaces children{main, {}};
        EnumChildWindows(main, NoteChildPlace, reinterpret_cast<LPARAM>(&children));
        CHECK(children.places.size() > 40);
        for (const auto& [text, place] : children.places) {
            CAPTURE(win32::Utf8FromWide(text));
            RECT within{};
            IntersectRect(&within, &place, &client);
            CHECK(EqualRect(&within, &place));
        }
        PostMessageW(main, WM_CLOSE, 0, 0);
        CHECK(program.ExitStatus() == 0);
    }
}

TEST_CASE("the program carries its version and its icon") {
    const std::wstring path = ProgramPath();
    DWORD ignored = 0;
    std::vector<unsigned char> version(GetFileVersionInfoSizeW(path.c_str(), &ignored));
    REQUIRE_FALSE(version.empty());
    REQUIRE(
        GetFileVersionInfoW(path.c_str(), 0, static_cast<DWORD>(version.size()), version.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    REQUIRE(VerQueryValueW(version.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    CHECK(fixed->dwFileVersionMS == MAKELONG(0, 1));
    CHECK(fixed->dwFileVersionLS == 0);
    const std::pair<const wchar_t*, const wchar_t*> strings[] = {
        {L"ProductName", L"Tarsilo"},
        {L"OriginalFilename", L"Tarsilo10.exe"},
        {L"FileVersion", L"1.0.0"},
        {L"ProductVersion", L"1.0.0"},
    };
    for (const auto& [key, expected] : strings) {
        CAPTURE(win32::Utf8FromWide(key));
        wchar_t* value = nullptr;
        const std::wstring query = std::wstring(L"\\StringFileInfo\\040904B0\\") + key;
        REQUIRE(VerQueryValueW(version.data(), query.c_str(), reinterpret_cast<void**>(&value),
                               &length));
        CHECK(std::wstring(value) == expected);
    }

    // The window icon at its own size: black border, cyan field, red arrow.
    const HMODULE program = LoadLibraryExW(
        path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    REQUIRE(program);
    for (const int size : {16, 32, 48, 256}) {
        CAPTURE(size);
        const HICON icon = static_cast<HICON>(
            LoadImageW(program, MAKEINTRESOURCEW(TARSILO_ICON), IMAGE_ICON, size, size, 0));
        CHECK(icon != nullptr);
        if (size != 32 || !icon)
            continue;
        const HDC screen = GetDC(nullptr);
        const HDC dc = CreateCompatibleDC(screen);
        const HBITMAP bitmap = CreateCompatibleBitmap(screen, 32, 32);
        const HGDIOBJ old = SelectObject(dc, bitmap);
        DrawIconEx(dc, 0, 0, icon, 32, 32, 0, nullptr, DI_NORMAL);
        CHECK(GetPixel(dc, 0, 0) == RGB(0, 0, 0));
        CHECK(GetPixel(dc, 2, 2) == RGB(0, 255, 255));
        CHECK(GetPixel(dc, 25, 4) == RGB(255, 0, 0));
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
        ReleaseDC(nullptr, screen);
        DestroyIcon(icon);
    }
    FreeLibrary(program);
}
