// The real Win32 reference window: shown by "Инфо" at its place, its four
// pictures decoded once and drawn pixel for pixel, closed (hidden) in every
// way, and a decoder failure shown in the error dialog.

#include <doctest/doctest.h>

#include <algorithm>
#include <regex>
#include <string>
#include <vector>

#include "tests/win32/program_windows.h"
#include "tests/win32/win32_test_support.h"
#include "win32/resource_ids.h"
#include "win32/resources.h"
#include "win32/text_encoding.h"
#include "win32/window_fonts.h"

using namespace tarsilo;
using namespace tarsilo::test;

namespace {

const char* const PictureNames[] = {"iValues", "iBall", "iCyl", "iCb"};

bool ReferenceWindowShown(const ProgramWindows& windows) {
    return IsWindowVisible(windows.Info().Handle()) && GetActiveWindow() == windows.Info().Handle();
}

void OpenReferenceWindow(const ProgramWindows& windows) {
    windows.Click("bInfo");
    REQUIRE(WaitUntil([&] { return ReferenceWindowShown(windows); }));
}

POINT OuterCorner(HWND window) {
    RECT frame{};
    GetWindowRect(window, &frame);
    return {frame.left, frame.top};
}

std::string FocusedInInfo(const ProgramWindows& windows) {
    const int index = windows.Info().IndexOfControl(GetFocus());
    return index < 0 ? std::string() : windows.Info().Definition().controls[index].name;
}

int Grey(COLORREF colour) {
    return (GetRValue(colour) + GetGValue(colour) + GetBValue(colour)) / 3;
}

// The first Huffman table given more codes of length 1 than exist, keeping
// its symbol count: the header reads, the decoding fails.
std::vector<unsigned char> WithImpossibleHuffmanTable(std::span<const unsigned char> stream) {
    std::vector<unsigned char> broken(stream.begin(), stream.end());
    for (std::size_t i = 0; i + 7 < broken.size(); ++i) {
        if (broken[i] == 0xFF && broken[i + 1] == 0xC4) {
            // After the marker: the length (2 bytes), class and number (1),
            // then the counts of codes of lengths 1, 2, 3 ...
            const std::size_t counts = i + 5;
            broken[counts] = static_cast<unsigned char>(broken[counts] + broken[counts + 2]);
            broken[counts + 2] = 0;
            break;
        }
    }
    return broken;
}

} // namespace

TEST_CASE("Инфо shows the reference window at its place with its pictures decoded once") {
    ProgramWindows windows;
    auto& info = windows.Info();
    struct Header {
        const char* name;
        int width;
        int height;
    };
    const Header headers[] = {
        {"iValues", 353, 236}, {"iBall", 285, 138}, {"iCyl", 284, 139}, {"iCb", 354, 180}};
    // Only the headers are read while the window is created.
    for (const Header& header : headers) {
        CAPTURE(std::string(header.name));
        const win32::PictureSet& pictures = info.Pictures(header.name);
        CHECK(pictures.ordinary.Header().width == header.width);
        CHECK(pictures.ordinary.Header().height == header.height);
        CHECK(pictures.ordinary.Header().grayscale);
        CHECK(pictures.doubled.Header().width == 2 * header.width);
        CHECK(pictures.ordinary.DecodeCount() == 0);
    }
    CHECK_FALSE(IsWindowVisible(info.Handle()));

    OpenReferenceWindow(windows);
    const POINT corner = OuterCorner(info.Handle());
    CHECK(corner.x == 30);
    CHECK(corner.y == 51);
    CHECK(FocusedInInfo(windows) == "BitBtn1");
    CHECK(WaitUntil([&] {
        return std::all_of(std::begin(PictureNames), std::end(PictureNames), [&](const char* name) {
            return info.Pictures(name).ordinary.DecodeCount() == 1;
        });
    }));
    RedrawWindow(info.Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    PumpMessages();
    for (const char* name : PictureNames) {
        CAPTURE(std::string(name));
        CHECK(info.Pictures(name).ordinary.DecodeCount() == 1);
        // The set of twice the pixel size is for denser screens only.
        CHECK(info.Pictures(name).doubled.DecodeCount() == 0);
    }
}

TEST_CASE("the pictures are drawn at their own size from the corner, cut at the control's edge") {
    ProgramWindows windows;
    OpenReferenceWindow(windows);
    auto& info = windows.Info();
    REQUIRE(info.Layout().Scale().IsIdentity());
    struct Pixel {
        const char* what;
        const char* picture;
        int x;
        int y;
        enum { Ink, Paper, Surface } expected;
    };
    const Pixel pixels[] = {
        {"notation: frame line", "iValues", 2, 120, Pixel::Ink},
        {"notation: margin outside the frame", "iValues", 1, 120, Pixel::Paper},
        {"notation: group surface under the image", "iValues", 100, 238, Pixel::Surface},
        {"ball: frame line", "iBall", 2, 70, Pixel::Ink},
        {"ball: group surface right of the image", "iBall", 287, 70, Pixel::Surface},
        {"cylinder: frame line", "iCyl", 2, 70, Pixel::Ink},
        {"cylinder: group surface under the image", "iCyl", 100, 142, Pixel::Surface},
        {"drag: the table's right rule shows whole", "iCb", 350, 100, Pixel::Ink},
        {"drag: the margin after it", "iCb", 352, 100, Pixel::Paper},
    };
    const COLORREF surface = GetSysColor(COLOR_BTNFACE);
    for (const Pixel& pixel : pixels) {
        CAPTURE(std::string(pixel.what));
        const HWND control = info.Control(pixel.picture);
        const HDC dc = GetDC(control);
        const COLORREF shown = GetPixel(dc, pixel.x, pixel.y);
        ReleaseDC(control, dc);
        switch (pixel.expected) {
        case Pixel::Ink:
            CHECK(Grey(shown) < 96);
            break;
        case Pixel::Paper:
            CHECK(Grey(shown) > 224);
            break;
        case Pixel::Surface:
            CHECK(shown == surface);
            break;
        }
    }
}

TEST_CASE("a second Инфо brings the same window forward without moving it") {
    ProgramWindows windows;
    OpenReferenceWindow(windows);
    const HWND info = windows.Info().Handle();
    SetWindowPos(info, nullptr, 100, 120, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SetActiveWindow(windows.Main().Handle());
    REQUIRE(WaitUntil([&] { return GetActiveWindow() == windows.Main().Handle(); }));
    // Either window can stand in front of the other.
    const auto mainAboveInfo = [&] {
        for (HWND window = GetTopWindow(nullptr); window; window = GetWindow(window, GW_HWNDNEXT)) {
            if (window == info)
                return false;
            if (window == windows.Main().Handle())
                return true;
        }
        return false;
    };
    CHECK(WaitUntil(mainAboveInfo));

    windows.Click("bInfo");
    CHECK(WaitUntil([&] { return ReferenceWindowShown(windows); }));
    const POINT corner = OuterCorner(info);
    CHECK(corner.x == 100);
    CHECK(corner.y == 120);
    CHECK(FindWindowExW(nullptr, info, L"TfInfo", nullptr) == nullptr);
}

TEST_CASE("closing the reference window only hides it, and Инфо shows it where it was") {
    struct Closing {
        const char* name;
        UINT key; // 0: a message instead
        Modifiers held;
        UINT message;
        WPARAM wParam;
        bool hides;
    };
    const Closing closings[] = {
        {"Enter on Выход", VK_RETURN, {}, 0, 0, true},
        {"Space on Выход", VK_SPACE, {}, 0, 0, true},
        {"Alt+F4", VK_F4, {.alt = true}, 0, 0, true},
        {"close box", 0, {}, WM_SYSCOMMAND, SC_CLOSE, true},
        {"click on Выход", 0, {}, BM_CLICK, 0, true},
        {"Esc does nothing", VK_ESCAPE, {}, 0, 0, false},
        {"Shift+Enter does nothing", VK_RETURN, {.shift = true}, 0, 0, false},
    };
    for (const Closing& closing : closings) {
        CAPTURE(std::string(closing.name));
        ProgramWindows windows;
        OpenReferenceWindow(windows);
        auto& info = windows.Info();
        REQUIRE(WaitUntil([&] { return info.Pictures("iCb").ordinary.DecodeCount() == 1; }));
        SetWindowPos(info.Handle(), nullptr, 140, 90, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        if (closing.key != 0)
            PressKey(closing.key, closing.held);
        else if (closing.message == BM_CLICK)
            Click(info.Control("BitBtn1"));
        else
            SendMessageW(info.Handle(), closing.message, closing.wParam, 0);
        PumpMessages();
        CHECK(IsWindowVisible(info.Handle()) != closing.hides);
        CHECK(IsWindow(info.Handle()));
        if (!closing.hides)
            continue;
        // The main window takes the activation back.
        CHECK(WaitUntil([&] { return GetActiveWindow() == windows.Main().Handle(); }));
        windows.Click("bInfo");
        CHECK(WaitUntil([&] { return ReferenceWindowShown(windows); }));
        const POINT corner = OuterCorner(info.Handle());
        CHECK(corner.x == 140);
        CHECK(corner.y == 90);
        CHECK(info.Pictures("iCb").ordinary.DecodeCount() == 1);
    }
}

TEST_CASE("the reference window's frame, owner and labels") {
    ProgramWindows windows;
    const auto& info = windows.Info();
    const HWND window = info.Handle();
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    CHECK(std::wstring(className) == L"TfInfo");
    CHECK(TextOf(window) == L"Справочная информация");
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    CHECK((style & (WS_CAPTION | WS_SYSMENU)) == (WS_CAPTION | WS_SYSMENU));
    CHECK((style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME)) == 0);
    const HMENU menu = GetSystemMenu(window, FALSE);
    for (const UINT command : {SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE}) {
        CAPTURE(command);
        CHECK(GetMenuState(menu, command, MF_BYCOMMAND) == UINT(-1));
    }
    RECT client{};
    GetClientRect(window, &client);
    CHECK(client.right == info.Layout().Scale().Apply(712));
    CHECK(client.bottom == info.Layout().Scale().Apply(543));
    CHECK(SendMessageW(window, WM_GETICON, ICON_BIG, 0) != 0);
    // Owned by the application's window, not by the main window, so that it
    // can go behind the main window.
    CHECK(GetWindow(window, GW_OWNER) == TestApplication().Handle());

    for (int i = 1; i <= 6; ++i) {
        const std::string name = "lContact_0" + std::to_string(i);
        CAPTURE(name);
        const HWND label = info.Control(name);
        const std::wstring text = TextOf(label);
        CHECK_FALSE(text.empty());
        RECT place{};
        GetClientRect(label, &place);
        CHECK(place.right >= win32::DrawnTextExtent(info.Layout().WindowFont(), text).cx);
    }
}

TEST_CASE("a decoder failure reaches the error dialog once and is not decoded again") {
    ProgramWindows windows;
    auto& info = windows.Info();
    const auto broken = WithImpossibleHuffmanTable(win32::ResourceBytes("ball.jpg"));
    win32::PictureSet failing{win32::JpegPicture(broken, 1), {}};
    win32::AttachPictures(info.Control("iBall"), &failing);

    const MessageBoxSeen dialog = CloseMessageBoxOpenedBy([&] { windows.Click("bInfo"); });
    REQUIRE(dialog.shown);
    CHECK(std::regex_match(win32::Utf8FromWide(dialog.text), std::regex("JPEG error #[0-9]+\\.")));
    CHECK(dialog.caption == L"test_win32_info_window");

    const MessageBoxSeen again = CloseMessageBoxOpenedBy(
        [&] {
            RedrawWindow(info.Handle(), nullptr, nullptr,
                         RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
            PumpMessages();
        },
        {}, 500);
    CHECK_FALSE(again.shown);
    CHECK(failing.ordinary.DecodeCount() == 1);
    win32::AttachPictures(info.Control("iBall"), nullptr);
}

TEST_CASE("a header the decoder rejects fails the picture's creation") {
    const auto stream = win32::ResourceBytes("drag.jpg");
    const std::vector<unsigned char> cut(stream.begin(), stream.begin() + 20);
    bool failed = false;
    try {
        win32::JpegPicture picture(cut, 1);
    } catch (const win32::EJPEG& error) {
        failed = std::regex_match(error.Message(), std::regex("JPEG error #[0-9]+"));
    }
    CHECK(failed);
    // An empty stream is an empty picture, not an error.
    const win32::JpegPicture empty(std::span<const unsigned char>{}, 1);
    CHECK(empty.IsEmpty());
}

TEST_CASE("a denser screen draws the pictures of twice the pixel size") {
    ProgramWindows windows;
    OpenReferenceWindow(windows);
    auto& info = windows.Info();
    RECT suggested{};
    GetWindowRect(info.Handle(), &suggested);
    SendMessageW(info.Handle(), WM_DPICHANGED, MAKEWPARAM(192, 192),
                 reinterpret_cast<LPARAM>(&suggested));
    for (const char* name : PictureNames) {
        CAPTURE(std::string(name));
        const win32::PictureSet& pictures = info.Pictures(name);
        CHECK(win32::PictureShownBy(info.Control(name)) == &pictures.doubled);
        CHECK(WaitUntil([&] { return pictures.doubled.DecodeCount() == 1; }));
    }
    // The doubled notation's frame line, a few device pixels in, drawn sharp.
    const HWND control = info.Control("iValues");
    const HDC dc = GetDC(control);
    int darkest = 255;
    for (int x = 0; x < 8; ++x)
        darkest = std::min(darkest, Grey(GetPixel(dc, x, 200)));
    const int margin = Grey(GetPixel(dc, 0, 200));
    ReleaseDC(control, dc);
    CHECK(darkest < 96);
    CHECK(margin > 224);
}
