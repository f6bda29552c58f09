// Timings of the calculation core: the two conversions, one whole Calculate
// on the field texts, and the cost of the fault checks in the ball model.

#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <string>

#include "calc/descent_model.h"
#include "calc/fpu_mode.h"
#include "calc/inputs.h"
#include "calc/number_text.h"
#include "calc/program_records.h"

using namespace tarsilo;

namespace {

// Each figure is reported as the median (with mean and spread) of this many runs.
constexpr int Repetitions = 25;

const std::array<std::string, 10> FieldTexts = {"10000", "1",   "1",     "0.5", "1000",
                                                "9.81",  "1.2", "0.029", "300", "0"};

CalcInputs DefaultInputs() {
    CalcInputs inputs;
    for (std::size_t i = 0; i < FieldTexts.size(); ++i)
        inputs.*InputReadingOrder[i] = ParseNumber(FieldTexts[i], '.');
    return inputs;
}

// The ball branch in plain arithmetic, the same grouping, no checks.
void EvaluateBallUnchecked(const CalcInputs& in, CalcResults& out) {
    const long double pi = 3.1415926L, scale = 10000000.0L, coefficient = 6.26L;
    const long double R = GasConstantR;
    out.V = (((pi * in.D) * in.D) * in.D) / 6;
    out.m = in.RoB * out.V;
    const long double k1 = ((in.mu * in.g) * in.Hx) / (R * in.T);
    const long double A = (((in.Cb * 3) * in.Ro0) * R) * in.T;
    const long double B = (((in.D * 4) * in.RoB) * in.mu) * in.g;
    out.v = std::exp(std::exp(-k1) * -(A / B)) * in.Vo;
    const long double k2 = ((in.mu * in.g) * in.Hx) / (R * in.T);
    const long double F = ((in.RoB * 4) * in.D) * in.g;
    const long double G = (in.Ro0 * 3) * in.Cb;
    out.vc = std::sqrt(std::exp(k2) * (F / G));
    out.vv0 = (out.v * 100) / in.Vo;
    out.v_v0 = ((in.Vo - out.v) * 100) / in.Vo;
    const long double base = (((coefficient * in.RoB) * in.D) * in.D) * in.D;
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
    long double value = 193.82739013849030209L;
    for (auto _ : state) {
        benchmark::DoNotOptimize(value);
        benchmark::DoNotOptimize(FormatGeneral(value, 5, 4, '.'));
    }
}
BENCHMARK(BM_FormatResult)->Repetitions(Repetitions)->ReportAggregatesOnly(true);

// Calculate on the default texts: trim and parse ten fields, validate, run
// the ball branch, format the eight results (energies in tonnes below 1 kt).
void BM_WholeCalculation(benchmark::State& state) {
    std::array<std::string, 10> texts = FieldTexts;
    std::array<std::string, 8> shown;
    for (auto _ : state) {
        benchmark::DoNotOptimize(texts.data());
        for (std::size_t i = 0; i < texts.size(); ++i)
            ProgramInputs.*InputReadingOrder[i] = ParseNumber(TrimBlanks(texts[i]), '.');
        if (ValidateInputs(ProgramInputs) != 0)
            state.SkipWithError("the default texts must validate");
        EvaluateModel(ProgramInputs, BodyShape::Ball, ProgramResults);
        const CalcResults& r = ProgramResults;
        const long double values[] = {r.V, r.m, r.v, r.vv0, r.v_v0, r.vc};
        for (int i = 0; i < 6; ++i)
            shown[i] = FormatGeneral(values[i], 5, 4, '.');
        shown[6] = FormatGeneral(r.Et0 >= 1 ? r.Et0 : r.Et0 * 1000, 5, 4, '.');
        shown[7] = FormatGeneral(r.Et >= 1 ? r.Et : r.Et * 1000, 5, 4, '.');
        benchmark::DoNotOptimize(shown.data());
        benchmark::ClobberMemory();
    }
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
    // The mode the application runs in.
    ResetFpu();
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
