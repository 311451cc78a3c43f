// Key polling with hold-to-repeat: an arrow steps once when its hold begins, rests until more
// than repeatDelayMs have passed since then, and steps in every frame after that.

#include "controls/hotkeys.h"

#include <cstdint>

#include "host/platform.h"
#include "settings/settings.h"

namespace {

const float moveStep = 0.01f;
const float fineMoveStep = 0.002f;
const DWORD repeatDelayMs = 300;

// One arrow's hold; a pressStartTick of 0 means no start recorded yet.
struct KeyRepeat {
    DWORD pressStartTick;
    bool latched;
};

KeyRepeat leftRepeat;
KeyRepeat rightRepeat;
KeyRepeat upRepeat;
KeyRepeat downRepeat;
bool fontKeyLatched;

bool isKeyDown(int key) { return GetAsyncKeyState(key) < 0; }

void handleArrow(int key, KeyRepeat &repeat, float &position, float change, DWORD now) {
    if (!isKeyDown(key)) {
        repeat = KeyRepeat{};
        return;
    }
    if (repeat.pressStartTick == 0)
        repeat.pressStartTick = now;
    if (!repeat.latched || now - repeat.pressStartTick > repeatDelayMs) {
        position += change;
        saveSettings();
        repeat.latched = true;
    }
}

// The next of 0, 1, 2 after index. Computed in 64 bits, so that the largest index does not
// overflow; the remainder keeps the sign of the dividend, as it always has for negative indices.
std::int32_t nextFontSizeIndex(std::int32_t index) {
    return static_cast<std::int32_t>((static_cast<std::int64_t>(index) + 1) % 3);
}

void handleFontKey() {
    if (!isKeyDown(VK_F1)) {
        fontKeyLatched = false;
        return;
    }
    if (!fontKeyLatched) {
        settings.fontSizeIndex = nextFontSizeIndex(settings.fontSizeIndex);
        saveSettings();
        fontKeyLatched = true;
    }
}

} // namespace

void handleHotkeys() {
    bool controlDown = isKeyDown(VK_LCONTROL);
    float step = isKeyDown(VK_LSHIFT) ? fineMoveStep : moveStep;
    DWORD now = GetTickCount();
    if (!controlDown)
        return;
    handleArrow(VK_LEFT, leftRepeat, settings.posX, -step, now);
    handleArrow(VK_RIGHT, rightRepeat, settings.posX, step, now);
    handleArrow(VK_UP, upRepeat, settings.posY, -step, now);
    handleArrow(VK_DOWN, downRepeat, settings.posY, step, now);
    handleFontKey();
}
