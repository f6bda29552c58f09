// Arithmetic faults: which error each one raises, the fault table, what a
// fault leaves in the results and in the floating-point unit.

#include <QtTest>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstring>

#include "calc/checked_math.h"
#include "calc/descent_model.h"
#include "calc/errors.h"
#include "calc/fpu_mode.h"
#include "calc/inputs.h"
#include "calc/number_text.h"

#include "core_inputs.h"

using namespace tarsilo;
using namespace core_inputs;

namespace {

// Opaque operands, so that no operation is folded at compile time.
Extended Zero() {
    return Unfolded(0);
}
Extended One() {
    return Unfolded(1);
}
Extended Largest() {
    return Unfolded(std::numeric_limits<Extended>::max());
}
Extended Smallest() {
    return Unfolded(std::numeric_limits<Extended>::min());
}
Extended Sink = 0;

// Bit 6 of the control word is reserved and reads back as 1.
constexpr std::uint16_t ControlWordBits = 0xFFBF;
// The start-up word of the C runtime: the same arithmetic, but not the
// word that a fault must leave behind (it differs in the infinity control).
constexpr std::uint16_t ForeignControlWord = LoadedControlWord & ~0x1000;

// What an action raised, caught by the class E and described by its own name
// and message; anything else is described as a mismatch.
template <class E> QByteArray CaughtAs(void (*action)()) {
    try {
        action();
    } catch (const E& error) {
        return QByteArray(error.ClassName()) + ": " + error.Message().c_str();
    } catch (const Exception& error) {
        return QByteArray("other class ") + error.ClassName();
    }
    return "nothing raised";
}

template <class E> QByteArray RaisedAs(const Exception& error) {
    try {
        error.Raise();
    } catch (const E& raised) {
        return QByteArray(raised.ClassName()) + ": " + raised.Message().c_str();
    } catch (const Exception& raised) {
        return QByteArray("other class ") + raised.ClassName();
    }
    return "nothing raised";
}

struct ArithmeticCase {
    const char* name;
    void (*action)();
    QByteArray (*catcher)(void (*)());
    const char* expected;
};

struct SilentCase {
    const char* name;
    Extended (*operation)();
    bool denormal;
};

struct TableCase {
    const char* name;
    ProcessorFault fault;
    QByteArray (*raiser)(const Exception&);
    const char* expected;
    bool floatingPoint;
};

const char* const InvalidOp = "EInvalidOp: Invalid floating point operation";
const char* const ZeroDivide = "EZeroDivide: Floating point division by zero";
const char* const Overflow = "EOverflow: Floating point overflow";

const ArithmeticCase ArithmeticCases[] = {
    {"0/0", [] { Sink = checked::Div(Zero(), Zero()); }, &CaughtAs<EInvalidOp>, InvalidOp},
    {"sqrt(-1)", [] { Sink = checked::Sqrt(-One()); }, &CaughtAs<EInvalidOp>, InvalidOp},
    {"1/0", [] { Sink = checked::Div(One(), Zero()); }, &CaughtAs<EZeroDivide>, ZeroDivide},
    {"-1/-0", [] { Sink = checked::Div(-One(), -Zero()); }, &CaughtAs<EZeroDivide>, ZeroDivide},
    {"exp(12000)", [] { Sink = checked::Exp(12000 * One()); }, &CaughtAs<EOverflow>, Overflow},
    {"max + max", [] { Sink = checked::Add(Largest(), Largest()); }, &CaughtAs<EOverflow>,
     Overflow},
    {"-max - max", [] { Sink = checked::Sub(-Largest(), Largest()); }, &CaughtAs<EOverflow>,
     Overflow},
    {"max * 2", [] { Sink = checked::Mul(Largest(), 2); }, &CaughtAs<EOverflow>, Overflow},
    {"max / smallest normal overflows, not a division by zero",
     [] { Sink = checked::Div(Largest(), Smallest()); }, &CaughtAs<EOverflow>, Overflow},
};

const SilentCase SilentCases[] = {
    {"exp(-12000) is 0", [] { return checked::Exp(-12000 * One()); }, false},
    {"exp(-11390) is a denormal", [] { return checked::Exp(-11390 * One()); }, true},
    {"smallest normal / 2 is a denormal", [] { return checked::Div(Smallest(), 2); }, true},
    {"denormal operand",
     [] { return checked::Mul(std::numeric_limits<Extended>::denorm_min() * One(), 3); }, true},
    {"smallest normal squared is 0", [] { return checked::Mul(Smallest(), Smallest()); }, false},
};

const TableCase TableCases[] = {
    {"invalid operation", ProcessorFault::FloatInvalidOperation, &RaisedAs<EInvalidOp>, InvalidOp,
     true},
    {"stack check", ProcessorFault::FloatStackCheck, &RaisedAs<EInvalidOp>, InvalidOp, true},
    {"inexact result", ProcessorFault::FloatInexactResult, &RaisedAs<EInvalidOp>, InvalidOp, true},
    {"divide by zero", ProcessorFault::FloatDivideByZero, &RaisedAs<EZeroDivide>, ZeroDivide, true},
    {"overflow", ProcessorFault::FloatOverflow, &RaisedAs<EOverflow>, Overflow, true},
    {"underflow", ProcessorFault::FloatUnderflow, &RaisedAs<EUnderflow>,
     "EUnderflow: Floating point underflow", true},
    {"denormal operand", ProcessorFault::FloatDenormalOperand, &RaisedAs<EUnderflow>,
     "EUnderflow: Floating point underflow", true},
    {"integer divide by zero", ProcessorFault::IntegerDivideByZero, &RaisedAs<EDivByZero>,
     "EDivByZero: Division by zero", false},
    {"integer overflow", ProcessorFault::IntegerOverflow, &RaisedAs<EIntOverflow>,
     "EIntOverflow: Integer overflow", false},
    {"array bounds exceeded", ProcessorFault::ArrayBoundsExceeded, &RaisedAs<ERangeError>,
     "ERangeError: Range check error", false},
};

// The results in the order in which the model stores them.
constexpr Extended CalcResults::*StoringOrder[] = {
    &CalcResults::V,   &CalcResults::m,    &CalcResults::v,   &CalcResults::vc,
    &CalcResults::vv0, &CalcResults::v_v0, &CalcResults::Et0, &CalcResults::Et,
};

bool SameResults(const CalcResults& a, const CalcResults& b) {
    for (auto slot : StoringOrder) {
        if (std::memcmp(&(a.*slot), &(b.*slot), 10) != 0)
            return false;
    }
    return true;
}

} // namespace

Q_DECLARE_METATYPE(const ArithmeticCase*)
Q_DECLARE_METATYPE(const SilentCase*)
Q_DECLARE_METATYPE(const TableCase*)
Q_DECLARE_METATYPE(BodyShape)

class FaultsTest : public QObject {
    Q_OBJECT

    CalcResults ballBaseline, cylinderBaseline;

    // After a fault: the default mode, no flag pending, and an ordinary
    // calculation gives exactly what it gave before any fault.
    void verifyRecovered() {
        const std::uint16_t controlWord = ReadFpuControlWord();
        const std::uint16_t status = ReadFpuStatusWord();
        QCOMPARE(controlWord & ControlWordBits, LoadedControlWord & ControlWordBits);
        QVERIFY(FpuModeIsDefault());
        QCOMPARE(status & FpuExceptionFlags, 0);
        const CalcInputs defaults = InputsWith({});
        CalcResults ball, cylinder;
        try {
            QCOMPARE(ValidateInputs(defaults), InputStatus::Valid);
            EvaluateBall(defaults, ball);
            EvaluateCylinder(defaults, cylinder);
        } catch (const Exception& error) {
            QFAIL(error.what());
        }
        QVERIFY(SameResults(ball, ballBaseline));
        QVERIFY(SameResults(cylinder, cylinderBaseline));
    }

private slots:
    void initTestCase() {
        ResetFpu();
        const CalcInputs defaults = InputsWith({});
        EvaluateBall(defaults, ballBaseline);
        EvaluateCylinder(defaults, cylinderBaseline);
    }
    void init() { ResetFpu(); }
    void cleanup() { ResetFpu(); }

    void arithmeticFaults_data() {
        QTest::addColumn<const ArithmeticCase*>("fault");
        for (const ArithmeticCase& fault : ArithmeticCases)
            QTest::newRow(fault.name) << &fault;
    }
    void arithmeticFaults() {
        QFETCH(const ArithmeticCase*, fault);
        LoadFpuControlWord(ForeignControlWord);
        QCOMPARE(fault->catcher(fault->action), QByteArray(fault->expected));
        verifyRecovered();
    }

    // Underflow and denormal operands are silent, and underflow is gradual.
    void silentConditions_data() {
        QTest::addColumn<const SilentCase*>("condition");
        for (const SilentCase& condition : SilentCases)
            QTest::newRow(condition.name) << &condition;
    }
    void silentConditions() {
        QFETCH(const SilentCase*, condition);
        Extended result = -1;
        try {
            result = condition->operation();
        } catch (const Exception& error) {
            QFAIL(error.what());
        }
        if (condition->denormal)
            QVERIFY(result > 0 && result < std::numeric_limits<Extended>::min());
        else
            QVERIFY(result == 0 && !SignBit(result));
    }

    void faultTable_data() {
        QTest::addColumn<const TableCase*>("row");
        for (const TableCase& row : TableCases)
            QTest::newRow(row.name) << &row;
    }
    void faultTable() {
        QFETCH(const TableCase*, row);
        const std::unique_ptr<Exception> error = TranslateFault(row->fault);
        QVERIFY(error);
        QCOMPARE(QByteArray(error->ClassName()) + ": " + error->Message().c_str(),
                 QByteArray(row->expected));
        QCOMPARE(dynamic_cast<const EMathError*>(error.get()) != nullptr, row->floatingPoint);
        QCOMPARE(dynamic_cast<const EIntError*>(error.get()) != nullptr, !row->floatingPoint);
        QVERIFY(dynamic_cast<const EExternal*>(error.get()) != nullptr);
        QCOMPARE(row->raiser(*error), QByteArray(row->expected));
    }

    // A fault stops the model where it happens: the results stored before it
    // are new, the rest keep what the record held.
    void modelFaults_data() {
        QTest::addColumn<BodyShape>("shape");
        QTest::addColumn<QStringList>("changes");
        QTest::addColumn<QByteArray>("expected");
        QTest::addColumn<int>("storedBefore");
        QTest::newRow("ball, volume overflows")
            << BodyShape::Ball << QStringList{"D=1e1700"} << QByteArray(Overflow) << 0;
        QTest::newRow("ball, mass overflows")
            << BodyShape::Ball << QStringList{"RoB=1e4932", "D=10"} << QByteArray(Overflow) << 1;
        QTest::newRow("cylinder, drag term overflows")
            << BodyShape::Cylinder << QStringList{"Cb=1e4930"} << QByteArray(Overflow) << 2;
        QTest::newRow("ball, denominator underflows to 0")
            << BodyShape::Ball << QStringList{"D=1e-4950", "RoB=1e-5"} << QByteArray(ZeroDivide)
            << 2;
        QTest::newRow("ball, both drag terms underflow to 0")
            << BodyShape::Ball << QStringList{"D=1e-4950", "RoB=1e-5", "Cb=1e-4950", "Ro0=1e-10"}
            << QByteArray(InvalidOp) << 2;
        QTest::newRow("ball, Hx 1e8: free-fall speed overflows")
            << BodyShape::Ball << QStringList{"Hx=1e8"} << QByteArray(Overflow) << 3;
        QTest::newRow("cylinder, Hx 1e8: free-fall speed overflows")
            << BodyShape::Cylinder << QStringList{"Hx=1e8"} << QByteArray(Overflow) << 3;
        QTest::newRow("ball, Vo 1e2470: entry energy overflows")
            << BodyShape::Ball << QStringList{"Vo=1e2470"} << QByteArray(Overflow) << 6;
        QTest::newRow("cylinder, Vo 1e2470: entry energy overflows")
            << BodyShape::Cylinder << QStringList{"Vo=1e2470"} << QByteArray(Overflow) << 6;
    }
    void modelFaults() {
        QFETCH(BodyShape, shape);
        QFETCH(QStringList, changes);
        QFETCH(QByteArray, expected);
        QFETCH(int, storedBefore);
        const CalcInputs inputs = InputsWith(changes);
        QCOMPARE(ValidateInputs(inputs), InputStatus::Valid);
        CalcResults results;
        for (int i = 0; i < 8; ++i)
            results.*StoringOrder[i] = -1000.0L - i;

        LoadFpuControlWord(ForeignControlWord);
        QByteArray raised = "nothing raised";
        try {
            EvaluateModel(inputs, shape, results);
        } catch (const EMathError& error) {
            raised = QByteArray(error.ClassName()) + ": " + error.Message().c_str();
        }
        QCOMPARE(raised, expected);
        for (int i = 0; i < 8; ++i) {
            const Extended value = results.*StoringOrder[i];
            if (i < storedBefore)
                QVERIFY2(value != -1000.0L - i && !IsNan(value) && !IsInf(value),
                         qPrintable(QString::number(i)));
            else
                QVERIFY2(value == -1000.0L - i, qPrintable(QString::number(i)));
        }
        if (changes.contains("Hx=1e8"))
            QVERIFY(results.v == inputs.Vo);
        verifyRecovered();
    }
};

QTEST_APPLESS_MAIN(FaultsTest)
#include "test_faults.moc"
