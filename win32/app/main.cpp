// Tarsilo10: the descent of a ball or a cylinder through an isothermal
// atmosphere.

#include <windows.h>

#include "calc/decimal_mark.h"
#include "win32/app/application.h"
#include "win32/app/application_error.h"
#include "win32/app/program.h"
#include "win32/jpeg_picture.h"
#include "win32/native_window.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    using namespace tarsilo::win32;
    tarsilo::EstablishFpuMode();
    tarsilo::ReadDecimalMark();
    try {
        TApplication application;
        FixPictureDecoderDepth(ScreenColourDepth());
        return RunProgram(application);
    } catch (const std::exception& error) {
        ShowApplicationError(error);
        return 1;
    }
}
