#include "ui/error_reporting.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <QWidget>

#include "calc/errors.h"

namespace tarsilo {

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

void ShowErrorDialog(const std::exception& error) {
    QPointer<QWidget> active = QApplication::activeWindow();
    QScreen* screen = active ? active->screen() : QGuiApplication::primaryScreen();

    // The box belongs to the application, not to the window the error came from.
    QMessageBox box(QMessageBox::Critical, QGuiApplication::applicationDisplayName(),
                    ErrorDialogText(ErrorMessage(error)), QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.setTextFormat(Qt::PlainText);
    box.setObjectName(QStringLiteral("ErrorDialog"));
    if (screen) {
        box.adjustSize();
        QRect frame = box.frameGeometry();
        frame.moveCenter(screen->geometry().center());
        box.move(frame.topLeft());
    }
    box.exec();

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
