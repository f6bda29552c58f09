// The keyboard of the real main window, offscreen: Enter and the active
// button, keys that do nothing, the tab sequence for each shape, the arrow
// keys, and how the edits take the focus.

#include <QTest>

#include "tests/main_window_fixture.h"

using namespace tarsilo;
using namespace tarsilo::test;

namespace {

// Counts the close requests a window receives.
class CloseCounter : public QObject {
public:
    int closes = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Close)
            ++closes;
        return false;
    }
};

const QStringList BallTabSequence = {
    "bCalc", "bClear", "bInfo", "bbClose", "rbBall", "ev0", "eD",     "eCb",
    "eRoB",  "eg",     "eRo0",  "emu",     "eTemp",  "eHx", "eVV",    "em",
    "ev",    "evv0",   "ev_v0", "eEt0",    "eEt",    "evc", "eReady",
};

QStringList CylinderTabSequence() {
    QStringList sequence = BallTabSequence;
    sequence.replace(sequence.indexOf("rbBall"), "rbCyl");
    sequence.insert(sequence.indexOf("eD") + 1, "eL");
    return sequence;
}

} // namespace

class TestMainWindowKeyboard : public QObject {
    Q_OBJECT

    MainWindowFixture fixture_;
    ModalDialogWatchdog* watchdog_ = nullptr;
    int infoRuns_ = 0;

    QString FocusName() const {
        QWidget* focus = QApplication::focusWidget();
        return focus ? focus->objectName() : QString();
    }
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QVERIFY(QApplication::focusWidget());
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
    // A status text that only a command replaces.
    void MarkStatus() { fixture_.SetText("eReady", "marker"); }
    bool Calculated() const { return fixture_.Text("eVV") == "0.5236"; }

private slots:
    void initTestCase() { watchdog_ = new ModalDialogWatchdog(3000, this); }
    void init() {
        QVERIFY(fixture_.Open());
        infoRuns_ = 0;
        fixture_.Window()->setInfoCommand([this] { ++infoRuns_; });
    }
    void cleanup() {
        fixture_.Close();
        QCOMPARE(watchdog_->UnexpectedDialogs(), 0);
    }

    void focusStartsOnCalculate() {
        QCOMPARE(FocusName(), "bCalc");
        Press(Qt::Key_Return);
        QVERIFY(Calculated());
    }

    void enterInAnyEditCalculates_data() {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<bool>("cylinder");
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        const Qt::KeyboardModifiers none;
        for (const char* edit : {"ev0", "eHx", "eVV", "evc", "eReady"})
            QTest::newRow(edit) << edit << false << Qt::Key_Return << none;
        QTest::newRow("eL") << "eL" << true << Qt::Key_Return << none;
        const Qt::KeyboardModifiers keypad(Qt::KeypadModifier);
        QTest::newRow("ev0, keypad Enter") << "ev0" << false << Qt::Key_Enter << keypad;
        QTest::newRow("eL, keypad Enter") << "eL" << true << Qt::Key_Enter << keypad;
    }
    void enterInAnyEditCalculates() {
        QFETCH(QString, edit);
        QFETCH(bool, cylinder);
        QFETCH(Qt::Key, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        if (cylinder)
            fixture_.Click("rbCyl");
        MarkStatus();
        fixture_.Edit(edit)->setFocus(Qt::MouseFocusReason);
        Press(key, modifiers);
        QCOMPARE(fixture_.Text("eReady"), "Готов ...");
        QCOMPARE(fixture_.Text("eVV"), cylinder ? "0.7854" : "0.5236");
    }

    void enterClicksTheActiveButton_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<QString>("eVV");
        QTest::addColumn<int>("infoRuns");
        QTest::newRow("Расчет") << "bCalc" << Qt::Key_Return << Qt::KeyboardModifiers() << "0.5236"
                                << 0;
        QTest::newRow("Расчет, keypad Enter")
            << "bCalc" << Qt::Key_Enter << Qt::KeyboardModifiers(Qt::KeypadModifier) << "0.5236"
            << 0;
        QTest::newRow("Очистить runs Clear, not Calculate")
            << "bClear" << Qt::Key_Return << Qt::KeyboardModifiers() << "" << 0;
        QTest::newRow("Инфо") << "bInfo" << Qt::Key_Return << Qt::KeyboardModifiers() << "" << 1;
    }
    void enterClicksTheActiveButton() {
        QFETCH(QString, button);
        QFETCH(Qt::Key, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(QString, eVV);
        QFETCH(int, infoRuns);
        fixture_.SetText("eVV", "");
        fixture_.Button(button)->setFocus(Qt::TabFocusReason);
        QVERIFY(fixture_.Button(button)->isDefault());
        Press(key, modifiers);
        QCOMPARE(fixture_.Text("eVV"), eVV);
        QCOMPARE(infoRuns_, infoRuns);
    }

    void enterOnExitClosesTheWindow() {
        CloseCounter counter;
        fixture_.Window()->installEventFilter(&counter);
        fixture_.Button("bbClose")->setFocus(Qt::TabFocusReason);
        Press(Qt::Key_Return);
        QCOMPARE(counter.closes, 1);
        QVERIFY(!fixture_.Window()->isVisible());
        QVERIFY(fixture_.Text("eVV").isEmpty());
    }

    void keysThatDoNothing_data() {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        const QList<QPair<const char*, Qt::KeyboardModifiers>> modified = {
            {"Shift", Qt::ShiftModifier}, {"Ctrl", Qt::ControlModifier}, {"Alt", Qt::AltModifier}};
        for (const char* focus : {"ev0", "bCalc", "bbClose"}) {
            for (const auto& [name, modifier] : modified) {
                QTest::addRow("%s+Enter on %s", name, focus) << focus << Qt::Key_Return << modifier;
                QTest::addRow("%s+keypad Enter on %s", name, focus)
                    << focus << Qt::Key_Enter << (modifier | Qt::KeypadModifier);
            }
            QTest::addRow("Esc on %s", focus) << focus << Qt::Key_Escape << Qt::KeyboardModifiers();
        }
    }
    void keysThatDoNothing() {
        QFETCH(QString, focus);
        QFETCH(Qt::Key, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        CloseCounter counter;
        fixture_.Window()->installEventFilter(&counter);
        MarkStatus();
        const auto before = fixture_.Screen();
        fixture_.Control(focus)->setFocus(Qt::TabFocusReason);
        Press(key, modifiers);
        QCOMPARE(fixture_.Screen(), before);
        QCOMPARE(counter.closes, 0);
        QCOMPARE(FocusName(), focus);
    }

    void tabSequence_data() {
        QTest::addColumn<QString>("shapeChoice");
        QTest::addColumn<QStringList>("sequence");
        QTest::newRow("ball") << "" << BallTabSequence;
        QTest::newRow("cylinder by the mouse") << "click" << CylinderTabSequence();
        QTest::newRow("cylinder by the arrow keys") << "arrow" << CylinderTabSequence();
        QTest::newRow("cylinder and back to the ball by the arrow keys")
            << "arrow twice" << BallTabSequence;
    }
    void tabSequence() {
        QFETCH(QString, shapeChoice);
        QFETCH(QStringList, sequence);
        if (shapeChoice == "click")
            fixture_.Click("rbCyl");
        if (shapeChoice.startsWith("arrow")) {
            fixture_.Control("rbBall")->setFocus(Qt::TabFocusReason);
            Press(Qt::Key_Down);
            if (shapeChoice == "arrow twice")
                Press(Qt::Key_Up);
        }
        fixture_.Button("bCalc")->setFocus(Qt::TabFocusReason);

        QStringList forward = {FocusName()};
        for (qsizetype i = 0; i < sequence.size(); ++i) {
            Press(Qt::Key_Tab);
            forward.append(FocusName());
        }
        QCOMPARE(forward, sequence + QStringList{"bCalc"});

        QStringList backward = {FocusName()};
        for (qsizetype i = 0; i < sequence.size(); ++i) {
            Press(Qt::Key_Backtab, Qt::ShiftModifier);
            backward.prepend(FocusName());
        }
        QCOMPARE(backward, sequence + QStringList{"bCalc"});
    }

    void arrowKeys_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<QString>("to");
        QTest::addColumn<bool>("cylinder");
        QTest::newRow("Right on Расчет") << "bCalc" << Qt::Key_Right << "bClear" << false;
        QTest::newRow("Down on Инфо") << "bInfo" << Qt::Key_Down << "bbClose" << false;
        QTest::newRow("Up on Очистить") << "bClear" << Qt::Key_Up << "bCalc" << false;
        QTest::newRow("Left on Расчет wraps") << "bCalc" << Qt::Key_Left << "eReady" << false;
        QTest::newRow("Right on Выход reaches the status line")
            << "bbClose" << Qt::Key_Right << "eReady" << false;
        QTest::newRow("Down on Шар selects the cylinder")
            << "rbBall" << Qt::Key_Down << "rbCyl" << true;
        QTest::newRow("Up on Шар wraps to the cylinder")
            << "rbBall" << Qt::Key_Up << "rbCyl" << true;
        QTest::newRow("Left in an edit moves the caret") << "ev0" << Qt::Key_Left << "ev0" << false;
    }
    void arrowKeys() {
        QFETCH(QString, from);
        QFETCH(Qt::Key, key);
        QFETCH(QString, to);
        QFETCH(bool, cylinder);
        fixture_.Control(from)->setFocus(Qt::TabFocusReason);
        Press(key);
        QCOMPARE(FocusName(), to);
        QCOMPARE(fixture_.Radio("rbCyl")->isChecked(), cylinder);
        QCOMPARE(fixture_.Edit("eL")->isVisible(), cylinder);
    }

    void defaultFrameFollowsTheFocus() {
        QPushButton* calc = fixture_.Button("bCalc");
        QPushButton* clear = fixture_.Button("bClear");
        clear->setFocus(Qt::TabFocusReason);
        QVERIFY(clear->isDefault() && !calc->isDefault());
        fixture_.Edit("eD")->setFocus(Qt::TabFocusReason);
        QVERIFY(calc->isDefault() && !clear->isDefault());
    }

    void editsSelectAllByKeyboardAndPlaceTheCaretByMouse() {
        fixture_.Edit("eD")->setFocus(Qt::MouseFocusReason);
        Press(Qt::Key_Tab);
        QCOMPARE(FocusName(), "eCb");
        QCOMPARE(fixture_.Edit("eCb")->selectedText(), "0.5");

        QLineEdit* gravity = fixture_.Edit("eg");
        gravity->setText("123456789");
        const QPoint click(gravity->width() / 2, gravity->height() / 2);
        QTest::mouseClick(gravity, Qt::LeftButton, {}, click);
        QCOMPARE(FocusName(), "eg");
        QVERIFY(!gravity->hasSelectedText());
        QCOMPARE(gravity->cursorPosition(), gravity->cursorPositionAt(click));
        QVERIFY(gravity->cursorPosition() > 0 && gravity->cursorPosition() < 9);
    }

    void editsTakeTextBeyondTheOldLimit() {
        QLineEdit* speed = fixture_.Edit("ev0");
        speed->setText(QString(40000, u'9'));
        speed->setFocus(Qt::MouseFocusReason);
        speed->end(false);
        QTest::keyClicks(speed, "12");
        QCOMPARE(speed->text().size(), 40002);
    }
};

int main(int argc, char* argv[]) {
    return RunWindowTest<TestMainWindowKeyboard>(argc, argv);
}

#include "test_main_window_keyboard.moc"
