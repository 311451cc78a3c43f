// Locale-free number text: the same result in any process locale, '.' as the decimal point.
#pragma once

#include <cstddef>
#include <cstdint>

// Writes value with a fixed number of decimals, rounded correctly from its exact value with
// exact ties to the even digit, as "%.*f" does in the "C" locale. Always terminates the text
// within size bytes and returns a pointer to the terminator.
char *formatFixed(char *buffer, std::size_t size, double value, int decimals);

// Writes value with one decimal, as formatFixed(buffer, size, value, 1) does, but quicker for
// the values a distance takes.
char *formatTenths(char *buffer, std::size_t size, float value);

// Writes value as "%d" does; same contract as formatFixed.
char *formatInteger(char *buffer, std::size_t size, std::int32_t value);

// Converts the longest numeric prefix of text as strtod does in the "C" locale: leading white
// space, an optional sign, then a decimal or 0x hexadecimal number, or inf, infinity or nan in
// any letter case. No numeric prefix gives +0.0; values beyond range give infinity or zero.
double textToDouble(const char *text);
