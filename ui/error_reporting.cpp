#include "ui/error_reporting.h"

#include <algorithm>

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QProxyStyle>
#include <QScreen>
#include <QStyleFactory>
#include <QWidget>

#include "calc/errors.h"
#include "ui/frame_extents.h"
#include "ui/utf16_text.h"

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

// Centres itself once its size is final, which is only known when it shows.
class CentredMessageBox : public QMessageBox {
public:
    CentredMessageBox(const QString& caption, const QString& text, QScreen* screen)
        : QMessageBox(QMessageBox::NoIcon, caption, text, QMessageBox::Ok), screen_(screen) {
        setStyle(MessageBoxStyleOfApplication());
        setIcon(QMessageBox::Critical);
    }

protected:
    void showEvent(QShowEvent* event) override {
        QMessageBox::showEvent(event);
        QScreen* screen = screen_ ? screen_.data() : QGuiApplication::primaryScreen();
        if (!screen)
            return;
        const QMargins unknown = UnknownFrame(this);
        QRect frame = frameGeometry().marginsAdded(unknown);
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft() + QPoint(unknown.left(), unknown.top()));
    }

private:
    QPointer<QScreen> screen_;
};

} // namespace

QString ShortenedForDialog(const QString& text, qsizetype maxCharacters, int maxLineBreaks) {
    return FromUtf16(tarsilo::ShortenedForDialog(
        Utf16View(text), static_cast<std::size_t>(std::max<qsizetype>(maxCharacters, 0)),
        static_cast<std::size_t>(std::max(maxLineBreaks, 0))));
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
                     const QString& objectName) {
    // No parent: the box belongs to the application, not to a window.
    CentredMessageBox box(caption, text, screen);
    box.setObjectName(objectName);
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

void ShowErrorDialog(const std::exception& error) {
    const QPointer<QWidget> active = QApplication::activeWindow();
    // The full-stop rule looks at the whole message, before it is shortened.
    ShowStopMessage(QGuiApplication::applicationDisplayName(),
                    ShortenedForDialog(ErrorDialogText(ErrorMessage(error))),
                    active ? active->screen() : nullptr, QStringLiteral("ErrorDialog"));
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
