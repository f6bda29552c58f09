// The application shell under its real application object: the title, the
// error dialog and the "Application Error" box with their texts, the exit
// status, the end of the program when the main window closes, the last-resort
// catch of the event loop, the decimal mark and the floating-point mode.

#include <QAccessible>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include "calc/decimal_mark.h"
#include "calc/errors.h"
#include "calc/fpu_mode.h"
#include "qt/Info.h"
#include "qt/Tarsilo_V10.h"
#include "qt/app/application.h"
#include "qt/app/application_error.h"
#include "qt/app/application_title.h"
#include "qt/app/platform_choice.h"
#include "qt/app/program.h"
#include "qt/error_reporting.h"
#include "qt/utf16_text.h"
#include "tests/gui_test_support.h"

using namespace tarsilo;
using namespace tarsilo::test;

namespace {

// A second window such as the reference window: created through the
// application with the main window as parent.
class SecondForm : public QWidget {
public:
    explicit SecondForm(QWidget* owner) : QWidget(nullptr, Qt::Window), owner(owner) {}
    QWidget* owner;
};
SecondForm* secondForm = nullptr;

class FailingForm : public QWidget {
public:
    explicit FailingForm(QWidget* parent) : QWidget(parent) {
        throw EInvalidOp("Invalid floating point operation");
    }
};
FailingForm* failingForm = nullptr;

// Raises an error from its event handler, outside any command.
class ThrowingObject : public QObject {
public:
    int events = 0;

protected:
    bool event(QEvent* event) override {
        if (event->type() != QEvent::User)
            return QObject::event(event);
        ++events;
        throw EOverflow("Floating point overflow");
    }
};

const QRegularExpression ApplicationErrorPattern(
    "^Exception (\\w+) in module test_application_shell at [0-9A-F]{16}\\.\\n(.*)\\n$",
    QRegularExpression::DotMatchesEverythingOption);

} // namespace

class TestApplicationShell : public QObject {
    Q_OBJECT

    TApplication& application_;
    ModalDialogWatchdog* watchdog_ = nullptr;

    // Runs the program with a time limit, so that a loop that never ends fails
    // the test instead of hanging it.
    int RunLimited(const std::function<void(TApplication&)>& createForms) {
        bool timedOut = false;
        QTimer limit;
        limit.setSingleShot(true);
        connect(&limit, &QTimer::timeout, [&] {
            timedOut = true;
            application_.Terminate();
        });
        limit.start(10000);
        const int status = RunProgram(application_, createForms);
        if (timedOut)
            qWarning("the event loop did not end by itself");
        return timedOut ? -1 : status;
    }

public:
    explicit TestApplicationShell(TApplication& application) : application_(application) {}

private slots:
    void initTestCase() { watchdog_ = new ModalDialogWatchdog(3000, this); }
    void cleanup() {
        SetLocaleEnvironment(nullptr);
        ReadDecimalMark();
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(watchdog_->UnexpectedDialogs(), 0);
    }

    // --- the title ---

    void titleFromTheExecutableName_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("title");
        QTest::newRow("capitals") << "C:/Program Files/DESCENT.EXE"
                                  << "Descent";
        QTest::newRow("small letters") << "/opt/descent.exe"
                                       << "descent";
        QTest::newRow("cut at the first full stop") << "/usr/bin/my.calc.exe"
                                                    << "my";
        QTest::newRow("no extension") << "/usr/local/bin/Tarsilo10"
                                      << "Tarsilo10";
        QTest::newRow("first letter small stays small") << "tARSILO"
                                                        << "tarsilo";
        QTest::newRow("full stop in a directory") << "/home/u/v1.2/Calc"
                                                  << "Calc";
        QTest::newRow("non-ASCII letters") << "/bin/ÉCOLE.BIN"
                                           << "École";
        QTest::newRow("letter outside the basic plane") << "/bin/𝐀BC"
                                                        << "𝐀bc";
        QTest::newRow("name starting with a full stop") << "/bin/.hidden"
                                                        << "";
        QTest::newRow("empty") << ""
                               << "";
    }
    void titleFromTheExecutableName() {
        QFETCH(QString, path);
        QFETCH(QString, title);
        QCOMPARE(ApplicationTitleFromPath(path), title);
    }

    void titleOfThisProgram() {
        QCOMPARE(application_.Title(), "test_application_shell");
        QCOMPARE(QGuiApplication::applicationDisplayName(), "test_application_shell");
    }

    // --- the texts of the two boxes ---

    void errorDialogFullStop_data() {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("text");
        QTest::newRow("letter") << "Floating point overflow"
                                << "Floating point overflow.";
        QTest::newRow("full stop") << "Done."
                                   << "Done.";
        QTest::newRow("parenthesis") << "(see above)"
                                     << "(see above)";
        QTest::newRow("exclamation mark") << "Stop!"
                                          << "Stop!";
        QTest::newRow("space") << "trailing "
                               << "trailing ";
        QTest::newRow("hyphen") << "a-"
                                << "a-";
        QTest::newRow("control character") << "line\n"
                                           << "line\n";
        QTest::newRow("colon") << "Reason:"
                               << "Reason:.";
        QTest::newRow("question mark") << "Why?"
                                       << "Why?.";
        QTest::newRow("slash, just above the full stop") << "a/"
                                                         << "a/.";
        QTest::newRow("digit") << "Error 7"
                               << "Error 7.";
        QTest::newRow("non-ASCII letter") << "Ошибка"
                                          << "Ошибка.";
        QTest::newRow("empty") << ""
                               << "";
        // The rule looks at the whole message; the dialog shortens the result
        // only where it would not fit on the screen.
        QTest::newRow("80 characters of field text: shown whole")
            << "'" + QString(80, 'x') + "' is not a valid floating point value"
            << "'" + QString(80, 'x') + "' is not a valid floating point value.";
        QTest::newRow("eight line breaks: nothing cut") << "1\n2\n3\n4\n5\n6\n7\n8\n9"
                                                        << "1\n2\n3\n4\n5\n6\n7\n8\n9.";
        QTest::newRow("nine line breaks: nothing cut either") << "1\n2\n3\n4\n5\n6\n7\n8\n9\n10"
                                                              << "1\n2\n3\n4\n5\n6\n7\n8\n9\n10.";
    }
    // Through the real dialog, as an escaped error shows it.
    void errorDialogFullStop() {
        QFETCH(QString, message);
        QFETCH(QString, text);
        const MessageBoxSeen dialog =
            CloseMessageBoxOpenedBy([&] { ShowErrorDialog(Exception(message.toStdString())); });
        QVERIFY(dialog.shown);
        QCOMPARE(dialog.text, text);
    }

    // What does not fit on the screen is cut, and the dialog stays on it.
    void errorDialogFitsOnTheScreen_data() {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::newRow("a run wider than the screen, ending in a colon")
            << "a" + QString(3000, 'x') + ":"
            << "axx"
            << "xx:.";
        QTest::newRow("more lines than the screen holds")
            << QStringLiteral("line\n").repeated(300) + "end"
            << "line\n"
            << "line\nend.";
        QTest::newRow("many words, more lines than the screen holds")
            << QStringLiteral("word ").repeated(20000) + "end"
            << "word "
            << " end.";
    }
    void errorDialogFitsOnTheScreen() {
        QFETCH(QString, message);
        QFETCH(QString, start);
        QFETCH(QString, end);
        const MessageBoxSeen dialog =
            CloseMessageBoxOpenedBy([&] { ShowErrorDialog(Exception(message.toStdString())); });
        QVERIFY(dialog.shown);
        QVERIFY2(dialog.text.startsWith(start) && dialog.text.endsWith(end),
                 qPrintable(dialog.text.left(40) + " ... " + dialog.text.right(40)));
        QCOMPARE(dialog.text.count(QStringLiteral("…")), 1);
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(FitsInDialog(Utf16View(dialog.text), DialogTextRoomFor(message, nullptr)));
        QVERIFY2(screen.contains(dialog.frame),
                 qPrintable(QStringLiteral("dialog %1x%2 at %3,%4 on a %5x%6 screen")
                                .arg(dialog.frame.width())
                                .arg(dialog.frame.height())
                                .arg(dialog.frame.x())
                                .arg(dialog.frame.y())
                                .arg(screen.width())
                                .arg(screen.height())));
    }

    // The fitting rule in rooms of a few characters.
    void fittedForDialog_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("wrapColumns");
        QTest::addColumn<int>("lines");
        QTest::addColumn<QString>("shown");
        QTest::newRow("fits on one line") << "abc def" << 7 << 7 << 1 << "abc def";
        QTest::newRow("wraps at the blank and fits")
            << "abc def ghi" << 7 << 7 << 2 << "abc def ghi";
        QTest::newRow("one line more than there is room for")
            << "abc def ghi" << 7 << 7 << 1 << "abc…ghi";
        QTest::newRow("an unbroken run wider than the room")
            << "abcdefghij" << 6 << 6 << 3 << "ab…hij";
        QTest::newRow("a long run widens the box: fewer lines")
            << "abcdefgh ab cd ef" << 8 << 4 << 2 << "abcdefgh ab cd ef";
        QTest::newRow("more lines than the room holds")
            << "1\n2\n3\n4\n5" << 10 << 10 << 3 << "1\n2…4\n5";
        QTest::newRow("CR LF is one line break") << "ab\r\ncd" << 5 << 5 << 2 << "ab\r\ncd";
        QTest::newRow("empty") << "" << 1 << 1 << 1 << "";
    }
    void fittedForDialog() {
        QFETCH(QString, text);
        QFETCH(int, columns);
        QFETCH(int, wrapColumns);
        QFETCH(int, lines);
        QFETCH(QString, shown);
        const DialogTextRoom room{std::size_t(columns), std::size_t(wrapColumns),
                                  std::size_t(lines)};
        QCOMPARE(FromUtf16(tarsilo::FittedForDialog(Utf16View(text), room)), shown);
    }

    // --- the shortening, with small limits that show every cut ---

    void shortenedForDialog_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("maxCharacters");
        QTest::addColumn<int>("maxLineBreaks");
        QTest::addColumn<QString>("shown");
        QTest::newRow("within both limits") << "abcdefg" << 7 << 0 << "abcdefg";
        QTest::newRow("one character too many") << "abcdefgh" << 7 << 8 << "abc…fgh";
        QTest::newRow("odd room: the end gets the extra character")
            << "abcdefghijklmnop" << 8 << 8 << "abc…mnop";
        QTest::newRow("too many line breaks, short enough")
            << "1\n2\n3\n4\n5\n6" << 100 << 2 << "1\n2…5\n6";
        QTest::newRow("line breaks of every kind")
            << QStringLiteral("a\rb\u2028c\u2029d\ne") << 100 << 2 << "a\rb…d\ne";
        QTest::newRow("no line break allowed") << "ab\ncd\nef" << 100 << 0 << "ab…ef";
        QTest::newRow("odd line-break limit: the end gets the extra one")
            << "1\n2\n3\n4\n5\n6" << 100 << 3 << "1\n2…4\n5\n6";
        QTest::newRow("both limits") << "12\n34\n56\n78\n90\nab" << 9 << 2 << "12\n3…0\nab";
        QTest::newRow("pair of surrogates at the start's cut")
            << QStringLiteral("a𝐀cdefghij") << 6 << 8 << "a…hij";
        QTest::newRow("pair of surrogates at the end's cut")
            << QStringLiteral("abcdefg𝐀ij") << 6 << 8 << "ab…ij";
        QTest::newRow("room for the ellipsis only") << "abc" << 1 << 8 << "…";
        QTest::newRow("empty") << "" << 0 << 0 << "";
    }
    void shortenedForDialog() {
        QFETCH(QString, text);
        QFETCH(int, maxCharacters);
        QFETCH(int, maxLineBreaks);
        QFETCH(QString, shown);
        QCOMPARE(ShortenedForDialog(text, maxCharacters, maxLineBreaks), shown);
    }

    void applicationErrorText_data() {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("secondLine");
        QTest::newRow("letter") << "Floating point overflow"
                                << "Floating point overflow.";
        QTest::newRow("full stop") << "Done."
                                   << "Done.";
        QTest::newRow("exclamation mark gets one here") << "Stop!"
                                                        << "Stop!.";
        QTest::newRow("parenthesis gets one here") << "(x)"
                                                   << "(x).";
        QTest::newRow("empty") << ""
                               << "";
    }
    void applicationErrorText() {
        QFETCH(QString, message);
        QFETCH(QString, secondLine);
        const auto address = reinterpret_cast<const void*>(quintptr(0x4a3f10));
        QCOMPARE(ApplicationErrorText("EOverflow", "Tarsilo10", address, message),
                 "Exception EOverflow in module Tarsilo10 at 00000000004A3F10.\n" + secondLine +
                     "\n");
    }

    // --- errors outside the event loop ---

    void errorOutsideTheLoopEndsWithStatus1_data() {
        QTest::addColumn<bool>("inWindowConstructor");
        QTest::addColumn<QString>("errorClass");
        QTest::addColumn<QString>("message");
        QTest::newRow("raised by the program entry") << false << "EConvertError"
                                                     << "'x' is not a valid floating point value.";
        QTest::newRow("raised by a window being created") << true << "EInvalidOp"
                                                          << "Invalid floating point operation.";
    }
    void errorOutsideTheLoopEndsWithStatus1() {
        QFETCH(bool, inWindowConstructor);
        QFETCH(QString, errorClass);
        QFETCH(QString, message);
        int status = 0;
        const MessageBoxSeen box = CloseMessageBoxOpenedBy([&] {
            status = RunLimited([inWindowConstructor](TApplication& application) {
                CreateForms(application);
                if (inWindowConstructor)
                    application.CreateForm(failingForm);
                else
                    throw EConvertError("'x' is not a valid floating point value");
            });
        });
        QCOMPARE(status, 1);
        QVERIFY(box.shown);
        QCOMPARE(box.objectName, "ApplicationErrorBox");
        QCOMPARE(box.title, "Application Error");
        QCOMPARE(box.icon, QMessageBox::Critical);
        QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(box.modality, Qt::ApplicationModal);
        QVERIFY(!box.hasParent);
        const QRegularExpressionMatch match = ApplicationErrorPattern.match(box.text);
        QVERIFY2(match.hasMatch(), qPrintable(box.text));
        QCOMPARE(match.captured(1), errorClass);
        QCOMPARE(match.captured(2), message);
        QVERIFY(!fTarsilo_main);
        QVERIFY(!failingForm);
    }

    void fpuModeAtStart() {
        const std::uint16_t word = ReadFpuControlWord();
        QCOMPARE((word >> 8) & 3, 3);  // 64-bit significand
        QCOMPARE((word >> 10) & 3, 0); // round to nearest
        QVERIFY(FpuModeIsDefault());
        RequireFpuMode();
    }

    void wrongFpuModeStopsTheProgram() {
        int status = 0;
        bool formsCreated = false;
        MessageBoxSeen box;
        {
            const ScopedFpuMode doublePrecision(0x027F);
            box = CloseMessageBoxOpenedBy(
                [&] { status = RunLimited([&](TApplication&) { formsCreated = true; }); });
        }
        QCOMPARE(status, 1);
        QVERIFY(!formsCreated);
        QVERIFY(ApplicationErrorPattern.match(box.text).hasMatch());
        QVERIFY(FpuModeIsDefault());
    }

    // --- the end of the program ---

    void closingTheMainWindowEndsTheProgram_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("click on Выход") << "click";
        QTest::newRow("Enter on Выход") << "enter";
        QTest::newRow("close request of the window system") << "close";
    }
    void closingTheMainWindowEndsTheProgram() {
        QFETCH(QString, how);
        QPointer<TfTarsilo_main> mainWindow;
        QPointer<SecondForm> second;
        bool secondBelongsToMain = false;
        bool secondStandsAlone = false;
        QTimer::singleShot(0, [&] {
            QVERIFY(QTest::qWaitForWindowActive(fTarsilo_main));
            auto* exit = fTarsilo_main->findChild<QPushButton*>("bbClose");
            if (how == "click") {
                QTest::mouseClick(exit, Qt::LeftButton);
            } else if (how == "enter") {
                exit->setFocus(Qt::TabFocusReason);
                QTest::keyClick(exit, Qt::Key_Return);
            } else {
                fTarsilo_main->close();
            }
        });
        const int status = RunLimited([&](TApplication& application) {
            CreateForms(application);
            application.CreateForm(secondForm);
            mainWindow = fTarsilo_main;
            second = secondForm;
            secondBelongsToMain =
                secondForm->owner == fTarsilo_main && application.MainForm() == fTarsilo_main;
            secondForm->show();
            // The window manager stacks it on its own, so it can go behind
            // the main window.
            secondStandsAlone = secondForm->isWindow() && !secondForm->parentWidget() &&
                                !secondForm->windowHandle()->transientParent();
        });
        QCOMPARE(status, 0);
        QVERIFY(application_.Terminated());
        QVERIFY(secondBelongsToMain);
        QVERIFY2(secondStandsAlone, "the second window is not transient for the main window");
        QVERIFY2(!mainWindow && !second, "both windows are destroyed at shutdown");
        QVERIFY(!fTarsilo_main && !secondForm);
    }

    // The reference window is a top-level window of its own, yet the program
    // is minimised and restored as a whole; what the user put away between
    // two rounds stays away.
    void minimisingTheMainWindowTakesTheReferenceWindowAlong_data() {
        QTest::addColumn<QString>("betweenRounds");
        QTest::addColumn<bool>("backAfterSecondRound");
        QTest::newRow("left open") << "" << true;
        QTest::newRow("closed by the user between two rounds") << "close" << false;
        QTest::newRow("minimised on its own between two rounds") << "minimise" << false;
    }
    void minimisingTheMainWindowTakesTheReferenceWindowAlong() {
        QFETCH(QString, betweenRounds);
        QFETCH(bool, backAfterSecondRound);
        struct Round {
            bool gone = false;
            bool back = false;
        };
        Round first;
        Round second;
        const auto onScreen = [] { return fInfo->isVisible() && !fInfo->isMinimized(); };
        const auto round = [&](Round& seen, int waitForBackMs) {
            fTarsilo_main->showMinimized();
            seen.gone = QTest::qWaitFor([&] { return !onScreen(); });
            fTarsilo_main->showNormal();
            seen.back = QTest::qWaitFor(onScreen, waitForBackMs);
        };
        QTimer::singleShot(0, [&] {
            QVERIFY(QTest::qWaitForWindowActive(fTarsilo_main));
            fInfo->Show();
            QVERIFY(QTest::qWaitForWindowExposed(fInfo));
            round(first, 5000);
            if (betweenRounds == "close")
                fInfo->close();
            else if (betweenRounds == "minimise")
                fInfo->showMinimized();
            // Coming back would happen at once: a short wait tells it.
            round(second, backAfterSecondRound ? 5000 : 300);
            fTarsilo_main->close();
        });
        QCOMPARE(RunLimited(CreateForms), 0);
        QVERIFY(first.gone);
        QVERIFY(first.back);
        QVERIFY(second.gone);
        QCOMPARE(second.back, backAfterSecondRound);
    }

    // A minimised error dialog would leave the program blocked with nothing
    // to answer: restoring the main window brings the dialog back too.
    void minimisedErrorDialogComesBackWithTheMainWindow() {
        bool back = false;
        QTimer::singleShot(0, [&] {
            QVERIFY(QTest::qWaitForWindowActive(fTarsilo_main));
            const MessageBoxSeen dialog = CloseMessageBoxOpenedBy(
                [] { ShowErrorDialog(EOverflow("Floating point overflow")); },
                [&] {
                    QWidget* box = QApplication::activeModalWidget();
                    fTarsilo_main->showMinimized();
                    box->showMinimized();
                    fTarsilo_main->showNormal();
                    back =
                        QTest::qWaitFor([box] { return box->isVisible() && !box->isMinimized(); });
                });
            QVERIFY(dialog.shown);
            fTarsilo_main->close();
        });
        QCOMPARE(RunLimited(CreateForms), 0);
        QVERIFY(back);
    }

    // --- errors that escape an event handler ---

    void escapedErrorIsShownAndTheLoopGoesOn() {
        ThrowingObject thrower;
        bool handled = true;
        const MessageBoxSeen dialog = CloseMessageBoxOpenedBy([&] {
            QEvent event(QEvent::User);
            handled = QCoreApplication::sendEvent(&thrower, &event);
        });
        QVERIFY(dialog.shown);
        QCOMPARE(dialog.title, "test_application_shell");
        QCOMPARE(dialog.text, "Floating point overflow.");
        QCOMPARE(dialog.objectName, "ErrorDialog");
        QVERIFY(!handled);
        QCOMPARE(thrower.events, 1);
        bool nextEventHandled = false;
        QTimer::singleShot(0, [&] { nextEventHandled = true; });
        QTRY_VERIFY(nextEventHandled);
    }

    void calculateErrorUnderTheApplicationTitle() {
        TfTarsilo_main window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        window.findChild<QLineEdit*>("ev0")->setText("abc");
        const MessageBoxSeen dialog = CloseMessageBoxOpenedBy(
            [&] { QTest::mouseClick(window.findChild<QPushButton*>("bCalc"), Qt::LeftButton); });
        QCOMPARE(dialog.title, "test_application_shell");
        QVERIFY(dialog.title != window.windowTitle());
        QCOMPARE(dialog.text, "'abc' is not a valid floating point value.");
    }

    // --- what screen readers see ---

    void windowsAreAnnouncedAsWindowsByTitle_data() {
        QTest::addColumn<QString>("form");
        QTest::newRow("main window") << "main";
        QTest::newRow("reference window") << "info";
    }
    void windowsAreAnnouncedAsWindowsByTitle() {
        QFETCH(QString, form);
        std::unique_ptr<QWidget> window;
        if (form == "main")
            window = std::make_unique<TfTarsilo_main>();
        else
            window = std::make_unique<TfInfo>();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QAccessibleInterface* announced = QAccessible::queryAccessibleInterface(window.get());
        QVERIFY(announced);
        QCOMPARE(announced->role(), QAccessible::Window);
        QVERIFY(!window->windowTitle().isEmpty());
        QCOMPARE(announced->text(QAccessible::Name), window->windowTitle());
    }

    // --- the windowing system ---

    void platformChoice_data() {
        QTest::addColumn<QByteArray>("qpaPlatform");
        QTest::addColumn<QByteArray>("waylandDisplay");
        QTest::addColumn<QByteArray>("display");
        QTest::addColumn<QByteArray>("chosen");
        QTest::newRow("Wayland session with XWayland: X11 first")
            << QByteArray() << QByteArray("wayland-0") << QByteArray(":0")
            << QByteArray("xcb;wayland");
        QTest::newRow("Wayland without an X server: Qt's own choice")
            << QByteArray() << QByteArray("wayland-0") << QByteArray() << QByteArray();
        QTest::newRow("X11 session")
            << QByteArray() << QByteArray() << QByteArray(":0") << QByteArray();
        QTest::newRow("the user's choice stays")
            << QByteArray("wayland") << QByteArray("wayland-0") << QByteArray(":0") << QByteArray();
        QTest::newRow("empty variables count as unset")
            << QByteArray("") << QByteArray("wayland-0") << QByteArray("") << QByteArray();
    }
    void platformChoice() {
        QFETCH(QByteArray, qpaPlatform);
        QFETCH(QByteArray, waylandDisplay);
        QFETCH(QByteArray, display);
        QFETCH(QByteArray, chosen);
        const auto value = [](const QByteArray& text) {
            return text.isNull() ? nullptr : text.constData();
        };
        QCOMPARE(PreferredPlatform(value(qpaPlatform), value(waylandDisplay), value(display)),
                 chosen);
    }

    // --- the regional decimal mark ---

    void localeChangeRereadsTheDecimalMark() {
        SetLocaleEnvironment("ru_RU.UTF-8");
        QEvent change(QEvent::LocaleChange);
        QCoreApplication::sendEvent(&application_, &change);
        QVERIFY2(DecimalMark == ',',
                 "the ru_RU.UTF-8 locale is missing: run scripts/install-deps.sh");
        SetLocaleEnvironment(nullptr);
        QCoreApplication::sendEvent(&application_, &change);
        QCOMPARE(DecimalMark, '.');
    }

    // --- the test support itself ---

    void watchdogFailsATestThatLeavesADialogOpen() {
        ModalDialogWatchdog quick(200);
        QEXPECT_FAIL("", "the watchdog reports the dialog that nobody closes", Continue);
        QMessageBox forgotten(QMessageBox::Information, "left open", "nobody closes this");
        forgotten.exec();
        QVERIFY2(true, "an expected failure that did not happen counts as a failure here");
        QCOMPARE(quick.UnexpectedDialogs(), 1);
    }
};

int main(int argc, char* argv[]) {
    return RunWindowTest<TestApplicationShell, TApplication>(argc, argv, [] {
        EstablishFpuMode();
        ReadDecimalMark();
    });
}

#include "test_application_shell.moc"
