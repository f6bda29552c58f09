#include "app/program.h"

#include "app/application.h"
#include "app/application_error.h"
#include "calc/errors.h"
#include "calc/fpu_mode.h"
#include "ui/Info.h"
#include "ui/Tarsilo_V10.h"

namespace tarsilo {

void CreateForms(TApplication& application) {
    application.CreateForm(fTarsilo_main);
    application.CreateForm(fInfo);
    fTarsilo_main->setInfoCommand([] { fInfo->Show(); });
}

int RunProgram(TApplication& application, const std::function<void(TApplication&)>& createForms) {
    int status = 0;
    try {
        RequireFpuMode();
        createForms(application);
        application.Run();
    } catch (const std::exception& error) {
        ShowApplicationError(error);
        status = 1;
    }
    application.Shutdown();
    return status;
}

} // namespace tarsilo
