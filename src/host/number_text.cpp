// Number text through std::to_chars and std::from_chars, which are exact and ignore the
// locale; the parts of strtod's grammar that from_chars leaves out are handled here.

#include "host/number_text.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

bool isSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool isHexDigit(char c) { return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

bool startsHexNumber(const char *text) {
    return text[0] == '0' && (text[1] == 'x' || text[1] == 'X') &&
           (isHexDigit(text[2]) || (text[2] == '.' && isHexDigit(text[3])));
}

char *terminate(char *buffer, std::to_chars_result result) {
    char *end = result.ec == std::errc() ? result.ptr : buffer;
    *end = '\0';
    return end;
}

// The end of the hexadecimal number that starts at text, after its 0x. It is measured here
// because libstdc++'s from_chars takes an exponent with two signs ("p+-5"), where strtod ends
// the number before the 'p'.
const char *hexNumberEnd(const char *text) {
    while (isHexDigit(*text))
        ++text;
    if (*text == '.') {
        ++text;
        while (isHexDigit(*text))
            ++text;
    }
    if (*text == 'p' || *text == 'P') {
        const char *exponent = text + 1;
        if (*exponent == '+' || *exponent == '-')
            ++exponent;
        while (isDigit(*exponent))
            text = ++exponent;
    }
    return text;
}

bool isDigitOf(char c, bool hex) { return hex ? isHexDigit(c) : isDigit(c); }

// For a number that from_chars found out of range: whether it lies above the range rather than
// below it. Its order of magnitude, the place of its first nonzero digit plus its exponent, is
// far from zero either way, so its sign decides. A hexadecimal digit weighs four binary places.
bool isAboveRange(const char *number, const char *end, bool hex) {
    const char *p = number;
    long order = 0;
    while (p < end && *p == '0')
        ++p;
    for (; p < end && isDigitOf(*p, hex); ++p)
        ++order;
    if (p < end && *p == '.') {
        ++p;
        for (; order <= 0 && p < end && *p == '0'; ++p)
            --order;
        while (p < end && isDigitOf(*p, hex))
            ++p;
    }
    order *= hex ? 4 : 1;

    if (p < end) {
        ++p;
        bool negativeExponent = *p == '-';
        if (*p == '-' || *p == '+')
            ++p;
        long exponent = 0;
        for (; p < end && isDigit(*p); ++p) {
            if (exponent < 100000)
                exponent = exponent * 10 + (*p - '0');
        }
        order += negativeExponent ? -exponent : exponent;
    }
    return order > 0;
}

// Converts an unsigned number at the start of text; false when none starts there.
bool unsignedTextToDouble(const char *text, double &value) {
    bool hex = startsHexNumber(text);
    const char *number = hex ? text + 2 : text;
    if (*number == '-')
        return false;
    const char *end = hex ? hexNumberEnd(number) : text + std::strlen(text);
    std::from_chars_result result =
        std::from_chars(number, end, value, hex ? std::chars_format::hex : std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range)
        value = isAboveRange(number, result.ptr, hex) ? std::numeric_limits<double>::infinity() : 0.0;
    return result.ec != std::errc::invalid_argument;
}

} // namespace

char *formatFixed(char *buffer, std::size_t size, double value, int decimals) {
    return terminate(buffer, std::to_chars(buffer, buffer + size - 1, value, std::chars_format::fixed, decimals));
}

char *formatTenths(char *buffer, std::size_t size, float value) {
    // Below 2^24 a float times ten is exact in a double and below 2^28, so the tenths are found
    // exactly by truncation, and an exact half is rounded to the even tenth by hand.
    const float exactLimit = 16777216.0f;
    const std::size_t longest = sizeof "-16777216.0";
    float magnitude = value < 0 ? -value : value;
    if (!(magnitude < exactLimit) || size < longest)
        return formatFixed(buffer, size, value, 1);

    double tenths = static_cast<double>(magnitude) * 10.0;
    std::uint32_t rounded = static_cast<std::uint32_t>(tenths);
    double rest = tenths - rounded;
    if (rest > 0.5 || (rest == 0.5 && (rounded & 1)))
        ++rounded;

    char digits[12];
    char *first = digits + sizeof digits;
    *--first = static_cast<char>('0' + rounded % 10);
    *--first = '.';
    rounded /= 10;
    do {
        *--first = static_cast<char>('0' + rounded % 10);
        rounded /= 10;
    } while (rounded);
    if (std::signbit(value))
        *--first = '-';

    std::size_t length = static_cast<std::size_t>(digits + sizeof digits - first);
    std::memcpy(buffer, first, length);
    buffer[length] = '\0';
    return buffer + length;
}

char *formatInteger(char *buffer, std::size_t size, std::int32_t value) {
    return terminate(buffer, std::to_chars(buffer, buffer + size - 1, value));
}

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
