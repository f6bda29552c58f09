#include "qt/window_accessibility.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QGroupBox>
#include <QLabel>
#include <QMetaObject>
#include <QPushButton>
#include <QSet>
#include <QWidget>

#include "common/accessibility.h"

namespace tarsilo {

namespace {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QSet<QString>& WindowClasses() {
    static QSet<QString> classes;
    return classes;
}

bool IsProgramWindow(const QWidget* window) {
    return WindowClasses().contains(QString::fromLatin1(window->metaObject()->className()));
}

// A push button as both front ends present it: its default state follows the
// active button, which Enter clicks, and that key is its shortcut.
class PushButtonInterface : public QAccessibleWidget {
public:
    explicit PushButtonInterface(QPushButton* button)
        : QAccessibleWidget(button, QAccessible::PushButton) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.defaultButton = Button()->isDefault();
        state.pressed = Button()->isDown();
        return state;
    }

    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        // Clicked once the request has been answered: a command may open a
        // modal dialog, which would hold the answer back.
        if (action == pressAction())
            Button()->animateClick();
        else
            QAccessibleWidget::doAction(action);
    }

    QStringList keyBindingsForAction(const QString& action) const override {
        if (action == pressAction() && Button()->isDefault())
            return {FromUtf8(forms::ActiveButtonShortcut)};
        return {};
    }

private:
    QPushButton* Button() const { return static_cast<QPushButton*>(widget()); }
};

// Asked with the object's own class name first, so it comes before Qt's
// factory, which knows the window classes only as QWidget.
QAccessibleInterface* ProgramInterface(const QString& className, QObject* object) {
    if (!object || !object->isWidgetType())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (widget->isWindow()) {
        // The name of a window is its title.
        return WindowClasses().contains(className)
                   ? new QAccessibleWidget(widget, QAccessible::Window)
                   : nullptr;
    }
    if (!IsProgramWindow(widget->window()))
        return nullptr;
    if (auto* button = qobject_cast<QPushButton*>(widget))
        return new PushButtonInterface(button);
    if (object->inherits("tarsilo::PictureBox"))
        return new QAccessibleWidget(widget, QAccessible::Graphic);
    if (object->inherits("tarsilo::AnnouncementNotification"))
        return new QAccessibleWidget(widget, QAccessible::Notification);
    return nullptr;
}

// The caption a control of the window shows now.
QString CaptionOf(const QWidget* control) {
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    if (const auto* group = qobject_cast<const QGroupBox*>(control))
        return group->title();
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text();
    return {};
}

QWidget* ControlOf(QWidget* window, const forms::WindowDefinition& definition, int index) {
    return window->findChild<QWidget*>(QString::fromLatin1(definition.controls[index].name));
}

void NameControl(QWidget* window, const forms::WindowDefinition& definition, int index) {
    QWidget* control = ControlOf(window, definition, index);
    if (!control)
        return;
    const auto caption = [&](int other) {
        const QWidget* shown = ControlOf(window, definition, other);
        return shown ? CaptionOf(shown).toStdString() : std::string();
    };
    control->setAccessibleName(FromUtf8(forms::AccessibleName(definition, index, caption)));
    control->setAccessibleDescription(FromUtf8(forms::AccessibleDescription(definition, index)));
}

} // namespace

void ExposeAsWindow(const QMetaObject& windowClass) {
    if (WindowClasses().isEmpty())
        QAccessible::installFactory(ProgramInterface);
    WindowClasses().insert(QString::fromLatin1(windowClass.className()));
}

void NameControls(QWidget* window, const forms::WindowDefinition& definition) {
    for (int i = 0; i < static_cast<int>(definition.controls.size()); ++i)
        NameControl(window, definition, i);
}

void RenameAfterCaption(QWidget* window, const forms::WindowDefinition& definition,
                        std::string_view label) {
    const int index = forms::IndexOf(definition, label);
    if (index < 0)
        return;
    NameControl(window, definition, index);
    for (const int named : forms::ControlsNamedBy(definition, index))
        NameControl(window, definition, named);
}

} // namespace tarsilo
