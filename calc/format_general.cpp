#include <cstring>
#include <limits>

#include "calc/number_text.h"
#include "calc/power_of_ten.h"

namespace tarsilo {

namespace {

constexpr int ImageDigits = 18;
constexpr Extended TenTo17 = PowSmall[17];
constexpr Extended TenTo18 = PowSmall[18];

// The decimal exponent E and the 18-digit integer of |v| (normal, finite):
// |v| scaled by 10^(18 - E) and rounded to nearest, with E such that the
// integer has 18 digits.
void LeadingDigits(Extended magnitude, int& exponent, unsigned long long& integer) {
    int binaryExponent = 0;
    SplitExponent(magnitude, binaryExponent);
    // log10(2) × (binary exponent − 1) lands on E or one below it.
    int e = static_cast<int>(RoundDown(Extended(binaryExponent - 1) * Log10Of2)) + 1;
    Extended rounded = 0;
    for (int attempt = 0; attempt < 4; ++attempt) {
        const Extended scaled = ScaleByPowerOfTen(magnitude, ImageDigits - e);
        rounded = RoundToNearestIntegral(scaled);
        if (rounded < TenTo17) {
            --e;
            continue;
        }
        if (scaled >= TenTo18) {
            ++e;
            continue;
        }
        break;
    }
    if (rounded >= TenTo18) {
        // Rounding carried the integer to 10^18.
        rounded = rounded / 10;
        ++e;
    }
    exponent = e;
    integer = static_cast<unsigned long long>(rounded);
}

// Rounds the digit string to `precision` digits, half up on digit p+1, and
// drops trailing zeros. Returns the change of the exponent (1 when the carry
// ran past the first digit).
int RoundDigits(char* digits, int precision) {
    int length = static_cast<int>(std::strlen(digits));
    if (length > precision) {
        const bool up = digits[precision] >= '5';
        length = precision;
        digits[length] = '\0';
        if (up) {
            int i = length - 1;
            while (i >= 0 && digits[i] == '9')
                digits[i--] = '\0';
            if (i < 0) {
                digits[0] = '1';
                digits[1] = '\0';
                return 1;
            }
            ++digits[i];
            return 0;
        }
    }
    while (length > 0 && digits[length - 1] == '0')
        digits[--length] = '\0';
    return 0;
}

} // namespace

DecimalImage MakeDecimalImage(Extended value, int precision) {
    DecimalImage image;
    if (IsNan(value)) {
        image.exponent = DecimalImage::NanExponent;
        return image;
    }
    if (IsInf(value)) {
        image.exponent = DecimalImage::InfinityExponent;
        image.negative = SignBit(value);
        return image;
    }
    const Extended magnitude = Abs(value);
    if (!(magnitude >= std::numeric_limits<Extended>::min()))
        return image; // zero, negative zero and denormals
    image.negative = SignBit(value);

    int exponent = 0;
    unsigned long long integer = 0;
    LeadingDigits(magnitude, exponent, integer);
    for (int i = ImageDigits - 1; i >= 0; --i) {
        image.digits[i] = static_cast<char>('0' + integer % 10);
        integer /= 10;
    }
    image.digits[ImageDigits] = '\0';
    exponent += RoundDigits(image.digits, precision);
    image.exponent = static_cast<std::int16_t>(exponent);
    return image;
}

std::string FormatGeneral(Extended value, int precision, int exponentDigits, char mark) {
    precision = precision < 2 ? 2 : (precision > 18 ? 18 : precision);
    if (exponentDigits < 0 || exponentDigits > 4)
        exponentDigits = 0;

    const DecimalImage image = MakeDecimalImage(value, precision);
    if (image.exponent == DecimalImage::NanExponent)
        return "NAN";
    if (image.exponent == DecimalImage::InfinityExponent)
        return image.negative ? "-INF" : "INF";

    std::string text;
    if (image.negative)
        text += '-';
    const int e = image.exponent;
    const std::string_view digits(image.digits);
    if (e > precision || e < -3) {
        text += digits[0];
        if (digits.size() > 1) {
            text += mark;
            text += digits.substr(1);
        }
        text += 'E';
        int power = e - 1;
        if (power < 0) {
            text += '-';
            power = -power;
        }
        std::string magnitude = std::to_string(power);
        if (static_cast<int>(magnitude.size()) < exponentDigits)
            text.append(exponentDigits - magnitude.size(), '0');
        text += magnitude;
    } else if (e <= 0) {
        text += '0';
        if (digits.empty())
            return text;
        text += mark;
        text.append(-e, '0');
        text += digits;
    } else {
        if (static_cast<int>(digits.size()) >= e) {
            text += digits.substr(0, e);
            if (static_cast<int>(digits.size()) > e) {
                text += mark;
                text += digits.substr(e);
            }
        } else {
            text += digits;
            text.append(e - digits.size(), '0');
        }
    }
    return text;
}

std::string FormatGeneral(Extended value, int precision, int exponentDigits) {
    return FormatGeneral(value, precision, exponentDigits, DecimalMark);
}

} // namespace tarsilo
