#include "qt/window_style.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

// Resources compiled into a static library are registered by hand.
static void RegisterUiResources() {
    Q_INIT_RESOURCE(ui_resources);
}

namespace tarsilo {

void EnsureUiResources() {
    static const bool registered = (RegisterUiResources(), true);
    (void)registered;
}

namespace {

// The text height of the digit 0: the font's full line height, as the layout
// grid was measured.
int TextHeight(const QFont& font) {
    return QFontMetrics(font).height();
}

} // namespace

QFont WindowFont(qreal dpi) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(FontPixelsAt(WindowFontPixels, dpi));
    return font;
}

QFont GreekLetterFont(qreal dpi) {
    QFont font(QStringLiteral("Liberation Serif"));
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(FontPixelsAt(GreekFontPixels, dpi));
    return font;
}

QIcon WindowIcon() {
    EnsureUiResources();
    QIcon icon(QStringLiteral(":/tarsilo/tarsilo_icon.xpm"));
    // The same design drawn at 64 pixels, for screens of twice the density.
    icon.addFile(QStringLiteral(":/tarsilo/tarsilo_icon@2x.png"));
    return icon;
}

LayoutScale::LayoutScale(qreal dpi)
    : dpi_(dpi), scale_(TextHeight(WindowFont(dpi)), TextHeight(WindowFont(DesignDpi))) {}

QRect LayoutScale::Apply(const QRect& design) const {
    const Rect scaled =
        scale_.Apply(Rect{design.left(), design.top(), design.width(), design.height()});
    return QRect(scaled.left, scaled.top, scaled.width, scaled.height);
}

QSize LayoutScale::Apply(const QSize& design) const {
    const Size scaled = scale_.Apply(Size{design.width(), design.height()});
    return QSize(scaled.width, scaled.height);
}

qreal ScreenDpi(const QWidget* widget) {
    const QScreen* screen = widget ? widget->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInch() : DesignDpi;
}

} // namespace tarsilo
