// Prints the bits of what the core computes, so that a script can hold both
// builds against mpmath (tests/cross/check_core_values.py). Values are 20 hex
// digits (tests/extended_bits.h). One request a line:
//   exp <x>             -> <the core's ExtendedExp(x)> <the C library's expl(x)>
//   sqrt <x>            -> <the core's square root of x>
//   model <shape> <Vo> <D> <L> <Cb> <RoB> <g> <Ro0> <mu> <T> <Hx>
//                       -> <V> <m> <v> <v/Vo> <(Vo-v)/Vo> <Vc> <E0> <Et>,
//                          or "invalid <status>", or "fault <error class>"
// The model runs as the program runs it. The C library's expl is the
// extended one on x86; where long double is the 128-bit format, its result
// rounded to the extended format.

#include <cmath>
#include <iostream>
#include <sstream>
#include <string>

#include "calc/descent_model.h"
#include "calc/errors.h"
#include "calc/extended_exp.h"
#include "calc/fpu_mode.h"
#include "calc/inputs.h"
#include "tests/extended_bits.h"

#include "binary_streams.h"

using namespace tarsilo;
using namespace tarsilo::test;

namespace {

bool ReadValue(std::istream& in, Extended& value) {
    std::string text;
    return static_cast<bool>(in >> text) && ParseHexBits(text, value);
}

bool Answer(const std::string& request, std::ostream& out) {
    std::istringstream in(request);
    std::string kind;
    in >> kind;
    Extended x = 0;
    if (kind == "exp" && ReadValue(in, x)) {
        out << HexBits(ExtendedExp(x)) << ' ' << HexBits(std::exp(ToLongDouble(x))) << '\n';
        return true;
    }
    if (kind == "sqrt" && ReadValue(in, x)) {
        out << HexBits(SquareRoot(x)) << '\n';
        return true;
    }
    std::string shape;
    if (kind != "model" || !(in >> shape) || (shape != "ball" && shape != "cylinder"))
        return false;
    CalcInputs inputs;
    for (Extended CalcInputs::*slot : InputReadingOrder)
        if (!ReadValue(in, inputs.*slot))
            return false;
    try {
        if (const InputStatus status = ValidateInputs(inputs); status != InputStatus::Valid) {
            out << "invalid " << static_cast<int>(status) << '\n';
            return true;
        }
        CalcResults results;
        EvaluateModel(inputs, shape == "ball" ? BodyShape::Ball : BodyShape::Cylinder, results);
        out << HexBits(results.V) << ' ' << HexBits(results.m) << ' ' << HexBits(results.v) << ' '
            << HexBits(results.vv0) << ' ' << HexBits(results.v_v0) << ' ' << HexBits(results.vc)
            << ' ' << HexBits(results.Et0) << ' ' << HexBits(results.Et) << '\n';
    } catch (const Exception& error) {
        out << "fault " << error.ClassName() << '\n';
    }
    return true;
}

} // namespace

int main() {
    cross::UseBinaryStandardStreams();
    ResetFpu();
    std::string request;
    for (long number = 1; std::getline(std::cin, request); ++number) {
        if (!Answer(request, std::cout)) {
            std::cerr << "line " << number << " is not a request\n";
            return 2;
        }
    }
    return std::cout.flush() ? 0 : 1;
}
