#include "ui/window_keyboard.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>

namespace tarsilo {

namespace {

bool CanTakeFocus(const QWidget* widget) {
    return widget->focusPolicy() != Qt::NoFocus && widget->isVisible() && widget->isEnabled();
}

} // namespace

WindowKeyboard::WindowKeyboard(QWidget* window, QPushButton* defaultButton)
    : QObject(window), window_(window), defaultButton_(defaultButton) {
    window_->installEventFilter(this);
    for (QWidget* control : window_->findChildren<QWidget*>())
        control->installEventFilter(this);
    ShowDefaultFrameOn(defaultButton_);
    // Also when the focus leaves the window: a push button drops its default
    // state on losing the focus, but an inactive window keeps its frame.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
        if ((old && old->window() == window_) || (now && now->window() == window_))
            ShowDefaultFrameOn(ActiveButton());
    });
}

QPushButton* WindowKeyboard::ActiveButton() const {
    QWidget* focus = window_->focusWidget();
    if (auto* button = qobject_cast<QPushButton*>(focus); button && window_->isAncestorOf(button))
        return button;
    return defaultButton_;
}

bool WindowKeyboard::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress)
        return HandleKey(static_cast<QWidget*>(watched), static_cast<QKeyEvent&>(*event));
    return false;
}

bool WindowKeyboard::HandleKey(QWidget* receiver, const QKeyEvent& key) {
    switch (key.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        constexpr Qt::KeyboardModifiers modifiers =
            Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;
        if (key.modifiers() & modifiers)
            return true;
        QPushButton* active = ActiveButton();
        if (active && active->isVisible() && active->isEnabled() &&
            active->focusPolicy() != Qt::NoFocus)
            active->click();
        return true;
    }
    case Qt::Key_Escape:
        return true;
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Down:
        // Edits keep the arrows for the caret.
        if (!qobject_cast<QPushButton*>(receiver) && !qobject_cast<QRadioButton*>(receiver))
            return false;
        FocusSibling(receiver, key.key() == Qt::Key_Right || key.key() == Qt::Key_Down);
        return true;
    default:
        return false;
    }
}

void WindowKeyboard::ShowDefaultFrameOn(QPushButton* active) {
    for (QPushButton* button : window_->findChildren<QPushButton*>())
        button->setDefault(button == active);
}

void WindowKeyboard::FocusSibling(QWidget* from, bool forward) {
    // The siblings in tab order: the focus chain visits every widget once.
    QList<QWidget*> siblings;
    for (QWidget* w = window_->nextInFocusChain(); w != window_; w = w->nextInFocusChain()) {
        if (w->parentWidget() == from->parentWidget() && (w == from || CanTakeFocus(w)))
            siblings.append(w);
    }
    const qsizetype count = siblings.size();
    const qsizetype here = siblings.indexOf(from);
    if (count < 2 || here < 0)
        return;
    QWidget* target = siblings[(here + (forward ? 1 : count - 1)) % count];
    target->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    if (auto* radio = qobject_cast<QRadioButton*>(target);
        radio && radio->autoExclusive() && !radio->isChecked())
        radio->click();
}

} // namespace tarsilo
