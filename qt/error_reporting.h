#pragma once
// Errors that escape an event handler are shown here, in the modal error
// dialog, and the program goes on with the next event.

#include <exception>

#include <QFont>
#include <QString>

#include "common/error_texts.h"

class QObject;
class QScreen;

namespace tarsilo {

// The rules of common/error_texts.h on QString. The dialog text: the message
// with "." appended when it is not empty and the code of its last character
// is above that of '.'.
QString ErrorDialogText(const QString& message);

// A dialog text within the limits, its middle replaced by "…" when it is
// longer; a negative limit counts as 0.
QString ShortenedForDialog(const QString& text, qsizetype maxCharacters = DialogTextMaxCharacters,
                           int maxLineBreaks = DialogTextMaxLineBreaks);

// The room the error dialog has for a text on a screen (the primary one when
// null), in columns as wide as the widest character of the text's start and
// end in the dialog's font.
DialogTextRoom DialogTextRoomFor(const QString& text, const QScreen* screen);

// The dialog text as the error dialog shows it on a screen (the primary one
// when null): whole when it fits there, else shortened to what fits.
QString FittedForDialog(const QString& text, const QScreen* screen = nullptr);

// The error dialog's caption: the application title, which the application
// sets once it has made it. Until then Qt's application display name.
void SetErrorDialogCaption(const QString& caption);
// The font of the program's message boxes: the desktop's, as it was before the
// program gave the application its windows' font.
void SetDialogFont(const QFont& font);
QFont DialogFont();
QString ErrorDialogCaption();

// The message an error carries, as the dialog shows it before the full-stop rule.
QString ErrorMessage(const std::exception& error);

// Whether a message box has a task entry of its own: not while the main
// window, whose entry is the program's, is there.
enum class TaskEntry { Own, MainWindows };

// A modal message box for the whole application with the stop icon and one OK
// button, centred on the screen (the primary one when null). Returns once the
// user has closed it.
void ShowStopMessage(const QString& caption, const QString& text, QScreen* screen,
                     const QString& objectName, TaskEntry taskEntry);

// The error dialog: the message by the full-stop rule, shortened for the
// dialog, under the application title (an empty one too), centred on the monitor of the window
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
