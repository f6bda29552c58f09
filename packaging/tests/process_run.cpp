#include "packaging/tests/process_run.h"

#include <QProcess>

namespace tarsilo::packaging {

QString ToolRun::Report(const QString& program, const QStringList& arguments) const {
    const QString status =
        finished ? QStringLiteral("exit code %1").arg(exitCode) : QStringLiteral("did not finish");
    return QStringLiteral("%1 %2: %3\n%4")
        .arg(program, arguments.join(QLatin1Char(' ')), status, output + errors);
}

namespace {

// Waits for a started process to end; one that overruns is killed, which
// counts as not finished.
void WaitForEnd(QProcess& process, int timeoutMs, ToolRun& run) {
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
    }
    run.finished = process.exitStatus() == QProcess::NormalExit;
    run.exitCode = process.exitCode();
}

// Starts the process and collects what it wrote; with merged channels
// everything is output.
ToolRun StartAndCollect(QProcess& process, const QString& program, const QStringList& arguments,
                        int timeoutMs) {
    process.start(program, arguments);
    ToolRun run;
    if (!process.waitForStarted()) {
        const bool merged = process.processChannelMode() == QProcess::MergedChannels;
        (merged ? run.output : run.errors) = process.errorString();
        return run;
    }
    WaitForEnd(process, timeoutMs, run);
    run.output = QString::fromUtf8(process.readAllStandardOutput());
    // Merged, there is no standard error to read (Qt 6.8 warns when asked).
    if (process.processChannelMode() != QProcess::MergedChannels)
        run.errors = QString::fromUtf8(process.readAllStandardError());
    return run;
}

} // namespace

ToolRun RunTool(const QString& program, const QStringList& arguments, int timeoutMs,
                const QString& workingDirectory) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    if (!workingDirectory.isEmpty())
        process.setWorkingDirectory(workingDirectory);
    return StartAndCollect(process, program, arguments, timeoutMs);
}

ToolRun RunToolApart(const QString& program, const QStringList& arguments,
                     const QProcessEnvironment& environment, int timeoutMs) {
    QProcess process;
    process.setProcessEnvironment(environment);
    return StartAndCollect(process, program, arguments, timeoutMs);
}

} // namespace tarsilo::packaging
