#include "qt/error_reporting.h"

#include <algorithm>
#include <optional>

#include <QApplication>
#include <QFontMetrics>
#include <QMessageBox>
#include <QPointer>
#include <QProxyStyle>
#include <QScreen>
#include <QSet>
#include <QStyleFactory>
#include <QWidget>

#include "calc/errors.h"
#include "qt/utf16_text.h"
#include "qt/window_placement.h"
#include "qt/x11_window_hints.h"

namespace tarsilo {

namespace {

// The message boxes' own style: the application's, except that every box
// gets the same stop icon. Qt 6.8 makes a new icon out of its image files for
// each box, and the pixmap each new icon draws stays in the application's
// pixmap cache until that is full (10 MiB): a long session of error dialogs
// filled it. One icon draws one pixmap, which every box then finds there.
class MessageBoxStyle : public QProxyStyle {
public:
    explicit MessageBoxStyle(QStyle* base) : QProxyStyle(base) {}

    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption* option,
                       const QWidget* widget) const override {
        if (standardIcon != SP_MessageBoxCritical)
            return QProxyStyle::standardIcon(standardIcon, option, widget);
        if (critical_.isNull())
            critical_ = QProxyStyle::standardIcon(standardIcon, option, widget);
        return critical_;
    }

private:
    mutable QIcon critical_;
};

// One for the application, ended with it; its base is a style of the
// application style's kind.
QStyle* MessageBoxStyleOfApplication() {
    static QPointer<QStyle> style;
    if (!style) {
        style = new MessageBoxStyle(QStyleFactory::create(QApplication::style()->name()));
        style->setParent(qApp);
    }
    return style;
}

// What a message box takes of the screen besides its text: frame, icon,
// margins and, in height, also the title bar and the button row.
constexpr int DialogChromeWidth = 120;
constexpr int DialogChromeHeight = 140;
// How much of a text's start and of its end is measured for its widest character.
constexpr qsizetype CharactersSampled = 2000;

std::optional<QString> errorDialogCaption;
std::optional<QFont> dialogFont;

// Centres itself by its frame once its size is final, which is only known
// when it shows.
class CentredMessageBox : public QMessageBox {
public:
    CentredMessageBox(const QString& caption, const QString& text, QScreen* screen,
                      TaskEntry taskEntry)
        : QMessageBox(QMessageBox::NoIcon, caption, text, QMessageBox::Ok), screen_(screen),
          taskEntry_(taskEntry) {
        setStyle(MessageBoxStyleOfApplication());
        setFont(DialogFont());
        setIcon(QMessageBox::Critical);
    }

protected:
    void showEvent(QShowEvent* event) override {
        QMessageBox::showEvent(event);
        // Qt would show the program's file name for an empty title.
        if (windowTitle().isEmpty())
            ShowEmptyTitle(this);
        if (taskEntry_ == TaskEntry::MainWindows)
            KeepOffTaskBar(this);
        QScreen* screen = screen_ ? screen_.data() : QGuiApplication::primaryScreen();
        if (!screen)
            return;
        const QRect area = screen->availableGeometry();
        const QSize client = size();
        PlaceByFrame(this, [area, client](QMargins frame) {
            QRect outer(QPoint(), client.grownBy(frame));
            outer.moveCenter(area.center());
            return outer.topLeft();
        });
    }

private:
    QPointer<QScreen> screen_;
    TaskEntry taskEntry_;
};

} // namespace

QString ShortenedForDialog(const QString& text, qsizetype maxCharacters, int maxLineBreaks) {
    return FromUtf16(tarsilo::ShortenedForDialog(
        Utf16View(text), static_cast<std::size_t>(std::max<qsizetype>(maxCharacters, 0)),
        static_cast<std::size_t>(std::max(maxLineBreaks, 0))));
}

DialogTextRoom DialogTextRoomFor(const QString& text, const QScreen* screen) {
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect();
    const QFontMetrics metrics(DialogFont());
    // A column is as wide as the widest character at the text's start and end,
    // which is what a shortened text keeps.
    int character = std::max(metrics.averageCharWidth(), 1);
    QSet<QChar> measured;
    const QString sample = text.left(CharactersSampled) + text.right(CharactersSampled);
    for (const QChar c : sample) {
        if (!measured.contains(c)) {
            measured.insert(c);
            character = std::max(character, metrics.horizontalAdvance(c));
        }
    }
    // A message box wraps its text at half the screen's width (500 pixels at
    // most) and widens to a longer unbroken run up to its hard limit; its
    // frame, icon, margins and button take the rest.
    const int wide = area.width() <= 1024 ? area.width() : std::min(area.width() - 480, 1000);
    const int columns = (wide - DialogChromeWidth) / character;
    const int wrapColumns = (std::min(area.width() / 2, 500) - DialogChromeWidth) / character;
    const int lines = (area.height() - DialogChromeHeight) / std::max(metrics.lineSpacing(), 1);
    return {std::size_t(std::max(columns, 1)), std::size_t(std::max(wrapColumns, 1)),
            std::size_t(std::max(lines, 1))};
}

QString FittedForDialog(const QString& text, const QScreen* screen) {
    return FromUtf16(tarsilo::FittedForDialog(Utf16View(text), DialogTextRoomFor(text, screen)));
}

void SetErrorDialogCaption(const QString& caption) {
    errorDialogCaption = caption;
}

void SetDialogFont(const QFont& font) {
    dialogFont = font;
}

QFont DialogFont() {
    return dialogFont.value_or(QApplication::font("QMessageBoxLabel"));
}

QString ErrorDialogCaption() {
    return errorDialogCaption.value_or(QGuiApplication::applicationDisplayName());
}

QString ErrorDialogText(const QString& message) {
    return FromUtf16(tarsilo::ErrorDialogText(Utf16View(message)));
}

QString ErrorMessage(const std::exception& error) {
    if (auto* own = dynamic_cast<const Exception*>(&error))
        return QString::fromStdString(own->Message());
    return QString::fromLocal8Bit(error.what());
}

void ShowStopMessage(const QString& caption, const QString& text, QScreen* screen,
                     const QString& objectName, TaskEntry taskEntry) {
    // No parent: the box belongs to the application, not to a window.
    CentredMessageBox box(caption, text, screen, taskEntry);
    box.setObjectName(objectName);
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

void ShowErrorDialog(const std::exception& error) {
    const QPointer<QWidget> active = QApplication::activeWindow();
    QScreen* screen = active ? active->screen() : nullptr;
    // The full-stop rule looks at the whole message, before it is shortened.
    ShowStopMessage(ErrorDialogCaption(),
                    FittedForDialog(ErrorDialogText(ErrorMessage(error)), screen), screen,
                    QStringLiteral("ErrorDialog"), TaskEntry::MainWindows);
    if (active) {
        active->raise();
        active->activateWindow();
    }
}

void ReportException(const std::exception& error, QObject* /*source*/) {
    if (QWidget* grabber = QWidget::mouseGrabber())
        grabber->releaseMouse();
    if (dynamic_cast<const EAbort*>(&error))
        return;
    ShowErrorDialog(error);
}

} // namespace tarsilo
