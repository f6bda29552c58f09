// Runs the main window's commands on in-memory fields and prints every text
// they show, one line per case, so that two builds can be compared byte for
// byte (tests/cross/compare_texts.py).
//
// Input, one case a line, tab-separated and escaped as in line_fields.h:
//   <decimal mark> <ball|cylinder> <ten input texts in reading order>
// Output, one line a case:
//   ok <the eight result texts> <the two energy captions> <status line>
//   error <error class> <message>
// and " FPU mode lost" at the end when a case leaves another mode behind.
// The fields live on from case to case, as in the window: a case that fails
// leaves the texts of the one before.

#include <array>
#include <iostream>
#include <string>

#include "calc/decimal_mark.h"
#include "calc/errors.h"
#include "calc/fpu_mode.h"
#include "commands/main_commands.h"
#include "memory_fields.h"

#include "binary_streams.h"
#include "line_fields.h"

using namespace tarsilo;
using namespace tarsilo::cross;

namespace {

constexpr std::array<std::string_view, 8> ResultEdits = {
    component::eVV,   component::em,  component::ev,   component::evv0,
    component::ev_v0, component::evc, component::eEt0, component::eEt,
};

std::string ShownTexts(const test::MemoryFields& fields) {
    std::string line = "ok";
    for (const std::string_view edit : ResultEdits)
        line += '\t' + Escape(fields.EditText(edit));
    for (const char* label : {"lEt0", "lEt"})
        line += '\t' + Escape(fields.captions.at(label));
    line += '\t' + Escape(fields.EditText(component::eReady));
    return line;
}

} // namespace

int main() {
    UseBinaryStandardStreams();
    ResetFpu();
    test::MemoryFields fields;
    CalcInputs inputs;
    CalcResults results;
    std::string line;
    for (long number = 1; std::getline(std::cin, line); ++number) {
        const auto parts = SplitFields(line);
        std::array<std::string, 10> texts;
        bool wellFormed = parts.size() == 12 && parts[0].size() == 1 &&
                          (parts[1] == "ball" || parts[1] == "cylinder");
        for (std::size_t i = 0; wellFormed && i < texts.size(); ++i)
            wellFormed = Unescape(parts[i + 2], texts[i]);
        if (!wellFormed) {
            std::cerr << "line " << number << " is not a case\n";
            return 2;
        }

        DecimalMark = parts[0][0];
        const BodyShape shape = parts[1] == "ball" ? BodyShape::Ball : BodyShape::Cylinder;
        if (shape != fields.shape) {
            fields.shape = shape;
            shape == BodyShape::Ball ? ChooseBall(fields) : ChooseCylinder(fields);
        }
        for (std::size_t i = 0; i < texts.size(); ++i)
            fields.SetEditText(InputFieldNames[i], texts[i]);

        std::string shown;
        try {
            Calculate(fields, inputs, results);
            shown = ShownTexts(fields);
        } catch (const Exception& error) {
            shown = std::string("error\t") + error.ClassName() + '\t' + Escape(error.Message());
        }
        if (!FpuModeIsDefault()) {
            shown += "\tFPU mode lost";
            ResetFpu();
        }
        std::cout << shown << '\n';
    }
    return std::cout.flush() ? 0 : 1;
}
