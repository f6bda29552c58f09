#include "common/error_identity.h"

#include <cxxabi.h>

#include <cstdlib>
#include <memory>
#include <typeinfo>

#include "calc/errors.h"

namespace tarsilo {

std::string ErrorClassName(const std::exception& error) {
    if (const auto* own = dynamic_cast<const Exception*>(&error))
        return own->ClassName();
    const char* mangled = typeid(error).name();
    int status = 0;
    const std::unique_ptr<char, decltype(&std::free)> demangled(
        abi::__cxa_demangle(mangled, nullptr, nullptr, &status), &std::free);
    return status == 0 && demangled ? demangled.get() : mangled;
}

const void* ErrorAddress(const std::exception& error) {
    if (const auto* own = dynamic_cast<const Exception*>(&error))
        return own->Address();
    return nullptr;
}

} // namespace tarsilo
