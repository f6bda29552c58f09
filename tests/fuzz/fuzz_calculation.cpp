// The whole Calculate command on ten arbitrary field texts and a shape: read
// and store each field in order, validate, run the model for status 0 and
// format the results. It must end with results, a status code 1..10,
// EConvertError for the first field that does not convert, or EInvalidOp,
// EZeroDivide or EOverflow with their messages; never anything else, and
// always in the default floating-point mode with no fault flag set.
//
// Input: one byte (bit 0 the cylinder, bit 1 the comma as mark), then up to
// ten field texts separated by '|'. A field that is missing keeps its default
// text, written with the mark in use.

#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "calc/descent_model.h"
#include "calc/errors.h"
#include "calc/fpu_mode.h"
#include "calc/inputs.h"
#include "calc/number_text.h"
#include "fuzz_support.h"
#include "general_format_grammar.h"

using namespace tarsilo;
using namespace tarsilo::fuzz;

namespace {

constexpr std::array<std::string_view, 10> DefaultTexts = {"10000", "1",   "1",     "0.5", "1000",
                                                           "9.81",  "1.2", "0.029", "300", "0"};

struct Fields {
    std::array<std::string, 10> texts;
};

Fields SplitFields(std::string_view rest, char mark) {
    Fields fields;
    for (std::size_t i = 0; i < fields.texts.size(); ++i) {
        std::string text(DefaultTexts[i]);
        for (char& c : text)
            if (c == '.')
                c = mark;
        fields.texts[i] = text;
    }
    for (std::size_t i = 0; i < fields.texts.size() && !rest.empty(); ++i) {
        // The last field takes everything that is left, separators included.
        const std::size_t bar = i + 1 < fields.texts.size() ? rest.find('|') : rest.npos;
        fields.texts[i] = std::string(rest.substr(0, bar));
        rest = bar == rest.npos ? std::string_view{} : rest.substr(bar + 1);
    }
    return fields;
}

std::string Context(const Fields& fields, BodyShape shape, char mark) {
    std::string context = shape == BodyShape::Ball ? "ball" : "cylinder";
    context += std::string(", mark '") + mark + "', fields:";
    for (const std::string& text : fields.texts)
        context += " " + Printable(text);
    return context;
}

void CheckMathError(const EMathError& error, const std::string& context) {
    const std::string_view message = error.Message();
    const bool known =
        (dynamic_cast<const EInvalidOp*>(&error) &&
         message == "Invalid floating point operation") ||
        (dynamic_cast<const EZeroDivide*>(&error) &&
         message == "Floating point division by zero") ||
        (dynamic_cast<const EOverflow*>(&error) && message == "Floating point overflow");
    Require(known, "an arithmetic error other than the three faults, or its message",
            context + " raised " + error.ClassName() + " " + Printable(message));
}

// The status against the inputs: the highest-numbered failing check wins,
// and the height term, recomputed here in plain arithmetic with every fault
// masked, decides code 10.
void CheckStatus(const CalcInputs& inputs, InputStatus status, const std::string& context) {
    Require(status >= 0 && status <= 10, "status outside 0..10", context);
    const long double h = inputs.mu * inputs.g * inputs.Hx / (GasConstantR * inputs.T);
    ResetFpu();
    Require(std::isfinite(h), "validation passed over a faulting height term", context);
    if (h < -10000) {
        Require(status == 10, "height term below -10000 without code 10", context);
        return;
    }
    int highest = 0;
    for (int i = 0; i < 9; ++i)
        if (!(inputs.*InputReadingOrder[i] > 0))
            highest = i + 1;
    Require(status == highest, "status is not the highest failing check",
            context + " status " + std::to_string(status));
}

// What holds for every completed evaluation: finite results, the speed
// between 0 and Vo so that its percentages lie in 0..100 (up to the last bit
// of the division), and the energy at the point not above the one at entry.
void CheckResults(const CalcInputs& in, const CalcResults& r, const std::string& context) {
    const long double results[] = {r.V, r.m, r.v, r.vv0, r.v_v0, r.vc, r.Et0, r.Et};
    for (long double value : results)
        Require(std::isfinite(value), "a result that is not finite", context);
    const long double percentLimit = 100 * (1 + std::ldexp(1.0L, -60));
    Require(r.v >= 0 && r.v <= in.Vo, "speed outside 0..Vo", context + " v " + Describe(r.v));
    Require(r.vv0 >= 0 && r.vv0 <= percentLimit, "relative speed outside 0..100",
            context + " " + Describe(r.vv0));
    Require(r.v_v0 >= 0 && r.v_v0 <= percentLimit, "deceleration outside 0..100",
            context + " " + Describe(r.v_v0));
    Require(r.V >= 0 && r.m >= 0 && r.vc >= 0 && r.Et >= 0 && r.Et <= r.Et0,
            "a negative size, mass, speed or energy, or energy gained", context);
    for (long double value : results) {
        const std::string text = FormatResult(value);
        GeneralText read;
        const std::string violation = ReadGeneralText(text, 5, 4, DecimalMark, read);
        Require(violation.empty() && text.size() <= 13, "result text breaks the result format",
                context + " " + Printable(text) + " " + violation);
    }
}

// One Calculate. Returns normally after results or a status; errors leave it.
void Calculate(const Fields& fields, BodyShape shape, const std::string& context) {
    CalcInputs inputs;
    for (std::size_t i = 0; i < fields.texts.size(); ++i) {
        const std::string_view trimmed = TrimBlanks(fields.texts[i]);
        try {
            inputs.*InputReadingOrder[i] = ParseNumber(trimmed);
        } catch (const EConvertError& error) {
            Require(error.Message() ==
                        "'" + std::string(trimmed) + "' is not a valid floating point value",
                    "EConvertError message of the first failing field",
                    context + " field " + std::to_string(i + 1) + " " + Printable(error.Message()));
            throw;
        }
    }
    const InputStatus status = ValidateInputs(inputs);
    Require((ReadFpuStatusWord() & FaultFlags) == 0, "validation left a fault flag set", context);
    CheckStatus(inputs, status, context);
    if (status != 0) {
        Require(!StatusText(status).empty(), "status without a status text", context);
        return;
    }
    CalcResults results;
    EvaluateModel(inputs, shape, results);
    Require((ReadFpuStatusWord() & FaultFlags) == 0, "the model left a fault flag set", context);
    CheckResults(inputs, results, context);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    ResetFpu();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ByteReader reader(data, size);
    const std::uint8_t control = reader.Byte();
    const BodyShape shape = (control & 1) ? BodyShape::Cylinder : BodyShape::Ball;
    const char mark = MarkFromByte(control >> 1);
    DecimalMark = mark;
    const Fields fields = SplitFields(reader.Rest(), mark);
    const std::string context = Context(fields, shape, mark);

    ResetFpu();
    try {
        Calculate(fields, shape, context);
    } catch (const EConvertError&) {
    } catch (const EMathError& error) {
        CheckMathError(error, context);
    } catch (const std::exception& error) {
        Fail("an error outside the documented ones", context + " raised " + error.what());
    } catch (...) {
        Fail("a foreign exception", context);
    }
    Require(FpuModeIsDefault() && ReadFpuControlWord() == DefaultWordAsRead(),
            "the floating-point mode changed", context);
    Require((ReadFpuStatusWord() & FaultFlags) == 0, "a fault flag left set", context);
    return 0;
}
