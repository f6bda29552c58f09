// Tarsilo10: the descent of a ball or a cylinder through an isothermal
// atmosphere.

#include <optional>

#include "app/application.h"
#include "app/display_check.h"
#include "app/font_configuration.h"
#include "app/platform_choice.h"
#include "app/program.h"
#include "app/session_signals.h"
#include "calc/decimal_mark.h"

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
