// The core's own extended exponential (the one every build uses): named rows
// against mpmath references, and random arguments over the whole range
// against the C library's expl (in the 128-bit format where long double is
// that, rounded to the extended format).

#include <QtTest>

#include <cmath>
#include <limits>
#include <random>

#include "calc/extended_exp.h"
#include "calc/fpu_mode.h"

#include "extended_bits.h"
#include "extended_exp_rows.h"
#include "extended_metatype.h"

using namespace tarsilo;
using namespace tarsilo::test;

namespace {

QByteArray Describe(Extended x) {
    char text[64];
    std::snprintf(text, sizeof text, "%.21Lg", ToLongDouble(x));
    return QByteArray(text) + " [" + QByteArray::fromStdString(HexBits(x)) + "]";
}

enum class Kind { Zero, Subnormal, Normal, Infinite };

Kind KindOf(Extended x) {
    if (x == 0)
        return Kind::Zero;
    if (IsSubnormal(x))
        return Kind::Subnormal;
    return IsInf(x) ? Kind::Infinite : Kind::Normal;
}

// Uniform over [low, high) with all 64 significand bits random.
Extended RandomIn(std::mt19937_64& random, Extended low, Extended high) {
    const Extended unit = Extended(random()) * Extended(0x1p-64L);
    return low + (high - low) * unit;
}

Extended LibraryExp(Extended x) {
    return std::exp(ToLongDouble(x));
}

// The exception flags of the status word.
constexpr std::uint16_t InvalidFlag = 0x01, ZeroDivideFlag = 0x04, OverflowFlag = 0x08;

} // namespace

class ExtendedExpTest : public QObject {
    Q_OBJECT

private slots:
    void init() { ResetFpu(); }
    void cleanup() { ResetFpu(); }

    void rows_data() {
        QTest::addColumn<Extended>("argument");
        QTest::addColumn<Extended>("expected");
        for (const ExpRow& row : ExpRows)
            QTest::newRow(row.name) << row.argument << row.expected;
    }
    // Within one ulp of the exact value, and never across the edges of the
    // range: a finite result stays finite, an overflow is +inf, an underflow
    // below half the smallest subnormal is 0.
    void rows() {
        QFETCH(Extended, argument);
        QFETCH(Extended, expected);
        ResetFpu();
        const Extended result = ExtendedExp(argument);
        const std::uint16_t status = ReadFpuStatusWord();
        const bool invalidOrZeroDivide = status & (InvalidFlag | ZeroDivideFlag);
        const bool overflow = status & OverflowFlag;
        const QByteArray report = "exp(" + Describe(argument) + ") = " + Describe(result) +
                                  ", expected " + Describe(expected);
        QVERIFY2(UlpDistance(result, expected) <= 1, report);
        const bool zeroOrInfinite = expected == 0 || IsInf(expected);
        if (zeroOrInfinite)
            QVERIFY2(result == expected && !SignBit(result), report);
        else
            QVERIFY2(KindOf(result) == KindOf(expected), report);
        QVERIFY(!invalidOrZeroDivide);
        QCOMPARE(overflow, IsInf(expected) && !IsInf(argument));
        QVERIFY(FpuModeIsDefault());
    }

    void notANumber() {
        const Extended nan = std::numeric_limits<Extended>::quiet_NaN();
        QVERIFY(IsNan(ExtendedExp(nan)));
        QVERIFY(IsNan(ExtendedExp(-nan)));
    }

    void agreesWithTheCLibrary_data() {
        QTest::addColumn<Extended>("low");
        QTest::addColumn<Extended>("high");
        QTest::addColumn<int>("count");
        QTest::newRow("whole range") << Extended(-11400.0L) << Extended(11357.0L) << 200000;
        QTest::newRow("subnormal results") << Extended(-11399.5L) << Extended(-11355.0L) << 50000;
        QTest::newRow("near the overflow limit")
            << Extended(11350.0L) << Extended(11356.52L) << 20000;
        QTest::newRow("arguments within [-1, 1]") << Extended(-1.0L) << Extended(1.0L) << 50000;
        QTest::newRow("within a few table steps of zero")
            << Extended(-0.05L) << Extended(0.05L) << 20000;
    }
    // glibc's expl is within about an ulp everywhere; two results more than
    // one value apart mean that this one is wrong.
    void agreesWithTheCLibrary() {
        QFETCH(Extended, low);
        QFETCH(Extended, high);
        QFETCH(int, count);
        std::mt19937_64 random(20240611);
        for (int i = 0; i < count; ++i) {
            const Extended x = RandomIn(random, low, high);
            const Extended ours = ExtendedExp(x);
            const Extended library = LibraryExp(x);
            if (UlpDistance(ours, library) > 1)
                QFAIL("exp(" + Describe(x) + ") = " + Describe(ours) + ", expl gives " +
                      Describe(library));
        }
    }

    // Sorted arguments give sorted results, across the table's 64 steps and
    // the exponent boundaries they cross.
    void increasesWithItsArgument_data() {
        QTest::addColumn<Extended>("start");
        QTest::addColumn<Extended>("span");
        QTest::newRow("around zero") << Extended(-0.02L) << Extended(0.04L);
        QTest::newRow("across ln2") << Extended(0.68L) << Extended(0.03L);
        QTest::newRow("across the smallest normal result") << Extended(-11355.2L) << Extended(0.1L);
        QTest::newRow("up to the overflow limit") << Extended(11356.4L) << Extended(0.12L);
    }
    void increasesWithItsArgument() {
        QFETCH(Extended, start);
        QFETCH(Extended, span);
        constexpr int Steps = 100000;
        Extended previous = ExtendedExp(start);
        for (int i = 1; i <= Steps; ++i) {
            const Extended x = start + span * i / Steps;
            const Extended result = ExtendedExp(x);
            if (result < previous)
                QFAIL("exp(" + Describe(x) + ") = " + Describe(result) + " is below " +
                      Describe(previous));
            previous = result;
        }
    }
};

QTEST_APPLESS_MAIN(ExtendedExpTest)
#include "test_extended_exp.moc"
