// Locale-free number text: the same result in any process locale, '.' as the decimal point.
#pragma once

#include <cstddef>

// Writes value with a fixed number of decimals, rounded correctly from its exact value with
// exact ties to the even digit, as "%.*f" does in the "C" locale. Always terminates the text
// within size bytes and returns a pointer to the terminator.
char *formatFixed(char *buffer, std::size_t size, double value, int decimals);
