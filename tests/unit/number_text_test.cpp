// Locale-free number text against glibc's strtod and snprintf, which are exact in the "C"
// locale the tests run in: hand-picked cases and large reproducible generated samples.

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "number_text/number_text.h"

namespace {

bool sameDouble(double a, double b) {
    if (std::isnan(a) || std::isnan(b))
        return std::isnan(a) && std::isnan(b);
    return std::memcmp(&a, &b, sizeof a) == 0;
}

std::string describe(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%a", value);
    return text;
}

void expectLikeStrtod(const std::string &text) {
    double expected = std::strtod(text.c_str(), nullptr);
    double actual = textToDouble(text.c_str());
    EXPECT_TRUE(sameDouble(actual, expected))
        << "text [" << text << "]: " << describe(actual) << " instead of " << describe(expected);
}

TEST(TextToDouble, HandPickedTextsConvertAsStrtod) {
    const char *texts[] = {"0",
                           "0.5abc",
                           "0,5",
                           "abc",
                           "",
                           "-",
                           "+",
                           "+-5",
                           "-+5",
                           "--1",
                           " \t\n\v\f\r 12.5",
                           "1e39",
                           "-1e39",
                           "1e400",
                           "-1e400",
                           "1e-400",
                           "-1e-400",
                           "1e-310",
                           "4e-324",
                           "2.4703282292062327e-324",
                           "2.4703282292062328e-324",
                           "1.7976931348623157e308",
                           "1.7976931348623158e308",
                           "1.797693134862315808e308",
                           "0x1p-1074",
                           "0x1p-1075",
                           "0x1.8p1",
                           "0X.8P1",
                           "0x",
                           "0xg",
                           "-0x",
                           "0x.",
                           "0x.p1",
                           "0x1p",
                           "0x1p+",
                           "0x1p99999",
                           "0x1p-99999",
                           "0x1P+-5",
                           "0xe11299e9492P+-96",
                           "0x1p-+5",
                           "0x1.8p+x",
                           "0x0.0000000001p-1060",
                           "inf",
                           "-INF",
                           "Infinity",
                           "infinit",
                           "infinityx",
                           "nan",
                           "-NaN",
                           "nan(123)",
                           "nan(",
                           "nanx",
                           "1e",
                           "1e+",
                           "1e-",
                           ".5",
                           "5.",
                           ".",
                           ".e1",
                           "e1",
                           "00000000000000000001e-340",
                           "0.000000000000000000000000000000001e-290",
                           "100000000000000000000e290",
                           "0.015",
                           "0.025",
                           "  -0.0",
                           "1_000",
                           "1.5e+3 ",
                           "0.0078125",
                           "123456789012345678901234567890",
                           "0x123456789abcdefABCDEF",
                           "0x1.00000000000008p0",
                           "0x1.00000000000018p0",
                           "0x1.000000000000080000000001p0",
                           "0x1.00000000000007ffffffffffp0",
                           "0x20000000000001p0",
                           "0x20000000000003p0",
                           "0x3p-1075",
                           "0x1.0000000001p-1075",
                           "0x1p-1076",
                           "0x0.fffffffffffff8p-1022",
                           "0x0.fffffffffffff7ffp-1022",
                           "0x1.fffffffffffff8p1023",
                           "0x1.fffffffffffff7ffp1023",
                           "0x1p1023",
                           "0x1p1024",
                           "0x000000000000000000000000000000000000001p0",
                           "0x.0000000000000000000000000000000000000000000001p190",
                           "0xffffffffffffffffffffffffffffffffp-128"};
    for (const char *text : texts)
        expectLikeStrtod(text);
}

std::string generatedText(std::mt19937 &random) {
    static const char *const pieces[] = {
        "0",    "1",   "2",   "3",        "4",        "5",     "6",     "7",      "8",    "9",    "0", "00",
        "9999", "+",   "-",   ".",        ".",        ",",     "e",     "E",      "e-",   "e+",   "p", "P",
        "p-",   "p+",  "P+-", "x",        "X",        "0x",    "0X",    "a",      "b",    "c",    "d", "f",
        "F",    "inf", "INF", "infinity", "Infinity", "nan",   "NaN",   "nan(",   ")",    "(",    " ", "\t",
        "z",    "_",   "e30", "e300",     "e-300",    "e-320", "p1000", "p-1070", "e400", "e-400"};
    const std::size_t pieceCount = sizeof pieces / sizeof pieces[0];
    std::string text;
    std::size_t length = random() % 64;
    while (text.size() < length)
        text += pieces[random() % pieceCount];
    text.resize(std::min<std::size_t>(text.size(), 63));
    return text;
}

std::string generatedNumber(std::mt19937 &random) {
    std::string text;
    if (random() % 2)
        text += "+- "[random() % 3];
    bool hex = random() % 4 == 0;
    if (hex)
        text += "0x";
    const char *digits = hex ? "0123456789abcdefABCDEF" : "0123456789";
    std::size_t digitCount = hex ? 22 : 10;
    for (std::size_t n = random() % 25; n > 0; --n)
        text += digits[random() % digitCount];
    if (random() % 2)
        text += '.';
    for (std::size_t n = random() % 25; n > 0; --n)
        text += digits[random() % digitCount];
    if (random() % 2) {
        text += hex ? 'p' : 'e';
        if (random() % 2)
            text += "+-"[random() % 2];
        text += std::to_string(random() % (hex ? 1200 : 420));
    }
    return text.substr(0, 63);
}

TEST(TextToDouble, GeneratedTextsConvertAsStrtod) {
    std::mt19937 random(31337);
    for (int i = 0; i < 200000 && !HasFailure(); ++i)
        expectLikeStrtod(generatedText(random));
}

TEST(TextToDouble, GeneratedNumbersConvertAsStrtod) {
    std::mt19937 random(4242);
    for (int i = 0; i < 200000 && !HasFailure(); ++i)
        expectLikeStrtod(generatedNumber(random));
}

std::string fixed6(float value) {
    char text[64];
    std::memset(text, 'x', sizeof text);
    formatFixed(text, sizeof text, value, 6);
    return text;
}

std::string printf6(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.6f", value);
    return text;
}

TEST(FormatFixed, SixDecimalsOfHandPickedFloats) {
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    struct {
        float value;
        const char *text;
    } cases[] = {{0.015f, "0.015000"},
                 {0.025f, "0.025000"},
                 {0.0078125f, "0.007812"},
                 {0.0234375f, "0.023438"},
                 {-0.0078125f, "-0.007812"},
                 {inf, "inf"},
                 {-inf, "-inf"},
                 {nan, "nan"},
                 {-nan, "-nan"},
                 {std::numeric_limits<float>::max(), "340282346638528859811704183484516925440.000000"},
                 {-std::numeric_limits<float>::max(), "-340282346638528859811704183484516925440.000000"}};
    for (const auto &c : cases)
        EXPECT_EQ(fixed6(c.value), c.text);
}

TEST(FormatFixed, SixDecimalsMatchPrintfOverRandomFloatBitPatterns) {
    std::mt19937 random(99);
    for (int i = 0; i < 300000 && !HasFailure(); ++i) {
        std::uint32_t pattern = random();
        float value;
        std::memcpy(&value, &pattern, sizeof value);
        EXPECT_EQ(fixed6(value), printf6(value)) << "bits 0x" << std::hex << pattern;
    }
}

TEST(FormatFixed, EveryDecimalCountMatchesPrintf) {
    std::mt19937 random(7);
    for (int i = 0; i < 100000 && !HasFailure(); ++i) {
        std::uint32_t pattern = random();
        int decimals = static_cast<int>(random() % 10);
        float value;
        std::memcpy(&value, &pattern, sizeof value);
        char text[64];
        char expected[64];
        formatFixed(text, sizeof text, value, decimals);
        std::snprintf(expected, sizeof expected, "%.*f", decimals, static_cast<double>(value));
        EXPECT_STREQ(text, expected) << "bits 0x" << std::hex << pattern << ", " << std::dec << decimals << " decimals";
    }
}

TEST(FormatFixed, TiesWithoutDecimalsGoToTheEvenInteger) {
    struct {
        float value;
        const char *text;
    } cases[] = {{0.5f, "0"}, {1.5f, "2"}, {2.5f, "2"}, {-2.5f, "-2"}, {3.5f, "4"}, {0.49999997f, "0"}};
    for (const auto &c : cases) {
        char text[16];
        formatFixed(text, sizeof text, c.value, 0);
        EXPECT_STREQ(text, c.text) << c.value;
    }
}

TEST(FormatFixed, TextThatDoesNotFitOrAnUnknownDecimalCountGivesAnEmptyText) {
    struct {
        std::size_t size;
        int decimals;
        const char *text;
    } cases[] = {{9, 6, "0.015000"}, {8, 6, ""}, {1, 1, ""}, {64, 10, ""}, {64, -1, ""}, {64, 9, "0.015000000"}};
    for (const auto &c : cases) {
        char text[64];
        std::memset(text, 'x', sizeof text);
        char *end = formatFixed(text, c.size, 0.015f, c.decimals);
        EXPECT_STREQ(text, c.text) << c.size << " bytes, " << c.decimals << " decimals";
        EXPECT_EQ(end, text + std::strlen(c.text));
    }
}

TEST(FormatInteger, MatchesPrintf) {
    for (std::int32_t value : {0, 1, -1, 2, 2147483647, -2147483647 - 1, 1000000}) {
        char text[16];
        char expected[16];
        char *end = formatInteger(text, sizeof text, value);
        std::snprintf(expected, sizeof expected, "%d", value);
        EXPECT_STREQ(text, expected);
        EXPECT_EQ(end, text + std::strlen(expected));
    }
}

} // namespace
