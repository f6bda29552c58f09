#pragma once
// The real main window, shown and active, with the program-wide records
// reset, and ways to reach its controls by their component names.

#include <memory>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "calc/decimal_mark.h"
#include "calc/program_records.h"
#include "qt/Tarsilo_V10.h"
#include "tests/gui_test_support.h"

namespace tarsilo::test {

class MainWindowFixture {
public:
    // Returns false when the window did not become active.
    bool Open() {
        DecimalMark = '.';
        ProgramInputs = {};
        ProgramResults = {};
        window_ = std::make_unique<TfTarsilo_main>();
        window_->show();
        return QTest::qWaitForWindowActive(window_.get());
    }
    void Close() { window_.reset(); }

    TfTarsilo_main* Window() const { return window_.get(); }

    template <class Widget = QWidget> Widget* Control(const QString& name) const {
        auto* control = window_->findChild<Widget*>(name);
        if (!control)
            qFatal("the main window has no %s of that kind", qPrintable(name));
        return control;
    }
    QLineEdit* Edit(const QString& name) const { return Control<QLineEdit>(name); }
    QLabel* Label(const QString& name) const { return Control<QLabel>(name); }
    QPushButton* Button(const QString& name) const { return Control<QPushButton>(name); }
    QRadioButton* Radio(const QString& name) const { return Control<QRadioButton>(name); }

    QString Text(const QString& name) const { return Edit(name)->text(); }
    void SetText(const QString& name, const QString& text) const { Edit(name)->setText(text); }
    void Click(const QString& name) const {
        QTest::mouseClick(Control<QAbstractButton>(name), Qt::LeftButton);
    }

    // Every edit's text, every label's caption and every control's
    // visibility: what the user can see.
    QMap<QString, QString> Screen() const {
        QMap<QString, QString> screen;
        for (const QLineEdit* edit : window_->findChildren<QLineEdit*>())
            screen[edit->objectName()] = edit->text();
        for (const QLabel* label : window_->findChildren<QLabel*>())
            screen[label->objectName()] = label->text();
        for (const QWidget* control : window_->findChildren<QWidget*>()) {
            if (!control->objectName().isEmpty())
                screen[control->objectName() + ":visible"] = control->isVisible() ? "yes" : "no";
        }
        return screen;
    }

private:
    std::unique_ptr<TfTarsilo_main> window_;
};

} // namespace tarsilo::test
