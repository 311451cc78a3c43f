// The natives a label frame calls, with their exact argument slots, and the scale per size index.

#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

#include <gtest/gtest.h>

#include "fake_script_hook.h"
#include "overlay/distance_label.h"
#include "settings/settings.h"

namespace {

using namespace nativeHashes;

std::uint64_t bits(float value) {
    std::uint32_t b;
    std::memcpy(&b, &value, sizeof b);
    return b;
}

struct ExpectedCall {
    std::uint64_t hash;
    std::vector<std::uint64_t> args;
};

void expectCalls(const std::vector<ExpectedCall> &expected) {
    ASSERT_EQ(fakeHook::callCount(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const fakeHook::NativeCall &actual = fakeHook::call(i);
        EXPECT_EQ(actual.hash, expected[i].hash) << "call " << i;
        std::vector<std::uint64_t> args(actual.args.begin(), actual.args.begin() + actual.argCount);
        EXPECT_EQ(args, expected[i].args) << "call " << i;
    }
}

const char *labelPointer(std::size_t createVarStringCall) {
    return reinterpret_cast<const char *>(fakeHook::call(createVarStringCall).args[2]);
}

class DistanceLabel : public testing::Test {
  protected:
    void SetUp() override {
        fakeHook::reset();
        settings = Settings{};
    }
};

TEST_F(DistanceLabel, WithoutWaypointMakesOneCall) {
    fakeHook::setNoWaypoint();
    drawDistanceLabel();
    expectCalls({{waypointActive, {}}});
}

TEST_F(DistanceLabel, DrawsTheLabelWithElevenCallsInOrder) {
    fakeHook::setWaypoint({100.5f, -200.25f, 30.0f}, 0xFFFFFFF0u, {1.0f, 2.0f, 3.0f}, 87.46f, 0x0000123456789ABCu);
    settings.posX = 0.25f;
    settings.posY = 0.75f;
    settings.fontSizeIndex = 1;

    drawDistanceLabel();

    const char *literal = "LITERAL_STRING";
    ASSERT_EQ(fakeHook::callCount(), 11u);
    std::uint64_t literalArg = fakeHook::call(9).args[1];
    std::uint64_t labelArg = fakeHook::call(9).args[2];
    EXPECT_STREQ(reinterpret_cast<const char *>(literalArg), literal);
    expectCalls({
        {waypointActive, {}},
        {waypointCoords, {}},
        {playerPed, {}},
        {entityCoords, {0xFFFFFFF0u, 1, 0}},
        {distanceBetweenCoords, {bits(1.0f), bits(2.0f), bits(3.0f), bits(100.5f), bits(-200.25f), bits(30.0f), 1}},
        {setTextScale, {bits(0.38f), bits(0.38f)}},
        {setTextColor, {255, 255, 255, 230}},
        {setTextCentre, {0}},
        {setTextDropShadow, {1, 0, 0, 0, 255}},
        {createVarString, {10, literalArg, labelArg}},
        {displayText, {0x0000123456789ABCu, bits(0.25f), bits(0.75f)}},
    });
}

TEST_F(DistanceLabel, ReadsOnlyTheLowHalfOfTheWaypointFlag) {
    fakeHook::setResult(waypointActive, {0xFFFFFFFF00000000u, 0, 0});
    drawDistanceLabel();
    EXPECT_EQ(fakeHook::callCount(), 1u);
}

TEST_F(DistanceLabel, PassesTextAndPositionsOnUnchanged) {
    fakeHook::setWaypoint({0, 0, 0}, 7, {0, 0, 0}, 2.25f, 0);
    settings.posX = -0.5f;
    settings.posY = std::numeric_limits<float>::infinity();

    drawDistanceLabel();

    ASSERT_EQ(fakeHook::callCount(), 11u);
    EXPECT_STREQ(labelPointer(9), "2.2 m");
    expectCalls({{waypointActive, {}},
                 {waypointCoords, {}},
                 {playerPed, {}},
                 {entityCoords, {7, 1, 0}},
                 {distanceBetweenCoords, {0, 0, 0, 0, 0, 0, 1}},
                 {setTextScale, {bits(0.30f), bits(0.30f)}},
                 {setTextColor, {255, 255, 255, 230}},
                 {setTextCentre, {0}},
                 {setTextDropShadow, {1, 0, 0, 0, 255}},
                 {createVarString, {10, fakeHook::call(9).args[1], fakeHook::call(9).args[2]}},
                 {displayText, {0, bits(-0.5f), bits(std::numeric_limits<float>::infinity())}}});
}

struct ScaleCase {
    std::int32_t index;
    float scale;
};

std::ostream &operator<<(std::ostream &out, const ScaleCase &c) { return out << "index " << c.index; }

class ScalePerIndex : public testing::TestWithParam<ScaleCase> {};

TEST_P(ScalePerIndex, DrawsAtTheTableEntryOrTheNearestOne) {
    fakeHook::reset();
    fakeHook::setWaypoint({0, 0, 0}, 1, {0, 0, 0}, 1.0f, 0x1000);
    settings = Settings{};
    settings.fontSizeIndex = GetParam().index;

    drawDistanceLabel();

    ASSERT_EQ(fakeHook::callCount(), 11u);
    const fakeHook::NativeCall &scaleCall = fakeHook::call(5);
    EXPECT_EQ(scaleCall.hash, setTextScale);
    ASSERT_EQ(scaleCall.argCount, 2u);
    EXPECT_EQ(scaleCall.args[0], bits(GetParam().scale));
    EXPECT_EQ(scaleCall.args[1], bits(GetParam().scale));
}

INSTANTIATE_TEST_SUITE_P(Indices, ScalePerIndex,
                         testing::Values(ScaleCase{0, 0.30f}, ScaleCase{1, 0.38f}, ScaleCase{2, 0.45f},
                                         ScaleCase{-1, 0.30f}, ScaleCase{-2147483647 - 1, 0.30f}, ScaleCase{3, 0.45f},
                                         ScaleCase{2147483647, 0.45f}));

} // namespace
