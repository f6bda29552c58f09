#pragma once
// Runs an outside tool to its end and keeps what it printed.

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace tarsilo::packaging {

struct ToolRun {
    bool finished = false; // false: it could not start, crashed or timed out
    int exitCode = -1;
    QString output; // standard output and standard error, interleaved

    bool Succeeded() const { return finished && exitCode == 0; }
    // The command line and its output, for a failure message.
    QString Report(const QString& program, const QStringList& arguments) const;
};

ToolRun RunTool(const QString& program, const QStringList& arguments, int timeoutMs = 60000,
                const QString& workingDirectory = {});

} // namespace tarsilo::packaging
