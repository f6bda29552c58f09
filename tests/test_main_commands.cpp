// The main window's commands on an in-memory model of its fields: what they
// read, what they write and in which order, and what an error leaves behind.

#include <map>
#include <string>
#include <vector>

#include <QTest>

#include "calc/decimal_mark.h"
#include "calc/errors.h"
#include "commands/main_commands.h"
#include "memory_fields.h"

using namespace tarsilo;

namespace {

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The fields as the window starts, with a journal of every access.
class FieldModel : public test::MemoryFields {
public:
    mutable QStringList journal;

    std::string EditText(std::string_view edit) const override {
        journal.push_back("read " + Q(edit));
        return MemoryFields::EditText(edit);
    }
    void SetEditText(std::string_view edit, std::string_view text) override {
        journal.push_back(Q(edit) + " = " + Q(text));
        MemoryFields::SetEditText(edit, text);
    }
    void SetLabelCaption(std::string_view label, std::string_view caption) override {
        journal.push_back(Q(label) + " caption " + Q(caption));
        MemoryFields::SetLabelCaption(label, caption);
    }
    void SetControlVisible(std::string_view control, bool show) override {
        journal.push_back((show ? "show " : "hide ") + Q(control));
        MemoryFields::SetControlVisible(control, show);
    }
    void Announce(std::string_view text) override {
        journal.push_back("announce " + Q(text));
        MemoryFields::Announce(text);
    }

    QStringList Writes() const {
        QStringList writes;
        for (const QString& entry : journal) {
            if (!entry.startsWith("read "))
                writes.push_back(entry);
        }
        return writes;
    }
};

using Journal = QStringList;

const std::vector<std::string> ReadingOrder = {"ev0", "eD",   "eL",  "eCb",   "eRoB",
                                               "eg",  "eRo0", "emu", "eTemp", "eHx"};

Journal ReadsUpTo(qsizetype lastField) {
    Journal reads;
    for (qsizetype i = 0; i <= lastField; ++i)
        reads.push_back("read " + Q(ReadingOrder[i]));
    return reads;
}

const Journal ClearWrites = {"eVV = ",  "em = ",   "ev = ",
                             "evc = ",  "evv0 = ", "ev_v0 = ",
                             "eEt0 = ", "eEt = ",  "eReady = Готов ..."};

// Sets edit texts from "edit=text" entries.
void Change(FieldModel& fields, const QStringList& changes) {
    for (const QString& change : changes) {
        const qsizetype equals = change.indexOf(u'=');
        fields.SetEditText(change.left(equals).toStdString(), change.mid(equals + 1).toStdString());
    }
    fields.journal.clear();
}

Journal Concat(Journal first, const Journal& second) {
    return first + second;
}

} // namespace

Q_DECLARE_METATYPE(BodyShape)

class TestMainCommands : public QObject {
    Q_OBJECT

private slots:
    void init() {
        DecimalMark = '.';
        inputs_ = {};
        results_ = {};
    }

    void calculateReadsInOrderThenWritesEveryResult_data() {
        QTest::addColumn<BodyShape>("shape");
        QTest::addColumn<QStringList>("changes");
        QTest::addColumn<Journal>("writes");
        QTest::newRow("ball") << BodyShape::Ball << QStringList()
                              << Journal{"eVV = 0.5236",
                                         "em = 523.6",
                                         "ev = 193.83",
                                         "evv0 = 1.9383",
                                         "ev_v0 = 98.062",
                                         "evc = 147.65",
                                         "lEt0 caption Начальная энергия, т",
                                         "eEt0 = 6.26",
                                         "lEt caption Энергия в расчетной точке, т",
                                         "eEt = 0.0023518",
                                         "eReady = Готов ..."};
        QTest::newRow("cylinder") << BodyShape::Cylinder << QStringList()
                                  << Journal{"eVV = 0.7854",
                                             "em = 785.4",
                                             "ev = 721.57",
                                             "evv0 = 7.2157",
                                             "ev_v0 = 92.784",
                                             "evc = 180.83",
                                             "lEt0 caption Начальная энергия, т",
                                             "eEt0 = 9.39",
                                             "lEt caption Энергия в расчетной точке, т",
                                             "eEt = 0.04889",
                                             "eReady = Готов ..."};
        QTest::newRow("ball, diameter 2") << BodyShape::Ball << QStringList{"eD=2"}
                                          << Journal{"eVV = 4.1888",
                                                     "em = 4188.8",
                                                     "ev = 1392.2",
                                                     "evv0 = 13.922",
                                                     "ev_v0 = 86.078",
                                                     "evc = 208.81",
                                                     "lEt0 caption Начальная энергия, т",
                                                     "eEt0 = 50.08",
                                                     "lEt caption Энергия в расчетной точке, т",
                                                     "eEt = 0.97069",
                                                     "eReady = Готов ..."};
        QTest::newRow("ball, speed 2e6") << BodyShape::Ball << QStringList{"ev0=2000000"}
                                         << Journal{"eVV = 0.5236",
                                                    "em = 523.6",
                                                    "ev = 38765",
                                                    "evv0 = 1.9383",
                                                    "ev_v0 = 98.062",
                                                    "evc = 147.65",
                                                    "lEt0 caption Начальная энергия, кт",
                                                    "eEt0 = 250.4",
                                                    "lEt caption Энергия в расчетной точке, т",
                                                    "eEt = 94.073",
                                                    "eReady = Готов ..."};
        // The speed falls short of Vo by less than half a unit in the 18th
        // digit: rounding carries it to exactly Vo.
        QTest::newRow("ball, point 400 km up")
            << BodyShape::Ball << QStringList{"eHx=400000"}
            << Journal{"eVV = 0.5236",
                       "em = 523.6",
                       "ev = 10000",
                       "evv0 = 100",
                       "ev_v0 = 8.8818E-0018",
                       "evc = 1.2055E0012",
                       "lEt0 caption Начальная энергия, т",
                       "eEt0 = 6.26",
                       "lEt caption Энергия в расчетной точке, т",
                       "eEt = 6.26",
                       "eReady = Готов ..."};
    }
    void calculateReadsInOrderThenWritesEveryResult() {
        QFETCH(BodyShape, shape);
        QFETCH(QStringList, changes);
        QFETCH(Journal, writes);
        FieldModel fields;
        fields.shape = shape;
        Change(fields, changes);
        Calculate(fields, inputs_, results_);
        // Announced once, after every field is written.
        QCOMPARE(fields.journal, Concat(ReadsUpTo(9), Concat(writes, {"announce Готов ..."})));
    }

    void energyUnitFollowsTheKilotonne_data() {
        QTest::addColumn<QStringList>("changes");
        QTest::addColumn<Journal>("energyWrites");
        QTest::newRow("both below a kilotonne")
            << QStringList()
            << Journal{"lEt0 caption Начальная энергия, т", "eEt0 = 6.26",
                       "lEt caption Энергия в расчетной точке, т", "eEt = 0.0023518"};
        QTest::newRow("entry above, point below")
            << QStringList{"ev0=2000000"}
            << Journal{"lEt0 caption Начальная энергия, кт", "eEt0 = 250.4",
                       "lEt caption Энергия в расчетной точке, т", "eEt = 94.073"};
        QTest::newRow("both above, in thin air")
            << QStringList{"ev0=2000000", "eHx=200000"}
            << Journal{"lEt0 caption Начальная энергия, кт", "eEt0 = 250.4",
                       "lEt caption Энергия в расчетной точке, кт", "eEt = 250.4"};
        // These texts make the entry energy exactly 1.0 kt.
        QTest::newRow("entry exactly one kilotonne")
            << QStringList{"ev0=10000000", "eD=1.000000000000000075", "eRoB=0.159744408945686865"}
            << Journal{"lEt0 caption Начальная энергия, кт", "eEt0 = 1",
                       "lEt caption Энергия в расчетной точке, т", "eEt = 0"};
    }
    void energyUnitFollowsTheKilotonne() {
        QFETCH(QStringList, changes);
        QFETCH(Journal, energyWrites);
        FieldModel fields;
        Change(fields, changes);
        Calculate(fields, inputs_, results_);
        const Journal writes = fields.Writes();
        QCOMPARE(writes.mid(6, 4), energyWrites);
    }

    void conversionFailureStopsAtItsField_data() {
        QTest::addColumn<int>("failing");
        for (int i = 0; i < 10; ++i)
            QTest::newRow(ReadingOrder[i].c_str()) << i;
    }
    void conversionFailureStopsAtItsField() {
        QFETCH(int, failing);
        const std::vector<std::string> texts = {"11", "2",    "3",     "0.25", "500",
                                                "6",  "0.75", "0.125", "90",   "100"};
        const std::vector<Extended> values = {11, 2, 3, 0.25L, 500, 6, 0.75L, 0.125L, 90, 100};
        const Extended untouched = -42;
        FieldModel fields;
        for (int i = 0; i < 10; ++i) {
            fields.edits[ReadingOrder[i]] = texts[i];
            inputs_.*InputReadingOrder[i] = untouched;
        }
        fields.edits[ReadingOrder[failing]] = " \t1,5 ";

        try {
            Calculate(fields, inputs_, results_);
            QFAIL("the text converted");
        } catch (const EConvertError& error) {
            QCOMPARE(Q(error.Message()), "'1,5' is not a valid floating point value");
        }
        for (int i = 0; i < 10; ++i) {
            const Extended expected = i < failing ? values[i] : untouched;
            QCOMPARE(double(inputs_.*InputReadingOrder[i]), double(expected));
        }
        QCOMPARE(fields.journal, ReadsUpTo(failing));
    }

    void faultWritesNothing_data() {
        QTest::addColumn<QString>("temperature");
        QTest::addColumn<QString>("height");
        QTest::addColumn<QString>("errorClass");
        QTest::addColumn<QString>("message");
        QTest::newRow("validation, T 0 and H 0") << "0"
                                                 << "0"
                                                 << "EInvalidOp"
                                                 << "Invalid floating point operation";
        QTest::newRow("validation, T 0 and H 100") << "0"
                                                   << "100"
                                                   << "EZeroDivide"
                                                   << "Floating point division by zero";
        QTest::newRow("model, H 1e8") << "300"
                                      << "1e8"
                                      << "EOverflow"
                                      << "Floating point overflow";
    }
    void faultWritesNothing() {
        QFETCH(QString, temperature);
        QFETCH(QString, height);
        QFETCH(QString, errorClass);
        QFETCH(QString, message);
        FieldModel fields;
        fields.edits["eTemp"] = temperature.toStdString();
        fields.edits["eHx"] = height.toStdString();
        try {
            Calculate(fields, inputs_, results_);
            QFAIL("no error was raised");
        } catch (const Exception& error) {
            QCOMPARE(QString::fromLatin1(error.ClassName()), errorClass);
            QCOMPARE(QString::fromStdString(error.Message()), message);
        }
        QCOMPARE(fields.Writes(), Journal{});
    }

    void validationFailureWritesOnlyTheStatus_data() {
        QTest::addColumn<QStringList>("assignments");
        QTest::addColumn<QString>("status");
        QTest::newRow("speed 0") << QStringList{"ev0=0"} << "Введите Vo > 0";
        QTest::newRow("diameter and molar mass 0")
            << QStringList{"eD=0", "emu=0"} << "Введите молярную массу > 0";
        QTest::newRow("hidden length 0") << QStringList{"eL=0"} << "Введите L > 0";
        QTest::newRow("temperature just below 0")
            << QStringList{"eTemp=-0.000001"} << "Введите T > 0";
        QTest::newRow("height far below the surface")
            << QStringList{"eHx=-1e8"} << "Введите значение Hx ближе к 0";
        QTest::newRow("negative temperature, height far above")
            << QStringList{"eTemp=-300", "eHx=1e8"} << "Введите значение Hx ближе к 0";
    }
    void validationFailureWritesOnlyTheStatus() {
        QFETCH(QStringList, assignments);
        QFETCH(QString, status);
        FieldModel fields;
        Change(fields, assignments);
        Calculate(fields, inputs_, results_);
        QCOMPARE(fields.Writes(), (Journal{"eReady = " + status, "announce " + status}));
    }

    void clearEmptiesTheOutputsInOrder() {
        FieldModel fields;
        Calculate(fields, inputs_, results_);
        fields.journal.clear();
        Clear(fields);
        QCOMPARE(fields.journal, Concat(ClearWrites, {"announce Готов ..."}));
        QCOMPARE(Q(fields.captions["lEt0"]), "Начальная энергия, т");
        QCOMPARE(Q(fields.captions["lEt"]), "Энергия в расчетной точке, т");
        QCOMPARE(Q(fields.edits["ev0"]), "10000");
    }

    void shapeChoice_data() {
        QTest::addColumn<bool>("cylinder");
        QTest::addColumn<Journal>("journal");
        QTest::addColumn<QString>("length");
        QTest::newRow("ball keeps the hidden length")
            << false << Concat({"lD caption Диаметр шара D, м", "hide eL", "hide lL"}, ClearWrites)
            << "2.5";
        QTest::newRow("cylinder resets the length")
            << true
            << Concat({"lD caption Диаметр цилиндра D, м", "eL = 1", "show eL", "show lL"},
                      ClearWrites)
            << "1";
    }
    void shapeChoice() {
        QFETCH(bool, cylinder);
        QFETCH(Journal, journal);
        QFETCH(QString, length);
        FieldModel fields;
        fields.edits["eL"] = "2.5";
        cylinder ? ChooseCylinder(fields) : ChooseBall(fields);
        QCOMPARE(fields.journal, journal);
        QCOMPARE(Q(fields.edits["eL"]), length);
    }

private:
    CalcInputs inputs_;
    CalcResults results_;
};

QTEST_APPLESS_MAIN(TestMainCommands)
#include "test_main_commands.moc"
