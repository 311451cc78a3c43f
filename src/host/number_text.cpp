// Number formatting through std::to_chars, which is exact and ignores the locale.

#include "host/number_text.h"

#include <charconv>

char *formatFixed(char *buffer, std::size_t size, double value, int decimals) {
    std::to_chars_result result = std::to_chars(buffer, buffer + size - 1, value, std::chars_format::fixed, decimals);
    char *end = result.ec == std::errc() ? result.ptr : buffer;
    *end = '\0';
    return end;
}
