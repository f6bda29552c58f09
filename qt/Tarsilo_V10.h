#pragma once
// The main window: input fields for the body, the planet and the calculation
// point, the results, the status line, the shape choice and four buttons.

#include <functional>
#include <memory>

#include <QWidget>

#include "qt/widget_fields.h"

namespace Ui {
class TfTarsilo_main;
}

namespace tarsilo {

class WindowKeyboard;

class TfTarsilo_main : public QWidget {
    Q_OBJECT
public:
    explicit TfTarsilo_main(QWidget* parent = nullptr);
    ~TfTarsilo_main() override;

    // What "Инфо" runs: the application shell passes the reference window's
    // Show once that window exists. Until then the button does nothing.
    void setInfoCommand(std::function<void()> command);

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void bCalcClick();
    void bClearClick();
    void bInfoClick();
    void rbBallClick();
    void rbCylClick();

    void ApplyControlKinds();
    void ScaleToScreen();
    void FitLabelsToCaptions();
    void BindEvents();

    std::unique_ptr<::Ui::TfTarsilo_main> ui_;
    WidgetFields fields_;
    WindowKeyboard* keyboard_ = nullptr;
    std::function<void()> infoCommand_;
    bool placed_ = false;
    bool iconGiven_ = false;
};

// The main window of the program; set and cleared by the application shell.
extern TfTarsilo_main* fTarsilo_main;

} // namespace tarsilo
