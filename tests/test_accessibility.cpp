// What a screen reader is given by both real windows: every control's role,
// name, states, shortcut, group and description as the shared table says, in
// each situation the table names, and the one announcement after a command.

#include <QAccessible>
#include <QAccessibleInterface>
#include <QSignalSpy>
#include <QTest>

#include "calc/inputs.h"
#include "common/reference_pictures.h"
#include "qt/Info.h"
#include "qt/status_announcer.h"
#include "tests/accessibility_table.h"
#include "tests/gui_test_support.h"
#include "tests/main_window_fixture.h"

using namespace tarsilo;
using namespace tarsilo::test;

namespace {

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QAccessible::Role RoleNamed(const std::string& role) {
    if (role == "grouping")
        return QAccessible::Grouping;
    if (role == "label")
        return QAccessible::StaticText;
    if (role == "text")
        return QAccessible::EditableText;
    if (role == "button")
        return QAccessible::PushButton;
    if (role == "radio")
        return QAccessible::RadioButton;
    if (role == "graphic")
        return QAccessible::Graphic;
    qFatal("the accessibility table names an unknown role %s", role.c_str());
}

// Counts the times a widget is shown.
class ShowCounter : public QObject {
public:
    explicit ShowCounter(QObject* watched) { watched->installEventFilter(this); }
    int shows = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        shows += event->type() == QEvent::Show;
        return false;
    }
};

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
private slots:
    void cleanupTestCase() { CloseWindows(); }

    void controls_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("situation");
        QTest::addColumn<int>("row");
        for (const char* window : {"main", "info"}) {
            for (const std::string& situation : SituationsOf(window)) {
                const auto rows = ExpectationsIn(window, situation);
                for (int i = 0; i < static_cast<int>(rows.size()); ++i)
                    QTest::addRow("%s %s %s", window,
                                  situation.empty() ? "start" : situation.c_str(),
                                  rows[i].control.c_str())
                        << window << Q(situation) << i;
            }
        }
    }
    void controls() {
        QFETCH(QString, window);
        QFETCH(QString, situation);
        QFETCH(int, row);
        const AccessibleExpectation expected =
            ExpectationsIn(window.toStdString(), situation.toStdString())[row];
        QWidget* top = OpenIn(window, situation);
        QVERIFY(top);
        auto* control = top->findChild<QWidget*>(Q(expected.control));
        QVERIFY2(control, "the window has the control");
        QAccessibleInterface* node = QAccessible::queryAccessibleInterface(control);
        QVERIFY(node);

        QCOMPARE(node->role(), RoleNamed(expected.role));
        QCOMPARE(node->text(QAccessible::Name), Q(expected.name));
        const QAccessible::State state = node->state();
        QCOMPARE(bool(state.invisible), expected.Has("hidden"));
        if (expected.role == "button")
            QCOMPARE(bool(state.defaultButton), expected.Has("default"));
        if (expected.role == "radio")
            QCOMPARE(bool(state.checked), expected.Has("checked"));
        if (expected.role == "button") {
            QAccessibleActionInterface* actions = node->actionInterface();
            QVERIFY(actions);
            const QString press = QAccessibleActionInterface::pressAction();
            QVERIFY(actions->actionNames().contains(press));
            QCOMPARE(actions->keyBindingsForAction(press).value(0), Q(expected.shortcut));
        }

        // Heard in its group box, or at the top of the window.
        QAccessibleInterface* parent = node->parent();
        QVERIFY(parent);
        QVERIFY2(parent->indexOfChild(node) >= 0, "among its group's children");
        QCOMPARE(parent->object(), expected.group.empty()
                                       ? static_cast<QObject*>(top)
                                       : top->findChild<QObject*>(Q(expected.group)));

        const QString description = node->text(QAccessible::Description);
        if (expected.role == "graphic") {
            const forms::PictureWords* words = forms::WordsOfPicture(expected.control);
            QVERIFY(words);
            QCOMPARE(description, Q(words->description));
            QCOMPARE(description.section(QLatin1Char('\n'), 0, 0), Q(expected.description));
        } else {
            QVERIFY(description.isEmpty());
        }
    }

    // Said once, politely, after the command has written every field; the
    // shape choice is heard as the selection itself.
    void announcements_data() {
        QTest::addColumn<QStringList>("changes");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QStringList>("said");
        const QString ready = Q(ReadyText);
        QTest::newRow("Calculate") << QStringList() << "bCalc" << QStringList{ready};
        QTest::newRow("Calculate, a failed check")
            << QStringList{"eD=0"} << "bCalc"
            << QStringList{Q(StatusText(InputStatus::DiameterNotPositive))};
        QTest::newRow("Clear") << QStringList() << "bClear" << QStringList{ready};
        QTest::newRow("cylinder") << QStringList() << "rbCyl" << QStringList();
        QTest::newRow("a text that is no number")
            << QStringList{"ev0=x"} << "bCalc" << QStringList();
    }
    void announcements() {
        QFETCH(QStringList, changes);
        QFETCH(QString, command);
        QFETCH(QStringList, said);
        CloseWindows();
        QVERIFY(main_.Open());
        for (const QString& change : changes)
            main_.SetText(change.section(QLatin1Char('='), 0, 0),
                          change.section(QLatin1Char('='), 1));
        auto* announcer = main_.Window()->findChild<StatusAnnouncer*>();
        QVERIFY(announcer);
        QSignalSpy announced(announcer, &StatusAnnouncer::Announced);
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
        auto* notification = main_.Window()->findChild<AnnouncementNotification*>();
        QVERIFY(notification);
        const ShowCounter shown(notification);
#endif
        if (said.isEmpty() && command == "bCalc") {
            // The error dialog is what is heard.
            const MessageBoxSeen box = CloseMessageBoxOpenedBy([&] { main_.Click(command); });
            QVERIFY(box.shown);
        } else {
            main_.Click(command);
        }
        QStringList texts;
        for (const QList<QVariant>& signal : announced)
            texts.append(signal.at(0).toString());
        QCOMPARE(texts, said);
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
        // Shown once for the text, as a notification named by it.
        QCOMPARE(shown.shows, int(said.size()));
        if (!said.isEmpty()) {
            QVERIFY(notification->isVisible());
            QAccessibleInterface* node = QAccessible::queryAccessibleInterface(notification);
            QCOMPARE(node->role(), QAccessible::Notification);
            QCOMPARE(node->text(QAccessible::Name), said.last());
        }
#endif
    }

private:
    // The window in the situation, made anew when the situation changes.
    QWidget* OpenIn(const QString& window, const QString& situation) {
        const QString key = window + QLatin1Char('/') + situation;
        if (key == openKey_)
            return window == "main" ? static_cast<QWidget*>(main_.Window()) : info_.get();
        CloseWindows();
        openKey_ = key;
        if (window == "info") {
            info_ = std::make_unique<TfInfo>();
            info_->Show();
            return QTest::qWaitForWindowActive(info_.get()) ? info_.get() : nullptr;
        }
        if (!main_.Open())
            return nullptr;
        if (situation == "cylinder")
            main_.Click("rbCyl");
        else if (situation == "calculated")
            main_.Click("bCalc");
        else if (!situation.isEmpty())
            qFatal("the accessibility table names an unknown situation");
        return main_.Window();
    }

    void CloseWindows() {
        main_.Close();
        info_.reset();
        openKey_.clear();
    }

    MainWindowFixture main_;
    std::unique_ptr<TfInfo> info_;
    QString openKey_;
    ModalDialogWatchdog watchdog_;
};

int main(int argc, char* argv[]) {
    return RunWindowTest<TestAccessibility>(argc, argv);
}

#include "test_accessibility.moc"
