// Writes the desktop icons of the program into a hicolor-style tree:
// <out>/<N>x<N>/apps/<name>.png. The 32-pixel icon is the window icon itself;
// the larger ones are the same design drawn at their size.

#include <cstdio>

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QStringList>

#include "tools/icons/icon_design.h"
#include "tools/icons/icon_sizes.h"

namespace {

bool Write(const QImage& image, const QString& directory, const QString& name) {
    const QString folder = QStringLiteral("%1/%2x%2/apps").arg(directory).arg(image.width());
    const QString file = folder + QLatin1Char('/') + name + QStringLiteral(".png");
    if (!QDir().mkpath(folder) || !image.save(file, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
        return false;
    }
    std::printf("%s\n", qPrintable(file));
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() != 4) {
        std::fprintf(stderr, "usage: %s <window icon .xpm> <output directory> <icon name>\n",
                     qPrintable(arguments.value(0)));
        return 2;
    }
    const QString& xpm = arguments[1];
    const QString& directory = arguments[2];
    const QString& name = arguments[3];

    const QImage windowIcon = QImage(xpm).convertToFormat(QImage::Format_RGB32);
    if (windowIcon.size() != QSize(tarsilo::icons::DesignGrid, tarsilo::icons::DesignGrid)) {
        std::fprintf(stderr, "%s is not a 32 x 32 picture\n", qPrintable(xpm));
        return 1;
    }
    bool written = Write(windowIcon, directory, name);
    for (const int size : tarsilo::icons::DrawnSizes)
        written = Write(tarsilo::icons::DrawIcon(size), directory, name) && written;
    return written ? 0 : 1;
}
