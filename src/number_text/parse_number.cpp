// Text to double with strtod's grammar in the "C" locale. Decimal numbers, inf and nan are read
// by fast_float; hexadecimal numbers, which it does not read, by an exact routine of our own.

#include "number_text/number_text.h"

#include <cstring>

#include <fast_float/fast_float.h>

namespace {

bool isSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

bool isDigit(char c) { return c >= '0' && c <= '9'; }

int hexDigitValue(char c) {
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool isHexDigit(char c) { return hexDigitValue(c) >= 0; }

bool startsHexNumber(const char *text) {
    return text[0] == '0' && (text[1] == 'x' || text[1] == 'X') &&
           (isHexDigit(text[2]) || (text[2] == '.' && isHexDigit(text[3])));
}

// The significant bits of a hexadecimal number: value = mantissa * 2^exponent, plus something
// below the mantissa's last bit when sticky is set.
struct BinaryNumber {
    std::uint64_t mantissa = 0;
    long exponent = 0;
    bool sticky = false;
};

// Takes one hexadecimal digit; up to 15 significant digits (60 bits) are kept exactly.
void addHexDigit(BinaryNumber &number, int digit, bool inFraction) {
    const std::uint64_t keepLimit = std::uint64_t{1} << 56;
    if (number.mantissa < keepLimit) {
        number.mantissa = number.mantissa * 16 + static_cast<std::uint64_t>(digit);
        if (inFraction)
            number.exponent -= 4;
    } else {
        number.sticky = number.sticky || digit != 0;
        if (!inFraction)
            number.exponent += 4;
    }
}

// Reads the digits after "0x", an optional fraction and an optional "p" exponent, which counts
// only when at least one digit follows its optional sign.
BinaryNumber readHexNumber(const char *text) {
    BinaryNumber number;
    for (; isHexDigit(*text); ++text)
        addHexDigit(number, hexDigitValue(*text), false);
    if (*text == '.') {
        for (++text; isHexDigit(*text); ++text)
            addHexDigit(number, hexDigitValue(*text), true);
    }
    if (*text == 'p' || *text == 'P') {
        const char *digits = text + 1;
        bool negative = *digits == '-';
        if (*digits == '-' || *digits == '+')
            ++digits;
        const long exponentLimit = 100000; // far past any double, yet far from overflow
        long exponent = 0;
        for (; isDigit(*digits); ++digits) {
            if (exponent < exponentLimit)
                exponent = exponent * 10 + (*digits - '0');
        }
        if (isDigit(digits[-1]))
            number.exponent += negative ? -exponent : exponent;
    }
    return number;
}

int leadingZeros(std::uint64_t value) {
    int count = 0;
    for (std::uint64_t bit = std::uint64_t{1} << 63; (value & bit) == 0; bit >>= 1)
        ++count;
    return count;
}

// Rounds to the nearest double, ties to even, with subnormals and overflow to infinity.
double toDouble(const BinaryNumber &number) {
    if (number.mantissa == 0)
        return 0.0;
    int zeros = leadingZeros(number.mantissa);
    std::uint64_t bits = number.mantissa << zeros; // the value is bits / 2^63 * 2^top
    long top = number.exponent + 63 - zeros;
    const long maxExponent = 1023;
    const long minNormalExponent = -1022;
    const long mantissaBits = 53;
    std::uint64_t result;
    if (top > maxExponent) {
        result = 0x7FF0000000000000u;
    } else if (top < minNormalExponent - mantissaBits) {
        result = 0; // below half the smallest subnormal
    } else {
        long kept = top >= minNormalExponent ? mantissaBits : top - minNormalExponent + mantissaBits;
        int dropped = static_cast<int>(64 - kept);
        std::uint64_t half = std::uint64_t{1} << (dropped - 1);
        std::uint64_t keptBits = dropped == 64 ? 0 : bits >> dropped;
        std::uint64_t remainder = dropped == 64 ? bits : bits & ((half << 1) - 1);
        bool above = remainder > half || (remainder == half && number.sticky);
        if (above || (remainder == half && (keptBits & 1)))
            ++keptBits;
        if (top < minNormalExponent) {
            result = keptBits; // a subnormal, or the smallest normal where rounding carried into it
        } else {
            if (keptBits >> mantissaBits) {
                keptBits >>= 1;
                ++top;
            }
            result = top > maxExponent ? 0x7FF0000000000000u
                                       : (static_cast<std::uint64_t>(top + maxExponent) << (mantissaBits - 1)) |
                                             (keptBits & ((std::uint64_t{1} << (mantissaBits - 1)) - 1));
        }
    }
    double value;
    std::memcpy(&value, &result, sizeof value);
    return value;
}

// Converts an unsigned number at the start of text; false when none starts there.
bool unsignedTextToDouble(const char *text, double &value) {
    if (startsHexNumber(text)) {
        value = toDouble(readHexNumber(text + 2));
        return true;
    }
    if (*text == '-' || *text == '+')
        return false;
    fast_float::from_chars_result result = fast_float::from_chars(text, text + std::strlen(text), value);
    return result.ec != std::errc::invalid_argument;
}

} // namespace

double textToDouble(const char *text) {
    while (isSpace(*text))
        ++text;
    bool negative = *text == '-';
    if (*text == '-' || *text == '+')
        ++text;
    double magnitude = 0.0;
    if (!unsignedTextToDouble(text, magnitude))
        return 0.0;
    return negative ? -magnitude : magnitude;
}
