// The Debian package as CPack builds it from this tree: its files, its control
// data and changelog, what Debian's package checker says of it, and the
// program started from the unpacked package.

#include <QDateTime>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "packaging/tests/control_fields.h"
#include "packaging/tests/installed_files.h"
#include "packaging/tests/process_run.h"

using namespace tarsilo::packaging;

class TestPackage : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QVERIFY(work_.isValid());
        const QStringList arguments{
            QStringLiteral("-G"),       QStringLiteral("DEB"),
            QStringLiteral("--config"), QStringLiteral(TARSILO_BUILD_DIR "/CPackConfig.cmake"),
            QStringLiteral("-B"),       work_.path()};
        const ToolRun run = RunTool(QStringLiteral(TARSILO_CPACK_COMMAND), arguments, 100000);
        QVERIFY2(run.Succeeded(), qPrintable(run.Report(QStringLiteral("cpack"), arguments)));
        const QStringList packages =
            QDir(work_.path()).entryList({QStringLiteral("*.deb")}, QDir::Files);
        QCOMPARE(packages.size(), 1);
        package_ = work_.filePath(packages.first());

        const ToolRun listing = Dpkg({QStringLiteral("-c"), package_});
        QVERIFY2(listing.Succeeded(), qPrintable(listing.output));
        // "-rwxr-xr-x root/root 123 2026-01-01 00:00 ./usr/bin/Tarsilo10"
        for (const QString& line : listing.output.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
            modes_[line.section(QLatin1Char(' '), -1)] = line.left(10);

        // The checker takes longer than the rest of the cases together: it
        // runs alongside them and its verdict is the last case.
        lintian_.setProcessChannelMode(QProcess::MergedChannels);
        lintian_.start(QStringLiteral("lintian"), LintianArguments());

        const ToolRun control = Dpkg({QStringLiteral("-f"), package_});
        QVERIFY2(control.Succeeded(), qPrintable(control.output));
        control_ = ReadFields(control.output);

        const ToolRun unpack = Dpkg({QStringLiteral("-x"), package_, Root()});
        QVERIFY2(unpack.Succeeded(), qPrintable(unpack.output));
    }

    void containsFile_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("mode");
        QTest::newRow("program") << ExecutablePath() << QStringLiteral("-rwxr-xr-x");
        QTest::newRow("desktop entry") << DesktopEntryPath() << QStringLiteral("-rw-r--r--");
        QTest::newRow("AppStream metainfo") << MetainfoPath() << QStringLiteral("-rw-r--r--");
        for (const int size : IconSizes())
            QTest::addRow("icon %dx%d", size, size)
                << IconPath(size) << QStringLiteral("-rw-r--r--");
        QTest::newRow("copyright") << CopyrightPath() << QStringLiteral("-rw-r--r--");
        QTest::newRow("changelog") << ChangelogPath() << QStringLiteral("-rw-r--r--");
        QTest::newRow("manual page, English") << ManualPagePath() << QStringLiteral("-rw-r--r--");
        QTest::newRow("manual page, Russian")
            << ManualPagePath(QStringLiteral("ru")) << QStringLiteral("-rw-r--r--");
    }
    void containsFile() {
        QFETCH(QString, path);
        QFETCH(QString, mode);
        const QString member = QStringLiteral("./usr/") + path;
        QVERIFY2(modes_.contains(member), qPrintable(member));
        QCOMPARE(modes_.value(member), mode);
    }

    void controlField_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::newRow("name") << QStringLiteral("Package") << QStringLiteral("tarsilo");
        QTest::newRow("project version")
            << QStringLiteral("Version") << QStringLiteral(TARSILO_VERSION);
        QTest::newRow("this machine's architecture")
            << QStringLiteral("Architecture") << DpkgArchitecture();
        QTest::newRow("section") << QStringLiteral("Section") << QStringLiteral("science");
    }
    void controlField() {
        QFETCH(QString, field);
        QFETCH(QString, value);
        QCOMPARE(control_.value(field), value);
    }

    void dependsOn_data() {
        QTest::addColumn<QString>("name");
        // From the linked libraries, through dpkg-shlibdeps.
        QTest::newRow("Qt widgets") << QStringLiteral("libqt6widgets6");
        QTest::newRow("Qt GUI, with the X11 and headless platform plugins")
            << QStringLiteral("libqt6gui6");
        QTest::newRow("Qt core") << QStringLiteral("libqt6core6");
        QTest::newRow("libjpeg 62") << QStringLiteral("libjpeg62-turbo");
        QTest::newRow("C++ library") << QStringLiteral("libstdc++6");
        // Named by hand: the windows' fonts.
        QTest::newRow("Liberation fonts") << QStringLiteral("fonts-liberation2");
    }
    void dependsOn() {
        QFETCH(QString, name);
        const QString depends = control_.value(QStringLiteral("Depends"));
        QVERIFY2(DependencyNames(depends).contains(name), qPrintable(depends));
    }

    // The latest entry of the packaged changelog is this release.
    void changelogEntry_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::newRow("package name") << QStringLiteral("Source") << PackageName;
        QTest::newRow("project version")
            << QStringLiteral("Version") << QStringLiteral(TARSILO_VERSION);
        QTest::newRow("release date of the metainfo and the manual pages")
            << QStringLiteral("Timestamp") << QStringLiteral(TARSILO_RELEASE_DATE);
    }
    void changelogEntry() {
        QFETCH(QString, field);
        QFETCH(QString, value);
        const QStringList arguments{QStringLiteral("-l"),
                                    Root() + QStringLiteral("/usr/") + ChangelogPath(),
                                    QStringLiteral("-S"), field};
        const ToolRun run = RunTool(QStringLiteral("dpkg-parsechangelog"), arguments);
        QVERIFY2(run.Succeeded(),
                 qPrintable(run.Report(QStringLiteral("dpkg-parsechangelog"), arguments)));
        QString actual = run.output.trimmed();
        if (field == QStringLiteral("Timestamp"))
            actual = QDateTime::fromSecsSinceEpoch(actual.toLongLong(), Qt::UTC)
                         .toString(Qt::ISODate)
                         .left(10);
        QCOMPARE(actual, value);
    }

    void unpackedProgramStaysUp() {
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        program.setProcessEnvironment(environment);
        program.setProcessChannelMode(QProcess::MergedChannels);
        program.start(Root() + QStringLiteral("/usr/") + ExecutablePath(), {});
        QVERIFY2(program.waitForStarted(), qPrintable(program.errorString()));
        // A missing library or plugin, or an error at start-up, ends it early.
        const bool ended = program.waitForFinished(StayUpMs);
        QVERIFY2(!ended, qPrintable(QStringLiteral("ended with status %1:\n%2")
                                        .arg(program.exitCode())
                                        .arg(QString::fromUtf8(program.readAll()))));
        program.terminate();
        QVERIFY(program.waitForFinished(5000));
    }

    // No error and no warning; informational tags are allowed. A tag that does
    // not apply to this package is overridden in the package, with its reason.
    void lintianFindsNoErrorOrWarning() {
        if (!lintian_.waitForFinished(LintianTimeoutMs))
            lintian_.kill();
        const QString output = QString::fromUtf8(lintian_.readAll());
        // No error of its own either: it started, and it finished in time.
        const bool ran = lintian_.error() == QProcess::UnknownError &&
                         lintian_.exitStatus() == QProcess::NormalExit;
        static const QRegularExpression errorOrWarning(QStringLiteral("^[EW]: "),
                                                       QRegularExpression::MultilineOption);
        QVERIFY2(ran && lintian_.exitCode() == 0 && !output.contains(errorOrWarning),
                 qPrintable(QStringLiteral("lintian %1: %2, exit code %3\n%4")
                                .arg(LintianArguments().join(QLatin1Char(' ')),
                                     ran ? QStringLiteral("finished") : lintian_.errorString())
                                .arg(lintian_.exitCode())
                                .arg(output)));
    }

    void cleanupTestCase() {
        if (lintian_.state() != QProcess::NotRunning) {
            lintian_.kill();
            lintian_.waitForFinished();
        }
    }

private:
    static constexpr int StayUpMs = 2000;
    static constexpr int LintianTimeoutMs = 90000;

    QString Root() const { return work_.filePath(QStringLiteral("root")); }

    QStringList LintianArguments() const {
        return {QStringLiteral("--fail-on"), QStringLiteral("error,warning"), package_};
    }

    static ToolRun Dpkg(const QStringList& arguments) {
        return RunTool(QStringLiteral("dpkg-deb"), arguments);
    }

    static QString DpkgArchitecture() {
        return RunTool(QStringLiteral("dpkg"), {QStringLiteral("--print-architecture")})
            .output.trimmed();
    }

    QTemporaryDir work_;
    QString package_;
    QMap<QString, QString> modes_;
    QMap<QString, QString> control_;
    QProcess lintian_;
};

QTEST_GUILESS_MAIN(TestPackage)
#include "test_package.moc"
