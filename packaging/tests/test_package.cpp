// The Debian package built from the source package (TARSILO_PACKAGE names the
// .deb, TARSILO_PACKAGE_SOURCE the directory it was built in): its files, its
// control data and changelog, what Debian's package checker says of it, the
// program's hardening, what makes the package reproducible, and the program
// started from the unpacked package.

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

#include "packaging/tests/control_fields.h"
#include "packaging/tests/installed_files.h"
#include "packaging/tests/process_run.h"

using namespace tarsilo::packaging;

class TestPackage : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QVERIFY(work_.isValid());
        package_ = qEnvironmentVariable("TARSILO_PACKAGE");
        QVERIFY2(QFileInfo(package_).isFile(),
                 "TARSILO_PACKAGE names no .deb: build one with scripts/package.sh and run "
                 "ctest -L package with TARSILO_PACKAGE=<the .deb> and "
                 "TARSILO_PACKAGE_SOURCE=<the directory it was built in>");
        package_ = QFileInfo(package_).absoluteFilePath();

        const ToolRun listing = Dpkg({QStringLiteral("-c"), package_});
        QVERIFY2(listing.Succeeded(), qPrintable(listing.output));
        // "-rwxr-xr-x root/root 123 2026-01-01 00:00 ./usr/bin/Tarsilo10"
        for (const QString& line : listing.output.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            const QString member = line.section(QLatin1Char(' '), -1);
            if (member == QStringLiteral("./"))
                continue; // the archive's top, not a file of the package
            modes_[member] = line.left(10);
            owners_[member] = line.section(QLatin1Char(' '), 1, 1, QString::SectionSkipEmpty);
        }

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

    // Each library the program links, by the name of the package that holds
    // it on the release this runs on (dpkg-shlibdeps there): libqt6core6 on
    // Debian 12, libqt6core6t64 on Debian 13.
    void dependsOnPackageOfLibrary_data() {
        QTest::addColumn<QString>("library");
        QTest::newRow("Qt widgets") << QStringLiteral("libQt6Widgets.so.6");
        QTest::newRow("Qt GUI, with the X11 and headless platform plugins")
            << QStringLiteral("libQt6Gui.so.6");
        QTest::newRow("Qt core") << QStringLiteral("libQt6Core.so.6");
        QTest::newRow("libjpeg 62") << QStringLiteral("libjpeg.so.62");
        QTest::newRow("C++ library") << QStringLiteral("libstdc++.so.6");
    }
    void dependsOnPackageOfLibrary() {
        QFETCH(QString, library);
        // The file the program really loads: a name search would also find
        // the libraries of cross compilers and of other architectures.
        const QString loaded = LoadedPath(library);
        QVERIFY2(!loaded.isEmpty(), qPrintable(library + QStringLiteral(" is not loaded")));
        QString holder;
        for (const QString& path : PackagedNames(loaded)) {
            const QStringList arguments{QStringLiteral("-S"), path};
            const ToolRun search = RunTool(QStringLiteral("dpkg-query"), arguments);
            // "libqt6core6t64:amd64: /usr/lib/x86_64-linux-gnu/libQt6Core.so.6"
            if (search.Succeeded()) {
                holder = search.output.section(QLatin1Char(':'), 0, 0).trimmed();
                break;
            }
        }
        QVERIFY2(!holder.isEmpty(), qPrintable(loaded + QStringLiteral(" is in no package")));
        const QString depends = control_.value(QStringLiteral("Depends"));
        QVERIFY2(
            DependencyNames(depends).contains(holder),
            qPrintable(QStringLiteral("%1 is in %2; Depends: %3").arg(library, holder, depends)));
    }

    void dependsOn_data() {
        QTest::addColumn<QString>("name");
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
            actual = QDateTime::fromSecsSinceEpoch(actual.toLongLong(), QTimeZone::utc())
                         .toString(Qt::ISODate)
                         .left(10);
        QCOMPARE(actual, value);
    }

    // Reproducible: the same owner on every file and no file later than the
    // changelog's date, whoever builds it and whenever.
    void everyMemberOwnedByRoot() {
        QVERIFY(!owners_.isEmpty());
        for (auto it = owners_.cbegin(); it != owners_.cend(); ++it)
            QVERIFY2(it.value() == QStringLiteral("root/root"),
                     qPrintable(it.key() + QStringLiteral(" ") + it.value()));
    }
    void noMemberDatedAfterTheChangelog() {
        const qint64 expected = SourceDateEpoch();
        QVERIFY(expected > 0);
        QDirIterator member(Root(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                            QDirIterator::Subdirectories);
        int members = 0;
        while (member.hasNext()) {
            const QFileInfo file(member.next());
            const qint64 time = file.fileTime(QFileDevice::FileModificationTime).toSecsSinceEpoch();
            QVERIFY2(time <= expected, qPrintable(QStringLiteral("%1 dated %2, after %3")
                                                      .arg(file.filePath())
                                                      .arg(time)
                                                      .arg(expected)));
            ++members;
        }
        QCOMPARE(members, modes_.size());
    }

    // The compiler versions of every object linked in are no part of the
    // program, as Debian's strip step leaves it.
    void programHasNoCommentSection() {
        const QStringList arguments{QStringLiteral("--section-headers"), UnpackedProgram()};
        const ToolRun sections = RunTool(QStringLiteral("readelf"), arguments);
        QVERIFY2(sections.Succeeded(),
                 qPrintable(sections.Report(QStringLiteral("readelf"), arguments)));
        QVERIFY2(!sections.output.contains(QStringLiteral(" .comment ")),
                 qPrintable(sections.output));
    }

    // No path of the machine that built it is in the program
    // (-ffile-prefix-map of Debian's build flags).
    // debhelper builds in a directory under the source tree, so the source
    // tree's path stands for both.
    void programHoldsNoBuildPath() {
        const QString path = qEnvironmentVariable("TARSILO_PACKAGE_SOURCE");
        QVERIFY2(QDir::isAbsolutePath(path), "TARSILO_PACKAGE_SOURCE names no directory");
        QFile program(UnpackedProgram());
        QVERIFY(program.open(QIODevice::ReadOnly));
        QVERIFY2(!program.readAll().contains(path.toUtf8()), qPrintable(path));
    }

    // hardening-check on the packaged program: the protections Debian's build
    // flags give on every release. Of its other items, stack clash protection
    // says "unknown" when no function has a frame that needs probing, and
    // control flow integrity (and arm64's branch protection) no amd64 program
    // linked by Debian 12's or 13's toolchain has: the C library's start files
    // carry no IBT and SHSTK mark (scripts/check-package.sh).
    void hardened_data() {
        QTest::addColumn<QString>("check");
        QTest::newRow("position-independent executable")
            << QStringLiteral("Position Independent Executable");
        QTest::newRow("stack protector") << QStringLiteral("Stack protected");
        QTest::newRow("fortified functions") << QStringLiteral("Fortify Source functions");
        QTest::newRow("read-only relocations") << QStringLiteral("Read-only relocations");
        QTest::newRow("immediate binding") << QStringLiteral("Immediate binding");
    }
    void hardened() {
        QFETCH(QString, check);
        const QStringList arguments{UnpackedProgram()};
        const ToolRun run = RunTool(QStringLiteral("hardening-check"), arguments);
        QVERIFY2(run.finished,
                 qPrintable(run.Report(QStringLiteral("hardening-check"), arguments)));
        // " Immediate binding: yes"
        const QRegularExpression line(
            QStringLiteral("^ %1: (.*)$").arg(QRegularExpression::escape(check)),
            QRegularExpression::MultilineOption);
        const QRegularExpressionMatch found = line.match(run.output);
        QVERIFY2(found.hasMatch(), qPrintable(run.output));
        QVERIFY2(found.captured(1).startsWith(QStringLiteral("yes")),
                 qPrintable(found.captured(0)));
    }

    void unpackedProgramStaysUp() {
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        program.setProcessEnvironment(environment);
        program.setProcessChannelMode(QProcess::MergedChannels);
        program.start(UnpackedProgram(), {});
        QVERIFY2(program.waitForStarted(), qPrintable(program.errorString()));
        // A missing library or plugin, or an error at start-up, ends it early.
        const bool ended = program.waitForFinished(StayUpMs);
        QVERIFY2(!ended, qPrintable(QStringLiteral("ended with status %1:\n%2")
                                        .arg(program.exitCode())
                                        .arg(QString::fromUtf8(program.readAll()))));
        program.terminate();
        QVERIFY(program.waitForFinished(5000));
    }

    // No error and no warning; informational and pedantic tags are allowed. A
    // tag that does not apply to this package is overridden in the package,
    // with its reason.
    void lintianFindsNoErrorOrWarning() {
        const QString& output = LintianOutput();
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

    // Not even as information: the tags of a build without Debian's flags and
    // of an unstripped .comment section.
    void lintianReportsNoTag_data() {
        QTest::addColumn<QString>("tag");
        for (const char* tag : {"hardening-no-pie", "hardening-no-relro", "hardening-no-bindnow",
                                "hardening-no-fortify-functions", "binary-has-unneeded-section"})
            QTest::newRow(tag) << QString::fromLatin1(tag);
    }
    void lintianReportsNoTag() {
        QFETCH(QString, tag);
        const QString& output = LintianOutput();
        QVERIFY2(!output.contains(QStringLiteral(" ") + tag), qPrintable(output));
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

    // Where the unpacked program finds a library it links, as the dynamic
    // loader resolves it; empty when it does not.
    QString LoadedPath(const QString& library) const {
        const ToolRun run = RunTool(QStringLiteral("ldd"), {UnpackedProgram()});
        // "\tlibstdc++.so.6 => /lib/x86_64-linux-gnu/libstdc++.so.6 (0x...)"
        for (const QString& line : run.output.split(QLatin1Char('\n'))) {
            const QString name = line.section(QStringLiteral(" => "), 0, 0).trimmed();
            if (name == library)
                return line.section(QStringLiteral(" => "), 1).section(QLatin1Char(' '), 0, 0);
        }
        return {};
    }

    // The names a package may have registered a loaded library under: as the
    // loader found it, and the file behind its links, each with and without
    // the /usr that merged directories add.
    static QStringList PackagedNames(const QString& loaded) {
        QStringList names;
        for (const QString& path : {loaded, QFileInfo(loaded).canonicalFilePath()}) {
            names << path;
            if (path.startsWith(QStringLiteral("/usr/")))
                names << path.mid(4);
            else
                names << QStringLiteral("/usr") + path;
        }
        names.removeDuplicates();
        return names;
    }
    QString UnpackedProgram() const { return Root() + QStringLiteral("/usr/") + ExecutablePath(); }

    // The latest time a file of the package may carry: dpkg-buildpackage
    // clamps every file to the date of the packaged changelog's latest entry.
    qint64 SourceDateEpoch() const {
        const ToolRun changelog =
            RunTool(QStringLiteral("dpkg-parsechangelog"),
                    {QStringLiteral("-l"), Root() + QStringLiteral("/usr/") + ChangelogPath(),
                     QStringLiteral("-S"), QStringLiteral("Timestamp")});
        return changelog.output.trimmed().toLongLong();
    }

    // What lintian said, once it has finished (or been stopped).
    const QString& LintianOutput() {
        if (!lintianDone_) {
            if (!lintian_.waitForFinished(LintianTimeoutMs))
                lintian_.kill();
            lintianOutput_ = QString::fromUtf8(lintian_.readAll());
            lintianDone_ = true;
        }
        return lintianOutput_;
    }

    // Every tag, the informational and pedantic ones too.
    QStringList LintianArguments() const {
        return {QStringLiteral("-I"), QStringLiteral("--pedantic"), QStringLiteral("--fail-on"),
                QStringLiteral("error,warning"), package_};
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
    QMap<QString, QString> owners_;
    QMap<QString, QString> control_;
    QProcess lintian_;
    bool lintianDone_ = false;
    QString lintianOutput_;
};

QTEST_GUILESS_MAIN(TestPackage)
#include "test_package.moc"
