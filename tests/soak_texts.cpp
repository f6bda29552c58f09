#include "tests/soak_texts.h"

#include <algorithm>
#include <cmath>

namespace tarsilo::test {

namespace {

QString WithMark(QString text, char mark) {
    return text.replace(QChar('.'), QChar(mark));
}

} // namespace

int SoakTexts::Pick(std::initializer_list<int> weights) {
    std::discrete_distribution<int> pick(weights.begin(), weights.end());
    return pick(random_);
}

int SoakTexts::Between(int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random_);
}

bool SoakTexts::Chance(int percent) {
    return Between(1, 100) <= percent;
}

QString SoakTexts::Input(int field, char mark) {
    switch (Pick({52, 8, 7, 10, 2, 4, 7, 10})) {
    case 0:
        return Plausible(field, mark);
    case 1:
        return Broken(mark);
    case 2:
        return ExtremeExponent(mark);
    case 3:
        return WithBlanksAndControls(Plausible(field, mark));
    case 4:
        return Long(mark);
    case 5:
        return Plausible(field, mark == '.' ? ',' : '.');
    case 6:
        return Number(mark);
    default:
        return NotPositive(field, mark);
    }
}

QString SoakTexts::Typable(int field, char mark) {
    const QString text = Pick({3, 1}) == 0 ? Plausible(field, mark) : Broken(mark).left(12);
    const bool printable = std::all_of(text.cbegin(), text.cend(), [](QChar c) {
        return c.unicode() >= 0x20 && c.unicode() < 0x7f;
    });
    return printable && !text.isEmpty() ? text : Plausible(field, mark);
}

// Within a factor of ten of the field's default value (the height around
// 1 km), so that many calculations succeed.
QString SoakTexts::Plausible(int field, char mark) {
    const double base = field == 9 ? 1000.0 : DefaultTexts[field].toDouble();
    const double value = base * std::pow(10.0, std::uniform_real_distribution(-1.0, 1.0)(random_));
    const char format = "gge"[Between(0, 2)];
    return WithMark(QString::number(value, format, Between(1, 8)), mark);
}

// Zero, negative, or a height far below the surface: validation refuses them.
QString SoakTexts::NotPositive(int field, char mark) {
    if (field == 9)
        return QStringLiteral("-1e%1").arg(Between(5, 9));
    const QStringList texts = {
        "0", "-0", "0" + QString(QChar(mark)), "-" + Plausible(field, mark), "0e5", "-1e-4950"};
    return texts[Between(0, int(texts.size()) - 1)];
}

QString SoakTexts::Digits(int count) {
    QString digits;
    for (int i = 0; i < count; ++i)
        digits += QChar('0' + Between(0, 9));
    return digits;
}

// Any number the syntax allows: sign, leading zeros, a bare mark at either
// end, an exponent with or without a sign.
QString SoakTexts::Number(char mark) {
    QString text = QStringList{"", "", "", "+", "-"}[Between(0, 4)];
    const int integerDigits = Between(0, 6);
    text += Digits(integerDigits);
    if (integerDigits == 0 || Chance(50))
        text += QChar(mark) + Digits(Between(integerDigits == 0 ? 1 : 0, 6));
    if (Chance(30))
        text += QStringLiteral("%1%2%3")
                    .arg(Chance(50) ? 'e' : 'E')
                    .arg(QStringList{"", "+", "-"}[Between(0, 2)])
                    .arg(Between(0, 40));
    return text;
}

QString SoakTexts::Broken(char mark) {
    static const QStringList samples = {
        "abc",   "",      "   ",   "1..2",  "1e",  "e5",  "--1",  "1-",  "+",
        "-",     "1 2",   "0x10",  "inf",   "nan", "NaN", "1e+",  "1e-", "١٢٣",
        "１２",  "1_000", "1'000", "12a",   "Ж",   "🚀",   "1e5x", "..",  "1,2,3",
        "1.2.3", "1e2e3", "+-1",   "1e+-2", "𝟏",   "½",   "∞",    "1٫5",
    };
    if (Chance(70))
        return samples[Between(0, int(samples.size()) - 1)];
    QString number = Number(mark);
    static const QString strays = QStringLiteral("xXe,. -+/\\#'\"");
    number.insert(Between(0, int(number.size())), strays[Between(0, int(strays.size()) - 1)]);
    return number;
}

QString SoakTexts::ExtremeExponent(char mark) {
    static const QStringList mantissas = {"1",      "9.99",      "1.18973", "0.0001",
                                          "3.3621", "123456789", "0",       "4.9"};
    static const QStringList exponents = {
        "4931",   "4932",  "+4932", "4933",    "4950",     "4999",  "5000",  "99999", "308",
        "-308",   "-4931", "-4932", "-4945",   "-4950",    "-4951", "-4952", "-4970", "-5000",
        "-99999", "1000",  "-1000", "0004932", "-0004951", "2000",  "-2000"};
    return WithMark(mantissas[Between(0, int(mantissas.size()) - 1)], mark) +
           (Chance(50) ? 'e' : 'E') + exponents[Between(0, int(exponents.size()) - 1)];
}

// Blanks and control characters that trimming removes, and others that it
// keeps because their codes are above 32.
QString SoakTexts::BlankOrControl() {
    static const char16_t pool[] = {u' ',    u' ',    u'\t',   u'\n',   u'\r', u'\x01',
                                    u'\x1f', u'\x0b', u'\x0c', u'\x7f', u'\0', 0x00a0,
                                    0x2028,  0x3000,  0x200b,  0xfeff};
    return QString(QChar(pool[Between(0, int(std::size(pool)) - 1)]));
}

QString SoakTexts::WithBlanksAndControls(QString text) {
    for (int i = Between(0, 4); i > 0; --i)
        text.prepend(BlankOrControl());
    for (int i = Between(0, 4); i > 0; --i)
        text.append(BlankOrControl());
    if (Chance(25))
        text.insert(Between(0, int(text.size())), BlankOrControl());
    return text;
}

// Long digit strings: most convert, some end in a letter and so give an
// error message too long for the dialog.
QString SoakTexts::Long(char mark) {
    QString text = Chance(50) ? Digits(Between(100, 400))
                              : QStringLiteral("0") + QChar(mark) + Digits(Between(150, 1500));
    if (Chance(40))
        text += 'x';
    return text;
}

} // namespace tarsilo::test
