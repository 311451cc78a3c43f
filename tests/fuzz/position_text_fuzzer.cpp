// Fuzzes the position text conversion against glibc's strtod in the "C" locale: the same
// double, bit for bit (any NaN matches any NaN), for any text of up to 63 bytes.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "number_text/number_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    char text[64];
    std::size_t length = size < sizeof text - 1 ? size : sizeof text - 1;
    std::memcpy(text, data, length);
    text[length] = '\0';

    double expected = std::strtod(text, nullptr);
    double actual = textToDouble(text);
    bool same = std::isnan(expected) ? std::isnan(actual) : std::memcmp(&expected, &actual, sizeof actual) == 0;
    if (!same) {
        std::fprintf(stderr, "text [%s]: %a, strtod gives %a\n", text, actual, expected);
        std::abort();
    }
    return 0;
}
