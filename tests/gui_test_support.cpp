#include "tests/gui_test_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDateTime>
#include <QDialog>
#include <QPointer>
#include <QTest>

namespace tarsilo::test {

namespace {

// While positive, a modal dialog is the one a test waits for.
int expectedDialogs = 0;

} // namespace

MessageBoxSeen CloseMessageBoxOpenedBy(const std::function<void()>& action,
                                       const std::function<void()>& whileOpen) {
    MessageBoxSeen seen;
    ++expectedDialogs;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        poll.stop();
        seen = {true,
                box->objectName(),
                box->windowTitle(),
                box->text(),
                box->icon(),
                box->iconPixmap().cacheKey(),
                box->standardButtons(),
                box->windowModality(),
                box->parentWidget() != nullptr,
                box->frameGeometry()};
        if (whileOpen)
            whileOpen();
        if (QAbstractButton* ok = box->button(QMessageBox::Ok))
            ok->click();
        else
            box->reject();
    });
    poll.start();
    action();
    poll.stop();
    --expectedDialogs;
    return seen;
}

ModalDialogWatchdog::ModalDialogWatchdog(int graceMilliseconds, QObject* parent)
    : QObject(parent), graceMilliseconds_(graceMilliseconds) {
    timer_.setInterval(50);
    connect(&timer_, &QTimer::timeout, this, &ModalDialogWatchdog::Check);
    timer_.start();
}

void ModalDialogWatchdog::Check() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || expectedDialogs > 0) {
        seen_ = nullptr;
        return;
    }
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    if (seen_ != modal) {
        seen_ = modal;
        seenSince_ = now;
        return;
    }
    if (now - seenSince_ < graceMilliseconds_)
        return;
    ++unexpected_;
    seen_ = nullptr;
    const QString text = qobject_cast<QMessageBox*>(modal)
                             ? qobject_cast<QMessageBox*>(modal)->text()
                             : modal->windowTitle();
    QTest::qFail(qPrintable(QStringLiteral("an unexpected modal dialog stayed open: ") + text),
                 __FILE__, __LINE__);
    if (auto* dialog = qobject_cast<QDialog*>(modal))
        dialog->reject();
    else
        modal->close();
}

void PinLocale() {
    SetLocaleEnvironment(nullptr);
}

void SetLocaleEnvironment(const char* localeName) {
    qunsetenv("LC_NUMERIC");
    qunsetenv("LANG");
    qputenv("LC_ALL", localeName && *localeName ? localeName : "C");
}

} // namespace tarsilo::test
