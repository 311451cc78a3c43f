// Fixed-point and integer text in integer arithmetic. A float is m * 2^e with m < 2^24, so its
// integer part fits 128 bits and its fraction, times 10^decimals, fits 64 bits: every digit
// is exact, and so is the tie test for the last one.

#include "number_text/number_text.h"

#include <cstring>

namespace {

__extension__ typedef unsigned __int128 UInt128;

const std::uint64_t powersOfTen[] = {1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000, 1000000000};
const int maxDecimals = sizeof powersOfTen / sizeof powersOfTen[0] - 1;

// The longest text: a sign, the 39 integer digits of the largest float, the point, 9 decimals.
const std::size_t longestText = 1 + 39 + 1 + maxDecimals;

// Writes value's decimal digits backwards, ending just before end, at least minDigits of them
// (zeros in front); returns the first digit.
char *writeDigitsBackwards(char *end, std::uint64_t value, int minDigits) {
    do {
        *--end = static_cast<char>('0' + value % 10);
        value /= 10;
        --minDigits;
    } while (value != 0 || minDigits > 0);
    return end;
}

char *writeDigitsBackwards(char *end, UInt128 value) {
    const std::uint64_t chunk = 10000000000000000000u; // 10^19, the largest power of ten in 64 bits
    while (value >= chunk) {
        end = writeDigitsBackwards(end, static_cast<std::uint64_t>(value % chunk), 19);
        value /= chunk;
    }
    return writeDigitsBackwards(end, static_cast<std::uint64_t>(value), 1);
}

// Copies the text [first, last) into buffer, or an empty text where it does not fit.
char *finish(char *buffer, std::size_t size, const char *first, const char *last) {
    std::size_t length = static_cast<std::size_t>(last - first);
    if (size == 0)
        return buffer;
    if (length >= size)
        length = 0;
    std::memcpy(buffer, first, length);
    buffer[length] = '\0';
    return buffer + length;
}

// The digits of magnitude * 2^exponent rounded to the given decimals, written backwards before
// end; magnitude < 2^24 and -149 <= exponent <= 104.
char *writeFixedBackwards(char *end, std::uint32_t magnitude, int exponent, int decimals) {
    UInt128 integer;
    std::uint64_t fraction = 0; // the decimals as an integer
    if (exponent >= 0) {
        integer = static_cast<UInt128>(magnitude) << exponent;
    } else {
        int shift = -exponent;
        integer = shift < 24 ? magnitude >> shift : 0;
        std::uint64_t rest = shift < 24 ? magnitude & ((1u << shift) - 1) : magnitude;
        std::uint64_t scaled = rest * powersOfTen[decimals]; // below 2^24 * 10^9 < 2^54
        // Past 2^54 the scaled rest is below half a unit of the last decimal: it rounds to 0.
        if (shift < 55) {
            fraction = scaled >> shift;
            std::uint64_t remainder = scaled & ((std::uint64_t{1} << shift) - 1);
            std::uint64_t half = std::uint64_t{1} << (shift - 1);
            bool lastDigitOdd = decimals > 0 ? (fraction & 1) != 0 : (integer & 1) != 0;
            if (remainder > half || (remainder == half && lastDigitOdd))
                ++fraction;
            if (fraction == powersOfTen[decimals]) {
                fraction = 0;
                ++integer;
            }
        }
    }
    if (decimals > 0) {
        end = writeDigitsBackwards(end, fraction, decimals);
        *--end = '.';
    }
    return writeDigitsBackwards(end, integer);
}

} // namespace

char *formatFixed(char *buffer, std::size_t size, float value, int decimals) {
    std::uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    bool negative = (bits >> 31) != 0;
    std::uint32_t exponentBits = (bits >> 23) & 0xFF;
    std::uint32_t fractionBits = bits & 0x7FFFFF;

    char text[longestText + 1];
    char *end = text + sizeof text;
    char *first;
    if (decimals < 0 || decimals > maxDecimals) {
        first = end;
    } else if (exponentBits == 0xFF) {
        const char *word = fractionBits != 0 ? "nan" : "inf";
        first = end - 3;
        std::memcpy(first, word, 3);
    } else if (exponentBits == 0) {
        first = writeFixedBackwards(end, fractionBits, -149, decimals);
    } else {
        first = writeFixedBackwards(end, fractionBits | 0x800000, static_cast<int>(exponentBits) - 150, decimals);
    }
    if (negative && first != end)
        *--first = '-';
    return finish(buffer, size, first, end);
}

char *formatInteger(char *buffer, std::size_t size, std::int32_t value) {
    char text[sizeof "-2147483648"];
    char *end = text + sizeof text;
    std::uint32_t magnitude = static_cast<std::uint32_t>(value);
    if (value < 0)
        magnitude = 0u - magnitude;
    char *first = writeDigitsBackwards(end, magnitude, 1);
    if (value < 0)
        *--first = '-';
    return finish(buffer, size, first, end);
}
