#pragma once
// Input records for the core tests: the window's default texts, changed
// slot by slot with "slot=text" (e.g. "T=-300"), parsed with the full stop.

#include <QStringList>
#include <QtGlobal>

#include <algorithm>
#include <iterator>

#include "calc/inputs.h"
#include "calc/number_text.h"
#include "starting_texts.h"

namespace core_inputs {

inline const char* const SlotNames[] = {"Vo", "D", "L", "Cb", "RoB", "g", "Ro0", "mu", "T", "Hx"};

inline tarsilo::CalcInputs DefaultInputs() {
    tarsilo::CalcInputs inputs;
    for (int i = 0; i < 10; ++i)
        inputs.*tarsilo::InputReadingOrder[i] =
            tarsilo::ParseNumber(tarsilo::test::StartingInputTexts[i], '.');
    return inputs;
}

inline tarsilo::CalcInputs InputsWith(const QStringList& changes) {
    tarsilo::CalcInputs inputs = DefaultInputs();
    for (const QString& change : changes) {
        const QStringList parts = change.split('=');
        const auto slot = std::find(std::begin(SlotNames), std::end(SlotNames), parts[0]);
        if (slot == std::end(SlotNames) || parts.size() != 2)
            qFatal("bad change %s", qPrintable(change));
        inputs.*tarsilo::InputReadingOrder[slot - std::begin(SlotNames)] =
            tarsilo::ParseNumber(parts[1].toStdString(), '.');
    }
    return inputs;
}

} // namespace core_inputs
