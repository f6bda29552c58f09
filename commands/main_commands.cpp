#include "commands/main_commands.h"

#include <string>

#include "calc/checked_math.h"
#include "calc/number_text.h"

namespace tarsilo {

namespace {

using namespace component;

constexpr std::string_view BallDiameterCaption = "Диаметр шара D, м";
constexpr std::string_view CylinderDiameterCaption = "Диаметр цилиндра D, м";

struct EnergyCaptions {
    std::string_view kilotonnes;
    std::string_view tonnes;
};
constexpr EnergyCaptions InitialEnergyCaptions = {"Начальная энергия, кт", "Начальная энергия, т"};
constexpr EnergyCaptions PointEnergyCaptions = {"Энергия в расчетной точке, кт",
                                                "Энергия в расчетной точке, т"};

struct EnergyDisplay {
    std::string_view caption;
    std::string text;
};

// Kilotonnes from one kilotonne up, tonnes below.
EnergyDisplay DisplayEnergy(Extended kilotonnes, const EnergyCaptions& captions) {
    if (kilotonnes >= 1)
        return {captions.kilotonnes, FormatResult(kilotonnes)};
    return {captions.tonnes, FormatResult(checked::Mul(kilotonnes, 1000))};
}

// Every text of a finished calculation, made before the first one is shown.
struct ResultTexts {
    std::string volume, mass, speed, relativeSpeed, deceleration, freeFallSpeed;
    EnergyDisplay initialEnergy, pointEnergy;
};

ResultTexts FormatResults(const CalcResults& results) {
    return {
        FormatResult(results.V),
        FormatResult(results.m),
        FormatResult(results.v),
        FormatResult(results.vv0),
        FormatResult(results.v_v0),
        FormatResult(results.vc),
        DisplayEnergy(results.Et0, InitialEnergyCaptions),
        DisplayEnergy(results.Et, PointEnergyCaptions),
    };
}

// Empties the results; the status line reads ready.
void ClearResults(WindowFields& fields) {
    for (const std::string_view output : {eVV, em, ev, evc, evv0, ev_v0, eEt0, eEt})
        fields.SetEditText(output, {});
    fields.SetEditText(eReady, ReadyText);
}

} // namespace

void Calculate(WindowFields& fields, CalcInputs& inputs, CalcResults& results) {
    // Each slot is stored as soon as its field converts: a field that fails
    // leaves the slots before it updated and the rest as they were.
    for (std::size_t i = 0; i < InputFieldNames.size(); ++i) {
        const std::string text = fields.EditText(InputFieldNames[i]);
        inputs.*InputReadingOrder[i] = ParseNumber(TrimBlanks(text));
    }

    if (const InputStatus status = ValidateInputs(inputs); status != InputStatus::Valid) {
        fields.SetEditText(eReady, StatusText(status));
        fields.Announce(StatusText(status));
        return;
    }

    EvaluateModel(inputs, fields.SelectedShape(), results);
    const ResultTexts texts = FormatResults(results);

    fields.SetEditText(eVV, texts.volume);
    fields.SetEditText(em, texts.mass);
    fields.SetEditText(ev, texts.speed);
    fields.SetEditText(evv0, texts.relativeSpeed);
    fields.SetEditText(ev_v0, texts.deceleration);
    fields.SetEditText(evc, texts.freeFallSpeed);
    fields.SetLabelCaption(lEt0, texts.initialEnergy.caption);
    fields.SetEditText(eEt0, texts.initialEnergy.text);
    fields.SetLabelCaption(lEt, texts.pointEnergy.caption);
    fields.SetEditText(eEt, texts.pointEnergy.text);
    fields.SetEditText(eReady, ReadyText);
    fields.Announce(ReadyText);
}

void Clear(WindowFields& fields) {
    ClearResults(fields);
    fields.Announce(ReadyText);
}

void ChooseBall(WindowFields& fields) {
    fields.SetLabelCaption(lD, BallDiameterCaption);
    // The hidden length keeps its text and is still read and validated.
    fields.SetControlVisible(eL, false);
    fields.SetControlVisible(lL, false);
    // The selection itself is announced; the ready status would only repeat.
    ClearResults(fields);
}

void ChooseCylinder(WindowFields& fields) {
    fields.SetLabelCaption(lD, CylinderDiameterCaption);
    fields.SetEditText(eL, "1");
    fields.SetControlVisible(eL, true);
    fields.SetControlVisible(lL, true);
    ClearResults(fields);
}

} // namespace tarsilo
