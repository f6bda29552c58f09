#pragma once
// Errors that escape an event handler are shown here, in the modal error
// dialog, and the program goes on with the next event.

#include <exception>

#include <QString>

class QObject;
class QScreen;

namespace tarsilo {

// The dialog text: the message with "." appended when it is not empty and the
// code of its last character is above that of '.'.
QString ErrorDialogText(const QString& message);

// A dialog text that fits on the screen: one longer than maxCharacters, or
// with more than maxLineBreaks line breaks, keeps its start and its end
// around "…" within both limits. A text within them is returned unchanged.
// The message box widens to its longest unbroken run of characters and, on
// a screen up to 1024 pixels wide, then overflows it; 100 characters keep
// the quoted part of a conversion error to about 60.
inline constexpr qsizetype DialogTextMaxCharacters = 100;
inline constexpr int DialogTextMaxLineBreaks = 8;
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
