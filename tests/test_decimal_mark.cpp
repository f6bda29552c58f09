// The decimal mark read from the user's numeric locale, as the C library
// resolves it from LC_ALL, LC_NUMERIC and LANG.

#include <QtTest>

#include <clocale>
#include <cstdio>
#include <cstring>
#include <langinfo.h>
#include <locale.h>

#include "calc/decimal_mark.h"
#include "calc/number_text.h"

using namespace tarsilo;

namespace {

const char* const LocaleVariables[] = {"LC_ALL", "LC_NUMERIC", "LANG", "LOCPATH"};

// A locale name is spelled null for "unset".
void SetVariable(const char* name, const QByteArray& value) {
    if (value.isNull())
        qunsetenv(name);
    else
        qputenv(name, value);
}

} // namespace

class DecimalMarkTest : public QObject {
    Q_OBJECT

    QByteArray savedVariables[4];
    QByteArray savedProcessLocale;

private slots:
    void initTestCase() {
        for (int i = 0; i < 4; ++i) {
            if (qEnvironmentVariableIsSet(LocaleVariables[i]))
                savedVariables[i] = qgetenv(LocaleVariables[i]);
        }
        savedProcessLocale = std::setlocale(LC_ALL, nullptr);
        QVERIFY2(DecimalMarkOfLocale("ru_RU.UTF-8") == ',',
                 "the ru_RU.UTF-8 locale is missing: run scripts/install-deps.sh");
    }
    void cleanup() {
        for (int i = 0; i < 4; ++i)
            SetVariable(LocaleVariables[i], savedVariables[i]);
        DecimalMark = '.';
    }

    void readDecimalMark_data() {
        QTest::addColumn<QByteArray>("lcAll");
        QTest::addColumn<QByteArray>("lcNumeric");
        QTest::addColumn<QByteArray>("lang");
        QTest::addColumn<char>("mark");
        const QByteArray unset;
        const QByteArray russian = "ru_RU.UTF-8";
        QTest::newRow("Russian through LC_ALL") << russian << unset << unset << ',';
        QTest::newRow("Russian through LC_NUMERIC") << unset << russian << unset << ',';
        QTest::newRow("Russian through LANG") << unset << unset << russian << ',';
        QTest::newRow("Russian, codeset spelled utf8")
            << QByteArray("ru_RU.utf8") << unset << unset << ',';
        QTest::newRow("LC_ALL C overrides Russian LC_NUMERIC")
            << QByteArray("C") << russian << russian << '.';
        QTest::newRow("LC_NUMERIC C overrides Russian LANG")
            << unset << QByteArray("C") << russian << '.';
        QTest::newRow("C") << QByteArray("C") << unset << unset << '.';
        QTest::newRow("C.UTF-8") << QByteArray("C.UTF-8") << unset << unset << '.';
        QTest::newRow("POSIX") << QByteArray("POSIX") << unset << unset << '.';
        QTest::newRow("en_US.UTF-8") << QByteArray("en_US.UTF-8") << unset << unset << '.';
        QTest::newRow("unknown locale name") << QByteArray("xx_XX.UTF-8") << unset << unset << '.';
        QTest::newRow("unknown LC_NUMERIC under Russian LANG")
            << unset << QByteArray("no_such_locale") << russian << '.';
        QTest::newRow("nothing set") << unset << unset << unset << '.';
    }
    void readDecimalMark() {
        QFETCH(QByteArray, lcAll);
        QFETCH(QByteArray, lcNumeric);
        QFETCH(QByteArray, lang);
        QFETCH(char, mark);
        SetVariable("LC_ALL", lcAll);
        SetVariable("LC_NUMERIC", lcNumeric);
        SetVariable("LANG", lang);
        DecimalMark = '?';
        ReadDecimalMark();
        QCOMPARE(DecimalMark, mark);

        // The mark reaches both directions of the conversion...
        QCOMPARE(QString::fromStdString(FormatResult(1.5L)), QString("1") + mark + "5");
        QVERIFY(ParseNumber(std::string("2") + mark + "5") == 2.5L);
        // ...while the process locale stays as it was.
        QCOMPARE(QByteArray(std::setlocale(LC_ALL, nullptr)), savedProcessLocale);
        char printed[8];
        std::snprintf(printed, sizeof printed, "%.1f", 1.5);
        QCOMPARE(QByteArray(printed), QByteArray("1.5"));
    }

    // A separator of two bytes (U+066B in UTF-8) is not one character.
    void multiByteSeparatorGivesPoint() {
        QTemporaryDir directory;
        QVERIFY(directory.isValid());
        QFile source(directory.filePath("numeric.src"));
        QVERIFY(source.open(QIODevice::WriteOnly));
        source.write("LC_NUMERIC\ndecimal_point \"<U066B>\"\nthousands_sep \"\"\n"
                     "grouping -1\nEND LC_NUMERIC\n");
        source.close();
        // Only LC_NUMERIC is defined, so localedef warns and needs -c.
        QProcess localedef;
        localedef.start("localedef", {"-c", "-f", "UTF-8", "-i", source.fileName(),
                                      directory.filePath("xx_XX.UTF-8")});
        localedef.waitForFinished();
        QVERIFY2(QFile::exists(directory.filePath("xx_XX.UTF-8/LC_NUMERIC")),
                 "localedef could not build the test locale");
        qputenv("LOCPATH", directory.path().toLocal8Bit());
        qputenv("LC_ALL", "xx_XX.UTF-8");

        locale_t locale = newlocale(LC_NUMERIC_MASK, "", locale_t(0));
        QVERIFY2(locale != locale_t(0), "the test locale does not load");
        const std::size_t separatorLength = std::strlen(nl_langinfo_l(RADIXCHAR, locale));
        freelocale(locale);
        QCOMPARE(separatorLength, std::size_t(2));

        DecimalMark = '?';
        ReadDecimalMark();
        QCOMPARE(DecimalMark, '.');
    }

    // The rule both platforms apply to the separator their settings give.
    void separatorRule_data() {
        QTest::addColumn<QByteArray>("separator");
        QTest::addColumn<char>("mark");
        QTest::newRow("full stop") << QByteArray(".") << '.';
        QTest::newRow("comma") << QByteArray(",") << ',';
        QTest::newRow("another ASCII character") << QByteArray("'") << '\'';
        QTest::newRow("empty") << QByteArray("") << '.';
        QTest::newRow("NUL") << QByteArray("\0", 1) << '.';
        QTest::newRow("two ASCII characters") << QByteArray(",,") << '.';
        QTest::newRow("U+066B in UTF-8, two bytes") << QByteArray("\xD9\xAB") << '.';
        QTest::newRow("one byte outside ASCII") << QByteArray("\xAB") << '.';
    }
    void separatorRule() {
        QFETCH(QByteArray, separator);
        QFETCH(char, mark);
        QCOMPARE(DecimalMarkFromSeparator(std::string_view(separator.data(), separator.size())),
                 mark);
    }

    // A later read follows a changed setting.
    void rereadFollowsTheSetting() {
        qunsetenv("LC_NUMERIC");
        qunsetenv("LANG");
        qputenv("LC_ALL", "ru_RU.UTF-8");
        ReadDecimalMark();
        QCOMPARE(DecimalMark, ',');
        qputenv("LC_ALL", "C");
        ReadDecimalMark();
        QCOMPARE(DecimalMark, '.');
    }
};

QTEST_APPLESS_MAIN(DecimalMarkTest)
#include "test_decimal_mark.moc"
