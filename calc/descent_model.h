#pragma once
// The closed-form descent model of a ball or a cylinder through an isothermal
// atmosphere.

#include "calc/extended.h"
#include "calc/inputs.h"

namespace tarsilo {

struct CalcResults {
    Extended V = 0;    // body volume, m³
    Extended m = 0;    // body mass, kg
    Extended v = 0;    // speed at the calculation point, m/s
    Extended vv0 = 0;  // relative speed v/Vo, %
    Extended v_v0 = 0; // deceleration (Vo − v)/Vo, %
    Extended vc = 0;   // free-fall speed at the calculation point, m/s
    Extended Et0 = 0;  // kinetic energy at entry, kilotonnes of TNT
    Extended Et = 0;   // kinetic energy at the calculation point, kilotonnes of TNT
};

enum class BodyShape { Ball, Cylinder };

// Fills the results one by one, in the order V, m, v, vc, vv0, v_v0, Et0, Et
// (each energy first as a partial quotient, then final). Assumes the
// inputs passed validation. An arithmetic fault raises EInvalidOp, EZeroDivide
// or EOverflow; the results computed before it keep their new values, the
// faulting one and those after it their old ones.
void EvaluateBall(const CalcInputs& inputs, CalcResults& results);
void EvaluateCylinder(const CalcInputs& inputs, CalcResults& results);
// The branch of the shape; a value that names no shape raises Exception and
// changes no result.
void EvaluateModel(const CalcInputs& inputs, BodyShape shape, CalcResults& results);

} // namespace tarsilo
