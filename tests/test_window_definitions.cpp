// The window tables generated for the toolkit-free front end, against the
// same window definitions compiled for Qt: every control with its kind,
// parent, geometry, text and state, the creation order and the tab order.

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "common/window_definition.h"
#include "ui_Info.h"
#include "ui_Tarsilo_V10.h"

using namespace tarsilo::forms;

Q_DECLARE_METATYPE(const WindowDefinition*)

namespace {

enum class Shape { Ball, Cylinder };

// A window definition as the Qt front end builds it, before any of the
// windows' own adjustments (fonts, scaling, label sizes).
class Form {
public:
    explicit Form(const WindowDefinition* definition) {
        if (definition == &MainWindowDefinition)
            Ui::TfTarsilo_main().setupUi(&widget_);
        else
            Ui::TfInfo().setupUi(&widget_);
    }
    QWidget& Widget() { return widget_; }
    QWidget* Control(const char* name) { return widget_.findChild<QWidget*>(name); }

private:
    QWidget widget_;
};

QString Text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// The Qt classes each kind of control is built from.
const char* QtClassOf(ControlKind kind) {
    switch (kind) {
    case ControlKind::GroupBox:
        return "QGroupBox";
    case ControlKind::Label:
        return "QLabel";
    case ControlKind::Edit:
        return "QLineEdit";
    case ControlKind::Button:
        return "QPushButton";
    case ControlKind::CloseButton:
        return "tarsilo::CloseButton";
    case ControlKind::RadioButton:
        return "tarsilo::ShapeSelector";
    case ControlKind::Picture:
        return "tarsilo::PictureBox";
    }
    return "";
}

QString CaptionOf(QWidget* control) {
    if (auto* group = qobject_cast<QGroupBox*>(control))
        return group->title();
    if (auto* label = qobject_cast<QLabel*>(control))
        return label->text();
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        return edit->text();
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        return button->text();
    return {};
}

// The controls of the form a parent first, then its contents, each parent's
// children in the order they were made.
void CollectInCreationOrder(const QWidget* parent, QStringList& names) {
    for (const QObject* child : parent->children()) {
        if (!child->isWidgetType() || child->objectName().isEmpty() ||
            child->objectName().startsWith(QLatin1String("qt_")))
            continue;
        names.append(child->objectName());
        CollectInCreationOrder(static_cast<const QWidget*>(child), names);
    }
}

// The controls Tab visits in Qt's focus chain, hidden ones included.
QStringList FocusChainTabStops(QWidget& window) {
    QStringList names;
    for (QWidget* w = window.nextInFocusChain(); w && w != &window; w = w->nextInFocusChain()) {
        if (w->focusPolicy() & Qt::TabFocus)
            names.append(w->objectName());
    }
    return names;
}

QStringList Names(const WindowDefinition& window, std::span<const int> indexes) {
    QStringList names;
    for (const int i : indexes)
        names.append(Text(window.controls[i].name));
    return names;
}

void AddWindowRows() {
    QTest::addColumn<const WindowDefinition*>("window");
    QTest::newRow("main window") << &MainWindowDefinition;
    QTest::newRow("reference window") << &InfoWindowDefinition;
}

} // namespace

class TestWindowDefinitions : public QObject {
    Q_OBJECT
private slots:
    void windowMatchesTheForm_data();
    void windowMatchesTheForm();
    void controlMatchesTheForm_data();
    void controlMatchesTheForm();
    void controlsStandInCreationOrder_data();
    void controlsStandInCreationOrder();
    void tabSequenceIsTheFormsFocusChain_data();
    void tabSequenceIsTheFormsFocusChain();
    void tabSequenceOfTheVisibleTabStops_data();
    void tabSequenceOfTheVisibleTabStops();
    void indexOfFindsExactNamesOnly_data();
    void indexOfFindsExactNamesOnly();
};

void TestWindowDefinitions::windowMatchesTheForm_data() {
    QTest::addColumn<const WindowDefinition*>("window");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QPoint>("designedPosition");
    QTest::newRow("main window") << &MainWindowDefinition << "fTarsilo_main"
                                 << "TfTarsilo_main" << QPoint(239, 118);
    QTest::newRow("reference window") << &InfoWindowDefinition << "fInfo"
                                      << "TfInfo" << QPoint(30, 51);
}

void TestWindowDefinitions::windowMatchesTheForm() {
    QFETCH(const WindowDefinition*, window);
    QFETCH(QString, name);
    QFETCH(QString, className);
    QFETCH(QPoint, designedPosition);
    Form form(window);
    QCOMPARE(Text(window->name), name);
    QCOMPARE(form.Widget().objectName(), name);
    QCOMPARE(Text(window->className), className);
    QCOMPARE(Text(window->caption), form.Widget().windowTitle());
    QCOMPARE(QSize(window->clientWidth, window->clientHeight), form.Widget().size());
    QCOMPARE(QPoint(window->left, window->top), designedPosition);
}

void TestWindowDefinitions::controlMatchesTheForm_data() {
    QTest::addColumn<const WindowDefinition*>("window");
    QTest::addColumn<int>("index");
    for (const WindowDefinition* window : {&MainWindowDefinition, &InfoWindowDefinition}) {
        for (int i = 0; i < static_cast<int>(window->controls.size()); ++i)
            QTest::addRow("%s: %s", window->name, window->controls[i].name) << window << i;
    }
}

void TestWindowDefinitions::controlMatchesTheForm() {
    QFETCH(const WindowDefinition*, window);
    QFETCH(int, index);
    const ControlDefinition& defined = window->controls[index];
    Form form(window);
    QWidget* control = form.Control(defined.name);
    QVERIFY2(control, defined.name);

    QCOMPARE(IndexOf(*window, defined.name), index);
    QCOMPARE(control->metaObject()->className(), QtClassOf(defined.kind));
    const QWidget* parent = control->parentWidget();
    if (defined.parent < 0) {
        QCOMPARE(parent, &form.Widget());
    } else {
        QCOMPARE(window->controls[defined.parent].kind, ControlKind::GroupBox);
        QCOMPARE(parent->objectName(), Text(window->controls[defined.parent].name));
    }
    QCOMPARE(QRect(defined.left, defined.top, defined.width, defined.height), control->geometry());
    QCOMPARE(Text(defined.text), CaptionOf(control));
    QCOMPARE(defined.visible, !control->isHidden());
    const auto* button = qobject_cast<QPushButton*>(control);
    QCOMPARE(defined.isDefault, button && button->isDefault());
    const auto* radio = qobject_cast<QRadioButton*>(control);
    QCOMPARE(defined.checked, radio && radio->isChecked());
    QCOMPARE(defined.greekLetter, control->property("greekLetter").toBool());
    QCOMPARE(Text(defined.accessibleName), control->accessibleName());
    const auto* label = qobject_cast<QLabel*>(control);
    const QWidget* buddy = label ? label->buddy() : nullptr;
    QCOMPARE(defined.buddy < 0 ? QString() : Text(window->controls[defined.buddy].name),
             buddy ? buddy->objectName() : QString());
    // A tab stop is exactly a control Tab can reach; a group box has a place
    // when it holds one.
    const bool takesTab = control->focusPolicy() & Qt::TabFocus;
    if (defined.kind != ControlKind::GroupBox)
        QCOMPARE(defined.tabOrder >= 0, takesTab);
}

void TestWindowDefinitions::controlsStandInCreationOrder_data() {
    AddWindowRows();
}

void TestWindowDefinitions::controlsStandInCreationOrder() {
    QFETCH(const WindowDefinition*, window);
    Form form(window);
    QStringList formOrder;
    CollectInCreationOrder(&form.Widget(), formOrder);
    QStringList tableOrder;
    for (const ControlDefinition& control : window->controls)
        tableOrder.append(Text(control.name));
    QCOMPARE(tableOrder, formOrder);
}

void TestWindowDefinitions::tabSequenceIsTheFormsFocusChain_data() {
    AddWindowRows();
}

void TestWindowDefinitions::tabSequenceIsTheFormsFocusChain() {
    QFETCH(const WindowDefinition*, window);
    Form form(window);
    QCOMPARE(Names(*window, TabSequence(*window)), FocusChainTabStops(form.Widget()));
    // Asked again, the same sequence in the same place.
    QCOMPARE(TabSequence(*window).data(), TabSequence(*window).data());
}

void TestWindowDefinitions::tabSequenceOfTheVisibleTabStops_data() {
    QTest::addColumn<Shape>("shape");
    QTest::addColumn<QStringList>("sequence");
    const QStringList before{"bCalc", "bClear", "bInfo", "bbClose"};
    const QStringList after{"eCb", "eRoB", "eg",   "eRo0",  "emu",  "eTemp", "eHx", "eVV",
                            "em",  "ev",   "evv0", "ev_v0", "eEt0", "eEt",   "evc", "eReady"};
    QTest::newRow("ball selected")
        << Shape::Ball << before + QStringList{"rbBall", "ev0", "eD"} + after;
    QTest::newRow("cylinder selected")
        << Shape::Cylinder << before + QStringList{"rbCyl", "ev0", "eD", "eL"} + after;
}

// What a front end does with the sequence: it skips hidden controls and the
// shape selector that is not selected.
void TestWindowDefinitions::tabSequenceOfTheVisibleTabStops() {
    QFETCH(Shape, shape);
    QFETCH(QStringList, sequence);
    const WindowDefinition& window = MainWindowDefinition;
    const bool cylinder = shape == Shape::Cylinder;
    QStringList visited;
    for (const int i : TabSequence(window)) {
        const ControlDefinition& control = window.controls[i];
        const QString name = Text(control.name);
        const bool shown = control.visible || (cylinder && name == u"eL");
        const bool selected =
            control.kind != ControlKind::RadioButton || name == (cylinder ? u"rbCyl" : u"rbBall");
        if (shown && selected)
            visited.append(name);
    }
    QCOMPARE(visited, sequence);
}

void TestWindowDefinitions::indexOfFindsExactNamesOnly_data() {
    QTest::addColumn<const WindowDefinition*>("window");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("found");
    QTest::newRow("first control") << &MainWindowDefinition << "bbClose" << true;
    QTest::newRow("last control") << &MainWindowDefinition << "eReady" << true;
    QTest::newRow("a name that starts others") << &MainWindowDefinition << "ev" << true;
    QTest::newRow("other case") << &MainWindowDefinition << "BCALC" << false;
    QTest::newRow("longer than a name") << &MainWindowDefinition << "ev00" << false;
    QTest::newRow("empty") << &InfoWindowDefinition << "" << false;
    QTest::newRow("in the other window") << &InfoWindowDefinition << "bCalc" << false;
}

void TestWindowDefinitions::indexOfFindsExactNamesOnly() {
    QFETCH(const WindowDefinition*, window);
    QFETCH(QString, name);
    QFETCH(bool, found);
    const QByteArray utf8 = name.toUtf8();
    const int index = IndexOf(*window, std::string_view(utf8.constData(), utf8.size()));
    QCOMPARE(index >= 0, found);
    if (found)
        QCOMPARE(Text(window->controls[index].name), name);
}

QTEST_MAIN(TestWindowDefinitions)
#include "test_window_definitions.moc"
