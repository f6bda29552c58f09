// Validation of the input record: the order of the checks, the status texts,
// the height limit and the faults of the height test.

#include <QtTest>

#include <algorithm>
#include <cmath>
#include <limits>

#include "calc/errors.h"
#include "calc/fpu_mode.h"
#include "calc/inputs.h"
#include "calc/number_text.h"

#include "core_inputs.h"
#include "extended_bits.h"
#include "extended_metatype.h"

using namespace tarsilo;
using namespace core_inputs;
using enum InputStatus;

Q_DECLARE_METATYPE(InputStatus)

class ValidationTest : public QObject {
    Q_OBJECT

private slots:
    void init() { ResetFpu(); }
    void cleanup() { ResetFpu(); }

    void statusCodes_data() {
        QTest::addColumn<QStringList>("changes");
        QTest::addColumn<InputStatus>("code");
        QTest::newRow("defaults pass") << QStringList() << Valid;
        for (int i = 0; i < 9; ++i) {
            // A temperature of 0 faults in the height test instead.
            if (i != 8)
                QTest::addRow("%s zero", SlotNames[i])
                    << QStringList{SlotNames[i] + QString("=0")} << InputStatus(i + 1);
            QTest::addRow("%s just below zero", SlotNames[i])
                << QStringList{SlotNames[i] + QString("=-0.000001")} << InputStatus(i + 1);
        }
        QTest::newRow("negative zero diameter") << QStringList{"D=-0"} << DiameterNotPositive;
        QTest::newRow("denormal speed is positive") << QStringList{"Vo=1e-4940"} << Valid;
        QTest::newRow("diameter and molar mass zero: the later wins")
            << QStringList{"D=0", "mu=0"} << MolarMassNotPositive;
        QTest::newRow("diameter zero, temperature -300")
            << QStringList{"D=0", "T=-300", "Hx=0"} << TemperatureNotPositive;
        QTest::newRow("quantities 1..8 zero, temperature -1")
            << QStringList{"Vo=0", "D=0", "L=0", "Cb=0", "RoB=0", "g=0", "Ro0=0", "mu=0", "T=-1"}
            << TemperatureNotPositive;
        QTest::newRow("temperature -300, height 1e8: height wins")
            << QStringList{"T=-300", "Hx=1e8"} << HeightTooDeep;
        QTest::newRow("height -1e8 is too deep") << QStringList{"Hx=-1e8"} << HeightTooDeep;
        QTest::newRow("height -8.7e7 is within the limit") << QStringList{"Hx=-8.7e7"} << Valid;
        QTest::newRow("height 1e8 is not limited") << QStringList{"Hx=1e8"} << Valid;
        QTest::newRow("speed zero, height -1e8: height wins")
            << QStringList{"Vo=0", "Hx=-1e8"} << HeightTooDeep;
    }
    void statusCodes() {
        QFETCH(QStringList, changes);
        QFETCH(InputStatus, code);
        QCOMPARE(ValidateInputs(InputsWith(changes)), code);
    }

    void statusTexts_data() {
        QTest::addColumn<InputStatus>("code");
        QTest::addColumn<QString>("text");
        const char* const texts[] = {
            "Введите Vo > 0",
            "Введите D > 0",
            "Введите L > 0",
            "Введите Cb > 0",
            "Введите плотность тела > 0",
            "Введите g > 0",
            "Введите плотность атмосферы > 0",
            "Введите молярную массу > 0",
            "Введите T > 0",
            "Введите значение Hx ближе к 0",
        };
        for (int code = 1; code <= 10; ++code)
            QTest::addRow("code %d", code)
                << InputStatus(code) << QString::fromUtf8(texts[code - 1]);
        QTest::newRow("valid has no text") << Valid << QString();
        QTest::newRow("code 11 has no text") << InputStatus(11) << QString();
        QTest::newRow("code -1 has no text") << InputStatus(-1) << QString();
    }
    void statusTexts() {
        QFETCH(InputStatus, code);
        QFETCH(QString, text);
        const std::string_view result = StatusText(code);
        QCOMPARE(QString::fromUtf8(result.data(), qsizetype(result.size())), text);
    }

    // With μ = g = 1 and R·T exactly 1 the height term is Hx itself, so the
    // limit can be met exactly.
    void heightLimit_data() {
        QTest::addColumn<Extended>("height");
        QTest::addColumn<InputStatus>("code");
        const Extended limit = -10000;
        QTest::newRow("exactly -10000 passes") << limit << Valid;
        QTest::newRow("next value below fails") << test::NextAfter(limit, -20000) << HeightTooDeep;
        QTest::newRow("next value above passes") << test::NextAfter(limit, 0) << Valid;
    }
    void heightLimit() {
        QFETCH(Extended, height);
        QFETCH(InputStatus, code);
        CalcInputs inputs = DefaultInputs();
        inputs.mu = 1;
        inputs.g = 1;
        inputs.T = 1.0L / GasConstantR;
        QVERIFY2(GasConstantR * inputs.T == 1.0L, "R·T must be exactly 1 for this test");
        inputs.Hx = height;
        QCOMPARE(ValidateInputs(inputs), code);
    }

    void heightTermFaults_data() {
        QTest::addColumn<QStringList>("changes");
        QTest::addColumn<QString>("className");
        QTest::addColumn<QString>("message");
        const QString invalid = "Invalid floating point operation";
        const QString zeroDivide = "Floating point division by zero";
        const QString overflow = "Floating point overflow";
        QTest::newRow("T 0, Hx 0: 0/0") << QStringList{"T=0", "Hx=0"} << "EInvalidOp" << invalid;
        QTest::newRow("T 0, Hx 100: x/0")
            << QStringList{"T=0", "Hx=100"} << "EZeroDivide" << zeroDivide;
        QTest::newRow("T -0, Hx -100: x/-0")
            << QStringList{"T=-0", "Hx=-100"} << "EZeroDivide" << zeroDivide;
        QTest::newRow("speed 0 does not stop the height test")
            << QStringList{"Vo=0", "T=0"} << "EInvalidOp" << invalid;
        QTest::newRow("product mu·g overflows")
            << QStringList{"mu=1e4000", "g=1e4000"} << "EOverflow" << overflow;
        QTest::newRow("quotient overflows")
            << QStringList{"Hx=1e4900", "T=1e-100"} << "EOverflow" << overflow;
        QTest::newRow("numerator overflows before the division by T 0")
            << QStringList{"mu=1e2000", "g=1e2000", "Hx=1e2000", "T=0"} << "EOverflow" << overflow;
    }
    void heightTermFaults() {
        QFETCH(QStringList, changes);
        QFETCH(QString, className);
        QFETCH(QString, message);
        const CalcInputs inputs = InputsWith(changes);
        try {
            ValidateInputs(inputs);
            QFAIL("no error raised");
        } catch (const EMathError& error) {
            QCOMPARE(QString(error.ClassName()), className);
            QCOMPARE(QString::fromStdString(error.Message()), message);
        }
        QCOMPARE(ReadFpuStatusWord() & FpuExceptionFlags, 0);
        QVERIFY(FpuModeIsDefault());
        QCOMPARE(ValidateInputs(DefaultInputs()), Valid);
    }
};

QTEST_APPLESS_MAIN(ValidationTest)
#include "test_validation.moc"
