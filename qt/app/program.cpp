#include "qt/app/program.h"

#include "common/program_run.h"
#include "qt/Info.h"
#include "qt/Tarsilo_V10.h"
#include "qt/app/application.h"
#include "qt/app/application_error.h"

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
