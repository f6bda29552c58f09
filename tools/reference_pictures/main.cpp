// Draws the four pictures of the reference window and writes them as JFIF files: each at its own
// size, and as name@2x.jpg at twice that size for screens of twice the pixel density. Writes
// what each picture shows in words, for screen readers, as a C++ table beside them.
// Usage: make_reference_pictures <picture directory> <words source file>

#include "jfif_writer.h"
#include "picture_words.h"
#include "reference_pictures.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSaveFile>
#include <QTextStream>

#include <exception>
#include <stdexcept>

namespace {

// High enough that the one-pixel rules and small text stay crisp.
constexpr int kQuality = 95;
// The ordinary pictures are 72 dpi; the doubled ones keep the same physical size.
constexpr int kDpi = 72;

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
    if (args.size() != 3) {
        err << "usage: make_reference_pictures <picture directory> <words source file>\n";
        return 2;
    }
    const QDir directory(args.at(1));
    if (!directory.exists()) {
        err << "no such directory: " << args.at(1) << "\n";
        return 1;
    }

    using namespace reference_pictures;
    const Scale scales[] = {{1, ""}, {2, "@2x"}};
    try {
        for (const auto& scale : scales) {
            for (const auto& picture : kPictureFiles) {
                const QString path = directory.filePath(
                    QStringLiteral("%1%2.jpg")
                        .arg(QLatin1String(picture.file), QLatin1String(scale.suffix)));
                const QByteArray stream =
                    encodeJfif(picture.paint(scale.factor).image, kQuality, kDpi * scale.factor);
                writeFile(path, stream);
                out << path << ": " << stream.size() << " bytes\n";
            }
        }
        const QString wordsPath = args.at(2);
        const QByteArray words = wordsSource(QFileInfo(wordsPath).fileName()).toUtf8();
        writeFile(wordsPath, words);
        out << wordsPath << ": " << words.size() << " bytes\n";
    } catch (const std::exception& error) {
        err << "make_reference_pictures: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
