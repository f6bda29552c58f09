#include "app/application_error.h"

#include <cstdlib>
#include <cxxabi.h>
#include <dlfcn.h>
#include <memory>
#include <typeinfo>

#include <QCoreApplication>
#include <QFileInfo>

#include "calc/errors.h"
#include "common/error_texts.h"
#include "ui/error_reporting.h"
#include "ui/utf16_text.h"

namespace tarsilo {

QString ApplicationErrorText(const QString& className, const QString& moduleName,
                             const void* address, const QString& message) {
    return FromUtf16(tarsilo::ApplicationErrorText(Utf16View(className), Utf16View(moduleName),
                                                   address, Utf16View(message)));
}

QString ErrorClassName(const std::exception& error) {
    if (auto* own = dynamic_cast<const Exception*>(&error))
        return QString::fromLatin1(own->ClassName());
    const char* mangled = typeid(error).name();
    int status = 0;
    const std::unique_ptr<char, decltype(&std::free)> demangled(
        abi::__cxa_demangle(mangled, nullptr, nullptr, &status), &std::free);
    return QString::fromLatin1(status == 0 && demangled ? demangled.get() : mangled);
}

const void* ErrorAddress(const std::exception& error) {
    if (auto* own = dynamic_cast<const Exception*>(&error))
        return own->Address();
    return nullptr;
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
                    ApplicationErrorText(ErrorClassName(error), ErrorModuleName(error),
                                         ErrorAddress(error), ErrorMessage(error)),
                    nullptr, QStringLiteral("ApplicationErrorBox"), TaskEntry::Own);
}

} // namespace tarsilo
