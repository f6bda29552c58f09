#pragma once
// One fresh set of windows, of the program or of the baseline: the main
// window shown and idle, the reference window created and hidden.

#include <memory>
#include <string>

#include <QList>

class QAbstractButton;
class QWidget;

namespace tarsilo {
class TApplication;
}

namespace tarsilo::bench {

class WindowSession {
public:
    virtual ~WindowSession() = default;

    virtual QAbstractButton* CalculateButton() const = 0;
    virtual QAbstractButton* InfoButton() const = 0;
    virtual QWidget* InfoWindow() const = 0;
    // The reference window's four pictures.
    virtual QList<QWidget*> Pictures() const = 0;
    // How "Инфо" reaches the reference window, for the report.
    virtual std::string InfoWiring() const = 0;
    // The texts of the edit fields, for checking that Calculate wrote them.
    std::string EditTexts() const;
};

// The program's windows as its shell creates them. Where the shell does not
// create the reference window yet, the session creates it and binds "Инфо"
// to its Show itself, and says so in InfoWiring().
std::unique_ptr<WindowSession> OpenProgramWindows(TApplication& application,
                                                  bool wireInfoHere = false);

std::unique_ptr<WindowSession> OpenBaselineWindows();

// The main window of a session.
QWidget* MainWindowOf(const WindowSession& session);

// Processes events until the window is exposed, then for `settleMs` more.
void ShowAndSettle(QWidget* window, int settleMs = 30);

} // namespace tarsilo::bench
