// The bare Qt Widgets windows beside the program's.

#include <QPushButton>

#include "bench/baseline/baseline_window.h"
#include "bench/response/baseline_info_window.h"
#include "bench/response/window_session.h"

namespace tarsilo::bench {

namespace {

class BaselineSession : public WindowSession {
public:
    BaselineSession() : info_(new BaselineInfoWindow(&main_)) {
        BaselineInfoWindow* info = info_;
        main_.SetInfoCommand([info] { info->Show(); });
        ShowAndSettle(&main_);
    }

    QAbstractButton* CalculateButton() const override { return main_.CalculateButton(); }
    QAbstractButton* InfoButton() const override { return main_.InfoButton(); }
    QWidget* InfoWindow() const override { return info_; }
    QList<QWidget*> Pictures() const override { return info_->Pictures(); }
    std::string InfoWiring() const override { return "bound to the window's Show"; }

private:
    BaselineWindow main_;
    BaselineInfoWindow* info_;
};

} // namespace

std::unique_ptr<WindowSession> OpenBaselineWindows() {
    return std::make_unique<BaselineSession>();
}

} // namespace tarsilo::bench
