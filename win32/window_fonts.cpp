#include "win32/window_fonts.h"

#include <algorithm>
#include <array>
#include <string_view>
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

// Whether the font made for the face is that face and draws every character
// of `letters` itself. Asking for a face that is missing quietly gives
// another one (Wine maps every unknown name to its default sans-serif font);
// the face the system chose names itself.
bool IsUsable(const FontFace& face, std::wstring_view letters) {
    const FontHandle font = CreateFaceFont(face, 16);
    const MeasuringContext context(font.get());
    wchar_t chosen[LF_FACESIZE] = {};
    if (GetTextFaceW(context.Dc(), LF_FACESIZE, chosen) == 0 ||
        CompareStringOrdinal(chosen, -1, face.name.c_str(), -1, TRUE) != CSTR_EQUAL)
        return false;
    std::vector<WORD> glyphs(letters.size());
    if (GetGlyphIndicesW(context.Dc(), letters.data(), static_cast<int>(letters.size()),
                         glyphs.data(), GGI_MARK_NONEXISTING_GLYPHS) == GDI_ERROR)
        return false;
    return std::find(glyphs.begin(), glyphs.end(), WORD(0xFFFF)) == glyphs.end();
}

template <std::size_t N>
FontFace FirstUsable(const std::array<FontFace, N>& candidates, std::wstring_view letters) {
    for (const FontFace& face : candidates) {
        if (IsUsable(face, letters))
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
