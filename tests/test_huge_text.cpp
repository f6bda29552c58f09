// Texts far longer than anyone types: the error dialog's limits on long
// messages, and a field of a million characters on the real main window, which
// must calculate within a second and leave a dialog that fits on the screen
// and closes with its OK button.

#include <QElapsedTimer>
#include <QScreen>
#include <QTest>

#include "calc/errors.h"
#include "calc/number_text.h"
#include "qt/error_reporting.h"
#include "qt/utf16_text.h"
#include "tests/main_window_fixture.h"

using namespace tarsilo;
using namespace tarsilo::test;

namespace {

constexpr qsizetype Million = 1'000'000;
constexpr qint64 CalculateBudgetMs = 1000;

const QString Ellipsis = QStringLiteral("…");

int LineBreaks(const QString& text) {
    int count = 0;
    for (const QChar c : text)
        count +=
            c == u'\n' || c == u'\r' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
    return count;
}

// What the dialog must say for a field text that does not convert: the
// core's own message, by the full-stop rule, shortened.
QString ExpectedDialogText(const QString& fieldText) {
    const std::string text = fieldText.toStdString();
    try {
        ParseNumber(TrimBlanks(text));
    } catch (const EConvertError& error) {
        return FittedForDialog(ErrorDialogText(QString::fromStdString(error.Message())));
    }
    return {};
}

// Where the dialog and its OK button stood while it was open.
struct DialogPlace {
    QRect screen;
    QRect frame;
    QRect okButton;
    bool okVisible = false;
};

DialogPlace PlaceOfOpenDialog() {
    DialogPlace place;
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box)
        return place;
    place.screen = box->screen()->availableGeometry();
    place.frame = box->frameGeometry();
    if (QAbstractButton* ok = box->button(QMessageBox::Ok)) {
        place.okButton = QRect(ok->mapToGlobal(QPoint(0, 0)), ok->size());
        place.okVisible = ok->isVisible() && ok->isEnabled();
    }
    return place;
}

} // namespace

class TestHugeText : public QObject {
    Q_OBJECT

    MainWindowFixture fixture_;
    ModalDialogWatchdog* watchdog_ = nullptr;

private slots:
    void initTestCase() { watchdog_ = new ModalDialogWatchdog(3000, this); }
    void init() { QVERIFY(fixture_.Open()); }
    void cleanup() {
        fixture_.Close();
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(watchdog_->UnexpectedDialogs(), 0);
    }

    // --- long messages cut to what fits on the screen ---

    void longMessagesKeepStartAndEnd_data() {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<bool>("whole");
        const QString suffix = QStringLiteral("' is not a valid floating point value");
        QTest::newRow("a million digits") << "'" + QString(Million, '9') + suffix << "'999"
                                          << "999" + suffix + "." << false;
        QTest::newRow("a million line breaks")
            << "'1" + QString(Million, '\n') + "2" + suffix << "'1"
            << "2" + suffix + "." << false;
        QTest::newRow("ends in a parenthesis: no full stop") << "(" + QString(5000, 'x') + ")"
                                                             << "(xx"
                                                             << "xx)" << false;
        QTest::newRow("ends in a colon: a full stop") << QString(5000, 'x') + ":"
                                                      << "xx"
                                                      << "x:." << false;
        QTest::newRow("short enough") << QString(60, 'a') << QString(60, 'a') << "a." << true;
        QTest::newRow("many words on many lines")
            << QStringLiteral("a few words ").repeated(40) + "end"
            << "a few words a few"
            << "words end." << true;
    }
    void longMessagesKeepStartAndEnd() {
        QFETCH(QString, message);
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(bool, whole);
        const QString shown = FittedForDialog(ErrorDialogText(message));
        const DialogTextRoom room = DialogTextRoomFor(message, nullptr);
        QVERIFY(FitsInDialog(Utf16View(shown), room));
        QVERIFY(std::size_t(LineBreaks(shown)) < room.lines);
        QVERIFY(shown.startsWith(start));
        QVERIFY(shown.endsWith(end));
        QCOMPARE(shown.count(Ellipsis), whole ? 0 : 1);
    }

    // --- a million characters in a field of the real window ---

    void millionCharacters_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("status");
        QTest::newRow("digits beyond the range") << "ev0" << QString(Million, '9') << "";
        QTest::newRow("letters") << "eD" << QString(Million, 'x') << "";
        QTest::newRow("blanks") << "eCb" << QString(Million, ' ') << "";
        QTest::newRow("line breaks inside") << "eTemp"
                                            << "1" + QString(Million - 2, '\n') + "2"
                                            << "";
        QTest::newRow("in the hidden length field") << "eL" << QString(Million, '7') + "e"
                                                    << "";
        QTest::newRow("a value too small for the range") << "ev0"
                                                         << "0." + QString(Million - 3, '0') + "1"
                                                         << "Введите Vo > 0";
        QTest::newRow("a number with a million digits")
            << "eRoB" << QString(Million - 4, '0') + "1000"
            << "Готов ...";
        // Every digit is accumulated, so the trailing zeros overflow.
        QTest::newRow("trailing zeros beyond the range")
            << "eRoB"
            << "1000." + QString(Million - 5, '0') << "";
    }
    void millionCharacters() {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, status);
        const QString expectedDialog = ExpectedDialogText(text);
        QCOMPARE(expectedDialog.isEmpty(), !status.isEmpty());
        QElapsedTimer clock;
        clock.start();
        fixture_.SetText(field, text);
        QCOMPARE(fixture_.Text(field).size(), text.size());
        // The text is on screen before Расчет is clicked.
        QCoreApplication::processEvents();
        const qint64 textShown = clock.elapsed();

        qint64 untilShown = -1;
        DialogPlace place;
        clock.restart();
        const MessageBoxSeen dialog = CloseMessageBoxOpenedBy([this] { fixture_.Click("bCalc"); },
                                                              [&] {
                                                                  untilShown = clock.elapsed();
                                                                  place = PlaceOfOpenDialog();
                                                              });
        const qint64 total = clock.elapsed();
        qInfo("%s: text set and painted in %lld ms; after the click the dialog showed at %lld ms, "
              "Calculate ended at %lld ms",
              QTest::currentDataTag(), textShown, untilShown, total);

        if (!status.isEmpty()) {
            QVERIFY(!dialog.shown);
            QCOMPARE(fixture_.Text("eReady"), status);
            if (status == "Готов ...")
                QCOMPARE(fixture_.Text("eVV"), "0.5236");
            QVERIFY2(total < CalculateBudgetMs, qPrintable(QString::number(total)));
            return;
        }
        QVERIFY(dialog.shown);
        QCOMPARE(dialog.text, expectedDialog);
        QVERIFY2(untilShown < CalculateBudgetMs, qPrintable(QString::number(untilShown)));
        QVERIFY2(total < CalculateBudgetMs, qPrintable(QString::number(total)));
        QVERIFY2(place.screen.contains(place.frame),
                 qPrintable(QStringLiteral("dialog at %1,%2 %3x%4")
                                .arg(place.frame.x())
                                .arg(place.frame.y())
                                .arg(place.frame.width())
                                .arg(place.frame.height())));
        QVERIFY(place.okVisible);
        QVERIFY(place.frame.contains(place.okButton));
        // The OK button closed it, and the window takes commands again.
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(fixture_.Text("eReady"), "Готов ...");
        const QMap<QString, QString> defaults = {{"ev0", "10000"}, {"eD", "1"},
                                                 {"eL", "1"},      {"eCb", "0.5"},
                                                 {"eRoB", "1000"}, {"eTemp", "300"}};
        fixture_.SetText(field, defaults[field]);
        fixture_.Click("bCalc");
        QCOMPARE(fixture_.Text("eVV"), "0.5236");
    }
};

int main(int argc, char* argv[]) {
    return RunWindowTest<TestHugeText>(argc, argv);
}

#include "test_huge_text.moc"
