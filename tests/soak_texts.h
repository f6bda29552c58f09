#pragma once
// The texts of the soak test: what a user might type or paste into a field.

#include <initializer_list>
#include <random>

#include <QString>
#include <QStringList>

namespace tarsilo::test {

// The input fields in reading order, and their texts when the window opens.
inline const QStringList InputNames = {"ev0", "eD",   "eL",  "eCb",   "eRoB",
                                       "eg",  "eRo0", "emu", "eTemp", "eHx"};
inline const QStringList DefaultTexts = {"10000", "1",   "1",     "0.5", "1000",
                                         "9.81",  "1.2", "0.029", "300", "0"};

// Good numbers, numbers that validation refuses, broken ones, the edges of
// the extended range, blanks and control characters and long digit strings,
// in the current decimal mark or the other one, all from one random source.
class SoakTexts {
public:
    explicit SoakTexts(std::mt19937_64& random) : random_(random) {}

    // Any text for the input field `field` (an index into InputNames).
    QString Input(int field, char mark);
    // Printable ASCII, which the keyboard types key by key; never empty.
    QString Typable(int field, char mark);

    // An index drawn with the given weights.
    int Pick(std::initializer_list<int> weights);
    int Between(int low, int high);
    bool Chance(int percent);

private:
    QString Plausible(int field, char mark);
    QString NotPositive(int field, char mark);
    QString Digits(int count);
    QString Number(char mark);
    QString Broken(char mark);
    QString ExtremeExponent(char mark);
    QString BlankOrControl();
    QString WithBlanksAndControls(QString text);
    QString Long(char mark);

    std::mt19937_64& random_;
};

} // namespace tarsilo::test
