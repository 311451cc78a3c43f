// The label's "%.1f m" text: exact rounding with ties to even, '.' always, and the widest
// float fitting its 64 bytes. Checked against glibc's printf, which is exact in the "C" locale.

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "overlay/distance_label.h"

namespace {

std::string labelFor(float distance) {
    char label[64];
    std::memset(label, 'x', sizeof label);
    formatLabelText(label, sizeof label, distance);
    return label;
}

std::string printfLabelFor(float distance) {
    char expected[64];
    std::snprintf(expected, sizeof expected, "%.1f m", static_cast<double>(distance));
    return expected;
}

struct LabelCase {
    float distance;
    const char *text;
};

std::ostream &operator<<(std::ostream &out, const LabelCase &c) { return out << c.text; }

class LabelText : public testing::TestWithParam<LabelCase> {};

TEST_P(LabelText, IsRoundedFromTheExactFloat) { EXPECT_EQ(labelFor(GetParam().distance), GetParam().text); }

INSTANTIATE_TEST_SUITE_P(
    HandPicked, LabelText,
    testing::Values(LabelCase{7.46f, "7.5 m"}, LabelCase{0.04f, "0.0 m"}, LabelCase{7.45f, "7.4 m"},
                    LabelCase{2.25f, "2.2 m"}, LabelCase{2.75f, "2.8 m"}, LabelCase{0.25f, "0.2 m"},
                    LabelCase{0.75f, "0.8 m"}, LabelCase{87.5f, "87.5 m"}, LabelCase{-0.0f, "-0.0 m"},
                    LabelCase{-3.25f, "-3.2 m"}, LabelCase{std::numeric_limits<float>::infinity(), "inf m"},
                    LabelCase{-std::numeric_limits<float>::infinity(), "-inf m"},
                    LabelCase{std::numeric_limits<float>::max(), "340282346638528859811704183484516925440.0 m"},
                    LabelCase{-std::numeric_limits<float>::max(), "-340282346638528859811704183484516925440.0 m"},
                    LabelCase{std::numeric_limits<float>::denorm_min(), "0.0 m"}));

TEST(LabelTextSample, MatchesPrintfOverRandomFloatBitPatterns) {
    std::mt19937 random(20261211);
    int mismatches = 0;
    for (int i = 0; i < 300000 && mismatches < 10; ++i) {
        std::uint32_t pattern = random();
        float distance;
        std::memcpy(&distance, &pattern, sizeof distance);
        if (std::isnan(distance))
            continue;
        if (labelFor(distance) != printfLabelFor(distance)) {
            ADD_FAILURE() << "bits 0x" << std::hex << pattern << ": " << labelFor(distance) << " vs "
                          << printfLabelFor(distance);
            ++mismatches;
        }
    }
}

TEST(LabelTextSample, MatchesPrintfNearTiesAndSmallDistances) {
    int mismatches = 0;
    for (int centimetres = 0; centimetres < 200000 && mismatches < 10; ++centimetres) {
        float exact = static_cast<float>(centimetres) / 100.0f + 0.05f;
        for (float distance : {std::nextafter(exact, 0.0f), exact, std::nextafter(exact, 1e9f)}) {
            if (labelFor(distance) != printfLabelFor(distance)) {
                ADD_FAILURE() << distance << ": " << labelFor(distance) << " vs " << printfLabelFor(distance);
                ++mismatches;
            }
        }
    }
}

TEST(LabelTextSample, WritesNanAsPrintfDoes) {
    EXPECT_EQ(labelFor(std::numeric_limits<float>::quiet_NaN()),
              printfLabelFor(std::numeric_limits<float>::quiet_NaN()));
    EXPECT_EQ(labelFor(-std::numeric_limits<float>::quiet_NaN()),
              printfLabelFor(-std::numeric_limits<float>::quiet_NaN()));
}

} // namespace
