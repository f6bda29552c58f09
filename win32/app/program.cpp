#include "win32/app/program.h"

#include "calc/errors.h"
#include "calc/fpu_mode.h"
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

} // namespace tarsilo::win32
