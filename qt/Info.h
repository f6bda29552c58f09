#pragma once
// The reference window: the notation, the formulas for both shapes and the
// drag-coefficient table as pictures, contact details and a close button. It
// has no command of its own besides closing, and closing only hides it.

#include <memory>

#include <QPointer>
#include <QWidget>

namespace Ui {
class TfInfo;
}

namespace tarsilo {

class TfInfo : public QWidget {
    Q_OBJECT
public:
    // Created hidden; reads the headers of its pictures, and a decoder failure
    // there raises EJPEG. The owner (the main window) is not a parent: the
    // window manager stacks the two windows on their own, so either can be in
    // front. The owner takes the activation back when this window closes.
    explicit TfInfo(QWidget* owner = nullptr);
    ~TfInfo() override;

    // Makes a hidden window visible where it last stood (first at its designed
    // place), on the active window's monitor; a visible one is not moved, a
    // minimised one is restored. Then raises and activates it. Never blocks.
    void Show();

protected:
    void closeEvent(QCloseEvent* event) override;
    // The window has no task entry of its own: the program's is the main
    // window's.
    void showEvent(QShowEvent* event) override;

private:
    void LoadPictures();
    // Moves the hidden window onto the active window's monitor, frame and all.
    void MoveToActiveMonitor();
    void ScaleToScreen();

    std::unique_ptr<::Ui::TfInfo> ui_;
    QPointer<QWidget> owner_;
    bool prepared_ = false;
};

// The program's reference window, created by the application shell.
extern TfInfo* fInfo;

} // namespace tarsilo
