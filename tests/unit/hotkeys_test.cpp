// Placement hotkeys, frame by frame: each script row sets the keys held and the tick count,
// runs one frame and checks the placement, the saves and the key queries of that frame.

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "fake_script_hook.h"
#include "fake_windows.h"
#include "host/plugin_main.h"
#include "settings/settings.h"

namespace {

const int ctrl = VK_LCONTROL;
const int shift = VK_LSHIFT;
const int left = VK_LEFT;
const int right = VK_RIGHT;
const int up = VK_UP;
const int down = VK_DOWN;
const int f1 = VK_F1;

const float step = 0.01f;
const float fine = 0.002f;
const float x0 = 0.015f;
const float y0 = 0.025f;

struct Frame {
    std::vector<int> keys;
    std::uint32_t tick;
    float posX;
    float posY;
    std::int32_t index;
    int saves;
};

class Hotkeys : public testing::Test {
  protected:
    void SetUp() override {
        fakeHook::reset();
        fakeHook::setNoWaypoint();
        fakeWindows::reset();
        // A frame with Left Ctrl down and nothing else ends any hold and any F1 latch.
        fakeWindows::setKeysDown({ctrl});
        fakeWindows::tickCount = 5;
        updateFrame();
        fakeWindows::reset();
        fakeHook::reset();
        fakeHook::setNoWaypoint();
        settings = Settings{};
    }

    void play(const std::vector<Frame> &frames) {
        for (std::size_t i = 0; i < frames.size(); ++i) {
            const Frame &frame = frames[i];
            fakeWindows::calls.clear();
            fakeWindows::setKeysDown({});
            for (int key : frame.keys)
                fakeWindows::setKeyState(key, static_cast<SHORT>(0x8000));
            fakeWindows::tickCount = frame.tick;

            updateFrame();

            bool controlDown = false;
            for (int key : frame.keys)
                controlDown = controlDown || key == ctrl;
            EXPECT_EQ(settings.posX, frame.posX) << "frame " << i;
            EXPECT_EQ(settings.posY, frame.posY) << "frame " << i;
            EXPECT_EQ(settings.fontSizeIndex, frame.index) << "frame " << i;
            EXPECT_EQ(fakeWindows::countCalls("WritePrivateProfileStringA"), 3u * frame.saves) << "frame " << i;
            EXPECT_EQ(fakeWindows::countCalls("GetAsyncKeyState"), controlDown ? 7u : 2u) << "frame " << i;
            EXPECT_EQ(fakeWindows::countCalls("GetTickCount"), 1u) << "frame " << i;
        }
    }

    fakeWindows::TemporaryFolder folder;
};

TEST_F(Hotkeys, TapMovesOneStep) {
    play({{{ctrl, right}, 1000, x0 + step, y0, 0, 1},
          {{ctrl}, 1016, x0 + step, y0, 0, 0},
          {{ctrl, down}, 1032, x0 + step, y0 + step, 0, 1},
          {{ctrl}, 1048, x0 + step, y0 + step, 0, 0}});
}

TEST_F(Hotkeys, HoldRestsUntilMoreThan300msThenRepeatsEveryFrame) {
    float x1 = x0 - step;
    play({{{ctrl, left}, 1000, x1, y0, 0, 1},
          {{ctrl, left}, 1016, x1, y0, 0, 0},
          {{ctrl, left}, 1300, x1, y0, 0, 0},
          {{ctrl, left}, 1301, x1 - step, y0, 0, 1},
          {{ctrl, left}, 1317, x1 - step - step, y0, 0, 1},
          {{ctrl, left}, 1333, x1 - step - step - step, y0, 0, 1},
          {{ctrl}, 1349, x1 - step - step - step, y0, 0, 0}});
}

TEST_F(Hotkeys, ShiftChangesTheStepMidHoldWithoutANewPause) {
    float y1 = y0 - step;
    play({{{ctrl, up}, 1000, x0, y1, 0, 1},
          {{ctrl, shift, up}, 1100, x0, y1, 0, 0},
          {{ctrl, shift, up}, 1301, x0, y1 - fine, 0, 1},
          {{ctrl, up}, 1317, x0, y1 - fine - step, 0, 1},
          {{ctrl, shift, up}, 1333, x0, y1 - fine - step - fine, 0, 1}});
}

TEST_F(Hotkeys, FineTapMovesAFineStep) { play({{{ctrl, shift, right}, 1000, x0 + fine, y0, 0, 1}}); }

TEST_F(Hotkeys, OppositeArrowsStepDownThenUpInFloat) {
    float x1 = (x0 - step) + step;
    float y1 = (y0 - step) + step;
    play({{{ctrl, left, right}, 1000, x1, y0, 0, 2},
          {{ctrl, left, right, up, down}, 2000, (x1 - step) + step, y1, 0, 4}});
}

TEST_F(Hotkeys, EveryKeyInOneFrameSavesFiveTimesInKeyOrder) {
    fakeWindows::setKeysDown({ctrl, left, right, up, down, f1});
    fakeWindows::tickCount = 1000;

    updateFrame();

    const std::string path = " .\\DistanceSettings.ini";
    auto save = [&](float x, float y, int index) {
        char text[3][64];
        std::snprintf(text[0], 64, "%.6f", static_cast<double>(x));
        std::snprintf(text[1], 64, "%.6f", static_cast<double>(y));
        std::snprintf(text[2], 64, "%d", index);
        return std::vector<std::string>{"WritePrivateProfileStringA Settings posX " + std::string(text[0]) + path,
                                        "WritePrivateProfileStringA Settings posY " + std::string(text[1]) + path,
                                        "WritePrivateProfileStringA Settings fontSizeIndex " + std::string(text[2]) +
                                            path};
    };
    std::vector<std::string> expected{"GetAsyncKeyState A2", "GetAsyncKeyState A0", "GetTickCount",
                                      "GetAsyncKeyState 25"};
    auto append = [&](const std::vector<std::string> &lines) {
        expected.insert(expected.end(), lines.begin(), lines.end());
    };
    float x1 = x0 - step;
    float y1 = y0 - step;
    append(save(x1, y0, 0));
    expected.push_back("GetAsyncKeyState 27");
    append(save(x1 + step, y0, 0));
    expected.push_back("GetAsyncKeyState 26");
    append(save(x1 + step, y1, 0));
    expected.push_back("GetAsyncKeyState 28");
    append(save(x1 + step, y1 + step, 0));
    expected.push_back("GetAsyncKeyState 70");
    append(save(x1 + step, y1 + step, 1));
    EXPECT_EQ(fakeWindows::calls, expected);
}

TEST_F(Hotkeys, ControlReleasedMidHoldKeepsTheHold) {
    float x1 = x0 + step;
    play({{{ctrl, right}, 1000, x1, y0, 0, 1},
          {{right}, 1100, x1, y0, 0, 0},
          {{}, 1150, x1, y0, 0, 0},
          {{right}, 1180, x1, y0, 0, 0},
          {{ctrl, right}, 1200, x1, y0, 0, 0},
          {{ctrl, right}, 1301, x1 + step, y0, 0, 1}});
}

TEST_F(Hotkeys, ControlPressedAgainAfterTheDelayRepeatsAtOnce) {
    float x1 = x0 + step;
    play({{{ctrl, right}, 1000, x1, y0, 0, 1},
          {{right}, 1100, x1, y0, 0, 0},
          {{ctrl, right}, 1400, x1 + step, y0, 0, 1},
          {{ctrl, right}, 1416, x1 + step + step, y0, 0, 1}});
}

TEST_F(Hotkeys, ArrowAlreadyDownWhenControlGoesDownStartsAHold) {
    float x1 = x0 + step;
    play({{{right}, 1000, x0, y0, 0, 0},
          {{ctrl, right}, 2000, x1, y0, 0, 1},
          {{ctrl, right}, 2300, x1, y0, 0, 0},
          {{ctrl, right}, 2301, x1 + step, y0, 0, 1}});
}

TEST_F(Hotkeys, F1ActsOncePerPressAndStaysLatchedWhileControlIsUp) {
    play({{{ctrl, f1}, 1000, x0, y0, 1, 1},
          {{ctrl, f1}, 1016, x0, y0, 1, 0},
          {{}, 1032, x0, y0, 1, 0},
          {{f1}, 1048, x0, y0, 1, 0},
          {{ctrl, f1}, 1064, x0, y0, 1, 0},
          {{ctrl}, 1080, x0, y0, 1, 0},
          {{ctrl, f1}, 1096, x0, y0, 2, 1},
          {{ctrl}, 1112, x0, y0, 2, 0},
          {{ctrl, f1}, 1128, x0, y0, 0, 1}});
}

TEST_F(Hotkeys, HoldFirstSeenAtTickZeroRecordsItsStartInTheNextFrame) {
    float x1 = x0 + step;
    play({{{ctrl, right}, 0, x1, y0, 0, 1},
          {{ctrl, right}, 0, x1, y0, 0, 0},
          {{ctrl, right}, 100, x1, y0, 0, 0},
          {{ctrl, right}, 400, x1, y0, 0, 0},
          {{ctrl, right}, 401, x1 + step, y0, 0, 1}});
}

TEST_F(Hotkeys, TickCountWrapDoesNotDisturbTheDelay) {
    float x1 = x0 + step;
    play({{{ctrl, right}, 0xFFFFFF00u, x1, y0, 0, 1},
          {{ctrl, right}, 0x10u, x1, y0, 0, 0},
          {{ctrl, right}, 0x2Cu, x1, y0, 0, 0},
          {{ctrl, right}, 0x2Du, x1 + step, y0, 0, 1}});
}

TEST_F(Hotkeys, OnlyTheMostSignificantBitAndTheLeftHandKeysCount) {
    fakeWindows::setKeysDown({VK_LSHIFT});
    fakeWindows::setKeyState(0x11, static_cast<SHORT>(0x8000)); // VK_CONTROL
    fakeWindows::setKeyState(0xA3, static_cast<SHORT>(0x8000)); // VK_RCONTROL
    fakeWindows::setKeyState(VK_RIGHT, static_cast<SHORT>(0x8000));
    fakeWindows::tickCount = 1000;
    updateFrame();
    EXPECT_EQ(settings.posX, x0);

    fakeWindows::setKeysDown({});
    fakeWindows::setKeyState(ctrl, static_cast<SHORT>(0x8000));
    fakeWindows::setKeyState(right, 1);
    fakeWindows::setKeyState(shift, 1);
    fakeWindows::setKeyState(f1, 0x7FFF);
    updateFrame();
    EXPECT_EQ(settings.posX, x0);
    EXPECT_EQ(settings.fontSizeIndex, 0);

    fakeWindows::setKeyState(right, static_cast<SHORT>(0x8001));
    updateFrame();
    EXPECT_EQ(settings.posX, x0 + step);
}

TEST_F(Hotkeys, ChangeShowsInTheLabelOfTheSameFrame) {
    fakeHook::setWaypoint({0, 0, 0}, 1, {0, 0, 0}, 1.0f, 0x1000);
    settings.fontSizeIndex = 1;
    fakeWindows::setKeysDown({ctrl, right, f1});
    fakeWindows::tickCount = 1000;

    updateFrame();

    ASSERT_EQ(fakeHook::callCount(), 11u);
    float scale = 0.45f;
    float x = x0 + step;
    std::uint32_t scaleBits, xBits;
    std::memcpy(&scaleBits, &scale, 4);
    std::memcpy(&xBits, &x, 4);
    EXPECT_EQ(fakeHook::call(5).args[0], scaleBits);
    EXPECT_EQ(fakeHook::call(10).args[1], xBits);
}

struct IndexStep {
    std::int32_t from;
    std::int32_t to;
};

std::ostream &operator<<(std::ostream &out, const IndexStep &c) { return out << c.from << " to " << c.to; }

class FontSizeStep : public Hotkeys, public testing::WithParamInterface<IndexStep> {};

TEST_P(FontSizeStep, GoesToTheNextIndex) {
    settings.fontSizeIndex = GetParam().from;
    play({{{ctrl, f1}, 1000, x0, y0, GetParam().to, 1}});
}

INSTANTIATE_TEST_SUITE_P(Indices, FontSizeStep,
                         testing::Values(IndexStep{0, 1}, IndexStep{1, 2}, IndexStep{2, 0}, IndexStep{3, 1},
                                         IndexStep{5, 0}, IndexStep{-1, 0}, IndexStep{-2, -1}, IndexStep{2147483647, 2},
                                         IndexStep{-2147483647 - 1, -1}));

} // namespace
