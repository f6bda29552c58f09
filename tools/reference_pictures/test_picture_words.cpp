// The reference pictures in words: the committed table is what the pictures'
// own pieces read as, each piece reads as its formula in linear text, and a
// change of a formula changes its ink and its words alike.

#include "descent_formulas.h"
#include "picture_sheet.h"
#include "picture_words.h"

#include <QFile>
#include <QTest>

#include <functional>

using namespace reference_pictures;

namespace {

using Formula = std::function<BoxPtr(const Typesetter&, const DescentFormulas&)>;

QImage Ink(const Box& box) {
    PictureSheet sheet(QSize(400, 60), 1);
    sheet.placeFromTop(box, 5, 5);
    return sheet.grayscale();
}

} // namespace

Q_DECLARE_METATYPE(Formula)

class TestPictureWords : public QObject {
    Q_OBJECT
private slots:
    void committedWordsAreThePictures() {
        QFile committed(QStringLiteral(TARSILO_PICTURE_WORDS));
        QVERIFY(committed.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(committed.readAll()),
                 wordsSource(QStringLiteral("reference_picture_words.cpp")));
    }

    void formulaReads_data() {
        QTest::addColumn<Formula>("formula");
        QTest::addColumn<QString>("words");
        QTest::newRow("gas factor")
            << Formula([](auto&, auto& f) { return f.gasFactor(); }) << "(R · T)/(μ · g)";
        QTest::newRow("falling exponential")
            << Formula([](auto&, auto& f) { return f.heightExponential(true); })
            << "exp(−μ · g · (H − x)/(R · T))";
        QTest::newRow("subscript is part of the name")
            << Formula([](auto& ts, auto&) { return ts.subscript(ts.symbol("v"), "0"); }) << "v0";
        QTest::newRow("superscript is a power, grouped") << Formula([](auto& ts, auto&) {
            return ts.superscript(ts.text("10"), QStringLiteral("−14"));
        }) << "10^(−14)";
        QTest::newRow("square root and brackets") << Formula([](auto& ts, auto&) {
            return ts.squareRoot(ts.brackets(ts.row({ts.symbol("a"), ts.times(), ts.symbol("b")})));
        }) << "√([a · b])";
        QTest::newRow("energy") << Formula([](auto& ts, auto& f) {
            return f.energy(QStringLiteral("6.26"), {ts.superscript(ts.symbol("D"), "3")});
        }) << "ET ≅ 6.26 · ρB · D^3 · v^2 · 10^(−14) (кт)";
    }
    void formulaReads() {
        QFETCH(Formula, formula);
        QFETCH(QString, words);
        const Typesetter ts(kTextPixelSize);
        const DescentFormulas f(ts);
        QCOMPARE(formula(ts, f)->words(), words);
    }

    // Ink and words come from the same pieces: what changes one changes both.
    void changedFormulaChangesBoth_data() {
        QTest::addColumn<Formula>("before");
        QTest::addColumn<Formula>("after");
        QTest::newRow("a coefficient")
            << Formula([](auto&, auto& f) { return f.energy(QStringLiteral("6.26"), {}); })
            << Formula([](auto&, auto& f) { return f.energy(QStringLiteral("6.62"), {}); });
        QTest::newRow("the exponent's sign")
            << Formula([](auto&, auto& f) { return f.heightExponential(true); })
            << Formula([](auto&, auto& f) { return f.heightExponential(false); });
        QTest::newRow("a fraction turned over") << Formula([](auto& ts, auto& f) {
            return ts.fraction(f.density("0"), f.density("B"));
        }) << Formula([](auto& ts, auto& f) {
            return ts.fraction(f.density("B"), f.density("0"));
        });
        QTest::newRow("a power") << Formula([](auto& ts, auto&) {
            return ts.superscript(ts.symbol("D"), "3");
        }) << Formula([](auto& ts, auto&) { return ts.superscript(ts.symbol("D"), "2"); });
    }
    void changedFormulaChangesBoth() {
        QFETCH(Formula, before);
        QFETCH(Formula, after);
        const Typesetter ts(kTextPixelSize);
        const DescentFormulas f(ts);
        const BoxPtr first = before(ts, f);
        const BoxPtr again = before(ts, f);
        const BoxPtr changed = after(ts, f);
        QCOMPARE(Ink(*again), Ink(*first));
        QCOMPARE(again->words(), first->words());
        QVERIFY(Ink(*changed) != Ink(*first));
        QVERIFY(changed->words() != first->words());
    }
};

int main(int argc, char* argv[]) {
    // Typesetting needs fonts, not a screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    TestPictureWords test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_picture_words.moc"
