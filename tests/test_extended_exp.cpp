// The core's own extended exponential (the one the Windows build uses): named
// rows against mpmath references, and random arguments over the whole range
// against the C library's expl.

#include <QtTest>

#include <cfenv>
#include <cmath>
#include <limits>
#include <random>

#include "calc/extended_exp.h"
#include "calc/fpu_mode.h"

#include "extended_bits.h"
#include "extended_exp_rows.h"

using namespace tarsilo;
using namespace tarsilo::test;

namespace {

QByteArray Describe(long double x) {
    char text[64];
    std::snprintf(text, sizeof text, "%.21Lg", x);
    return QByteArray(text) + " [" + QByteArray::fromStdString(HexBits(x)) + "]";
}

enum class Kind { Zero, Subnormal, Normal, Infinite };

Kind KindOf(long double x) {
    switch (std::fpclassify(x)) {
    case FP_ZERO:
        return Kind::Zero;
    case FP_SUBNORMAL:
        return Kind::Subnormal;
    case FP_INFINITE:
        return Kind::Infinite;
    default:
        return Kind::Normal;
    }
}

// Uniform over [low, high) with all 64 significand bits random.
long double RandomIn(std::mt19937_64& random, long double low, long double high) {
    const long double unit = static_cast<long double>(random()) * 0x1p-64L;
    return low + (high - low) * unit;
}

} // namespace

Q_DECLARE_METATYPE(long double)

class ExtendedExpTest : public QObject {
    Q_OBJECT

private slots:
    void init() { ResetFpu(); }
    void cleanup() { ResetFpu(); }

    void rows_data() {
        QTest::addColumn<long double>("argument");
        QTest::addColumn<long double>("expected");
        for (const ExpRow& row : ExpRows)
            QTest::newRow(row.name) << row.argument << row.expected;
    }
    // Within one ulp of the exact value, and never across the edges of the
    // range: a finite result stays finite, an overflow is +inf, an underflow
    // below half the smallest subnormal is 0.
    void rows() {
        QFETCH(long double, argument);
        QFETCH(long double, expected);
        std::feclearexcept(FE_ALL_EXCEPT);
        const long double result = ExtendedExp(argument);
        const bool invalidOrZeroDivide = std::fetestexcept(FE_INVALID | FE_DIVBYZERO);
        const bool overflow = std::fetestexcept(FE_OVERFLOW);
        const QByteArray report = "exp(" + Describe(argument) + ") = " + Describe(result) +
                                  ", expected " + Describe(expected);
        QVERIFY2(UlpDistance(result, expected) <= 1, report);
        const bool zeroOrInfinite = expected == 0 || std::isinf(expected);
        if (zeroOrInfinite)
            QVERIFY2(result == expected && !std::signbit(result), report);
        else
            QVERIFY2(KindOf(result) == KindOf(expected), report);
        QVERIFY(!invalidOrZeroDivide);
        QCOMPARE(overflow, std::isinf(expected) && !std::isinf(argument));
        QVERIFY(FpuModeIsDefault());
    }

    void notANumber() {
        const long double nan = std::numeric_limits<long double>::quiet_NaN();
        QVERIFY(std::isnan(ExtendedExp(nan)));
        QVERIFY(std::isnan(ExtendedExp(-nan)));
    }

    void agreesWithTheCLibrary_data() {
        QTest::addColumn<long double>("low");
        QTest::addColumn<long double>("high");
        QTest::addColumn<int>("count");
        QTest::newRow("whole range") << -11400.0L << 11357.0L << 200000;
        QTest::newRow("subnormal results") << -11399.5L << -11355.0L << 50000;
        QTest::newRow("near the overflow limit") << 11350.0L << 11356.52L << 20000;
        QTest::newRow("arguments within [-1, 1]") << -1.0L << 1.0L << 50000;
        QTest::newRow("within a few table steps of zero") << -0.05L << 0.05L << 20000;
    }
    // glibc's expl is within about an ulp everywhere; two results more than
    // one value apart mean that this one is wrong.
    void agreesWithTheCLibrary() {
        QFETCH(long double, low);
        QFETCH(long double, high);
        QFETCH(int, count);
        std::mt19937_64 random(20240611);
        for (int i = 0; i < count; ++i) {
            const long double x = RandomIn(random, low, high);
            const long double ours = ExtendedExp(x);
            const long double library = std::exp(x);
            if (UlpDistance(ours, library) > 1)
                QFAIL("exp(" + Describe(x) + ") = " + Describe(ours) + ", expl gives " +
                      Describe(library));
        }
    }

    // Sorted arguments give sorted results, across the table's 64 steps and
    // the exponent boundaries they cross.
    void increasesWithItsArgument_data() {
        QTest::addColumn<long double>("start");
        QTest::addColumn<long double>("span");
        QTest::newRow("around zero") << -0.02L << 0.04L;
        QTest::newRow("across ln2") << 0.68L << 0.03L;
        QTest::newRow("across the smallest normal result") << -11355.2L << 0.1L;
        QTest::newRow("up to the overflow limit") << 11356.4L << 0.12L;
    }
    void increasesWithItsArgument() {
        QFETCH(long double, start);
        QFETCH(long double, span);
        constexpr int Steps = 100000;
        long double previous = ExtendedExp(start);
        for (int i = 1; i <= Steps; ++i) {
            const long double x = start + span * i / Steps;
            const long double result = ExtendedExp(x);
            if (result < previous)
                QFAIL("exp(" + Describe(x) + ") = " + Describe(result) + " is below " +
                      Describe(previous));
            previous = result;
        }
    }
};

QTEST_APPLESS_MAIN(ExtendedExpTest)
#include "test_extended_exp.moc"
