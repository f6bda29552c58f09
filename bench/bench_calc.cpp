// Timings of the calculation core: the two conversions, the program's own
// Calculate on the window's fields held in memory, and the cost of the fault
// checks in the ball model.

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "calc/decimal_constants.h"
#include "calc/descent_model.h"
#include "calc/extended_exp.h"
#include "calc/fpu_mode.h"
#include "calc/inputs.h"
#include "calc/number_text.h"
#include "commands/main_commands.h"
#include "tests/memory_fields.h"

using namespace tarsilo;

namespace {

// Each figure is reported as the median (with mean and spread) of this many runs.
constexpr int Repetitions = 25;

CalcInputs DefaultInputs() {
    CalcInputs inputs;
    for (std::size_t i = 0; i < test::StartingInputTexts.size(); ++i)
        inputs.*InputReadingOrder[i] = ParseNumber(test::StartingInputTexts[i], '.');
    return inputs;
}

// The ball branch in plain arithmetic, the same grouping, no checks.
void EvaluateBallUnchecked(const CalcInputs& in, CalcResults& out) {
    const Extended pi = Pi, scale = EnergyScale, coefficient = BallEnergyCoefficient;
    const Extended R = GasConstantR;
    out.V = (((pi * in.D) * in.D) * in.D) / 6;
    out.m = in.RoB * out.V;
    const Extended k1 = ((in.mu * in.g) * in.Hx) / (R * in.T);
    const Extended A = (((in.Cb * 3) * in.Ro0) * R) * in.T;
    const Extended B = (((in.D * 4) * in.RoB) * in.mu) * in.g;
    out.v = ExtendedExp(ExtendedExp(-k1) * -(A / B)) * in.Vo;
    const Extended k2 = ((in.mu * in.g) * in.Hx) / (R * in.T);
    const Extended F = ((in.RoB * 4) * in.D) * in.g;
    const Extended G = (in.Ro0 * 3) * in.Cb;
    out.vc = SquareRoot(ExtendedExp(k2) * (F / G));
    out.vv0 = (out.v * 100) / in.Vo;
    out.v_v0 = ((in.Vo - out.v) * 100) / in.Vo;
    const Extended base = (((coefficient * in.RoB) * in.D) * in.D) * in.D;
    out.Et0 = ((base * in.Vo) * in.Vo) / scale;
    out.Et0 = out.Et0 / scale;
    out.Et = ((base * out.v) * out.v) / scale;
    out.Et = out.Et / scale;
}

void BM_ParseNumber(benchmark::State& state) {
    const std::string text = "9.81";
    for (auto _ : state)
        benchmark::DoNotOptimize(ParseNumber(text, '.'));
}
BENCHMARK(BM_ParseNumber)->Repetitions(Repetitions)->ReportAggregatesOnly(true);

void BM_FormatResult(benchmark::State& state) {
    Extended value = 193.82739013849030209L;
    for (auto _ : state) {
        benchmark::DoNotOptimize(value);
        benchmark::DoNotOptimize(FormatResult(value));
    }
}
BENCHMARK(BM_FormatResult)->Repetitions(Repetitions)->ReportAggregatesOnly(true);

// Calculate on the starting texts: trim and parse ten fields, validate, run
// the ball branch, format the eight results and write every field.
void BM_WholeCalculation(benchmark::State& state) {
    test::MemoryFields fields;
    CalcInputs inputs;
    CalcResults results;
    for (auto _ : state) {
        Calculate(fields, inputs, results);
        benchmark::DoNotOptimize(fields.edits);
        benchmark::ClobberMemory();
    }
    if (fields.EditText(component::eReady) != ReadyText)
        state.SkipWithError("the starting texts must validate");
}
BENCHMARK(BM_WholeCalculation)->Repetitions(Repetitions)->ReportAggregatesOnly(true);

void BM_BallChecked(benchmark::State& state) {
    CalcInputs inputs = DefaultInputs();
    CalcResults results;
    for (auto _ : state) {
        benchmark::DoNotOptimize(inputs);
        EvaluateBall(inputs, results);
        benchmark::DoNotOptimize(results);
    }
}
BENCHMARK(BM_BallChecked)->Repetitions(Repetitions)->ReportAggregatesOnly(true);

void BM_BallUnchecked(benchmark::State& state) {
    CalcInputs inputs = DefaultInputs();
    CalcResults results;
    for (auto _ : state) {
        benchmark::DoNotOptimize(inputs);
        EvaluateBallUnchecked(inputs, results);
        benchmark::DoNotOptimize(results);
    }
}
BENCHMARK(BM_BallUnchecked)->Repetitions(Repetitions)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv) {
    // The mode and the decimal mark the application runs with.
    ResetFpu();
    DecimalMark = '.';
    // The unchecked reference must compute exactly what the checked model does.
    const CalcInputs inputs = DefaultInputs();
    CalcResults checked, unchecked;
    EvaluateBall(inputs, checked);
    EvaluateBallUnchecked(inputs, unchecked);
    for (auto slot : {&CalcResults::V, &CalcResults::m, &CalcResults::v, &CalcResults::vv0,
                      &CalcResults::v_v0, &CalcResults::vc, &CalcResults::Et0, &CalcResults::Et}) {
        if (checked.*slot != unchecked.*slot) {
            std::fputs("bench_calc: the unchecked reference differs from the model\n", stderr);
            return 1;
        }
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
