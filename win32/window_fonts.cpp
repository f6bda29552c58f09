#include "win32/window_fonts.h"

#include <array>
#include <vector>

#include "win32/text_meter.h"

namespace tarsilo::win32 {

namespace {

// A screen device context with one font selected, for measuring.
class MeasuringContext {
public:
    explicit MeasuringContext(HFONT font)
        : dc_(GetDC(nullptr)), previous_(SelectObject(dc_, font)) {}
    ~MeasuringContext() {
        SelectObject(dc_, previous_);
        ReleaseDC(nullptr, dc_);
    }
    MeasuringContext(const MeasuringContext&) = delete;
    MeasuringContext& operator=(const MeasuringContext&) = delete;
    HDC Dc() const { return dc_; }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

int CALLBACK NoteFamily(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

// Whether the face is installed in that character set. Asking CreateFont for
// a missing face quietly gives another one (Wine maps every unknown name to
// its default sans-serif font), so the font list is asked instead.
bool IsInstalled(const FontFace& face) {
    LOGFONTW wanted{};
    wanted.lfCharSet = face.charSet;
    face.name.copy(wanted.lfFaceName, LF_FACESIZE - 1);
    bool found = false;
    const HDC dc = GetDC(nullptr);
    EnumFontFamiliesExW(dc, &wanted, NoteFamily, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, dc);
    return found;
}

// Whether the font draws every character of `letters` itself.
bool HasLetters(const FontFace& face, std::wstring_view letters) {
    const FontHandle font = CreateFaceFont(face, 16);
    const MeasuringContext context(font.get());
    const DWORD size = GetFontUnicodeRanges(context.Dc(), nullptr);
    if (size == 0)
        return false;
    std::vector<unsigned char> buffer(size);
    auto* glyphs = reinterpret_cast<GLYPHSET*>(buffer.data());
    if (GetFontUnicodeRanges(context.Dc(), glyphs) == 0)
        return false;
    for (const wchar_t letter : letters) {
        bool covered = false;
        for (DWORD i = 0; i < glyphs->cRanges && !covered; ++i) {
            const WCRANGE& range = glyphs->ranges[i];
            covered = letter >= range.wcLow && letter < range.wcLow + range.cGlyphs;
        }
        if (!covered)
            return false;
    }
    return true;
}

template <std::size_t N>
FontFace FirstUsable(const std::array<FontFace, N>& candidates, std::wstring_view letters) {
    for (const FontFace& face : candidates) {
        if (IsInstalled(face) && HasLetters(face, letters))
            return face;
    }
    // Whatever the system uses for dialogs: it draws the user's own script.
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    return {metrics.lfMessageFont.lfFaceName, DEFAULT_CHARSET};
}

// Letters of the captions: Cyrillic of both cases, Latin, digits.
constexpr std::wstring_view CaptionLetters = L"АЯабвжяЁёCDHLVgox0*%";
constexpr std::wstring_view GreekLetters = L"\u03c1\u03bc";

} // namespace

const FontFace& WindowFontFace() {
    // The designed face; its Cyrillic edition, where only that one has the
    // letters (Western systems); its TrueType successor; the metric twin of
    // Arial that the Linux build uses, which Wine finds through fontconfig.
    static const FontFace face =
        FirstUsable(std::array<FontFace, 5>{{{L"MS Sans Serif", DEFAULT_CHARSET},
                                             {L"MS Sans Serif", RUSSIAN_CHARSET},
                                             {L"Microsoft Sans Serif", DEFAULT_CHARSET},
                                             {L"Liberation Sans", DEFAULT_CHARSET},
                                             {L"Arial", DEFAULT_CHARSET}}},
                    CaptionLetters);
    return face;
}

const FontFace& GreekLetterFontFace() {
    // The designed Greek font drew the Latin r and m as ρ and μ; the Unicode
    // letters come from a serif font that has them: Times New Roman on
    // Windows, its metric twin Liberation Serif elsewhere (as on Linux).
    static const FontFace face =
        FirstUsable(std::array<FontFace, 4>{{{L"Times New Roman", DEFAULT_CHARSET},
                                             {L"Liberation Serif", DEFAULT_CHARSET},
                                             {L"DejaVu Serif", DEFAULT_CHARSET},
                                             {L"Microsoft Sans Serif", DEFAULT_CHARSET}}},
                    GreekLetters);
    return face;
}

FontHandle CreateFaceFont(const FontFace& face, int pixels) {
    LOGFONTW font{};
    font.lfHeight = -pixels;
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = face.charSet;
    font.lfQuality = DEFAULT_QUALITY;
    face.name.copy(font.lfFaceName, LF_FACESIZE - 1);
    return FontHandle(CreateFontIndirectW(&font));
}

int TextHeight(HFONT font) {
    const MeasuringContext context(font);
    SIZE size{};
    GetTextExtentPoint32W(context.Dc(), L"0", 1, &size);
    return size.cy;
}

SIZE TextExtent(HFONT font, const std::wstring& text) {
    const MeasuringContext context(font);
    SIZE size{};
    if (text.empty()) {
        TEXTMETRICW metrics{};
        GetTextMetricsW(context.Dc(), &metrics);
        return {0, metrics.tmHeight};
    }
    GetTextExtentPoint32W(context.Dc(), text.data(), static_cast<int>(text.size()), &size);
    return size;
}

SIZE DrawnTextExtent(HFONT font, const std::wstring& text) {
    return TextMeter().DrawnExtent(font, text);
}

int FontAscent(HFONT font) {
    const MeasuringContext context(font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(context.Dc(), &metrics);
    return metrics.tmAscent;
}

} // namespace tarsilo::win32
