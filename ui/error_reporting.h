#pragma once
// Errors that escape an event handler are shown here, in the modal error
// dialog, and the program goes on with the next event.

#include <exception>

#include <QString>

#include "common/error_texts.h"

class QObject;
class QScreen;

namespace tarsilo {

// The rules of common/error_texts.h on QString. The dialog text: the message
// with "." appended when it is not empty and the code of its last character
// is above that of '.'.
QString ErrorDialogText(const QString& message);

// A dialog text within DialogTextMaxCharacters and DialogTextMaxLineBreaks,
// its middle replaced by "…" when it is longer; a negative limit counts as 0.
QString ShortenedForDialog(const QString& text, qsizetype maxCharacters = DialogTextMaxCharacters,
                           int maxLineBreaks = DialogTextMaxLineBreaks);

// The message an error carries, as the dialog shows it before the full-stop rule.
QString ErrorMessage(const std::exception& error);

// A modal message box for the whole application with the stop icon and one OK
// button, centred on the screen (the primary one when null). Returns once the
// user has closed it.
void ShowStopMessage(const QString& caption, const QString& text, QScreen* screen,
                     const QString& objectName);

// The error dialog: the message by the full-stop rule, shortened for the
// dialog, under the application title, centred on the monitor of the window
// that was active; that window is active again afterwards.
void ShowErrorDialog(const std::exception& error);

// Cancels a mouse capture, ignores EAbort, else shows the error dialog.
void ReportException(const std::exception& error, QObject* source);

// Runs an event handler's command; an error it raises goes to ReportException
// with `source` as the control whose event was being handled.
template <class Command> void RunCommand(QObject* source, Command&& command) {
    try {
        command();
    } catch (const std::exception& error) {
        ReportException(error, source);
    }
}

} // namespace tarsilo
