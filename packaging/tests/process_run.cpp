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

} // namespace

ToolRun RunTool(const QString& program, const QStringList& arguments, int timeoutMs,
                const QString& workingDirectory) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    if (!workingDirectory.isEmpty())
        process.setWorkingDirectory(workingDirectory);
    process.start(program, arguments);
    ToolRun run;
    if (!process.waitForStarted()) {
        run.output = process.errorString();
        return run;
    }
    WaitForEnd(process, timeoutMs, run);
    run.output = QString::fromUtf8(process.readAll());
    return run;
}

ToolRun RunToolApart(const QString& program, const QStringList& arguments,
                     const QProcessEnvironment& environment, int timeoutMs) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    ToolRun run;
    if (!process.waitForStarted()) {
        run.errors = process.errorString();
        return run;
    }
    WaitForEnd(process, timeoutMs, run);
    run.output = QString::fromUtf8(process.readAllStandardOutput());
    run.errors = QString::fromUtf8(process.readAllStandardError());
    return run;
}

} // namespace tarsilo::packaging
