#pragma once
// The start-up and response baseline: a bare Qt Widgets window of the main
// window's size with as many edits (19), labels (25) and push buttons (4) as
// the main window, and nothing else: no style, font, icon or scaling of its own.

#include <functional>

#include <QList>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tarsilo::bench {

class BaselineWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int EditCount = 19;
    static constexpr int LabelCount = 25;
    static constexpr int ButtonCount = 4;

    explicit BaselineWindow(QWidget* parent = nullptr);

    QPushButton* CalculateButton() const { return buttons_[0]; }
    QPushButton* InfoButton() const { return buttons_[2]; }
    void SetInfoCommand(std::function<void()> command) { infoCommand_ = std::move(command); }

    // What the first button does: writes fixed texts where the main window's
    // Calculate writes its results (eight fields, two captions, the status
    // line), without reading or computing anything.
    void WriteResults();

private:
    QList<QLineEdit*> edits_;
    QList<QLabel*> labels_;
    QList<QPushButton*> buttons_;
    std::function<void()> infoCommand_;
};

} // namespace tarsilo::bench
