// Tarsilo10: the descent of a ball or a cylinder through an isothermal
// atmosphere.

#include <optional>

#include "calc/decimal_mark.h"
#include "qt/app/application.h"
#include "qt/app/display_check.h"
#include "qt/app/font_configuration.h"
#include "qt/app/platform_choice.h"
#include "qt/app/program.h"
#include "qt/app/session_signals.h"

int main(int, char* argv[]) {
    // Started before the floating-point mode is set: the reader keeps the
    // system's default mode.
    tarsilo::FontConfigurationPreload fontConfiguration;
    tarsilo::EstablishFpuMode();
    tarsilo::ReadDecimalMark();
    // The program takes no command line: the toolkit sees only the program's
    // name, so options of its own (-reverse, -qwindowtitle ...) change nothing.
    static int toolkitArgc = 1;
    static char* toolkitArgv[] = {argv[0], nullptr};
    tarsilo::ChoosePlatform();
    std::optional<tarsilo::TApplication> application;
    {
        tarsilo::DisplayStartGuard guard;
        application.emplace(toolkitArgc, toolkitArgv);
    }
    tarsilo::EndSessionOnSignals(*application);
    fontConfiguration.Wait();
    return tarsilo::RunProgram(*application);
}
