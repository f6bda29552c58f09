#pragma once
// The dialog keys of a window without a dialog manager of its own, as the
// shared key rules decide them (common/window_keys.h): Enter clicks the
// active button, which carries the default frame; Tab follows the window
// definition's tab sequence; the arrow keys move among the controls of a
// group box, selecting a radio button they reach.

#include <QObject>
#include <QPointer>
#include <vector>

#include "common/window_definition.h"

class QKeyEvent;
class QPushButton;
class QWidget;

namespace tarsilo {

class WindowKeyboard : public QObject {
    Q_OBJECT
public:
    // Watches every control of the definition, which must exist by now.
    WindowKeyboard(QWidget* window, const forms::WindowDefinition& definition);

    QPushButton* ActiveButton() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool HandleKey(QWidget* receiver, const QKeyEvent& key);
    void ShowDefaultFrameOn(QPushButton* active);
    int IndexOf(const QWidget* control) const;
    bool CanTakeFocus(int index) const;
    bool IsChecked(int index) const;
    void FocusControl(int index, bool forward);

    QWidget* window_;
    const forms::WindowDefinition& definition_;
    std::vector<QPointer<QWidget>> controls_; // by index in the definition
};

} // namespace tarsilo
