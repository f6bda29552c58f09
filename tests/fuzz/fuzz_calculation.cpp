// The program's Calculate command on ten arbitrary field texts and a shape,
// over the window's fields held in memory. It must end with results, a status
// text, EConvertError for the first field that does not convert, or
// EInvalidOp, EZeroDivide or EOverflow with their messages; never anything
// else, and always in the default floating-point mode with no fault flag set.
// What it stored and showed is checked against rules derived here on their
// own, not by running the same steps again.
//
// Input: one byte (bit 0 the cylinder, bit 1 the comma as mark), then up to
// ten field texts separated by '|'. A field that is missing keeps its starting
// text, written with the mark in use.

#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "calc/descent_model.h"
#include "calc/errors.h"
#include "calc/fpu_mode.h"
#include "calc/inputs.h"
#include "calc/number_text.h"
#include "commands/main_commands.h"
#include "fuzz_support.h"
#include "general_format_grammar.h"
#include "tests/memory_fields.h"

using namespace tarsilo;
using namespace tarsilo::fuzz;

namespace {

struct Fields {
    std::array<std::string, 10> texts;
};

Fields SplitFields(std::string_view rest, char mark) {
    Fields fields;
    for (std::size_t i = 0; i < fields.texts.size(); ++i) {
        std::string text(test::StartingInputTexts[i]);
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

// The status of the inputs: the highest-numbered failing check wins, and the
// height term, recomputed here in plain arithmetic with every fault masked,
// decides the height check.
InputStatus ExpectedStatus(const CalcInputs& in, const std::string& context) {
    const long double h = in.mu * in.g * in.Hx / (GasConstantR * in.T);
    ResetFpu();
    Require(std::isfinite(h), "validation passed over a faulting height term", context);
    if (h < -10000)
        return InputStatus::HeightTooDeep;
    using enum InputStatus;
    const std::pair<long double, InputStatus> positive[] = {
        {in.T, TemperatureNotPositive},      {in.mu, MolarMassNotPositive},
        {in.Ro0, SurfaceDensityNotPositive}, {in.g, GravityNotPositive},
        {in.RoB, BodyDensityNotPositive},    {in.Cb, DragCoefficientNotPositive},
        {in.L, LengthNotPositive},           {in.D, DiameterNotPositive},
        {in.Vo, SpeedNotPositive},
    };
    for (const auto& [value, failed] : positive)
        if (!(value > 0))
            return failed;
    return Valid;
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
}

// The result fields: every text in the result format, each energy in
// kilotonnes from one kilotonne up and in tonnes below.
void CheckShown(const test::MemoryFields& fields, const CalcResults& r,
                const std::string& context) {
    using namespace component;
    for (const std::string_view edit : {eVV, em, ev, evv0, ev_v0, evc, eEt0, eEt}) {
        const std::string text = fields.EditText(edit);
        GeneralText read;
        const std::string violation =
            ReadGeneralText(text, ResultPrecision, ResultExponentDigits, DecimalMark, read);
        Require(violation.empty() && text.size() <= ResultTextMaxLength,
                "result text breaks the result format",
                context + " " + std::string(edit) + " " + Printable(text) + " " + violation);
    }
    const auto inKilotonnes = [&](std::string_view label) {
        const std::string caption = fields.captions.find(label)->second;
        return caption.ends_with(", кт");
    };
    Require(inKilotonnes(lEt0) == (r.Et0 >= 1) && inKilotonnes(lEt) == (r.Et >= 1),
            "an energy in the wrong unit", context);
    Require(fields.EditText(eReady) == ReadyText, "results without the ready text", context);
}

// The message of the first field that does not convert, or empty.
std::string FirstConversionFailure(const test::MemoryFields& fields) {
    for (const std::string_view edit : InputFieldNames) {
        const std::string text = fields.EditText(edit);
        const std::string_view trimmed = TrimBlanks(text);
        try {
            ParseNumber(trimmed);
        } catch (const EConvertError&) {
            return "'" + std::string(trimmed) + "' is not a valid floating point value";
        }
    }
    return {};
}

// One Calculate. Returns normally after results or a status; errors leave it.
void RunCalculate(test::MemoryFields& fields, const std::string& context) {
    CalcInputs inputs;
    CalcResults results;
    const test::MemoryFields before = fields;
    try {
        Calculate(fields, inputs, results);
    } catch (const EConvertError& error) {
        Require(error.Message() == FirstConversionFailure(fields),
                "EConvertError message of the first failing field",
                context + " " + Printable(error.Message()));
        throw;
    } catch (const Exception&) {
        Require(fields.edits == before.edits && fields.captions == before.captions &&
                    fields.announcements == before.announcements,
                "an error after some fields were written or announced", context);
        throw;
    }
    Require((ReadFpuStatusWord() & FaultFlags) == 0, "Calculate left a fault flag set", context);
    const InputStatus expected = ExpectedStatus(inputs, context);
    if (expected != InputStatus::Valid) {
        test::MemoryFields shown = before;
        shown.SetEditText(component::eReady, StatusText(expected));
        Require(fields.edits == shown.edits && fields.captions == shown.captions &&
                    fields.lastAnnouncement == StatusText(expected),
                "a failed check not shown and announced by its status text alone",
                context + " status " + std::to_string(static_cast<int>(expected)));
        return;
    }
    CheckResults(inputs, results, context);
    CheckShown(fields, results, context);
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
    const Fields texts = SplitFields(reader.Rest(), mark);
    const std::string context = Context(texts, shape, mark);
    test::MemoryFields fields;
    fields.shape = shape;
    for (std::size_t i = 0; i < InputFieldNames.size(); ++i)
        fields.SetEditText(InputFieldNames[i], texts.texts[i]);

    ResetFpu();
    try {
        RunCalculate(fields, context);
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
