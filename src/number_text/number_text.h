// Locale-free number text: the same result in any process locale, '.' as the decimal point.
// Exact both ways, in integer arithmetic of the project's own and fast_float.
#pragma once

#include <cstddef>
#include <cstdint>

// Writes value with 0 to 9 decimals, rounded from its exact value with exact ties to the even
// digit, as "%.*f" of the value widened to double does in the "C" locale ("inf", "-nan" and so
// on included). Always terminates the text within size bytes (an empty text where it would not
// fit, or for other decimals) and returns a pointer to the terminator.
char *formatFixed(char *buffer, std::size_t size, float value, int decimals);

// Writes value as "%d" does; same contract as formatFixed.
char *formatInteger(char *buffer, std::size_t size, std::int32_t value);

// Converts the longest numeric prefix of text as strtod does in the "C" locale: leading white
// space, an optional sign, then a decimal or 0x hexadecimal number, or inf, infinity or nan in
// any letter case. No numeric prefix gives +0.0; values beyond range give infinity or zero.
double textToDouble(const char *text);
