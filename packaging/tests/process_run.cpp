#include "packaging/tests/process_run.h"

#include <QProcess>

namespace tarsilo::packaging {

QString ToolRun::Report(const QString& program, const QStringList& arguments) const {
    const QString status =
        finished ? QStringLiteral("exit code %1").arg(exitCode) : QStringLiteral("did not finish");
    return QStringLiteral("%1 %2: %3\n%4")
        .arg(program, arguments.join(QLatin1Char(' ')), status, output);
}

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
    // A tool that overruns is killed, which counts as not finished.
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
    }
    run.output = QString::fromUtf8(process.readAll());
    run.finished = process.exitStatus() == QProcess::NormalExit;
    run.exitCode = process.exitCode();
    return run;
}

} // namespace tarsilo::packaging
