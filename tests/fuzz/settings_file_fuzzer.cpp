// Fuzzes a whole settings file: arbitrary bytes are loaded, a frame draws the label and moves
// it, which saves, and the saved file reads back as what was in memory.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "fake_script_hook.h"
#include "fake_windows.h"
#include "host/plugin_main.h"
#include "settings/settings.h"

namespace {

fakeWindows::TemporaryFolder *folder;

void check(bool condition, const char *what) {
    if (!condition) {
        std::fprintf(stderr, "%s\n", what);
        std::abort();
    }
}

bool samePosition(float a, float b) { return std::isnan(a) ? std::isnan(b) : a == b; }

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    folder = new fakeWindows::TemporaryFolder;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    folder->write("DistanceSettings.ini", std::string(reinterpret_cast<const char *>(data), size));
    fakeHook::reset();
    fakeWindows::reset();
    fakeHook::setWaypoint({10, 20, 30}, 1, {1, 2, 3}, 12.34f, 0x1000);
    settings = Settings{};

    loadSettings();
    fakeWindows::setKeysDown({VK_LCONTROL});
    updateFrame();
    fakeWindows::setKeysDown({VK_LCONTROL, VK_RIGHT, VK_F1});
    fakeWindows::tickCount = 1000;
    updateFrame();

    check(fakeHook::callCount() == 22, "a frame with a waypoint makes eleven native calls");
    const fakeHook::NativeCall &scale = fakeHook::call(16);
    float s;
    std::uint32_t bits = static_cast<std::uint32_t>(scale.args[0]);
    std::memcpy(&s, &bits, sizeof s);
    check(s == 0.30f || s == 0.38f || s == 0.45f, "the text scale is one of the three sizes");
    check(std::strcmp(reinterpret_cast<const char *>(fakeHook::call(20).args[2]), "12.3 m") == 0, "label text");

    Settings saved = settings;
    char written[64];
    std::snprintf(written, sizeof written, "%.6f", static_cast<double>(saved.posX));
    loadSettings();
    check(samePosition(settings.posX, static_cast<float>(std::strtod(written, nullptr))), "posX reads back");
    check(settings.fontSizeIndex == saved.fontSizeIndex, "fontSizeIndex reads back");
    check(saved.fontSizeIndex >= -2 && saved.fontSizeIndex <= 2, "the size step keeps the index small");
    return 0;
}
