// The program's windows, created by the application shell.

#include <stdexcept>

#include <QPushButton>

#include "bench/response/window_session.h"
#include "qt/Info.h"
#include "qt/Tarsilo_V10.h"
#include "qt/app/application.h"
#include "qt/app/program.h"
#include "qt/picture_box.h"

namespace tarsilo::bench {

namespace {

class ProgramSession : public WindowSession {
public:
    ProgramSession(TApplication& application, bool wireInfoHere) : application_(application) {
        CreateForms(application_);
        main_ = qobject_cast<TfTarsilo_main*>(application_.MainForm());
        if (!main_)
            throw std::runtime_error("the shell created no main window");
        info_ = main_->findChild<TfInfo*>();
        if (!info_ || wireInfoHere) {
            if (!info_)
                info_ = new TfInfo(main_);
            TfInfo* info = info_;
            main_->setInfoCommand([info] { info->Show(); });
            wiring_ = "bound by the benchmark to TfInfo::Show: the shell does not open it";
        } else {
            wiring_ = "created and bound by the application shell";
        }
        ShowAndSettle(main_);
    }
    ~ProgramSession() override { application_.Shutdown(); }

    QAbstractButton* CalculateButton() const override { return Button("bCalc"); }
    QAbstractButton* InfoButton() const override { return Button("bInfo"); }
    QWidget* InfoWindow() const override { return info_; }
    QList<QWidget*> Pictures() const override {
        QList<QWidget*> pictures;
        for (PictureBox* picture : info_->findChildren<PictureBox*>())
            pictures.append(picture);
        return pictures;
    }
    std::string InfoWiring() const override { return wiring_; }

private:
    QAbstractButton* Button(const char* name) const {
        auto* button = main_->findChild<QPushButton*>(QString::fromLatin1(name));
        if (!button)
            throw std::runtime_error(std::string("the main window has no ") + name);
        return button;
    }

    TApplication& application_;
    TfTarsilo_main* main_ = nullptr;
    TfInfo* info_ = nullptr;
    std::string wiring_;
};

} // namespace

std::unique_ptr<WindowSession> OpenProgramWindows(TApplication& application, bool wireInfoHere) {
    return std::make_unique<ProgramSession>(application, wireInfoHere);
}

} // namespace tarsilo::bench
