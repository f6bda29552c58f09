#pragma once
// The dialog keys of a window without a dialog manager of its own.
//
// Enter without Shift, Ctrl and Alt clicks the active button: the focused push
// button, else the default button; the active button carries the default
// frame. Modified Enter and Esc do nothing. On push buttons and radio buttons
// the arrow keys move the focus to the previous or next focusable sibling in
// tab order, wrapping around; a radio button reached that way is selected.

#include <QObject>
#include <QPointer>

class QKeyEvent;
class QPushButton;
class QWidget;

namespace tarsilo {

class WindowKeyboard : public QObject {
    Q_OBJECT
public:
    // Watches every control that exists in the window at this point.
    WindowKeyboard(QWidget* window, QPushButton* defaultButton);

    QPushButton* ActiveButton() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool HandleKey(QWidget* receiver, const QKeyEvent& key);
    void ShowDefaultFrameOn(QPushButton* active);
    void FocusSibling(QWidget* from, bool forward);

    QWidget* window_;
    QPointer<QPushButton> defaultButton_;
};

} // namespace tarsilo
