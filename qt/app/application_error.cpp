#include "qt/app/application_error.h"

#include <dlfcn.h>

#include <QCoreApplication>
#include <QFileInfo>

#include "common/error_identity.h"
#include "common/error_texts.h"
#include "qt/error_reporting.h"
#include "qt/utf16_text.h"

namespace tarsilo {

QString ApplicationErrorText(const QString& className, const QString& moduleName,
                             const void* address, const QString& message) {
    return FromUtf16(tarsilo::ApplicationErrorText(Utf16View(className), Utf16View(moduleName),
                                                   address, Utf16View(message)));
}

QString ErrorModuleName(const std::exception& error) {
    Dl_info info{};
    if (const void* address = ErrorAddress(error);
        address && dladdr(address, &info) != 0 && info.dli_fname && *info.dli_fname)
        return QFileInfo(QString::fromLocal8Bit(info.dli_fname)).fileName();
    return QFileInfo(QCoreApplication::applicationFilePath()).fileName();
}

void ShowApplicationError(const std::exception& error) {
    ShowStopMessage(QStringLiteral("Application Error"),
                    ApplicationErrorText(QString::fromUtf8(ErrorClassName(error)),
                                         ErrorModuleName(error), ErrorAddress(error),
                                         ErrorMessage(error)),
                    nullptr, QStringLiteral("ApplicationErrorBox"), TaskEntry::Own);
}

} // namespace tarsilo
