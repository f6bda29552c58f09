// `cmake --install` into a scratch prefix: what it installs, whether the
// desktop validators accept the desktop entry and the metainfo, whether those
// name the installed executable and icons, and whether man renders the manual
// pages cleanly.

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include "packaging/tests/control_fields.h"
#include "packaging/tests/installed_files.h"
#include "packaging/tests/process_run.h"

using namespace tarsilo::packaging;

namespace {

QString ReadText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The first untranslated element of the metainfo with this name (and this
// type attribute, where given): its text, or with `attribute` that attribute.
QString MetainfoValue(const QString& xml, const QString& element, const QString& type = {},
                      const QString& attribute = {}) {
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement || reader.name() != element)
            continue;
        const QXmlStreamAttributes attributes = reader.attributes();
        if (attributes.hasAttribute(QStringLiteral("xml:lang")) ||
            (!type.isEmpty() && attributes.value(QStringLiteral("type")) != type))
            continue;
        return attribute.isEmpty() ? reader.readElementText().trimmed()
                                   : attributes.value(attribute).toString();
    }
    return {};
}

} // namespace

class TestDesktopIntegration : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QVERIFY(prefix_.isValid());
        const QStringList arguments{QStringLiteral("--install"), QStringLiteral(TARSILO_BUILD_DIR),
                                    QStringLiteral("--prefix"), prefix_.path()};
        const ToolRun run = RunTool(QStringLiteral(TARSILO_CMAKE_COMMAND), arguments);
        QVERIFY2(run.Succeeded(), qPrintable(run.Report(QStringLiteral("cmake"), arguments)));
    }

    void installsFile_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("executable");
        QTest::newRow("program") << ExecutablePath() << true;
        QTest::newRow("desktop entry") << DesktopEntryPath() << false;
        QTest::newRow("AppStream metainfo") << MetainfoPath() << false;
        for (const int size : IconSizes())
            QTest::addRow("icon %dx%d", size, size) << IconPath(size) << false;
        QTest::newRow("copyright") << CopyrightPath() << false;
        QTest::newRow("changelog") << ChangelogPath() << false;
        QTest::newRow("manual page, English") << ManualPagePath() << false;
        QTest::newRow("manual page, Russian") << ManualPagePath(QStringLiteral("ru")) << false;
    }
    void installsFile() {
        QFETCH(QString, path);
        QFETCH(bool, executable);
        const QFileInfo file(Installed(path));
        QVERIFY2(file.isFile(), qPrintable(file.filePath()));
        QCOMPARE(file.isExecutable(), executable);
    }

    void validatorAccepts_data() {
        QTest::addColumn<QString>("validator");
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("desktop entry, desktop-file-validate")
            << QStringLiteral("desktop-file-validate")
            << QStringList{Installed(DesktopEntryPath())};
        QTest::newRow("metainfo, appstreamcli validate")
            << QStringLiteral("appstreamcli")
            << QStringList{QStringLiteral("validate"), QStringLiteral("--no-net"),
                           QStringLiteral("--no-color"), Installed(MetainfoPath())};
    }
    void validatorAccepts() {
        QFETCH(QString, validator);
        QFETCH(QStringList, arguments);
        const ToolRun run = RunTool(validator, arguments);
        QVERIFY2(run.Succeeded(), qPrintable(run.Report(validator, arguments)));
    }

    void namesTheInstalledFiles_data() {
        QTest::addColumn<QString>("actual");
        QTest::addColumn<QString>("expected");
        const auto entry = ReadFields(ReadText(Installed(DesktopEntryPath())), QLatin1Char('='));
        const QString metainfo = ReadText(Installed(MetainfoPath()));
        const QString program = QFileInfo(ExecutablePath()).fileName();
        const QString entryName = QFileInfo(DesktopEntryPath()).fileName();
        QTest::newRow("desktop Exec is the program") << entry.value("Exec") << program;
        QTest::newRow("desktop Icon is the installed icon") << entry.value("Icon") << AppId;
        // The window class the toolkit gives the windows: the program's file name.
        QTest::newRow("desktop StartupWMClass") << entry.value("StartupWMClass") << program;
        QTest::newRow("metainfo id is the application id")
            << MetainfoValue(metainfo, QStringLiteral("id")) << AppId;
        QTest::newRow("metainfo launchable is the desktop entry")
            << MetainfoValue(metainfo, QStringLiteral("launchable"), QStringLiteral("desktop-id"))
            << entryName;
        QTest::newRow("metainfo provides the program")
            << MetainfoValue(metainfo, QStringLiteral("binary")) << program;
        QTest::newRow("metainfo release is the project version")
            << MetainfoValue(metainfo, QStringLiteral("release"), {}, QStringLiteral("version"))
            << QStringLiteral(TARSILO_VERSION);
    }
    void namesTheInstalledFiles() {
        QFETCH(QString, actual);
        QFETCH(QString, expected);
        QCOMPARE(actual, expected);
    }

    // Any diagnostic of man or groff (a warning, an unknown character of the
    // output device) fails. A page read in the wrong encoding renders
    // without warnings but loses its headings.
    void manualPageRendersCleanly_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("heading");
        const QString english = Installed(ManualPagePath());
        const QString russian = Installed(ManualPagePath(QStringLiteral("ru")));
        QTest::newRow("English, ASCII terminal")
            << english << QStringLiteral("C") << QStringLiteral("DECIMAL SEPARATOR");
        QTest::newRow("English, UTF-8 terminal")
            << english << QStringLiteral("C.UTF-8") << QStringLiteral("DECIMAL SEPARATOR");
        QTest::newRow("Russian, Russian locale")
            << russian << QStringLiteral("ru_RU.UTF-8") << QStringLiteral("ДЕСЯТИЧНЫЙ РАЗДЕЛИТЕЛЬ");
        QTest::newRow("Russian, UTF-8 terminal")
            << russian << QStringLiteral("C.UTF-8") << QStringLiteral("ДЕСЯТИЧНЫЙ РАЗДЕЛИТЕЛЬ");
    }
    void manualPageRendersCleanly() {
        QFETCH(QString, page);
        QFETCH(QString, locale);
        QFETCH(QString, heading);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LC_ALL"), locale);
        environment.insert(QStringLiteral("MANWIDTH"), QStringLiteral("80"));
        const QStringList arguments{QStringLiteral("--warnings"), QStringLiteral("-l"), page};
        const ToolRun run = RunToolApart(QStringLiteral("man"), arguments, environment);
        const QString report =
            run.Report(QStringLiteral("LC_ALL=") + locale + QStringLiteral(" man"), arguments);
        QVERIFY2(run.Succeeded() && run.errors.isEmpty(), qPrintable(report));
        QVERIFY2(run.output.contains(heading), qPrintable(report));
    }

    // The screenshots that the metainfo links are the README's, published
    // under the project's web address.
    void screenshotIsTheReadmePicture_data() {
        QTest::addColumn<QString>("url");
        QXmlStreamReader reader(ReadText(Installed(MetainfoPath())));
        while (!reader.atEnd()) {
            if (reader.readNext() == QXmlStreamReader::StartElement &&
                reader.name() == QStringLiteral("image")) {
                const QString url = reader.readElementText().trimmed();
                QTest::newRow(qPrintable(url.section(QLatin1Char('/'), -1))) << url;
            }
        }
    }
    void screenshotIsTheReadmePicture() {
        QFETCH(QString, url);
        QVERIFY(url.startsWith(QStringLiteral("https://www.example.org/tarsilo/")));
        const QFileInfo picture(QStringLiteral(TARSILO_SOURCE_DIR "/docs/") +
                                url.section(QLatin1Char('/'), -1));
        QVERIFY2(picture.isFile(), qPrintable(picture.filePath()));
    }

private:
    QString Installed(const QString& path) const { return prefix_.filePath(path); }

    QTemporaryDir prefix_;
};

QTEST_GUILESS_MAIN(TestDesktopIntegration)
#include "test_desktop_integration.moc"
