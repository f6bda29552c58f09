// Tarsilo10: the descent of a ball or a cylinder through an isothermal
// atmosphere.

#include "app/application.h"
#include "app/program.h"
#include "calc/decimal_mark.h"

int main(int argc, char* argv[]) {
    tarsilo::EstablishFpuMode();
    tarsilo::ReadDecimalMark();
    tarsilo::TApplication application(argc, argv);
    return tarsilo::RunProgram(application);
}
