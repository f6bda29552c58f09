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
    QString errors; // standard error, when RunToolApart kept it apart from output

    bool Succeeded() const { return finished && exitCode == 0; }
    // The command line and its output, for a failure message.
    QString Report(const QString& program, const QStringList& arguments) const;
};

ToolRun RunTool(const QString& program, const QStringList& arguments, int timeoutMs = 60000,
                const QString& workingDirectory = {});

// The same in the given environment, with standard output in `output` and
// standard error in `errors`: for tools that report problems on standard error
// only.
ToolRun RunToolApart(const QString& program, const QStringList& arguments,
                     const QProcessEnvironment& environment, int timeoutMs = 60000);

} // namespace tarsilo::packaging
