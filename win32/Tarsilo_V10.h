#pragma once
// The main window: input fields for the body, the planet and the calculation
// point, the results, the status line, the shape choice and four buttons.

#include <functional>

#include "win32/control_fields.h"
#include "win32/form.h"

namespace tarsilo::win32 {

class TfTarsilo_main : public Form {
public:
    // Created hidden; `owner` is the application's window, which minimises
    // in its place.
    explicit TfTarsilo_main(HWND owner = nullptr);
    ~TfTarsilo_main() override;

    // What "Инфо" runs: the application shell passes the reference window's
    // Show once that window exists. Until then the button does nothing.
    void SetInfoCommand(std::function<void()> command) { infoCommand_ = std::move(command); }

    WindowFields& Fields() { return fields_; }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void ButtonClicked(int index) override;
    void RadioSelected(int index) override;

private:
    void bCalcClick();
    void bClearClick();
    void bInfoClick();
    void rbBallClick();
    void rbCylClick();

    void CentreOnDesktop();

    ControlFields fields_;
    std::function<void()> infoCommand_;
    bool placed_ = false;
};

// The main window of the program; set and cleared by the application shell.
extern TfTarsilo_main* fTarsilo_main;

} // namespace tarsilo::win32
