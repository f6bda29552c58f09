// The calculation core on Windows: the decimal mark from the regional
// settings, the floating-point mode against what the process and the system
// leave in the x87 control word, the faults raised as errors, and the core's
// own exponential.

#define DOCTEST_CONFIG_IMPLEMENT_WITH_MAIN
#include <doctest/doctest.h>

#include <windows.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <limits>
#include <string>

#include "calc/checked_math.h"
#include "calc/decimal_mark.h"
#include "calc/errors.h"
#include "calc/extended_exp.h"
#include "calc/fpu_mode.h"
#include "calc/number_text.h"

#include "tests/extended_bits.h"
#include "tests/extended_exp_rows.h"

using namespace tarsilo;
using namespace tarsilo::test;

namespace {

// What the C runtime's start-up left in the control word, read before any
// test loads the program's mode.
const std::uint16_t StartupControlWord = ReadFpuControlWord();

LCID LocaleOf(WORD language, WORD sublanguage) {
    return MAKELCID(MAKELANGID(language, sublanguage), SORT_DEFAULT);
}

// Restores the thread's locale and the mark when a test case ends.
struct LocaleGuard {
    LCID saved = GetThreadLocale();
    ~LocaleGuard() {
        SetThreadLocale(saved);
        DecimalMark = '.';
    }
};

// Sets the user's own decimal separator for a test case, restores it after.
struct UserSeparatorGuard {
    char saved[8] = {};
    UserSeparatorGuard() { GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, saved, 8); }
    ~UserSeparatorGuard() { SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, saved); }
};

bool FullPrecisionRoundToNearest() {
    // 1 + 1.5·2^-64 rounds to 1 + 2^-63 only with a 64-bit significand and
    // rounding to nearest.
    volatile long double one = 1;
    volatile long double sum = one + 0x1.8p-64L;
    return sum == 1 + 0x1p-63L;
}

bool NoExceptionFlags() {
    return (ReadFpuStatusWord() & FpuExceptionFlags) == 0;
}

} // namespace

TEST_CASE("the decimal mark of the thread's locale") {
    ResetFpu();
    LocaleGuard guard;
    struct Row {
        const char* name;
        LCID locale;
        char mark;
    };
    const Row rows[] = {
        {"Russian (Russia)", LocaleOf(LANG_RUSSIAN, SUBLANG_RUSSIAN_RUSSIA), ','},
        {"English (United States)", LocaleOf(LANG_ENGLISH, SUBLANG_ENGLISH_US), '.'},
        {"English (United Kingdom)", LocaleOf(LANG_ENGLISH, SUBLANG_ENGLISH_UK), '.'},
        {"German (Germany)", LocaleOf(LANG_GERMAN, SUBLANG_GERMAN), ','},
        {"Ukrainian (Ukraine)", LocaleOf(LANG_UKRAINIAN, SUBLANG_UKRAINIAN_UKRAINE), ','},
        {"Japanese (Japan)", LocaleOf(LANG_JAPANESE, SUBLANG_JAPANESE_JAPAN), '.'},
    };
    for (const Row& row : rows) {
        INFO(row.name);
        REQUIRE(SetThreadLocale(row.locale));
        DecimalMark = '?';
        ReadDecimalMark();
        CHECK(DecimalMark == row.mark);
        // Both directions of the conversion follow the mark.
        CHECK(FormatResult(1.5L) == std::string("1") + row.mark + "5");
        CHECK(ParseNumber(std::string("2") + row.mark + "5") == 2.5L);
    }
}

TEST_CASE("the decimal mark of a named locale") {
    struct Row {
        const char* name;
        char mark;
    };
    const Row rows[] = {
        {"ru-RU", ','},
        {"en-US", '.'},
        {"de-DE", ','},
        {"fr-FR", ','},
        // No such locale.
        {"xx-XX", '.'},
        // Not ASCII: names no locale.
        {"ru-RU\xC3\xA9", '.'},
    };
    for (const Row& row : rows) {
        INFO(row.name);
        CHECK(DecimalMarkOfLocale(row.name) == row.mark);
    }
}

TEST_CASE("the user's own separator in the regional settings") {
    LocaleGuard localeGuard;
    UserSeparatorGuard separatorGuard;
    struct Row {
        const char* name;
        const char* separator;
        char mark;
    };
    const Row rows[] = {
        {"a comma", ",", ','},
        {"a full stop", ".", '.'},
        {"another ASCII character", "'", '\''},
        {"two characters", "::", '.'},
        {"empty", "", '.'},
        {"a middle dot, one byte outside ASCII", "\xB7", '.'},
    };
    for (const Row& row : rows) {
        INFO(row.name);
        REQUIRE(SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, row.separator));
        // As the shell does on a settings change: back to the user's locale,
        // then read.
        REQUIRE(SetThreadLocale(LOCALE_USER_DEFAULT));
        DecimalMark = '?';
        ReadDecimalMark();
        CHECK(DecimalMark == row.mark);
        CHECK(DecimalMarkOfLocale("") == row.mark);
    }
}

TEST_CASE("the floating-point mode replaces whatever the thread held") {
    char startupWord[8];
    std::snprintf(startupWord, sizeof startupWord, "0x%04X", unsigned(StartupControlWord));
    MESSAGE("control word at start-up: " << std::string(startupWord));
    struct Row {
        const char* name;
        std::uint16_t controlWord;
    };
    const Row rows[] = {
        {"the Windows x64 default: 53-bit significand", 0x027F},
        {"the x87 power-on default: 64 bits, all masked", 0x037F},
        {"24-bit significand", 0x007F},
        {"round toward zero", 0x0F7F},
        {"every fault unmasked", 0x1360},
        {"what the C runtime left", StartupControlWord},
    };
    for (const Row& row : rows) {
        INFO(row.name);
        {
            const ScopedFpuMode other(row.controlWord);
            ResetFpu();
            CHECK(FpuModeIsDefault());
            CHECK(FullPrecisionRoundToNearest());
        }
        ResetFpu();
    }
}

TEST_CASE("the floating-point mode survives the system's own code") {
    ResetFpu();
    char separator[4] = {};
    GetLocaleInfoA(GetThreadLocale(), LOCALE_SDECIMAL, separator, sizeof separator);
    CHECK(FpuModeIsDefault());

    // Window creation loads the graphics driver and the window procedure's
    // modules.
    HWND window = CreateWindowExW(0, L"STATIC", L"mode", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100,
                                  nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    REQUIRE(window != nullptr);
    ShowWindow(window, SW_SHOWNOACTIVATE);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&message);
    DestroyWindow(window);
    CHECK(FpuModeIsDefault());
    CHECK(FullPrecisionRoundToNearest());
}

TEST_CASE("faults are raised as errors and leave the default mode") {
    struct Row {
        const char* name;
        std::function<long double()> operation;
        const char* className;
        const char* message;
    };
    const long double largest = std::numeric_limits<long double>::max();
    const Row rows[] = {
        {"0/0", [] { return checked::Div(0, 0); }, "EInvalidOp",
         "Invalid floating point operation"},
        {"sqrt(-1)", [] { return checked::Sqrt(-1); }, "EInvalidOp",
         "Invalid floating point operation"},
        {"1/0", [] { return checked::Div(1, 0); }, "EZeroDivide",
         "Floating point division by zero"},
        {"exp(12000)", [] { return checked::Exp(12000); }, "EOverflow", "Floating point overflow"},
        {"largest × 2", [=] { return checked::Mul(largest, 2); }, "EOverflow",
         "Floating point overflow"},
        {"a product that leaves the range", [=] { return checked::Product(largest, 0.5L, 4); },
         "EOverflow", "Floating point overflow"},
        // A code the table does not know, in the system's own notation.
        {"an unknown processor fault",
         [] {
             RaiseFault(static_cast<ProcessorFault>(0xC0000097));
             return 0.0L;
         },
         "EExternal", "External exception C0000097"},
    };
    for (const Row& row : rows) {
        INFO(std::string(row.name));
        ResetFpu();
        std::string className;
        std::string message;
        try {
            row.operation();
        } catch (const Exception& error) {
            className = error.ClassName();
            message = error.Message();
        }
        CHECK(className == std::string(row.className));
        CHECK(message == std::string(row.message));
        CHECK(FpuModeIsDefault());
        CHECK(NoExceptionFlags());
        // The next computation runs normally.
        CHECK(checked::Div(1, 4) == 0.25L);
    }
}

TEST_CASE("underflow is silent and gradual") {
    const long double smallestNormal = std::numeric_limits<long double>::min();
    struct Row {
        const char* name;
        std::function<long double()> operation;
        bool zero;
    };
    const Row rows[] = {
        {"exp(-12000)", [] { return checked::Exp(-12000); }, true},
        {"exp(-11390): subnormal", [] { return checked::Exp(-11390); }, false},
        {"1e-4000 × 1e-4000", [] { return checked::Mul(1e-4000L, 1e-4000L); }, true},
        {"smallest normal / 1e10: subnormal", [=] { return checked::Div(smallestNormal, 1e10L); },
         false},
        {"smallest normal − its successor",
         [=] { return checked::Sub(smallestNormal, std::nextafter(smallestNormal, 1.0L)); }, false},
    };
    for (const Row& row : rows) {
        INFO(row.name);
        ResetFpu();
        long double result = -1;
        CHECK_NOTHROW(result = row.operation());
        if (row.zero)
            CHECK(result == 0);
        else
            CHECK(std::fpclassify(result) == FP_SUBNORMAL);
        CHECK(FpuModeIsDefault());
    }
}

TEST_CASE("the exponential within one ulp over the whole range") {
    ResetFpu();
    int libraryMisses = 0;
    for (const ExpRow& row : ExpRows) {
        INFO(row.name);
        CAPTURE(HexBits(row.argument));
        const long double result = ExtendedExp(row.argument);
        CAPTURE(HexBits(result));
        CAPTURE(HexBits(row.expected));
        CHECK(UlpDistance(result, row.expected) <= 1);
        CHECK(std::fpclassify(result) == std::fpclassify(row.expected));
        if (row.expected == 0 || std::isinf(row.expected))
            CHECK(result == row.expected);
        // The checked exponential is this one: an infinite result is the
        // overflow error.
        if (std::isfinite(row.expected)) {
            CHECK(checked::Exp(row.argument) == result);
        } else if (std::isfinite(row.argument)) {
            CHECK_THROWS_AS(checked::Exp(row.argument), EOverflow);
        }
        if (UlpDistance(std::exp(row.argument), row.expected) > 1)
            ++libraryMisses;
        CHECK(FpuModeIsDefault());
    }
    CHECK(std::isnan(ExtendedExp(std::numeric_limits<long double>::quiet_NaN())));
    MESSAGE("rows the C library's expl misses by more than one ulp: " << libraryMisses);
}
