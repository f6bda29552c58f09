// The descent model of both shapes against references computed to 40 digits
// by tools/descent_references.py.

#include <QtTest>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

#include "calc/descent_model.h"
#include "calc/errors.h"
#include "calc/fpu_mode.h"
#include "calc/inputs.h"
#include "calc/number_text.h"

#include "core_inputs.h"

using namespace tarsilo;
using namespace core_inputs;

namespace {

// Every quantity different, so that a swapped operand shows.
const QStringList MarsLike = {"Vo=7000", "D=0.8",    "L=2.5",    "Cb=0.47", "RoB=7800",
                              "g=3.71",  "Ro0=0.02", "mu=0.044", "T=210",   "Hx=5000"};

// The results in the order of the result fields.
constexpr std::array<Extended CalcResults::*, 8> ResultSlots = {
    &CalcResults::V,    &CalcResults::m,  &CalcResults::v,   &CalcResults::vv0,
    &CalcResults::v_v0, &CalcResults::vc, &CalcResults::Et0, &CalcResults::Et,
};
const char* const ResultNames[] = {"V", "m", "v", "v/Vo", "(Vo-v)/Vo", "Vc", "E0", "Et"};
constexpr int Deceleration = 4;

CalcResults Evaluate(const CalcInputs& inputs, BodyShape shape) {
    CalcResults results;
    EvaluateModel(inputs, shape, results);
    return results;
}

QByteArray Describe(Extended v) {
    char text[64];
    std::snprintf(text, sizeof text, "%.21Lg", ToLongDouble(v));
    return text;
}

// Decimal references, rounded to the extended format where they are used.
using References = std::array<long double, 8>;

} // namespace

Q_DECLARE_METATYPE(BodyShape)
Q_DECLARE_METATYPE(References)

class DescentModelTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        ResetFpu();
        DecimalMark = '.';
    }
    void cleanup() { init(); }

    void results_data() {
        QTest::addColumn<BodyShape>("shape");
        QTest::addColumn<QStringList>("changes");
        QTest::addColumn<References>("expected");
        QTest::newRow("ball, defaults") << BodyShape::Ball << QStringList()
                                        << References{0.5235987666666666666666667L,
                                                      523.5987666666666666666667L,
                                                      193.8273901384903020922899L,
                                                      1.938273901384903020922899L,
                                                      98.0617260986150969790771L,
                                                      147.6482306023340057554152L,
                                                      0.00626L,
                                                      2.351822978710447828317124e-6L};
        QTest::newRow("cylinder, defaults") << BodyShape::Cylinder << QStringList()
                                            << References{0.78539815L,
                                                          785.39815L,
                                                          721.5671700248879082937929L,
                                                          7.215671700248879082937929L,
                                                          92.78432829975112091706207L,
                                                          180.8314132002512444004943L,
                                                          0.00939L,
                                                          4.888989708254042399084429e-5L};
        QTest::newRow("ball, all quantities distinct") << BodyShape::Ball << MarsLike
                                                       << References{0.2680825685333333333333L,
                                                                     2091.04403456L,
                                                                     6947.236854807014951471L,
                                                                     99.24624078295735644959L,
                                                                     0.7537592170426435504108L,
                                                                     2289.531049023971026727L,
                                                                     0.01224996864L,
                                                                     0.01206599409017326959058L};
        QTest::newRow("cylinder, all quantities distinct")
            << BodyShape::Cylinder << MarsLike
            << References{1.25663704L,
                          9801.768912L,
                          6988.710339716559549332L,
                          99.83871913880799356189L,
                          0.1612808611920064381149L,
                          4956.980128019984757254L,
                          0.057421728L,
                          0.05723665684776127181581L};
    }
    void results() {
        QFETCH(BodyShape, shape);
        QFETCH(QStringList, changes);
        QFETCH(References, expected);
        const CalcResults results = Evaluate(InputsWith(changes), shape);
        for (int i = 0; i < 8; ++i) {
            const Extended actual = results.*ResultSlots[i];
            const Extended reference = expected[i];
            // The deceleration is a difference; its error scales with 100 %.
            const Extended scale = i == Deceleration ? Extended(100) : Abs(reference);
            QVERIFY2(Abs(actual - reference) <= Extended(1e-17L) * scale,
                     QByteArray(ResultNames[i]) + ": got " + Describe(actual) + ", expected " +
                         Describe(reference));
        }
    }

    void shapeOutsideTheEnumerationIsAnError() {
        CalcResults results;
        results.V = -1;
        try {
            EvaluateModel(InputsWith({}), static_cast<BodyShape>(2), results);
            QFAIL("no error raised");
        } catch (const Exception& error) {
            QCOMPARE(QString::fromStdString(error.Message()), "Unknown body shape 2");
        }
        QVERIFY(results.V == -1);
    }

    // exp(−k) vanishes against 1: no slowing at all, while Vc grows large.
    void calculationPointFarAbove_data() {
        QTest::addColumn<BodyShape>("shape");
        QTest::addColumn<long double>("freeFallSpeedDecimal");
        QTest::newRow("ball") << BodyShape::Ball << 8.894044890860708581155388e+26L;
        QTest::newRow("cylinder") << BodyShape::Cylinder << 1.089293586600821819165e+27L;
    }
    void calculationPointFarAbove() {
        QFETCH(BodyShape, shape);
        QFETCH(long double, freeFallSpeedDecimal);
        const Extended freeFallSpeed = freeFallSpeedDecimal;
        const CalcInputs inputs = InputsWith({"Hx=1e6"});
        QCOMPARE(ValidateInputs(inputs), InputStatus::Valid);
        const CalcResults results = Evaluate(inputs, shape);
        QVERIFY(results.v == inputs.Vo);
        QVERIFY(results.vv0 == 100);
        QVERIFY(results.v_v0 == 0 && !SignBit(results.v_v0));
        QVERIFY2(Abs(results.vc - freeFallSpeed) <= Extended(1e-16L) * freeFallSpeed,
                 Describe(results.vc));
        QVERIFY(results.Et == results.Et0);
    }

    // A dense atmosphere or a deep point drives exp(...) below the range:
    // the speed becomes 0 without any error.
    void speedUnderflows_data() {
        QTest::addColumn<BodyShape>("shape");
        QTest::addColumn<QStringList>("changes");
        QTest::newRow("ball, point 87000 km deep") << BodyShape::Ball << QStringList{"Hx=-8.7e7"};
        QTest::newRow("cylinder, point 87000 km deep")
            << BodyShape::Cylinder << QStringList{"Hx=-8.7e7"};
        QTest::newRow("ball, surface density 1e6") << BodyShape::Ball << QStringList{"Ro0=1e6"};
        QTest::newRow("cylinder, drag coefficient 1e7")
            << BodyShape::Cylinder << QStringList{"Cb=1e7"};
    }
    void speedUnderflows() {
        QFETCH(BodyShape, shape);
        QFETCH(QStringList, changes);
        const CalcInputs inputs = InputsWith(changes);
        QCOMPARE(ValidateInputs(inputs), InputStatus::Valid);
        CalcResults results;
        try {
            EvaluateModel(inputs, shape, results);
        } catch (const std::exception& error) {
            QFAIL(error.what());
        }
        QVERIFY(results.v == 0);
        QCOMPARE(QString::fromStdString(FormatResult(results.vv0)), QString("0"));
        QCOMPARE(QString::fromStdString(FormatResult(results.v_v0)), QString("100"));
        QVERIFY(results.Et == 0);
        QVERIFY(!IsInf(results.vc) && !IsNan(results.vc) && results.vc > 0);
        QVERIFY(FpuModeIsDefault());
    }
};

QTEST_APPLESS_MAIN(DescentModelTest)
#include "test_descent_model.moc"
