// DllMain's reasons and the frame loop of scriptMain.

#include <gtest/gtest.h>

#include "fake_script_hook.h"
#include "fake_windows.h"
#include "host/plugin_main.h"

namespace {

HINSTANCE moduleHandle() { return reinterpret_cast<HINSTANCE>(0x7FF612340000); }

struct DllMainCase {
    DWORD reason;
    LPVOID reserved;
    int registers;
    int unregisters;
};

std::ostream &operator<<(std::ostream &out, const DllMainCase &c) {
    return out << "reason " << c.reason << (c.reserved ? " reserved" : "");
}

class DllMainReasons : public testing::TestWithParam<DllMainCase> {};

TEST_P(DllMainReasons, RegistersAtAttachAndUnregistersAtEveryDetach) {
    const DllMainCase &c = GetParam();
    fakeHook::reset();

    EXPECT_EQ(DllMain(moduleHandle(), c.reason, c.reserved), TRUE);

    EXPECT_EQ(fakeHook::registerCount, c.registers);
    EXPECT_EQ(fakeHook::unregisterCount, c.unregisters);
    if (c.registers) {
        EXPECT_EQ(fakeHook::registeredModule, moduleHandle());
        EXPECT_EQ(fakeHook::registeredEntry, &scriptMain);
    }
    if (c.unregisters) {
        EXPECT_EQ(fakeHook::unregisteredModule, moduleHandle());
    }
    EXPECT_EQ(fakeHook::callCount(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Reasons, DllMainReasons,
                         testing::Values(DllMainCase{DLL_PROCESS_ATTACH, nullptr, 1, 0},
                                         DllMainCase{DLL_PROCESS_DETACH, nullptr, 0, 1},
                                         DllMainCase{DLL_PROCESS_DETACH, reinterpret_cast<LPVOID>(1), 0, 1},
                                         DllMainCase{DLL_THREAD_ATTACH, nullptr, 0, 0},
                                         DllMainCase{DLL_THREAD_DETACH, nullptr, 0, 0}, DllMainCase{7, nullptr, 0, 0}));

TEST(ScriptMain, LoadsSettingsOnceThenRunsOneFrameBeforeEachZeroWait) {
    fakeHook::reset();
    fakeWindows::reset();
    fakeWindows::TemporaryFolder folder;
    folder.write("DistanceSettings.ini", "[Settings]\nposX=0.5\nposY=0.25\nfontSizeIndex=2\n");
    fakeHook::setWaypoint({0, 0, 0}, 1, {0, 0, 0}, 1.0f, 0x1000);
    fakeHook::stopAfterWaits = 3;

    EXPECT_THROW(scriptMain(), fakeHook::ScriptStopped);

    ASSERT_EQ(fakeWindows::calls.size(), 3u + 3 * 3);
    EXPECT_EQ(fakeWindows::countCalls("GetPrivateProfile"), 3u);
    EXPECT_EQ(fakeWindows::calls[2].substr(0, 21), "GetPrivateProfileIntA");
    EXPECT_EQ(fakeWindows::calls[3], "GetAsyncKeyState A2");
    EXPECT_EQ(fakeHook::waitCount, 3);
    EXPECT_EQ(fakeHook::lastWaitMs, 0u);
    ASSERT_EQ(fakeHook::callCount(), 33u);
    for (std::size_t frame = 0; frame < 3; ++frame) {
        const fakeHook::NativeCall &display = fakeHook::call(frame * 11 + 10);
        EXPECT_EQ(display.hash, nativeHashes::displayText);
        EXPECT_EQ(display.args[1], 0x3F000000u);
        EXPECT_EQ(display.args[2], 0x3E800000u);
    }
}

} // namespace
