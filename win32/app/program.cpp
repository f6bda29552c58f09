#include "win32/app/program.h"

#include "common/program_run.h"
#include "win32/Info.h"
#include "win32/Tarsilo_V10.h"
#include "win32/app/application.h"
#include "win32/app/application_error.h"

namespace tarsilo::win32 {

void CreateForms(TApplication& application) {
    application.CreateForm(fTarsilo_main);
    application.CreateForm(fInfo);
    fTarsilo_main->SetInfoCommand([] {
        if (fInfo)
            fInfo->Show();
    });
}

int RunProgram(TApplication& application, const std::function<void(TApplication&)>& createForms) {
    return RunProgramWith(application, createForms, ShowApplicationError);
}

} // namespace tarsilo::win32
