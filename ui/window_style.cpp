#include "ui/window_style.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

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

int ScaledPixels(int designPixels, qreal dpi) {
    return static_cast<int>(std::lround(designPixels * dpi / DesignDpi));
}

// The text height of the digit 0: the font's full line height, as the layout
// grid was measured.
int TextHeight(const QFont& font) {
    return QFontMetrics(font).height();
}

} // namespace

QFont WindowFont(qreal dpi) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(ScaledPixels(WindowFontPixels, dpi));
    return font;
}

QFont GreekLetterFont(qreal dpi) {
    QFont font(QStringLiteral("Liberation Serif"));
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(ScaledPixels(GreekFontPixels, dpi));
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
    : dpi_(dpi), measured_(TextHeight(WindowFont(dpi))),
      reference_(TextHeight(WindowFont(DesignDpi))) {}

int LayoutScale::Apply(int designPixels) const {
    if (IsIdentity())
        return designPixels;
    return static_cast<int>(std::lround(qreal(designPixels) * measured_ / reference_));
}

QRect LayoutScale::Apply(const QRect& design) const {
    const int left = Apply(design.left());
    const int top = Apply(design.top());
    const int right = Apply(design.left() + design.width());
    const int bottom = Apply(design.top() + design.height());
    return QRect(left, top, right - left, bottom - top);
}

QSize LayoutScale::Apply(const QSize& design) const {
    return QSize(Apply(design.width()), Apply(design.height()));
}

qreal ScreenDpi(const QWidget* widget) {
    const QScreen* screen = widget ? widget->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInch() : DesignDpi;
}

} // namespace tarsilo
