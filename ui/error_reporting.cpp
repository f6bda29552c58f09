#include "ui/error_reporting.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <QWidget>

#include "calc/errors.h"

namespace tarsilo {

namespace {

// Centres itself once its size is final, which is only known when it shows.
class CentredMessageBox : public QMessageBox {
public:
    CentredMessageBox(const QString& caption, const QString& text, QScreen* screen)
        : QMessageBox(QMessageBox::Critical, caption, text, QMessageBox::Ok), screen_(screen) {}

protected:
    void showEvent(QShowEvent* event) override {
        QMessageBox::showEvent(event);
        QScreen* screen = screen_ ? screen_.data() : QGuiApplication::primaryScreen();
        if (!screen)
            return;
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }

private:
    QPointer<QScreen> screen_;
};

} // namespace

QString ErrorDialogText(const QString& message) {
    if (!message.isEmpty() && message.back().unicode() > u'.')
        return message + u'.';
    return message;
}

QString ErrorMessage(const std::exception& error) {
    if (auto* own = dynamic_cast<const Exception*>(&error))
        return QString::fromStdString(own->Message());
    return QString::fromLocal8Bit(error.what());
}

void ShowStopMessage(const QString& caption, const QString& text, QScreen* screen,
                     const QString& objectName) {
    // No parent: the box belongs to the application, not to a window.
    CentredMessageBox box(caption, text, screen);
    box.setObjectName(objectName);
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

void ShowErrorDialog(const std::exception& error) {
    const QPointer<QWidget> active = QApplication::activeWindow();
    ShowStopMessage(QGuiApplication::applicationDisplayName(), ErrorDialogText(ErrorMessage(error)),
                    active ? active->screen() : nullptr, QStringLiteral("ErrorDialog"));
    if (active) {
        active->raise();
        active->activateWindow();
    }
}

void ReportException(const std::exception& error, QObject* /*source*/) {
    if (QWidget* grabber = QWidget::mouseGrabber())
        grabber->releaseMouse();
    if (dynamic_cast<const EAbort*>(&error))
        return;
    ShowErrorDialog(error);
}

} // namespace tarsilo
