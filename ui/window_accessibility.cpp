#include "ui/window_accessibility.h"

#include <QAccessibleWidget>
#include <QMetaObject>
#include <QSet>
#include <QWidget>

namespace tarsilo {

namespace {

QSet<QString>& WindowClasses() {
    static QSet<QString> classes;
    return classes;
}

// Asked with the object's own class name first, so it comes before Qt's
// factory, which knows these classes only as QWidget.
QAccessibleInterface* WindowInterface(const QString& className, QObject* object) {
    if (!object || !object->isWidgetType() || !WindowClasses().contains(className))
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (!widget->isWindow())
        return nullptr;
    // The name of a window is its title.
    return new QAccessibleWidget(widget, QAccessible::Window);
}

} // namespace

void ExposeAsWindow(const QMetaObject& windowClass) {
    if (WindowClasses().isEmpty())
        QAccessible::installFactory(WindowInterface);
    WindowClasses().insert(QString::fromLatin1(windowClass.className()));
}

} // namespace tarsilo
