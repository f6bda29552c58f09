#include "qt/window_keyboard.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "common/window_keys.h"

namespace tarsilo {

namespace {

forms::Key KeyOf(const QKeyEvent& key) {
    switch (key.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return forms::Key::Enter;
    case Qt::Key_Escape:
        return forms::Key::Escape;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return forms::Key::Tab;
    case Qt::Key_Left:
        return forms::Key::Left;
    case Qt::Key_Up:
        return forms::Key::Up;
    case Qt::Key_Right:
        return forms::Key::Right;
    case Qt::Key_Down:
        return forms::Key::Down;
    default:
        return forms::Key::Other;
    }
}

forms::KeyModifiers ModifiersOf(const QKeyEvent& key) {
    // Qt reports Shift+Tab as Backtab, with or without the Shift modifier.
    return {(key.modifiers() & Qt::ShiftModifier) != 0 || key.key() == Qt::Key_Backtab,
            (key.modifiers() & Qt::ControlModifier) != 0, (key.modifiers() & Qt::AltModifier) != 0};
}

} // namespace

WindowKeyboard::WindowKeyboard(QWidget* window, const forms::WindowDefinition& definition)
    : QObject(window), window_(window), definition_(definition) {
    for (const forms::ControlDefinition& control : definition_.controls)
        controls_.emplace_back(window_->findChild<QWidget*>(QLatin1String(control.name)));
    window_->installEventFilter(this);
    for (QWidget* control : window_->findChildren<QWidget*>())
        control->installEventFilter(this);
    ShowDefaultFrameOn(ActiveButton());
    // Also when the focus leaves the window: a push button drops its default
    // state on losing the focus, but an inactive window keeps its frame.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
        if ((old && old->window() == window_) || (now && now->window() == window_))
            ShowDefaultFrameOn(ActiveButton());
    });
}

int WindowKeyboard::IndexOf(const QWidget* control) const {
    const auto found = std::find(controls_.begin(), controls_.end(), control);
    return control && found != controls_.end() ? static_cast<int>(found - controls_.begin()) : -1;
}

bool WindowKeyboard::CanTakeFocus(int index) const {
    const QWidget* control = controls_[index];
    return control && control->focusPolicy() != Qt::NoFocus && control->isVisibleTo(window_) &&
           control->isEnabled();
}

bool WindowKeyboard::IsChecked(int index) const {
    const auto* radio = qobject_cast<const QRadioButton*>(controls_[index].data());
    return radio && radio->isChecked();
}

QPushButton* WindowKeyboard::ActiveButton() const {
    const int active = forms::ActiveButton(definition_, IndexOf(window_->focusWidget()));
    return active >= 0 ? qobject_cast<QPushButton*>(controls_[active].data()) : nullptr;
}

bool WindowKeyboard::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress)
        return HandleKey(static_cast<QWidget*>(watched), static_cast<QKeyEvent&>(*event));
    return false;
}

bool WindowKeyboard::HandleKey(QWidget* receiver, const QKeyEvent& key) {
    const int focused = IndexOf(receiver);
    const auto canTakeFocus = [this](int index) { return CanTakeFocus(index); };
    const forms::KeyAction action =
        forms::DecideKey(KeyOf(key), ModifiersOf(key), definition_, focused);
    switch (action) {
    case forms::KeyAction::PassOn:
        return false;
    case forms::KeyAction::Swallow:
        return true;
    case forms::KeyAction::ClickActiveButton: {
        QPushButton* active = ActiveButton();
        if (active && CanTakeFocus(IndexOf(active)))
            active->click();
        return true;
    }
    case forms::KeyAction::NextTabStop:
    case forms::KeyAction::PreviousTabStop: {
        const bool forward = action == forms::KeyAction::NextTabStop;
        FocusControl(forms::TabStopTarget(definition_, focused, forward, canTakeFocus,
                                          [this](int index) { return IsChecked(index); }),
                     forward);
        return true;
    }
    case forms::KeyAction::NextSibling:
    case forms::KeyAction::PreviousSibling: {
        const bool forward = action == forms::KeyAction::NextSibling;
        const int target = forms::SiblingTarget(definition_, focused, forward, canTakeFocus);
        FocusControl(target, forward);
        // As the arrow keys do among radio buttons: the one reached is selected.
        if (auto* radio =
                target >= 0 ? qobject_cast<QRadioButton*>(controls_[target].data()) : nullptr;
            radio && !radio->isChecked())
            radio->click();
        return true;
    }
    }
    return false;
}

void WindowKeyboard::FocusControl(int index, bool forward) {
    // By the keyboard's reasons, so that an edit reached selects its text.
    if (index >= 0)
        controls_[index]->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
}

void WindowKeyboard::ShowDefaultFrameOn(QPushButton* active) {
    for (QPushButton* button : window_->findChildren<QPushButton*>())
        button->setDefault(button == active);
}

} // namespace tarsilo
