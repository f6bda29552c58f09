// The real main window, offscreen: the examples of its commands, the errors
// and what they leave on screen, the layout, the composite captions and the
// regional decimal mark.

#include <QGroupBox>
#include <QRadioButton>
#include <QScreen>
#include <QTest>

#include "calc/errors.h"
#include "calc/fpu_mode.h"
#include "qt/error_reporting.h"
#include "qt/window_placement.h"
#include "tests/composite_caption_rows.h"
#include "tests/main_window_fixture.h"

using namespace tarsilo;
using namespace tarsilo::test;

namespace {

using Texts = QList<QPair<QString, QString>>;

// The status flags of invalid operation, division by zero and overflow.
constexpr std::uint16_t FaultFlags = 0x000D;

const Texts DefaultInputs = {
    {"ev0", "10000"}, {"eD", "1"},     {"eL", "1"},      {"eCb", "0.5"},   {"eRoB", "1000"},
    {"eg", "9.81"},   {"eRo0", "1.2"}, {"emu", "0.029"}, {"eTemp", "300"}, {"eHx", "0"},
};

const Texts BallResults = {
    {"eVV", "0.5236"},
    {"em", "523.6"},
    {"ev", "193.83"},
    {"evv0", "1.9383"},
    {"ev_v0", "98.062"},
    {"evc", "147.65"},
    {"eEt0", "6.26"},
    {"eEt", "0.0023518"},
    {"lEt0", "Начальная энергия, т"},
    {"lEt", "Энергия в расчетной точке, т"},
    {"eReady", "Готов ..."},
};

// The left edge of a label's text and the width of its visible characters.
QRect InkRect(const QLabel* label) {
    const QMargins margins = label->contentsMargins();
    return {label->x() + margins.left(), label->y() + margins.top(),
            label->fontMetrics().horizontalAdvance(label->text().trimmed()),
            label->fontMetrics().height()};
}

int Baseline(const QLabel* label) {
    return label->y() + label->contentsMargins().top() + label->fontMetrics().ascent();
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

    MainWindowFixture fixture_;
    ModalDialogWatchdog* watchdog_ = nullptr;

    void Fill(const Texts& texts) {
        for (const auto& [name, text] : texts)
            fixture_.SetText(name, text);
    }
    void CompareTexts(const Texts& expected) {
        for (const auto& [name, text] : expected) {
            const QWidget* control = fixture_.Control(name);
            const QString shown = qobject_cast<const QLabel*>(control)
                                      ? static_cast<const QLabel*>(control)->text()
                                      : static_cast<const QLineEdit*>(control)->text();
            QVERIFY2(shown == text, qPrintable(name + ": " + shown + " instead of " + text));
        }
    }
    // Through the window system, where modality applies.
    void ClickThroughTheWindowSystem(const QString& button) {
        const QPushButton* target = fixture_.Button(button);
        QTest::mouseClick(fixture_.Window()->windowHandle(), Qt::LeftButton, {},
                          target->mapTo(fixture_.Window(), target->rect().center()));
    }
    MessageBoxSeen CalculateExpectingDialog() {
        return CloseMessageBoxOpenedBy([this] { fixture_.Click("bCalc"); });
    }

private slots:
    void initTestCase() { watchdog_ = new ModalDialogWatchdog(3000, this); }
    void init() { QVERIFY(fixture_.Open()); }
    void cleanup() {
        fixture_.Close();
        SetLocaleEnvironment(nullptr);
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(watchdog_->UnexpectedDialogs(), 0);
    }

    // --- the commands on the window ---

    void examples_data() {
        QTest::addColumn<bool>("cylinder");
        QTest::addColumn<QString>("speed");
        QTest::addColumn<Texts>("expected");
        QTest::newRow("defaults, ball") << false << "10000" << BallResults;
        QTest::newRow("defaults, cylinder") << true << "10000"
                                            << Texts{{"eVV", "0.7854"},
                                                     {"em", "785.4"},
                                                     {"ev", "721.57"},
                                                     {"evv0", "7.2157"},
                                                     {"ev_v0", "92.784"},
                                                     {"evc", "180.83"},
                                                     {"eEt0", "9.39"},
                                                     {"eEt", "0.04889"},
                                                     {"lEt0", "Начальная энергия, т"},
                                                     {"lEt", "Энергия в расчетной точке, т"},
                                                     {"eReady", "Готов ..."}};
        QTest::newRow("2000000 m/s, kilotonnes")
            << false << "2000000"
            << Texts{{"lEt0", "Начальная энергия, кт"}, {"eEt0", "250.4"}, {"eReady", "Готов ..."}};
    }
    void examples() {
        QFETCH(bool, cylinder);
        QFETCH(QString, speed);
        QFETCH(Texts, expected);
        if (cylinder)
            fixture_.Click("rbCyl");
        fixture_.SetText("ev0", speed);
        fixture_.Click("bCalc");
        CompareTexts(expected);
    }

    void validationFailureKeepsEarlierResults() {
        fixture_.Click("bCalc");
        auto before = fixture_.Screen();
        fixture_.SetText("ev0", "0");
        fixture_.Click("bCalc");
        QCOMPARE(fixture_.Text("eReady"), "Введите Vo > 0");
        before["ev0"] = "0";
        before["eReady"] = "Введите Vo > 0";
        QCOMPARE(fixture_.Screen(), before);
    }

    void clearKeepsTheTonneLabels() {
        fixture_.Click("bCalc");
        fixture_.SetText("eReady", "typed");
        fixture_.Click("bClear");
        for (const char* output : {"eVV", "em", "ev", "evv0", "ev_v0", "evc", "eEt0", "eEt"})
            QVERIFY2(fixture_.Text(output).isEmpty(), output);
        CompareTexts({{"eReady", "Готов ..."},
                      {"lEt0", "Начальная энергия, т"},
                      {"lEt", "Энергия в расчетной точке, т"}});
        CompareTexts(DefaultInputs);
    }

    void shapeChoiceAndTheCylinderLength() {
        QLabel* lD = fixture_.Label("lD");
        fixture_.Click("rbCyl");
        QCOMPARE(lD->text(), "Диаметр цилиндра D, м");
        QVERIFY(lD->width() >= lD->fontMetrics().horizontalAdvance(lD->text()));
        QVERIFY(fixture_.Edit("eL")->isVisible() && fixture_.Label("lL")->isVisible());

        // The ball hides the length but keeps it, and Calculate still checks it.
        fixture_.SetText("eL", "0");
        fixture_.Click("rbBall");
        QCOMPARE(lD->text(), "Диаметр шара D, м");
        QVERIFY(!fixture_.Edit("eL")->isVisible() && !fixture_.Label("lL")->isVisible());
        QCOMPARE(fixture_.Text("eL"), "0");
        fixture_.Click("bCalc");
        QCOMPARE(fixture_.Text("eReady"), "Введите L > 0");

        fixture_.Click("rbCyl");
        QCOMPARE(fixture_.Text("eL"), "1");
    }

    void theWholeShapeBoxTakesTheClick_data() {
        QTest::addColumn<QString>("selector");
        QTest::addColumn<bool>("rightEnd");
        QTest::newRow("Цилиндр, past the end of its caption") << "rbCyl" << true;
        QTest::newRow("Шар, past the end of its caption") << "rbBall" << true;
        QTest::newRow("Цилиндр, the bottom-left corner of its box") << "rbCyl" << false;
    }
    void theWholeShapeBoxTakesTheClick() {
        QFETCH(QString, selector);
        QFETCH(bool, rightEnd);
        fixture_.Click(selector == "rbCyl" ? "rbBall" : "rbCyl");
        QRadioButton* radio = fixture_.Radio(selector);
        const QPoint at = rightEnd ? QPoint(radio->width() - 2, radio->height() / 2)
                                   : QPoint(1, radio->height() - 2);
        QTest::mouseClick(radio, Qt::LeftButton, {}, at);
        QVERIFY(radio->isChecked());
    }

    void clickingTheSelectedShapeDoesNothing() {
        fixture_.Click("bCalc");
        fixture_.SetText("eReady", "typed");
        const auto before = fixture_.Screen();
        fixture_.Click("rbBall");
        QVERIFY(fixture_.Radio("rbBall")->isChecked());
        QCOMPARE(fixture_.Screen(), before);
    }

    void typingIntoAResultChangesNoCalculation() {
        fixture_.Click("rbCyl");
        QTest::keyClicks(fixture_.Edit("eVV"), "123");
        QCOMPARE(fixture_.Text("eVV"), "123");
        fixture_.Click("rbBall");
        fixture_.Click("bCalc");
        CompareTexts(BallResults);
    }

    // --- errors ---

    void errorsChangeNothingOnScreen_data() {
        QTest::addColumn<Texts>("inputs");
        QTest::addColumn<QString>("message");
        QTest::newRow("letters in the speed")
            << Texts{{"ev0", "abc"}} << "'abc' is not a valid floating point value.";
        QTest::newRow("blank diameter")
            << Texts{{"eD", " \t "}} << "'' is not a valid floating point value.";
        QTest::newRow("trimmed comma text")
            << Texts{{"eRoB", "  1,5 "}} << "'1,5' is not a valid floating point value.";
        QTest::newRow("two bad fields, the first in reading order")
            << Texts{{"eHx", "later"}, {"eL", "first"}}
            << "'first' is not a valid floating point value.";
        QTest::newRow("T 0 and H 0")
            << Texts{{"eTemp", "0"}, {"eHx", "0"}} << "Invalid floating point operation.";
        QTest::newRow("T 0 and H 100")
            << Texts{{"eTemp", "0"}, {"eHx", "100"}} << "Floating point division by zero.";
        QTest::newRow("H 1e8") << Texts{{"eHx", "1e8"}} << "Floating point overflow.";
    }
    void errorsChangeNothingOnScreen() {
        QFETCH(Texts, inputs);
        QFETCH(QString, message);
        fixture_.Click("bCalc");
        fixture_.SetText("eReady", "status before");
        Fill(inputs);
        const auto before = fixture_.Screen();

        const MessageBoxSeen dialog = CalculateExpectingDialog();
        QVERIFY(dialog.shown);
        QCOMPARE(dialog.text, message);
        QCOMPARE(dialog.title, QGuiApplication::applicationDisplayName());
        QCOMPARE(dialog.icon, QMessageBox::Critical);
        QCOMPARE(dialog.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(dialog.modality, Qt::ApplicationModal);
        QVERIFY(!dialog.hasParent);
        QCOMPARE(fixture_.Screen(), before);

        // No fault is left pending for the next calculation.
        QVERIFY(FpuModeIsDefault());
        QCOMPARE(ReadFpuStatusWord() & FaultFlags, 0);
        Fill(DefaultInputs);
        fixture_.Click("bCalc");
        CompareTexts(BallResults);
    }

    // The shape buttons are exclusive and one starts checked; should the
    // window ever lose that, Calculate must say so, not pick the cylinder.
    void impossibleShapeIsAnError_data() {
        QTest::addColumn<bool>("ball");
        QTest::addColumn<bool>("cylinder");
        QTest::addColumn<QString>("message");
        QTest::newRow("neither shape") << false << false << "No body shape is selected.";
        QTest::newRow("both shapes") << true << true << "Both body shapes are selected.";
    }
    void impossibleShapeIsAnError() {
        QFETCH(bool, ball);
        QFETCH(bool, cylinder);
        QFETCH(QString, message);
        for (auto [name, checked] : {std::pair{"rbBall", ball}, std::pair{"rbCyl", cylinder}}) {
            auto* button = fixture_.Control<QRadioButton>(name);
            button->setAutoExclusive(false);
            button->setChecked(checked);
        }
        const auto before = fixture_.Screen();
        const MessageBoxSeen dialog = CalculateExpectingDialog();
        QCOMPARE(dialog.text, message);
        QCOMPARE(fixture_.Screen(), before);
    }

    void errorDialogBlocksTheWindowAndGivesTheFocusBack() {
        fixture_.Click("bCalc");
        fixture_.SetText("ev0", "abc");
        const MessageBoxSeen dialog = CloseMessageBoxOpenedBy(
            [this] { fixture_.Click("bCalc"); }, [this] { ClickThroughTheWindowSystem("bClear"); });
        QVERIFY(dialog.shown);
        QCOMPARE(fixture_.Text("eVV"), "0.5236");
        const QRect available = fixture_.Window()->screen()->availableGeometry();
        QVERIFY2((dialog.frame.center() - available.center()).manhattanLength() <= 2,
                 "the dialog is centred on the window's monitor");
        QTRY_COMPARE(QApplication::activeWindow(), fixture_.Window());
        ClickThroughTheWindowSystem("bClear");
        QCOMPARE(fixture_.Text("eVV"), "");
    }

    // One stop icon drawn once serves every error dialog: with a new one for
    // each (Qt 6.8's own message boxes), each dialog left another pixmap in
    // the application's pixmap cache.
    void errorDialogsShareOneStopIcon() {
        fixture_.SetText("ev0", "abc");
        const MessageBoxSeen first = CalculateExpectingDialog();
        const MessageBoxSeen second = CalculateExpectingDialog();
        QVERIFY(first.shown && second.shown);
        QCOMPARE(first.icon, QMessageBox::Critical);
        QVERIFY(first.iconPixmapKey != 0);
        QCOMPARE(second.iconPixmapKey, first.iconPixmapKey);
    }

    void abortIsNotShown() {
        const MessageBoxSeen dialog =
            CloseMessageBoxOpenedBy([] { RunCommand(nullptr, [] { throw EAbort("cancelled"); }); });
        QVERIFY(!dialog.shown);
    }

    // --- the regional decimal mark ---

    void commaLocale() {
        SetLocaleEnvironment("ru_RU.UTF-8");
        ReadDecimalMark();
        QVERIFY2(DecimalMark == ',',
                 "the ru_RU.UTF-8 locale is missing: run scripts/install-deps.sh");

        const MessageBoxSeen rejected = CalculateExpectingDialog();
        QCOMPARE(rejected.text, "'0.5' is not a valid floating point value.");
        QCOMPARE(fixture_.Text("eVV"), "");

        Fill({{"eCb", "0,5"}, {"eg", "9,81"}, {"eRo0", "1,2"}, {"emu", "0,029"}});
        fixture_.Click("bCalc");
        CompareTexts({{"eVV", "0,5236"},
                      {"em", "523,6"},
                      {"ev", "193,83"},
                      {"evv0", "1,9383"},
                      {"ev_v0", "98,062"},
                      {"evc", "147,65"},
                      {"eEt0", "6,26"},
                      {"eEt", "0,0023518"}});
    }

    // --- layout ---

    void windowFrame() {
        TfTarsilo_main* window = fixture_.Window();
        QCOMPARE(window->objectName(), "fTarsilo_main");
        QCOMPARE(window->size(), QSize(742, 363));
        QCOMPARE(window->minimumSize(), window->maximumSize());
        const Qt::WindowFlags flags = window->windowFlags();
        QVERIFY(flags & Qt::WindowMinimizeButtonHint);
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QVERIFY(window->windowTitle().startsWith("Tarsilo V1.0 ("));
        QVERIFY(window->windowTitle().endsWith(")"));
        // Given once the window is on the screen.
        QTRY_VERIFY(!window->windowIcon().pixmap(32, 32).isNull());
        QVERIFY(fixture_.Radio("rbBall")->isChecked() && !fixture_.Radio("rbCyl")->isChecked());
        QVERIFY(fixture_.Button("bCalc")->isDefault());
        for (const QLineEdit* edit : window->findChildren<QLineEdit*>()) {
            QVERIFY(edit->isEnabled() && !edit->isReadOnly());
            QCOMPARE(edit->maxLength(), std::numeric_limits<int>::max());
        }
    }

    void centredOnTheDesktopAtTheFirstShowOnly() {
        TfTarsilo_main window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QSize desktop = window.screen()->virtualGeometry().size();
        const QSize outer = window.frameGeometry().size();
        QCOMPARE(window.frameGeometry().topLeft(), QPoint((desktop.width() - outer.width()) / 2,
                                                          (desktop.height() - outer.height()) / 2));
        window.move(5, 7);
        window.hide();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.frameGeometry().topLeft(), QPoint(5, 7));
    }

    void desktopCentredPosition_data() {
        QTest::addColumn<QSize>("desktop");
        QTest::addColumn<QSize>("window");
        QTest::addColumn<QPoint>("position");
        QTest::newRow("even margins") << QSize(1280, 800) << QSize(750, 390) << QPoint(265, 205);
        QTest::newRow("odd margins drop the half")
            << QSize(1281, 801) << QSize(750, 390) << QPoint(265, 205);
        QTest::newRow("two monitors side by side")
            << QSize(3840, 1080) << QSize(750, 390) << QPoint(1545, 345);
        QTest::newRow("desktop smaller than the window")
            << QSize(640, 300) << QSize(750, 390) << QPoint(0, 0);
        QTest::newRow("only narrower") << QSize(700, 800) << QSize(750, 390) << QPoint(0, 205);
    }
    void desktopCentredPosition() {
        QFETCH(QSize, desktop);
        QFETCH(QSize, window);
        QFETCH(QPoint, position);
        QCOMPARE(DesktopCentredPosition(desktop, window), position);
    }

    void compositeCaptionsReadAsOneLine_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("letter");
        QTest::addColumn<QString>("continuation");
        QTest::newRow("body density") << "lRoB"
                                      << "Label4"
                                      << "Label5";
        QTest::newRow("gas density") << "lRo0"
                                     << "Label11"
                                     << "Label12";
        QTest::newRow("molar mass") << "lmu"
                                    << "Label8"
                                    << "Label13";
    }
    void compositeCaptionsReadAsOneLine() {
        QFETCH(QString, start);
        QFETCH(QString, letter);
        QFETCH(QString, continuation);
        const QLabel* first = fixture_.Label(start);
        const QLabel* greek = fixture_.Label(letter);
        const QLabel* rest = fixture_.Label(continuation);
        QCOMPARE(Baseline(greek), Baseline(first));
        QCOMPARE(Baseline(rest), Baseline(first));
        QCOMPARE(greek->font().pixelSize(), 15);
        // One blank (the one that ends the first piece) before the letter,
        // nothing between the letter and the rest.
        const int blank = first->fontMetrics().horizontalAdvance(u' ');
        QCOMPARE(InkRect(greek).left() - InkRect(first).right() - 1, blank);
        QCOMPARE(InkRect(rest).left(), InkRect(greek).right() + 1);
    }

    // The shared rule, by the table the Windows suite runs too.
    void compositeCaptionPieces_data() {
        QTest::addColumn<const CompositeCaptionRow*>("row");
        for (const CompositeCaptionRow& row : CompositeCaptionRows)
            QTest::newRow(row.name) << &row;
    }
    void compositeCaptionPieces() {
        QFETCH(const CompositeCaptionRow*, row);
        const CompositeCaptionPlaces placed = PlaceCompositeCaption(row->metrics);
        QCOMPARE(QPoint(placed.letter.x, placed.letter.y),
                 QPoint(row->places.letter.x, row->places.letter.y));
        QCOMPARE(QPoint(placed.continuation.x, placed.continuation.y),
                 QPoint(row->places.continuation.x, row->places.continuation.y));
    }
    void indexAfterItsCaption_data() {
        QTest::addColumn<const IndexRow*>("row");
        for (const IndexRow& row : IndexRows)
            QTest::newRow(row.name) << &row;
    }
    void indexAfterItsCaption() {
        QFETCH(const IndexRow*, row);
        const Point placed = PlaceIndex(row->metrics);
        QCOMPARE(QPoint(placed.x, placed.y), QPoint(row->place.x, row->place.y));
    }
    void compositeCaptionsInTheDefinition() {
        QCOMPARE(QString::fromStdString(CompositeCaptionDefinitionFault()), QString());
    }

    void lowIndexOfTheDragCoefficient() {
        const QLabel* c = fixture_.Label("lCb");
        const QLabel* index = fixture_.Label("Label20");
        QCOMPARE(index->y() - c->y(), 8);
        // The designed 6 pixels after the end of the text as this font draws it.
        QCOMPARE(InkRect(index).left() - InkRect(c).right() - 1, 6);
    }

    void nothingOverlapsOrIsCutOff_data() {
        QTest::addColumn<bool>("cylinder");
        QTest::newRow("ball") << false;
        QTest::newRow("cylinder") << true;
    }
    void nothingOverlapsOrIsCutOff() {
        QFETCH(bool, cylinder);
        if (cylinder)
            fixture_.Click("rbCyl");
        QList<QWidget*> parents = {fixture_.Window()};
        for (QGroupBox* group : fixture_.Window()->findChildren<QGroupBox*>())
            parents.append(group);
        for (QWidget* parent : parents) {
            QList<QPair<QString, QRect>> boxes;
            for (QWidget* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                if (!child->isVisible())
                    continue;
                QRect box = child->geometry();
                if (const auto* label = qobject_cast<QLabel*>(child))
                    box = InkRect(label);
                else if (qobject_cast<QRadioButton*>(child))
                    box.adjust(0, 1, 0, -1); // the designed rows share a pixel line
                boxes.append({child->objectName(), box});
            }
            const QRect inside = parent->rect().adjusted(2, 2, -2, -2);
            for (qsizetype i = 0; i < boxes.size(); ++i) {
                QVERIFY2(inside.contains(boxes[i].second), qPrintable(boxes[i].first));
                for (qsizetype j = i + 1; j < boxes.size(); ++j)
                    QVERIFY2(!boxes[i].second.intersects(boxes[j].second),
                             qPrintable(boxes[i].first + " overlaps " + boxes[j].first));
            }
        }
    }
};

int main(int argc, char* argv[]) {
    return RunWindowTest<TestMainWindow>(argc, argv);
}

#include "test_main_window.moc"
