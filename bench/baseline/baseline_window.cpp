#include "bench/baseline/baseline_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tarsilo::bench {

namespace {

constexpr QSize ClientSize(742, 363);
constexpr int InputRows = 10;
constexpr int ResultRows = 8;
constexpr int RowPitch = 24;

// The positions of the result fields in edits_, after the inputs, and of the
// status line after them.
constexpr int FirstResult = InputRows;
constexpr int StatusLine = InputRows + ResultRows;

} // namespace

BaselineWindow::BaselineWindow(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("Baseline window"));
    setFixedSize(ClientSize);

    // Inputs on the left, results on the right, each with its caption.
    for (int row = 0; row < InputRows + ResultRows; ++row) {
        const bool input = row < InputRows;
        const int left = input ? 16 : 400;
        const int top = 24 + RowPitch * (input ? row : row - InputRows);
        auto* edit = new QLineEdit(QString::number(row + 1), this);
        edit->setGeometry(left, top, 81, 21);
        edits_.append(edit);
        auto* label = new QLabel(QStringLiteral("Подпись поля номер %1, ед.").arg(row + 1), this);
        label->move(left + 88, top + 4);
        labels_.append(label);
    }
    auto* status = new QLineEdit(QStringLiteral("Готов ..."), this);
    status->setGeometry(400, 264, 321, 21);
    edits_.append(status);
    // The rest of the captions, as in the window's composite captions.
    for (int extra = labels_.size(); extra < LabelCount; ++extra) {
        auto* label = new QLabel(QStringLiteral("ρ"), this);
        label->move(300, 24 + RowPitch * (extra - InputRows - ResultRows));
        labels_.append(label);
    }
    const QString captions[ButtonCount] = {QStringLiteral("Расчет"), QStringLiteral("Очистить"),
                                           QStringLiteral("Инфо"), QStringLiteral("Выход")};
    for (int i = 0; i < ButtonCount; ++i) {
        auto* button = new QPushButton(captions[i], this);
        button->setGeometry(400 + 82 * i, 312, 75, 25);
        buttons_.append(button);
    }
    connect(buttons_[0], &QPushButton::clicked, this, &BaselineWindow::WriteResults);
    connect(buttons_[2], &QPushButton::clicked, this, [this] {
        if (infoCommand_)
            infoCommand_();
    });
    connect(buttons_[3], &QPushButton::clicked, this, &QWidget::close);
}

void BaselineWindow::WriteResults() {
    static const QString results[ResultRows] = {
        QStringLiteral("0.5236"), QStringLiteral("523.6"),   QStringLiteral("9999.9"),
        QStringLiteral("99.999"), QStringLiteral("-0.0012"), QStringLiteral("64.48"),
        QStringLiteral("6.2612"), QStringLiteral("6.2610")};
    for (int i = 0; i < ResultRows; ++i)
        edits_[FirstResult + i]->setText(results[i]);
    // The two energy captions; the main window may change their unit.
    labels_[FirstResult + 6]->setText(QStringLiteral("Начальная энергия, т"));
    labels_[FirstResult + 7]->setText(QStringLiteral("Энергия в расчетной точке, т"));
    labels_[FirstResult + 6]->adjustSize();
    labels_[FirstResult + 7]->adjustSize();
    edits_[StatusLine]->setText(QStringLiteral("Готов ..."));
}

} // namespace tarsilo::bench
