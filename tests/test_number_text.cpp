// Field text <-> extended value: trimming, parsing, the power-of-ten tables
// and the general format.

#include <QtTest>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "calc/errors.h"
#include "calc/fpu_mode.h"
#include "calc/number_text.h"
#include "calc/power_of_ten.h"

#include "extended_bits.h"
#include "extended_metatype.h"

using namespace tarsilo;
using tarsilo::test::NextAfter;

namespace {

// Bit 6 of the control word is reserved and reads back as 1.
constexpr std::uint16_t ControlWordBits = 0xFFBF;
// Round toward zero: makes a parse that forgets its own mode visible.
constexpr std::uint16_t TruncatingControlWord = LoadedControlWord | 0x0C00;

const Extended Largest = std::numeric_limits<Extended>::max();
const Extended SmallestNormal = std::numeric_limits<Extended>::min();
const Extended SmallestSubnormal = std::numeric_limits<Extended>::denorm_min();

bool SameExtended(Extended a, Extended b) {
    if (IsNan(a) || IsNan(b))
        return IsNan(a) && IsNan(b);
    return a == b && SignBit(a) == SignBit(b);
}

bool SameBits(Extended a, Extended b) {
    return SignAndExponentOf(a) == SignAndExponentOf(b) && SignificandOf(a) == SignificandOf(b);
}

QByteArray Describe(Extended v) {
    char text[64];
    std::snprintf(text, sizeof text, "%.21Lg", ToLongDouble(v));
    return text;
}

#define COMPARE_EXTENDED(actual, expected)                                                         \
    do {                                                                                           \
        const Extended actual_ = (actual), expected_ = (expected);                                 \
        QVERIFY2(SameExtended(actual_, expected_),                                                 \
                 "got " + Describe(actual_) + ", expected " + Describe(expected_));                \
    } while (false)

std::string_view View(const QByteArray& bytes) {
    return {bytes.constData(), size_t(bytes.size())};
}

QString Text(const std::string& s) {
    return QString::fromStdString(s);
}

// The C library's correctly rounded conversion, the reference for the tables.
Extended LibraryPowerOfTen(int n) {
    char text[16];
    std::snprintf(text, sizeof text, "1e%d", n);
    return std::strtold(text, nullptr);
}

// A 1 with `zeros` zeros after it, an optional prefix and suffix.
QByteArray Padded(const char* prefix, int zeros, const char* suffix) {
    return QByteArray(prefix) + QByteArray(zeros, '0') + suffix;
}

} // namespace

class NumberTextTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        ResetFpu();
        DecimalMark = '.';
    }
    void cleanup() { init(); }

    void trimBlanks_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("trimmed");
        QTest::newRow("nothing to trim") << QByteArray("1.5") << QByteArray("1.5");
        QTest::newRow("spaces around") << QByteArray("  1.5 ") << QByteArray("1.5");
        QTest::newRow("tab, line feed, return") << QByteArray("\t\n1.5\r\n") << QByteArray("1.5");
        QTest::newRow("NUL at both ends") << QByteArray("\0 1.5\0", 6) << QByteArray("1.5");
        QTest::newRow("code 31 and 32 go, 33 stays")
            << QByteArray("\x1f !1 \x1f") << QByteArray("!1");
        QTest::newRow("inner blanks stay") << QByteArray(" 1 \t000 ") << QByteArray("1 \t000");
        QTest::newRow("all blank") << QByteArray(" \t\0\x1f", 4) << QByteArray();
        QTest::newRow("empty") << QByteArray() << QByteArray();
        QTest::newRow("UTF-8 non-breaking space stays") << QByteArray("\xc2\xa0"
                                                                      "5\xc2\xa0 ")
                                                        << QByteArray("\xc2\xa0"
                                                                      "5\xc2\xa0");
        QTest::newRow("code 255 stays") << QByteArray("\xff"
                                                      "5 ")
                                        << QByteArray("\xff"
                                                      "5");
    }
    void trimBlanks() {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, trimmed);
        const std::string_view result = TrimBlanks(View(text));
        QCOMPARE(QByteArray(result.data(), qsizetype(result.size())), trimmed);
    }

    void parseValid_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<char>("mark");
        QTest::addColumn<Extended>("value");
        const Extended negativeZero = -0.0L;
        QTest::newRow("fraction") << QByteArray("0.5") << '.' << Extended(0.5L);
        QTest::newRow("plus sign") << QByteArray("+1.5") << '.' << Extended(1.5L);
        QTest::newRow("minus sign") << QByteArray("-12.5") << '.' << Extended(-12.5L);
        QTest::newRow("no integer digits") << QByteArray(".5") << '.' << Extended(0.5L);
        QTest::newRow("no fraction digits") << QByteArray("5.") << '.' << Extended(5.0L);
        QTest::newRow("mark alone is zero") << QByteArray(".") << '.' << Extended(0.0L);
        QTest::newRow("minus mark is negative zero") << QByteArray("-.") << '.' << negativeZero;
        QTest::newRow("minus zero is negative zero") << QByteArray("-0") << '.' << negativeZero;
        QTest::newRow("leading zeros") << QByteArray("00012") << '.' << Extended(12.0L);
        QTest::newRow("mark then exponent") << QByteArray("1.e2") << '.' << Extended(100.0L);
        QTest::newRow("exponent E") << QByteArray("1E3") << '.' << Extended(1000.0L);
        QTest::newRow("exponent e") << QByteArray("1e3") << '.' << Extended(1000.0L);
        QTest::newRow("exponent e+") << QByteArray("1e+3") << '.' << Extended(1000.0L);
        QTest::newRow("exponent E+ with zero") << QByteArray("1E+03") << '.' << Extended(1000.0L);
        QTest::newRow("negative exponent") << QByteArray("25e-1") << '.' << Extended(2.5L);
        QTest::newRow("letter without digits") << QByteArray("5E") << '.' << Extended(5.0L);
        QTest::newRow("letter and plus without digits")
            << QByteArray("5e+") << '.' << Extended(5.0L);
        QTest::newRow("letter and minus without digits")
            << QByteArray("5e-") << '.' << Extended(5.0L);
        QTest::newRow("code-32 spaces around") << QByteArray("  7  ") << '.' << Extended(7.0L);
        QTest::newRow("tenth rounds to nearest") << QByteArray("0.1") << '.' << Extended(0.1L);
        QTest::newRow("field default 9.81") << QByteArray("9.81") << '.' << Extended(9.81L);
        QTest::newRow("18 digits exact")
            << QByteArray("123456789012345678") << '.' << Extended(123456789012345678.0L);
        QTest::newRow("underflow to zero") << QByteArray("1e-4999") << '.' << Extended(0.0L);
        QTest::newRow("5201 fraction digits read as zero")
            << Padded("0.", 5200, "1") << '.' << Extended(0.0L);
        QTest::newRow("comma: fraction") << QByteArray("0,5") << ',' << Extended(0.5L);
        QTest::newRow("comma: 1,5") << QByteArray("1,5") << ',' << Extended(1.5L);
        QTest::newRow("comma: minus mark") << QByteArray("-,") << ',' << negativeZero;
        QTest::newRow("comma: mark then exponent") << QByteArray("1,e2") << ',' << Extended(100.0L);
    }
    void parseValid() {
        QFETCH(QByteArray, text);
        QFETCH(char, mark);
        QFETCH(Extended, value);
        DecimalMark = mark;
        const Extended result = ParseNumber(View(text));
        const std::uint16_t status = ReadFpuStatusWord();
        COMPARE_EXTENDED(result, value);
        QCOMPARE(status & FpuExceptionFlags, 0);
    }

    // Large exponents: the value lies within a few units in the last place
    // of the nearest one and prints as the power it stands for.
    void parseLargeExponents_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("power");
        QTest::addColumn<QString>("shown");
        QTest::newRow("1E499") << QByteArray("1E499") << 499 << "1E0499";
        QTest::newRow("leading exponent zeros don't count")
            << QByteArray("1E0500") << 500 << "1E0500";
        QTest::newRow("1E4932 near the top") << QByteArray("1E4932") << 4932 << "1E4932";
        QTest::newRow("1e-4930 still normal") << QByteArray("1e-4930") << -4930 << "1E-4930";
        QTest::newRow("1e-4940 denormal prints as 0") << QByteArray("1e-4940") << -4940 << "0";
    }
    void parseLargeExponents() {
        QFETCH(QByteArray, text);
        QFETCH(int, power);
        QFETCH(QString, shown);
        const Extended value = ParseNumber(View(text));
        const Extended reference = LibraryPowerOfTen(power);
        const Extended tolerance = reference >= SmallestNormal ? Extended(1e-18L) : Extended(1e-3L);
        QVERIFY2(Abs(value - reference) <= tolerance * reference,
                 "got " + Describe(value) + ", expected " + Describe(reference));
        QCOMPARE(Text(FormatResult(value)), shown);
    }

    void parseInvalid_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<char>("mark");
        QTest::newRow("empty") << QByteArray() << '.';
        QTest::newRow("plus alone") << QByteArray("+") << '.';
        QTest::newRow("minus alone") << QByteArray("-") << '.';
        QTest::newRow("exponent letter first") << QByteArray("E5") << '.';
        QTest::newRow("comma while the mark is the point") << QByteArray("1,5") << '.';
        QTest::newRow("point while the mark is the comma") << QByteArray("0.5") << ',';
        QTest::newRow("thousands separated by a space") << QByteArray("1 000") << '.';
        QTest::newRow("space after the sign") << QByteArray("- 5") << '.';
        QTest::newRow("two marks") << QByteArray("1.5.2") << '.';
        QTest::newRow("two signs") << QByteArray("--5") << '.';
        QTest::newRow("fractional exponent") << QByteArray("1e5.5") << '.';
        QTest::newRow("hexadecimal") << QByteArray("0x10") << '.';
        QTest::newRow("exponent 4999 overflows") << QByteArray("1E4999") << '.';
        QTest::newRow("exponent 4933 overflows") << QByteArray("1E4933") << '.';
        QTest::newRow("exponent digit left over") << QByteArray("1E5000") << '.';
        QTest::newRow("negative exponent digit left over") << QByteArray("1e-5000") << '.';
        QTest::newRow("zero with an exponent digit left over") << QByteArray("0E5000") << '.';
        QTest::newRow("accumulation overflows before e-10") << Padded("1", 4933, "e-10") << '.';
        QTest::newRow("leading tab is not skipped") << QByteArray("\t1") << '.';
        QTest::newRow("trailing line feed is not skipped") << QByteArray("1\n") << '.';
        QTest::newRow("non-breaking space") << QByteArray("1\xc2\xa0") << '.';
    }
    void parseInvalid() {
        QFETCH(QByteArray, text);
        QFETCH(char, mark);
        DecimalMark = mark;
        const QByteArray message = "'" + text + "' is not a valid floating point value";
        try {
            ParseNumber(View(text));
            QFAIL("no error raised");
        } catch (const EConvertError& error) {
            QCOMPARE(QByteArray::fromStdString(error.Message()), message);
            QCOMPARE(QByteArray(error.ClassName()), QByteArray("EConvertError"));
        }
        QCOMPARE(ReadFpuStatusWord() & FpuExceptionFlags, 0);
        QVERIFY(FpuModeIsDefault());
    }

    // Parsing computes in its own mode, leaves the caller's mode as it was and
    // no exception flag behind, whatever happened inside.
    void parseKeepsCallersMode_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<Extended>("value");
        QTest::addColumn<bool>("converts");
        QTest::newRow("inexact tenth") << QByteArray("0.1") << Extended(0.1L) << true;
        QTest::newRow("underflow") << QByteArray("1e-4999") << Extended(0.0L) << true;
        QTest::newRow("overflow") << QByteArray("1E4999") << Extended(0.0L) << false;
        QTest::newRow("overflow in accumulation")
            << Padded("1", 4933, "") << Extended(0.0L) << false;
    }
    void parseKeepsCallersMode() {
        QFETCH(QByteArray, text);
        QFETCH(Extended, value);
        QFETCH(bool, converts);
        Extended result = 0;
        bool converted = false;
        std::uint16_t controlWord = 0, status = 0;
        {
            ScopedFpuMode callersMode(TruncatingControlWord);
            try {
                result = ParseNumber(View(text));
                converted = true;
            } catch (const EConvertError&) {
            }
            controlWord = ReadFpuControlWord();
            status = ReadFpuStatusWord();
        }
        QCOMPARE(controlWord & ControlWordBits, TruncatingControlWord & ControlWordBits);
        QCOMPARE(status & FpuExceptionFlags, 0);
        QCOMPARE(converted, converts);
        if (converts)
            COMPARE_EXTENDED(result, value);
    }

    void powerTables_data() {
        QTest::addColumn<Extended>("entry");
        QTest::addColumn<int>("power");
        for (int i = 0; i < 32; ++i)
            QTest::addRow("PowSmall[%d]", i) << PowSmall[i] << i;
        for (int j = 1; j < 16; ++j)
            QTest::addRow("PowMiddle[%d]", j) << PowMiddle[j] << 32 * j;
        for (int k = 1; k < 10; ++k)
            QTest::addRow("PowLarge[%d]", k) << PowLarge[k] << 512 * k;
    }
    void powerTables() {
        QFETCH(Extended, entry);
        QFETCH(int, power);
        const Extended reference = LibraryPowerOfTen(power);
        QVERIFY2(SameBits(entry, reference),
                 "got " + Describe(entry) + ", expected " + Describe(reference));
    }

    void scaleByPowerOfTen_data() {
        QTest::addColumn<Extended>("value");
        QTest::addColumn<int>("n");
        QTest::addColumn<Extended>("scaled");
        const Extended inf = std::numeric_limits<Extended>::infinity();
        const Extended nan = std::numeric_limits<Extended>::quiet_NaN();
        QTest::newRow("n 0 keeps negative zero") << Extended(-0.0L) << 0 << Extended(-0.0L);
        QTest::newRow("n 0 keeps NaN") << nan << 0 << nan;
        QTest::newRow("n 0 keeps the largest value") << Largest << 0 << Largest;
        QTest::newRow("n 5120 from a negative value") << Extended(-1.0L) << 5120 << inf;
        QTest::newRow("n 5120 from zero") << Extended(0.0L) << 5120 << inf;
        QTest::newRow("n 9000 from a tiny value") << Extended(1e-4900L) << 9000 << inf;
        QTest::newRow("n -5120 from a negative value")
            << Extended(-7.0L) << -5120 << Extended(0.0L);
        QTest::newRow("n -6000 from the largest value") << Largest << -6000 << Extended(0.0L);
        QTest::newRow("n 5119 from a tiny value stays finite")
            << Extended(1e-4900L) << 5119 << Extended(1e219L);
        QTest::newRow("n -33 divides by 10 then 10^32")
            << Extended(1.0L) << -33 << Extended((1.0L / 10) / 1e32L);
    }
    void scaleByPowerOfTen() {
        QFETCH(Extended, value);
        QFETCH(int, n);
        QFETCH(Extended, scaled);
        const Extended result = ScaleByPowerOfTen(value, n);
        if (!IsNan(scaled) && !IsInf(scaled) && scaled != 0)
            QVERIFY2(Abs(result - scaled) <= Extended(1e-17L) * scaled, Describe(result));
        else
            COMPARE_EXTENDED(result, scaled);
    }

    // Up to 10^27 a power is exact, so one product or quotient is the
    // correctly rounded value.
    void scaleSmallPowersRoundOnce() {
        for (int n = 1; n <= 27; ++n) {
            COMPARE_EXTENDED(ScaleByPowerOfTen(1, n), LibraryPowerOfTen(n));
            COMPARE_EXTENDED(ScaleByPowerOfTen(1, -n), LibraryPowerOfTen(-n));
            COMPARE_EXTENDED(ScaleByPowerOfTen(3, -n), 3 / LibraryPowerOfTen(n));
        }
    }

    void formatResult_data() {
        QTest::addColumn<QByteArray>("decimal");
        QTest::addColumn<char>("mark");
        QTest::addColumn<QString>("shown");
        const struct {
            const char* decimal;
            const char* shown;
        } rows[] = {
            {"0.5236", "0.5236"},
            {"523.6", "523.6"},
            {"9900.12345", "9900.1"},
            {"123456", "1.2346E0005"},
            {"0.00001234", "1.234E-0005"},
            {"0.00001", "1E-0005"},
            {"-0.00001", "-1E-0005"},
            {"0.00626", "0.00626"},
            {"0.0023518", "0.0023518"},
            {"-12.5", "-12.5"},
            {"1E20", "1E0020"},
            {"1E500", "1E0500"},
            {"1E-4930", "1E-4930"},
            {"0", "0"},
            {"-0", "0"},
            {"-1e-4940", "0"},
            {"12000", "12000"},
            {"99999.4", "99999"},
            {"99999.5", "1E0005"},
            {"100000", "1E0005"},
            {"12344.5", "12345"},
            {"12345.5", "12346"},
            {"1.00005", "1.0001"},
            {"0.123455", "0.12346"},
            {"9.99995", "10"},
            {"1.99995", "2"},
            {"-299995", "-3E0005"},
            {"0.0001", "0.0001"},
            {"0.00009999", "9.999E-0005"},
            {"0.0000999996", "0.0001"},
            {"-0.000012346", "-1.2346E-0005"},
        };
        for (const auto& row : rows)
            QTest::newRow(row.decimal) << QByteArray(row.decimal) << '.' << QString(row.shown);
        QTest::newRow("comma: 0.5236") << QByteArray("0.5236") << ',' << QString("0,5236");
        QTest::newRow("comma: 123456") << QByteArray("123456") << ',' << QString("1,2346E0005");
        QTest::newRow("comma: 0.00626") << QByteArray("0.00626") << ',' << QString("0,00626");
    }
    void formatResult() {
        QFETCH(QByteArray, decimal);
        QFETCH(char, mark);
        QFETCH(QString, shown);
        const Extended value = ParseNumber(View(decimal), '.');
        DecimalMark = mark;
        QCOMPARE(Text(FormatResult(value)), shown);
    }

    void formatSpecialValues_data() {
        QTest::addColumn<Extended>("value");
        QTest::addColumn<QString>("shown");
        const Extended inf = std::numeric_limits<Extended>::infinity();
        const Extended nan = std::numeric_limits<Extended>::quiet_NaN();
        QTest::newRow("infinity") << inf << "INF";
        QTest::newRow("negative infinity") << -inf << "-INF";
        QTest::newRow("NaN") << nan << "NAN";
        QTest::newRow("negative NaN") << -nan << "NAN";
        QTest::newRow("largest value") << Largest << "1.1897E4932";
        QTest::newRow("smallest normal") << SmallestNormal << "3.3621E-4932";
        QTest::newRow("largest denormal")
            << NextAfter(Extended(SmallestNormal), Extended(0.0L)) << "0";
        QTest::newRow("negative smallest denormal") << -SmallestSubnormal << "0";
        // 18-digit rounding carries to 10^18: the leading 1 must survive.
        QTest::newRow("next value below 1") << NextAfter(Extended(1.0L), Extended(0.0L)) << "1";
        QTest::newRow("next value below -1e5")
            << NextAfter(Extended(-1e5L), Extended(0.0L)) << "-1E0005";
        QTest::newRow("next value below 1e-3")
            << NextAfter(Extended(1e-3L), Extended(0.0L)) << "0.001";
    }
    void formatSpecialValues() {
        QFETCH(Extended, value);
        QFETCH(QString, shown);
        QCOMPARE(Text(FormatResult(value)), shown);
    }

    void formatOptions_data() {
        QTest::addColumn<QByteArray>("decimal");
        QTest::addColumn<int>("precision");
        QTest::addColumn<int>("exponentDigits");
        QTest::addColumn<QString>("shown");
        QTest::newRow("precision 1 counts as 2") << QByteArray("123456") << 1 << 4 << "1.2E0005";
        QTest::newRow("precision -3 counts as 2") << QByteArray("0.456") << -3 << 4 << "0.46";
        QTest::newRow("precision 2 switches early") << QByteArray("123") << 2 << 4 << "1.2E0002";
        QTest::newRow("precision 25 counts as 18")
            << QByteArray("1.23456789012345678912") << 25 << 4 << "1.23456789012345679";
        QTest::newRow("precision 18 hides the binary error")
            << QByteArray("0.1") << 18 << 4 << "0.1";
        QTest::newRow("integral value pads with zeros")
            << QByteArray("12000") << 3 << 4 << "1.2E0004";
        QTest::newRow("exponent digits 0") << QByteArray("1E20") << 5 << 0 << "1E20";
        QTest::newRow("exponent digits 3") << QByteArray("1E20") << 5 << 3 << "1E020";
        QTest::newRow("exponent digits 5 counts as 0") << QByteArray("1E20") << 5 << 5 << "1E20";
        QTest::newRow("exponent digits -1 counts as 0") << QByteArray("1E-5") << 5 << -1 << "1E-5";
        QTest::newRow("wide exponent outgrows the digits")
            << QByteArray("1E500") << 5 << 2 << "1E500";
        // Within 5e-19 below a power of ten the 18-digit image carries to 10^18.
        QTest::newRow("19 nines below 10, precision 2")
            << QByteArray("9.999999999999999999") << 2 << 4 << "10";
        QTest::newRow("19 nines below 1e5, precision 6")
            << QByteArray("99999.99999999999999") << 6 << 4 << "100000";
        QTest::newRow("19 nines below -100, precision 18")
            << QByteArray("-99.99999999999999999") << 18 << 0 << "-100";
        QTest::newRow("19 nines below 1e-3, precision 3")
            << QByteArray("0.0009999999999999999999") << 3 << 4 << "0.001";
        QTest::newRow("19 nines below 1e18, precision 18")
            << QByteArray("999999999999999999.9") << 18 << 4 << "1E0018";
    }
    void formatOptions() {
        QFETCH(QByteArray, decimal);
        QFETCH(int, precision);
        QFETCH(int, exponentDigits);
        QFETCH(QString, shown);
        QCOMPARE(Text(FormatGeneral(ParseNumber(View(decimal)), precision, exponentDigits)), shown);
    }

    // Across the whole range: a result text has at most 13 characters, no
    // '+', a four-digit exponent; the 18-digit form reads back to the value.
    void formatAcrossTheRange() {
        unsigned long long state = 0x9E3779B97F4A7C15ull;
        for (int binaryExponent = -16381; binaryExponent <= 16383; binaryExponent += 7) {
            state = state * 6364136223846793005ull + 1442695040888963407ull;
            const long double fraction = 0.5L + (state >> 11) * 0x1p-54L;
            const Extended value = std::ldexp((state & 1) ? -fraction : fraction, binaryExponent);
            const std::string shown = FormatResult(value);
            QVERIFY2(shown.size() <= 13, shown.c_str());
            QVERIFY2(shown.find('+') == std::string::npos, shown.c_str());
            const std::size_t e = shown.find('E');
            if (e != std::string::npos) {
                const std::size_t digits = shown.size() - e - 1 - (shown[e + 1] == '-');
                QVERIFY2(digits == 4, shown.c_str());
            }
            const Extended readBack = ParseNumber(FormatGeneral(value, 18, 0));
            QVERIFY2(Abs(readBack - value) <= Extended(1e-17L) * Abs(value),
                     qPrintable(Text(FormatGeneral(value, 18, 0))));
        }
    }
};

QTEST_APPLESS_MAIN(NumberTextTest)
#include "test_number_text.moc"
