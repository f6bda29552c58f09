// A scripted session of the whole program for valgrind memcheck: the shell's
// own start-up, windows, event loop and shutdown, driven by a timer the way a
// user would drive them. It calculates, shows the error dialog for a text that
// does not convert, chooses the cylinder, opens the reference window until its
// pictures are painted, closes it, opens it again and closes the main window.
//
// Exit status: the program's own (0 after the main window closed), or 2 when a
// step did not see what it expected (the reason goes to stderr).

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include <QAbstractButton>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

#include "calc/decimal_mark.h"
#include "qt/Info.h"
#include "qt/Tarsilo_V10.h"
#include "qt/app/application.h"
#include "qt/app/program.h"
#include "qt/picture_box.h"

using namespace tarsilo;

namespace {

// Generous: everything runs many times slower under memcheck.
constexpr qint64 SessionLimitMs = 120'000;

QLineEdit* Edit(const char* name) {
    return fTarsilo_main->findChild<QLineEdit*>(QLatin1String(name));
}

void Click(QWidget* window, const char* name) {
    window->findChild<QAbstractButton*>(QLatin1String(name))->click();
}

bool PicturesPainted() {
    const QList<PictureBox*> pictures = fInfo->findChildren<PictureBox*>();
    return pictures.size() == 4 &&
           std::all_of(pictures.cbegin(), pictures.cend(),
                       [](const PictureBox* box) { return box->Picture().DecodeCount() == 1; });
}

enum class Progress { Waiting, Done, Failed };

Progress Expect(bool condition) {
    return condition ? Progress::Done : Progress::Failed;
}

Progress DoneWhen(bool condition) {
    return condition ? Progress::Done : Progress::Waiting;
}

// Runs the steps one after the other on a timer; a step that waits is asked
// again on the next tick.
class Session : public QObject {
public:
    using Step = std::function<Progress()>;

    Session(TApplication& application, std::vector<std::pair<const char*, Step>> steps)
        : application_(application), steps_(std::move(steps)) {
        connect(&tick_, &QTimer::timeout, this, &Session::Advance);
        tick_.start(20);
        clock_.start();
    }

    bool Failed() const { return failed_; }

    // Records the text of the modal message box that opens next and closes it
    // with its OK button.
    void CloseNextDialog(QString& text) {
        QTimer::singleShot(0, this, [this, &text] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return CloseNextDialog(text);
            text = box->text();
            box->button(QMessageBox::Ok)->click();
        });
    }

private:
    void Advance() {
        // The error dialog's own event loop runs this timer too.
        if (busy_ || next_ == steps_.size())
            return;
        const char* name = steps_[next_].first;
        if (clock_.elapsed() > SessionLimitMs)
            return Fail(name, "the session ran out of time");
        busy_ = true;
        const Progress progress = steps_[next_].second();
        busy_ = false;
        if (progress == Progress::Waiting)
            return;
        if (progress == Progress::Failed)
            return Fail(name, "it did not see what it expected");
        std::fprintf(stderr, "memcheck session: %s after %lld ms\n", name, clock_.elapsed());
        if (++next_ == steps_.size())
            tick_.stop();
    }

    void Fail(const char* step, const char* reason) {
        std::fprintf(stderr, "memcheck session: step \"%s\" failed: %s\n", step, reason);
        failed_ = true;
        next_ = steps_.size();
        tick_.stop();
        application_.Terminate();
    }

    TApplication& application_;
    std::vector<std::pair<const char*, Step>> steps_;
    std::size_t next_ = 0;
    QTimer tick_;
    QElapsedTimer clock_;
    bool busy_ = false;
    bool failed_ = false;
};

} // namespace

int main(int argc, char* argv[]) {
    EstablishFpuMode();
    ReadDecimalMark();
    TApplication application(argc, argv);

    QString dialogText;
    Session* session = nullptr;
    std::vector<std::pair<const char*, Session::Step>> steps = {
        {"main window shown", [] { return DoneWhen(fTarsilo_main && fTarsilo_main->isVisible()); }},
        {"ball calculated",
         [] {
             Edit("eD")->setText("2");
             Click(fTarsilo_main, "bCalc");
             return Expect(Edit("eVV")->text() == "4.1888");
         }},
        {"error dialog shown and closed",
         [&] {
             Edit("ev0")->setText("abc");
             session->CloseNextDialog(dialogText);
             Click(fTarsilo_main, "bCalc");
             Edit("ev0")->setText("10000");
             return Expect(dialogText == "'abc' is not a valid floating point value.");
         }},
        {"cylinder calculated",
         [] {
             Click(fTarsilo_main, "rbCyl");
             Click(fTarsilo_main, "bCalc");
             return Expect(Edit("eL")->isVisible() && Edit("eReady")->text() == "Готов ...");
         }},
        {"reference window opened",
         [] {
             Click(fTarsilo_main, "bInfo");
             return Expect(fInfo->isVisible());
         }},
        {"reference pictures painted", [] { return DoneWhen(PicturesPainted()); }},
        {"reference window closed",
         [] {
             Click(fInfo, "BitBtn1");
             return Expect(!fInfo->isVisible());
         }},
        {"reference window opened again",
         [] {
             Click(fTarsilo_main, "bInfo");
             return Expect(fInfo->isVisible());
         }},
        {"main window closed with the reference window open",
         [] {
             Click(fTarsilo_main, "bbClose");
             return Progress::Done;
         }},
    };
    Session driver(application, std::move(steps));
    session = &driver;

    const int status = RunProgram(application);
    if (status != 0)
        return status;
    return driver.Failed() ? 2 : 0;
}
