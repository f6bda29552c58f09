#include "bench/response/measurements.h"

#include <chrono>
#include <ctime>

#include <QAbstractButton>
#include <QCoreApplication>
#include <QFile>
#include <QWidget>

#include "bench/response/paint_watch.h"
#include "qt/Info.h"
#include "qt/jpeg_picture.h"

namespace tarsilo::bench {

namespace {

using Clock = std::chrono::steady_clock;

double Micros(Clock::duration duration) {
    return std::chrono::duration<double, std::micro>(duration).count();
}

double ProcessCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

void ProcessPendingEvents() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

} // namespace

std::vector<double> MeasureCalculate(WindowSession& session, int clicks) {
    QAbstractButton* button = session.CalculateButton();
    std::vector<double> samples;
    samples.reserve(static_cast<std::size_t>(clicks));
    for (int i = 0; i < clicks; ++i) {
        const auto start = Clock::now();
        button->click();
        samples.push_back(Micros(Clock::now() - start));
        ProcessPendingEvents();
    }
    return samples;
}

FirstInfo MeasureFirstInfo(WindowSession& session) {
    constexpr auto Timeout = std::chrono::seconds(5);
    PaintWatch watch(session.Pictures());
    const double cpuStart = ProcessCpuMs();
    const auto start = Clock::now();
    session.InfoButton()->click();
    const auto clicked = Clock::now();
    while (!watch.AllPainted() && Clock::now() - start < Timeout)
        ProcessPendingEvents();
    const auto painted = Clock::now();
    FirstInfo result;
    result.cpuMs = ProcessCpuMs() - cpuStart;
    result.opened = session.InfoWindow()->isVisible() && watch.AllPainted();
    result.totalMs = Micros(painted - start) / 1000;
    result.clickMs = Micros(clicked - start) / 1000;
    return result;
}

QList<QByteArray> ProgramPictureStreams() {
    QList<QByteArray> streams;
    for (const char* name : {"values", "ball", "cylinder", "drag"}) {
        QFile file(QStringLiteral(":/pictures/%1.jpg").arg(QLatin1String(name)));
        if (file.open(QIODevice::ReadOnly))
            streams.append(file.readAll());
    }
    return streams;
}

InfoCreation MeasureInfoCreation() {
    InfoCreation result;
    auto start = Clock::now();
    delete new TfInfo;
    result.createMs = Micros(Clock::now() - start) / 1000;
    const QList<QByteArray> streams = ProgramPictureStreams();
    start = Clock::now();
    for (const QByteArray& stream : streams)
        JpegPicture header(stream);
    result.headersUs = Micros(Clock::now() - start);
    return result;
}

double MeasureProgramPictureDecoding() {
    QList<JpegPicture> pictures;
    for (const QByteArray& stream : ProgramPictureStreams())
        pictures.append(JpegPicture(stream));
    const auto start = Clock::now();
    for (JpegPicture& picture : pictures)
        picture.Decode(JpegPicture::Display::TrueColour);
    return Micros(Clock::now() - start) / 1000;
}

} // namespace tarsilo::bench
