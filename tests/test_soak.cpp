// A soak of the real windows as the program wires them: many thousands of
// random steps of a user who types anything, in either regional decimal mark,
// switches the shape, clears, calculates by click and by Enter and opens and
// closes the reference window. After every step the screen must equal what
// the calculation core itself makes of the same texts, every error dialog
// must say what the core's error says, and no other dialog may open. At the
// end the floating-point mode must be the default one and the memory must
// not have grown after the warm-up.
//
// TARSILO_SOAK_STEPS and TARSILO_SOAK_SEED override the step count and the
// seed for a quick or a different run.

#include <malloc.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <functional>
#include <optional>
#include <random>

#include <QAbstractButton>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "calc/decimal_mark.h"
#include "calc/errors.h"
#include "calc/fpu_mode.h"
#include "calc/number_text.h"
#include "calc/program_records.h"
#include "qt/Info.h"
#include "qt/Tarsilo_V10.h"
#include "qt/app/application.h"
#include "qt/app/program.h"
#include "qt/error_reporting.h"
#include "tests/gui_test_support.h"
#include "tests/soak_texts.h"

using namespace tarsilo;
using namespace tarsilo::test;

namespace {

constexpr int DefaultSteps = 20000;
constexpr int WarmUpSteps = 2000;
constexpr std::uint64_t DefaultSeed = 20240611;
constexpr long MaxGrowthBytes = 1 << 20;
// AddressSanitizer keeps freed memory in quarantine and has an allocator of
// its own, so neither figure means anything there; its leak checker stands in.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool MemoryIsMeasurable = false;
#else
constexpr bool MemoryIsMeasurable = true;
#endif
// Invalid operation, division by zero and overflow in the x87 status word.
constexpr std::uint16_t FaultFlags = 0x000D;

const QStringList OutputNames = {"eVV", "em", "ev", "evv0", "ev_v0", "evc", "eEt0", "eEt"};
const QString Ready = QStringLiteral("Готов ...");

long EnvironmentNumber(const char* name, long fallback) {
    bool ok = false;
    const long value = qEnvironmentVariable(name).toLong(&ok);
    return ok && value > 0 ? value : fallback;
}

// Memory in use: resident pages, and bytes the allocator has handed out.
struct MemoryFigures {
    long residentBytes = 0;
    long heapBytes = 0;
};

MemoryFigures MeasureMemory() {
    // Gives back what is free, so that only what is kept counts.
    malloc_trim(0);
    MemoryFigures figures;
    std::ifstream statm("/proc/self/statm");
    long sizePages = 0, residentPages = 0;
    statm >> sizePages >> residentPages;
    figures.residentBytes = residentPages * sysconf(_SC_PAGESIZE);
    const struct mallinfo2 info = mallinfo2();
    figures.heapBytes = static_cast<long>(info.uordblks + info.hblkhd);
    return figures;
}

bool SameValue(Extended a, Extended b) {
    return a == b && SignBit(a) == SignBit(b);
}

bool SameInputs(const CalcInputs& a, const CalcInputs& b) {
    for (auto slot : InputReadingOrder) {
        if (!SameValue(a.*slot, b.*slot))
            return false;
    }
    return true;
}

bool SameResults(const CalcResults& a, const CalcResults& b) {
    return SameValue(a.V, b.V) && SameValue(a.m, b.m) && SameValue(a.v, b.v) &&
           SameValue(a.vv0, b.vv0) && SameValue(a.v_v0, b.v_v0) && SameValue(a.vc, b.vc) &&
           SameValue(a.Et0, b.Et0) && SameValue(a.Et, b.Et);
}

QString Escaped(const QString& text) {
    QString shown;
    for (const QChar c : text.left(60)) {
        if (c.unicode() < 32 || c.unicode() == 0x7f)
            shown += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QChar('0'));
        else
            shown += c;
    }
    return text.size() > 60 ? shown + QStringLiteral("…(%1 chars)").arg(text.size()) : shown;
}

// The offscreen platform says for every window that it cannot do what a
// desktop does; the notices would use up the test log's message limit.
QtMessageHandler passOnMessage = nullptr;

void DropPlatformNotices(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtWarningMsg && text.startsWith(QLatin1String("This plugin does not support")))
        return;
    passOnMessage(type, context, text);
}

// What the user sees: every edit's text, the captions the commands write,
// the shape choice, the length row's visibility and the reference window.
using Screen = QMap<QString, QString>;

QString Difference(const Screen& expected, const Screen& shown) {
    QString difference;
    for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
        const QString actual = shown.value(it.key(), QStringLiteral("<missing>"));
        if (actual != it.value())
            difference += QStringLiteral("\n  %1: shows «%2», expected «%3»")
                              .arg(it.key(), Escaped(actual), Escaped(it.value()));
    }
    return difference;
}

// The calculation core's own answer for the window's texts: read in the
// reading order, validated, evaluated and formatted, on copies of the
// program-wide records.
struct Expectation {
    std::optional<QString> dialogText;
    CalcInputs inputs;
    CalcResults results;
};

Expectation ExpectCalculation(const Screen& before, BodyShape shape, Screen& after) {
    Expectation expected{std::nullopt, ProgramInputs, ProgramResults};
    try {
        for (qsizetype i = 0; i < InputNames.size(); ++i) {
            const std::string text = before[InputNames[i]].toStdString();
            expected.inputs.*InputReadingOrder[i] = ParseNumber(TrimBlanks(text));
        }
        if (const InputStatus status = ValidateInputs(expected.inputs);
            status != InputStatus::Valid) {
            after["eReady"] = QString::fromStdString(std::string(StatusText(status)));
            return expected;
        }
        EvaluateModel(expected.inputs, shape, expected.results);
    } catch (const Exception& error) {
        expected.dialogText =
            FittedForDialog(ErrorDialogText(QString::fromStdString(error.Message())));
        return expected;
    }
    const CalcResults& r = expected.results;
    const auto text = [](Extended value) { return QString::fromStdString(FormatResult(value)); };
    const auto energy = [&](Extended kilotonnes, const QString& label, const QString& edit,
                            const QString& caption) {
        const bool inKilotonnes = kilotonnes >= 1;
        after[label] = caption + (inKilotonnes ? QStringLiteral("кт") : QStringLiteral("т"));
        after[edit] = text(inKilotonnes ? kilotonnes : kilotonnes * 1000);
    };
    after["eVV"] = text(r.V);
    after["em"] = text(r.m);
    after["ev"] = text(r.v);
    after["evv0"] = text(r.vv0);
    after["ev_v0"] = text(r.v_v0);
    after["evc"] = text(r.vc);
    energy(r.Et0, "lEt0", "eEt0", QStringLiteral("Начальная энергия, "));
    energy(r.Et, "lEt", "eEt", QStringLiteral("Энергия в расчетной точке, "));
    after["eReady"] = Ready;
    return expected;
}

// Every modal dialog that opened while an action ran, closed as it opened.
struct DialogSeen {
    QString objectName;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    bool fitsOnScreen = false;
};

} // namespace

class TestSoak : public QObject {
    Q_OBJECT

    TApplication& application_;
    std::mt19937_64 random_;
    SoakTexts texts_{random_};
    Screen expected_;
    QMap<QString, QLineEdit*> edits_;
    QList<DialogSeen> dialogs_;
    QTimer dialogCloser_;
    QString lastAction_;
    // How the calculations ended, for the closing summary.
    int errorDialogs_ = 0, statusTexts_ = 0, resultSets_ = 0;

public:
    explicit TestSoak(TApplication& application) : application_(application) {
        dialogCloser_.setSingleShot(true);
        dialogCloser_.setInterval(0);
        connect(&dialogCloser_, &QTimer::timeout, this, &TestSoak::CloseModalDialog);
    }

private:
    template <class Widget = QWidget> Widget* Control(QWidget* window, const QString& name) {
        auto* control = window->findChild<Widget*>(name);
        if (!control)
            qFatal("no control %s", qPrintable(name));
        return control;
    }
    QWidget* Main() const { return fTarsilo_main; }
    QAbstractButton* Button(const QString& name) { return Control<QAbstractButton>(Main(), name); }
    QAbstractButton* InfoClose() { return Control<QAbstractButton>(fInfo, "BitBtn1"); }

    // Runs inside the dialog's own event loop, once it shows.
    void CloseModalDialog() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) {
            dialogCloser_.start();
            return;
        }
        // Laid out and painted, as the user would see it.
        QCoreApplication::processEvents();
        DialogSeen seen;
        seen.objectName = modal->objectName();
        seen.title = modal->windowTitle();
        const QRect screen = modal->screen()->availableGeometry();
        seen.fitsOnScreen = screen.contains(modal->frameGeometry());
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            seen.text = box->text();
            seen.icon = box->icon();
            seen.buttons = box->standardButtons();
            if (QAbstractButton* ok = box->button(QMessageBox::Ok))
                ok->click();
            else
                box->reject();
        } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            dialog->reject();
        } else {
            modal->close();
        }
        dialogs_.append(seen);
        dialogCloser_.start();
    }

    template <class Action> QList<DialogSeen> RunClosingDialogs(Action&& action) {
        dialogs_.clear();
        dialogCloser_.start();
        action();
        dialogCloser_.stop();
        return dialogs_;
    }

    Screen ShownScreen() {
        Screen screen;
        for (auto it = edits_.cbegin(); it != edits_.cend(); ++it)
            screen[it.key()] = it.value()->text();
        for (const char* label : {"lD", "lEt0", "lEt"})
            screen[label] = Control<QLabel>(Main(), label)->text();
        const bool ball = Control<QRadioButton>(Main(), "rbBall")->isChecked();
        const bool cylinder = Control<QRadioButton>(Main(), "rbCyl")->isChecked();
        screen["shape"] = ball == cylinder ? QStringLiteral("both or none")
                          : ball           ? QStringLiteral("ball")
                                           : QStringLiteral("cylinder");
        screen["eL:visible"] = edits_["eL"]->isVisibleTo(Main()) ? "yes" : "no";
        screen["lL:visible"] = Control<QLabel>(Main(), "lL")->isVisibleTo(Main()) ? "yes" : "no";
        screen["fInfo:visible"] = fInfo->isVisible() ? "yes" : "no";
        return screen;
    }

    BodyShape ExpectedShape() const {
        return expected_["shape"] == "cylinder" ? BodyShape::Cylinder : BodyShape::Ball;
    }

    void ExpectClear() {
        for (const QString& output : OutputNames)
            expected_[output].clear();
        expected_["eReady"] = Ready;
    }

    QLineEdit* RandomVisibleEdit() {
        QList<QLineEdit*> visible;
        for (QLineEdit* edit : edits_) {
            if (edit->isVisibleTo(Main()))
                visible.append(edit);
        }
        return visible[texts_.Between(0, int(visible.size()) - 1)];
    }

    void PressEnterOn(QWidget* control) {
        control->setFocus(Qt::TabFocusReason);
        QTest::keyClick(control, Qt::Key_Return);
    }

    // One random step and the check of everything it should have shown; a
    // mismatch is described in `failure`.
    void Step(QString& failure) {
        std::optional<QString> expectedDialog;
        std::optional<Expectation> calculation;
        std::function<void()> action;

        switch (texts_.Pick({30, 3, 7, 12, 8, 2, 5, 3, 3, 3, 3, 3, 3})) {
        case 0: { // a new text in an input field, mostly pasted, sometimes typed
            const int field = texts_.Between(0, 9);
            QLineEdit* edit = edits_[InputNames[field]];
            const bool typed = edit->isVisibleTo(Main()) && texts_.Chance(10);
            const QString text =
                typed ? texts_.Typable(field, DecimalMark) : texts_.Input(field, DecimalMark);
            expected_[InputNames[field]] = text;
            lastAction_ =
                QStringLiteral("%1 %2 «%3»")
                    .arg(typed ? "type into" : "paste into", InputNames[field], Escaped(text));
            action = [edit, text, typed] {
                if (!typed) {
                    edit->setText(text);
                    return;
                }
                edit->setFocus(Qt::MouseFocusReason);
                edit->selectAll();
                QTest::keyClicks(edit, text);
            };
            break;
        }
        case 1: { // typing into a result field or the status line
            QStringList targets = OutputNames;
            targets << "eReady";
            const QString name = targets[texts_.Between(0, int(targets.size()) - 1)];
            const QString text = texts_.Input(0, DecimalMark);
            expected_[name] = text;
            lastAction_ = QStringLiteral("paste into %1 «%2»").arg(name, Escaped(text));
            action = [edit = edits_[name], text] { edit->setText(text); };
            break;
        }
        case 2: { // the default texts again, in the current decimal mark
            for (qsizetype i = 0; i < InputNames.size(); ++i)
                expected_[InputNames[i]] = QString(DefaultTexts[i]).replace('.', DecimalMark);
            lastAction_ = QStringLiteral("default texts");
            action = [this] {
                for (const QString& name : InputNames)
                    edits_[name]->setText(expected_[name]);
            };
            break;
        }
        case 3:
        case 4:
        case 5: { // Calculate by click, by Enter in an edit, by Enter on the button
            const Screen before = ShownScreen();
            calculation = ExpectCalculation(before, ExpectedShape(), expected_);
            expectedDialog = calculation->dialogText;
            const int how = texts_.Pick({12, 8, 2});
            if (how == 0) {
                lastAction_ = QStringLiteral("click Расчет");
                action = [this] { QTest::mouseClick(Button("bCalc"), Qt::LeftButton); };
            } else if (how == 1) {
                QLineEdit* edit = RandomVisibleEdit();
                lastAction_ = QStringLiteral("Enter in ") + edit->objectName();
                action = [this, edit] { PressEnterOn(edit); };
            } else {
                lastAction_ = QStringLiteral("Enter on Расчет");
                action = [this] { PressEnterOn(Button("bCalc")); };
            }
            break;
        }
        case 6: { // Clear
            ExpectClear();
            const bool byEnter = texts_.Chance(30);
            lastAction_ = byEnter ? "Enter on Очистить" : "click Очистить";
            action = [this, byEnter] {
                if (byEnter)
                    PressEnterOn(Button("bClear"));
                else
                    QTest::mouseClick(Button("bClear"), Qt::LeftButton);
            };
            break;
        }
        case 7: { // the ball
            if (expected_["shape"] != "ball") {
                expected_["shape"] = "ball";
                expected_["lD"] = QStringLiteral("Диаметр шара D, м");
                expected_["eL:visible"] = expected_["lL:visible"] = "no";
                ExpectClear();
            }
            lastAction_ = QStringLiteral("click Шар");
            action = [this] { QTest::mouseClick(Button("rbBall"), Qt::LeftButton); };
            break;
        }
        case 8: { // the cylinder
            if (expected_["shape"] != "cylinder") {
                expected_["shape"] = "cylinder";
                expected_["lD"] = QStringLiteral("Диаметр цилиндра D, м");
                expected_["eL"] = "1";
                expected_["eL:visible"] = expected_["lL:visible"] = "yes";
                ExpectClear();
            }
            lastAction_ = QStringLiteral("click Цилиндр");
            action = [this] { QTest::mouseClick(Button("rbCyl"), Qt::LeftButton); };
            break;
        }
        case 9: { // the regional decimal mark changes
            const char mark = DecimalMark == '.' ? ',' : '.';
            lastAction_ = QStringLiteral("decimal mark %1").arg(mark);
            action = [mark] { DecimalMark = mark; };
            break;
        }
        case 10:
        case 11: { // Инфо, also while the reference window is open
            expected_["fInfo:visible"] = "yes";
            const bool byEnter = texts_.Chance(30);
            lastAction_ = byEnter ? "Enter on Инфо" : "click Инфо";
            action = [this, byEnter] {
                if (byEnter)
                    PressEnterOn(Button("bInfo"));
                else
                    QTest::mouseClick(Button("bInfo"), Qt::LeftButton);
            };
            break;
        }
        default: { // closing the reference window
            if (expected_["fInfo:visible"] != "yes")
                return Step(failure);
            expected_["fInfo:visible"] = "no";
            const int how = texts_.Between(0, 2);
            lastAction_ = QStringList{"Enter on Выход of Инфо", "click Выход of Инфо",
                                      "close Инфо by its title bar"}[how];
            action = [this, how] {
                if (how == 0)
                    PressEnterOn(InfoClose());
                else if (how == 1)
                    QTest::mouseClick(InfoClose(), Qt::LeftButton);
                else
                    fInfo->close();
            };
            break;
        }
        }

        if (calculation) {
            if (expectedDialog)
                ++errorDialogs_;
            else if (expected_["eReady"] == Ready)
                ++resultSets_;
            else
                ++statusTexts_;
        }
        const QList<DialogSeen> dialogs = RunClosingDialogs(action);
        failure = CheckDialogs(dialogs, expectedDialog);
        if (!failure.isEmpty())
            return;
        if (const QString difference = Difference(expected_, ShownScreen());
            !difference.isEmpty()) {
            failure = QStringLiteral("the screen differs:") + difference;
            return;
        }
        if (calculation && !SameInputs(calculation->inputs, ProgramInputs))
            failure = QStringLiteral("the input record differs from the core's reading");
        else if (calculation && !SameResults(calculation->results, ProgramResults))
            failure = QStringLiteral("the result record differs from the core's results");
        else if (!FpuModeIsDefault())
            failure = QStringLiteral("the floating-point mode changed");
        else if (ReadFpuStatusWord() & FaultFlags)
            failure = QStringLiteral("a floating-point fault flag is left set");
    }

    QString CheckDialogs(const QList<DialogSeen>& dialogs,
                         const std::optional<QString>& expectedText) const {
        if (!expectedText) {
            if (dialogs.isEmpty())
                return {};
            return QStringLiteral("an unexpected dialog: «%1» %2")
                .arg(Escaped(dialogs[0].text), dialogs[0].objectName);
        }
        if (dialogs.size() != 1)
            return QStringLiteral("%1 dialogs instead of the error «%2»")
                .arg(dialogs.size())
                .arg(Escaped(*expectedText));
        const DialogSeen& seen = dialogs[0];
        if (seen.text != *expectedText)
            return QStringLiteral("the dialog says «%1», the core «%2»")
                .arg(Escaped(seen.text), Escaped(*expectedText));
        if (seen.objectName != "ErrorDialog" || seen.title != application_.Title() ||
            seen.icon != QMessageBox::Critical ||
            seen.buttons != QMessageBox::StandardButtons(QMessageBox::Ok))
            return QStringLiteral("the error dialog is not the stop box with OK under the title");
        if (!seen.fitsOnScreen)
            return QStringLiteral("the error dialog does not fit on the screen");
        return {};
    }

private slots:
    void initTestCase() {
        passOnMessage = qInstallMessageHandler(DropPlatformNotices);
        CreateForms(application_);
        QVERIFY(fTarsilo_main && fInfo);
        fTarsilo_main->show();
        QVERIFY(QTest::qWaitForWindowActive(fTarsilo_main));
        for (const QStringList& names : {InputNames, OutputNames, QStringList{"eReady"}}) {
            for (const QString& name : names)
                edits_[name] = Control<QLineEdit>(Main(), name);
        }
        for (qsizetype i = 0; i < InputNames.size(); ++i)
            expected_[InputNames[i]] = DefaultTexts[i];
        for (const QString& output : OutputNames)
            expected_[output] = "";
        expected_["eReady"] = Ready;
        expected_["lD"] = QStringLiteral("Диаметр шара D, м");
        expected_["lEt0"] = QStringLiteral("Начальная энергия, кт");
        expected_["lEt"] = QStringLiteral("Энергия в расчетной точке, кт");
        expected_["shape"] = "ball";
        expected_["eL:visible"] = expected_["lL:visible"] = "no";
        expected_["fInfo:visible"] = "no";
        QCOMPARE(Difference(expected_, ShownScreen()), QString());
    }

    void cleanupTestCase() {
        application_.Shutdown();
        qInstallMessageHandler(passOnMessage);
    }

    void randomSteps() {
        const long steps = EnvironmentNumber("TARSILO_SOAK_STEPS", DefaultSteps);
        const auto seed =
            static_cast<std::uint64_t>(EnvironmentNumber("TARSILO_SOAK_SEED", DefaultSeed));
        const long warmUp = std::min<long>(WarmUpSteps, steps / 4);
        qInfo("soak: %ld steps, seed %llu (TARSILO_SOAK_STEPS, TARSILO_SOAK_SEED)", steps,
              static_cast<unsigned long long>(seed));
        random_.seed(seed);
        DecimalMark = '.';

        QElapsedTimer clock;
        clock.start();
        MemoryFigures afterWarmUp;
        for (long step = 1; step <= steps; ++step) {
            QString failure;
            Step(failure);
            QVERIFY2(failure.isEmpty(), qPrintable(QStringLiteral("step %1 (seed %2), %3: %4")
                                                       .arg(step)
                                                       .arg(seed)
                                                       .arg(lastAction_, failure)));
            // Paints, activations and the decoding of the reference pictures.
            QCoreApplication::processEvents();
            if (step == warmUp)
                afterWarmUp = MeasureMemory();
        }
        const MemoryFigures atEnd = MeasureMemory();
        const long residentGrowth = atEnd.residentBytes - afterWarmUp.residentBytes;
        const long heapGrowth = atEnd.heapBytes - afterWarmUp.heapBytes;
        qInfo("soak: %ld steps in %lld ms; after warm-up (%ld steps) resident %ld KiB, heap %ld "
              "KiB; at the end resident %ld KiB, heap %ld KiB; growth resident %ld bytes, heap "
              "%ld bytes",
              steps, clock.elapsed(), warmUp, afterWarmUp.residentBytes / 1024,
              afterWarmUp.heapBytes / 1024, atEnd.residentBytes / 1024, atEnd.heapBytes / 1024,
              residentGrowth, heapGrowth);
        qInfo("soak: calculations ended in %d result sets, %d status texts, %d error dialogs",
              resultSets_, statusTexts_, errorDialogs_);
        if (MemoryIsMeasurable) {
            QVERIFY2(residentGrowth < MaxGrowthBytes, "the resident memory grew by 1 MiB or more");
            QVERIFY2(heapGrowth < MaxGrowthBytes, "the heap grew by 1 MiB or more");
        } else {
            qInfo("soak: memory growth not judged under AddressSanitizer");
        }
        QVERIFY(FpuModeIsDefault());
        QCOMPARE(ReadFpuStatusWord() & FaultFlags, 0);
    }
};

int main(int argc, char* argv[]) {
    return RunWindowTest<TestSoak, TApplication>(argc, argv, [] {
        EstablishFpuMode();
        ReadDecimalMark();
    });
}

#include "test_soak.moc"
