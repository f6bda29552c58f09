#include "calc/descent_model.h"

#include <string>

#include "calc/checked_math.h"
#include "calc/decimal_constants.h"
#include "calc/errors.h"
#include "calc/height_term.h"

namespace tarsilo {

namespace {

using namespace checked;

// v = exp(exp(−k) × (−(A / B))) × Vo, evaluated left to right.
Extended SpeedAtPoint(const CalcInputs& in, Extended A_of(const CalcInputs&),
                      Extended B_of(const CalcInputs&)) {
    const Extended density = Exp(Neg(HeightTerm(in)));
    const Extended A = A_of(in);
    const Extended B = B_of(in);
    return Mul(Exp(Mul(density, Neg(Div(A, B)))), in.Vo);
}

// Vc = sqrt(exp(k) × (F / G)), evaluated left to right.
Extended FreeFallSpeed(const CalcInputs& in, Extended F_of(const CalcInputs&),
                       Extended G_of(const CalcInputs&)) {
    const Extended growth = Exp(HeightTerm(in));
    const Extended F = F_of(in);
    const Extended G = G_of(in);
    return Sqrt(Mul(growth, Div(F, G)));
}

// Speeds as percentages and energies, shared by both shapes. `energyBase` is
// the coefficient times the size factors (6.26·ρB·D³ or 9.39·ρB·D²·L).
void StoreRatiosAndEnergies(const CalcInputs& in, Extended energyBase(const CalcInputs&),
                            CalcResults& out) {
    out.vv0 = Div(Mul(out.v, 100), in.Vo);
    out.v_v0 = Div(Mul(Sub(in.Vo, out.v), 100), in.Vo);
    // The size factor is the same in both energies; computing it once changes
    // no value and no error, since the first energy would fault on it first.
    const Extended base = energyBase(in);
    out.Et0 = Div(Product(base, in.Vo, in.Vo), EnergyScale);
    out.Et0 = Div(out.Et0, EnergyScale);
    out.Et = Div(Product(base, out.v, out.v), EnergyScale);
    out.Et = Div(out.Et, EnergyScale);
}

Extended BallA(const CalcInputs& in) {
    return Product(in.Cb, 3, in.Ro0, GasConstantR, in.T);
}
Extended BallB(const CalcInputs& in) {
    return Product(in.D, 4, in.RoB, in.mu, in.g);
}
Extended BallF(const CalcInputs& in) {
    return Product(in.RoB, 4, in.D, in.g);
}
Extended BallG(const CalcInputs& in) {
    return Product(in.Ro0, 3, in.Cb);
}
Extended BallEnergyBase(const CalcInputs& in) {
    return Product(BallEnergyCoefficient, in.RoB, in.D, in.D, in.D);
}

Extended CylinderA(const CalcInputs& in) {
    return Product(in.Cb, in.Ro0, GasConstantR, in.T);
}
Extended CylinderB(const CalcInputs& in) {
    return Product(in.L, 2, in.RoB, in.mu, in.g);
}
Extended CylinderF(const CalcInputs& in) {
    return Product(in.RoB, 2, in.L, in.g);
}
Extended CylinderG(const CalcInputs& in) {
    return Mul(in.Ro0, in.Cb);
}
Extended CylinderEnergyBase(const CalcInputs& in) {
    return Product(CylinderEnergyCoefficient, in.RoB, in.D, in.D, in.L);
}

} // namespace

void EvaluateBall(const CalcInputs& in, CalcResults& out) {
    out.V = Div(Product(Pi, in.D, in.D, in.D), 6);
    out.m = Mul(in.RoB, out.V);
    out.v = SpeedAtPoint(in, BallA, BallB);
    out.vc = FreeFallSpeed(in, BallF, BallG);
    StoreRatiosAndEnergies(in, BallEnergyBase, out);
}

void EvaluateCylinder(const CalcInputs& in, CalcResults& out) {
    out.V = Div(Product(Pi, in.D, in.D, in.L), 4);
    out.m = Mul(in.RoB, out.V);
    out.v = SpeedAtPoint(in, CylinderA, CylinderB);
    out.vc = FreeFallSpeed(in, CylinderF, CylinderG);
    StoreRatiosAndEnergies(in, CylinderEnergyBase, out);
}

void EvaluateModel(const CalcInputs& inputs, BodyShape shape, CalcResults& results) {
    switch (shape) {
    case BodyShape::Ball:
        return EvaluateBall(inputs, results);
    case BodyShape::Cylinder:
        return EvaluateCylinder(inputs, results);
    }
    // Only a value cast from outside the enumeration gets here.
    throw Exception("Unknown body shape " + std::to_string(static_cast<int>(shape)));
}

} // namespace tarsilo
