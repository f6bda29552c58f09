// Response benchmark on the real windows (headless unless QT_QPA_PLATFORM says
// otherwise): one Calculate, and the first "Инфо" up to the first painting of
// the four pictures, each beside the bare Qt Widgets baseline in the same run.
//
//   bench_response [--clicks N] [--runs N]

#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

#include <QApplication>
#include <QProcess>
#include <QStringList>

#include "bench/response/measurements.h"
#include "bench/response/sample_stats.h"
#include "bench/response/window_session.h"
#include "calc/decimal_mark.h"
#include "qt/app/application.h"
#include "qt/app/program.h"

using namespace tarsilo::bench;

namespace {

struct Options {
    int clicks = 2000;
    int runs = 20;
    const char* child = nullptr; // "program" or "baseline": one first "Инфо"
};

Options ReadOptions(int argc, char* argv[]) {
    Options options;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--clicks") == 0)
            options.clicks = std::max(100, std::atoi(argv[i + 1]));
        else if (std::strcmp(argv[i], "--runs") == 0)
            options.runs = std::max(1, std::atoi(argv[i + 1]));
        else if (std::strcmp(argv[i], "--child-first-info") == 0)
            options.child = argv[i + 1];
    }
    return options;
}

std::string LoadAverage() {
    std::ifstream file("/proc/loadavg");
    std::string one, five, fifteen;
    file >> one >> five >> fifteen;
    return one + " " + five + " " + fifteen;
}

void PrintPair(const char* what, const Summary& program, const Summary& baseline,
               const char* unit) {
    std::printf("%s\n  Tarsilo   %s\n  baseline  %s\n  ratio of medians %.2f\n", what,
                Describe(program, unit).c_str(), Describe(baseline, unit).c_str(),
                baseline.median > 0 ? program.median / baseline.median : 0.0);
}

void BenchCalculate(tarsilo::TApplication& application, int clicks) {
    constexpr int Block = 100;
    const auto program = OpenProgramWindows(application);
    const auto baseline = OpenBaselineWindows();
    MeasureCalculate(*program, Block);
    MeasureCalculate(*baseline, Block);
    std::vector<double> programSamples, baselineSamples;
    for (int done = 0; done < clicks; done += Block) {
        const auto a = MeasureCalculate(*program, Block);
        const auto b = MeasureCalculate(*baseline, Block);
        programSamples.insert(programSamples.end(), a.begin(), a.end());
        baselineSamples.insert(baselineSamples.end(), b.begin(), b.end());
    }
    PrintPair("Calculate: click until every field is written, alternating blocks of 100 clicks",
              Summarize(programSamples), Summarize(baselineSamples), "us");
    std::printf("  the program's fields after the last click: %s\n", program->EditTexts().c_str());
}

// The samples of one side of a first-"Инфо" comparison.
struct FirstInfoSamples {
    std::vector<double> total, click, cpu, decode;

    void Add(const FirstInfo& result) {
        total.push_back(result.totalMs);
        click.push_back(result.clickMs);
        cpu.push_back(result.cpuMs);
    }
};

void PrintFirstInfo(const char* what, const FirstInfoSamples& program,
                    const FirstInfoSamples& baseline) {
    PrintPair(what, Summarize(program.total), Summarize(baseline.total), "ms");
    std::printf("  processor time of the process over the same span:\n"
                "    Tarsilo   %s\n    baseline  %s\n"
                "  of which the click itself (window shown, before any painting):\n"
                "    Tarsilo   %s\n    baseline  %s\n",
                Describe(Summarize(program.cpu), "ms").c_str(),
                Describe(Summarize(baseline.cpu), "ms").c_str(),
                Describe(Summarize(program.click), "ms").c_str(),
                Describe(Summarize(baseline.click), "ms").c_str());
}

void BenchFirstInfoInProcess(tarsilo::TApplication& application, int runs) {
    FirstInfoSamples program, baseline;
    std::string wiring;
    for (int run = 0; run < runs; ++run) {
        {
            const auto session = OpenProgramWindows(application);
            wiring = session->InfoWiring();
            if (const FirstInfo result = MeasureFirstInfo(*session); result.opened)
                program.Add(result);
        }
        const auto session = OpenBaselineWindows();
        if (const FirstInfo result = MeasureFirstInfo(*session); result.opened)
            baseline.Add(result);
    }
    std::printf("Reference window: %s\n", wiring.c_str());
    PrintFirstInfo("First \"Инфо\" until the four pictures are painted, fresh windows in one "
                   "process",
                   program, baseline);
}

// One line from a child: "<total> <click> <cpu> <decode> <opened 0/1>", in ms.
bool RunChild(const char* kind, FirstInfoSamples& samples) {
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--child-first-info"), QString::fromLatin1(kind)});
    if (!child.waitForFinished(30000) || child.exitCode() != 0)
        return false;
    FirstInfo result;
    double decode = 0;
    int opened = 0;
    const QByteArray line = child.readAllStandardOutput();
    if (std::sscanf(line.constData(), "%lf %lf %lf %lf %d", &result.totalMs, &result.clickMs,
                    &result.cpuMs, &decode, &opened) != 5 ||
        opened != 1)
        return false;
    samples.Add(result);
    samples.decode.push_back(decode);
    return true;
}

void BenchFirstInfoFreshProcess(int runs) {
    FirstInfoSamples program, baseline;
    for (int run = 0; run < runs; ++run) {
        RunChild("program", program);
        RunChild("baseline", baseline);
    }
    PrintFirstInfo("First \"Инфо\" until the four pictures are painted, a fresh process per run",
                   program, baseline);
    std::printf("  decoding Tarsilo's four pictures again afterwards, in the same process: %s\n",
                Describe(Summarize(program.decode), "ms").c_str());
}

void BenchInfoCreation(int runs) {
    std::vector<double> create, headers;
    for (int run = 0; run < runs; ++run) {
        const InfoCreation result = MeasureInfoCreation();
        create.push_back(result.createMs);
        headers.push_back(result.headersUs);
    }
    std::printf("Reference window at start-up, created hidden (the process warm):\n"
                "  creating it          %s\n  reading four headers %s\n",
                Describe(Summarize(create), "ms").c_str(),
                Describe(Summarize(headers), "us").c_str());
}

int RunChildMeasurement(int argc, char* argv[], const std::string& kind) {
    FirstInfo result;
    double decodeMs = 0;
    if (kind == "program") {
        tarsilo::EstablishFpuMode();
        tarsilo::ReadDecimalMark();
        tarsilo::TApplication application(argc, argv);
        const auto session = OpenProgramWindows(application);
        result = MeasureFirstInfo(*session);
        decodeMs = MeasureProgramPictureDecoding();
    } else {
        QApplication application(argc, argv);
        const auto session = OpenBaselineWindows();
        result = MeasureFirstInfo(*session);
    }
    std::printf("%.4f %.4f %.4f %.4f %d\n", result.totalMs, result.clickMs, result.cpuMs, decodeMs,
                result.opened ? 1 : 0);
    return 0;
}

QtMessageHandler standardMessageHandler = nullptr;

// The headless platform cannot raise windows and says so at every "Инфо".
void DropRaiseNotices(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (!text.contains(QStringLiteral("does not support raise()")))
        standardMessageHandler(type, context, text);
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    standardMessageHandler = qInstallMessageHandler(DropRaiseNotices);
    const Options options = ReadOptions(argc, argv);
    if (options.child)
        return RunChildMeasurement(argc, argv, options.child);

    std::printf("Response benchmark, platform %s, load average %s\n",
                qgetenv("QT_QPA_PLATFORM").constData(), LoadAverage().c_str());
    tarsilo::EstablishFpuMode();
    tarsilo::ReadDecimalMark();
    tarsilo::TApplication application(argc, argv);
    BenchCalculate(application, options.clicks);
    BenchInfoCreation(options.runs);
    BenchFirstInfoInProcess(application, options.runs);
    BenchFirstInfoFreshProcess(options.runs);
    std::printf("load average at the end %s\n", LoadAverage().c_str());
    return 0;
}
