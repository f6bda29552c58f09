#pragma once
// The reference window: the notation, the formulas for both shapes and the
// drag-coefficient table as pictures, contact details and a close button. It
// has no command of its own besides closing, and closing only hides it.

#include <memory>

#include <QWidget>

namespace Ui {
class TfInfo;
}

namespace tarsilo {

class TfInfo : public QWidget {
    Q_OBJECT
public:
    // Created hidden; reads the headers of its pictures, and a decoder failure
    // there raises EJPEG. With the main window as parent the window belongs to
    // it: no task entry of its own, and it is minimised together with it.
    explicit TfInfo(QWidget* parent = nullptr);
    ~TfInfo() override;

    // Makes a hidden window visible where it last stood (first at its designed
    // place), on the active window's monitor; a visible one is not moved. Then
    // raises and activates it. Never blocks.
    void Show();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void LoadPictures();
    void ScaleToScreen();

    std::unique_ptr<::Ui::TfInfo> ui_;
};

// The program's reference window, created by the application shell.
extern TfInfo* fInfo;

} // namespace tarsilo
