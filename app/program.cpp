#include "app/program.h"

#include "app/application.h"
#include "app/application_error.h"
#include "common/program_run.h"
#include "ui/Info.h"
#include "ui/Tarsilo_V10.h"

namespace tarsilo {

void CreateForms(TApplication& application) {
    application.CreateForm(fTarsilo_main);
    application.CreateForm(fInfo);
    fTarsilo_main->setInfoCommand([] { fInfo->Show(); });
}

int RunProgram(TApplication& application, const std::function<void(TApplication&)>& createForms) {
    return RunProgramWith(application, createForms, ShowApplicationError);
}

} // namespace tarsilo
