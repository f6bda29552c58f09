#include "qt/app/display_check.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

#include <QString>
#include <QtGlobal>

namespace tarsilo {

namespace {

struct HeldMessage {
    QtMsgType type;
    QString category;
    QString text;
};

QtMessageHandler previousHandler = nullptr;
std::vector<HeldMessage>* heldMessages = nullptr;

void HoldMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        std::fputs(NoDesktopMessage, stderr);
        std::fflush(stderr);
        std::_Exit(1);
    }
    heldMessages->push_back({type, QString::fromUtf8(context.category), text});
}

} // namespace

DisplayStartGuard::DisplayStartGuard() {
    heldMessages = new std::vector<HeldMessage>;
    previousHandler = qInstallMessageHandler(HoldMessage);
}

DisplayStartGuard::~DisplayStartGuard() {
    qInstallMessageHandler(previousHandler);
    for (const HeldMessage& held : *heldMessages) {
        const QByteArray category = held.category.toUtf8();
        const QMessageLogContext context(nullptr, 0, nullptr, category.constData());
        qt_message_output(held.type, context, held.text);
    }
    delete heldMessages;
    heldMessages = nullptr;
}

} // namespace tarsilo
