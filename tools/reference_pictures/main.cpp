// Draws the four pictures of the reference window and writes them as JFIF files: each at its own
// size, and as name@2x.jpg at twice that size for screens of twice the pixel density.
// Usage: make_reference_pictures <output directory>

#include "jfif_writer.h"
#include "reference_pictures.h"

#include <QDir>
#include <QGuiApplication>
#include <QSaveFile>
#include <QTextStream>

#include <exception>
#include <functional>
#include <stdexcept>

namespace {

// High enough that the one-pixel rules and small text stay crisp.
constexpr int kQuality = 95;
// The ordinary pictures are 72 dpi; the doubled ones keep the same physical size.
constexpr int kDpi = 72;

struct PictureFile {
    const char* name;
    std::function<QImage(int scale)> paint;
};

struct Scale {
    int factor;
    const char* suffix;
};

void writeFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw std::runtime_error(
            QStringLiteral("cannot write %1: %2").arg(path, file.errorString()).toStdString());
}

} // namespace

int main(int argc, char* argv[]) {
    // Drawing on images needs no screen.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    QTextStream out(stdout);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 2) {
        err << "usage: make_reference_pictures <output directory>\n";
        return 2;
    }
    const QDir directory(args.at(1));
    if (!directory.exists()) {
        err << "no such directory: " << args.at(1) << "\n";
        return 1;
    }

    using namespace reference_pictures;
    const PictureFile pictures[] = {
        {"values", paintValuesPicture},
        {"ball", paintBallPicture},
        {"cylinder", paintCylinderPicture},
        {"drag", paintDragPicture},
    };
    const Scale scales[] = {{1, ""}, {2, "@2x"}};
    try {
        for (const auto& scale : scales) {
            for (const auto& picture : pictures) {
                const QString path = directory.filePath(
                    QStringLiteral("%1%2.jpg")
                        .arg(QLatin1String(picture.name), QLatin1String(scale.suffix)));
                const QByteArray stream =
                    encodeJfif(picture.paint(scale.factor), kQuality, kDpi * scale.factor);
                writeFile(path, stream);
                out << path << ": " << stream.size() << " bytes\n";
            }
        }
    } catch (const std::exception& error) {
        err << "make_reference_pictures: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
