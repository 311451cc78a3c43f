// Per-frame waypoint distance label, drawn through the game's text natives.

#include "overlay/distance_label.h"

#include <cstring>

#include "host/natives.h"
#include "number_text/number_text.h"
#include "settings/settings.h"

namespace {

enum NativeHash : std::uint64_t {
    waypointActive = 0x202B1BBFC6AB5EE4,
    waypointCoords = 0x29B30D07C3F7873B,
    playerPed = 0x096275889B8E0EE0,
    entityCoords = 0xA86D5F069399F44D,
    distanceBetweenCoords = 0x0BE7F4E3CDBAFB28,
    setTextScale = 0x4170B650590B3B00,
    setTextColor = 0x50A41AD966910F03,
    setTextCentre = 0xBE5261939FBECB8C,
    setTextDropShadow = 0x1BE39DBAA7263CA5,
    createVarString = 0xFA925AC00EB830B9,
    displayText = 0xD79334A4BB99BAD1,
};

const char literalString[] = "LITERAL_STRING";

} // namespace

const float fontScales[3] = {0.30f, 0.38f, 0.45f};

float fontScaleFor(std::int32_t fontSizeIndex) {
    if (fontSizeIndex < 0)
        return fontScales[0];
    if (fontSizeIndex > 2)
        return fontScales[2];
    return fontScales[fontSizeIndex];
}

void formatLabelText(char *label, std::size_t size, float distance) {
    const char unit[] = " m";
    char *end = formatFixed(label, size - (sizeof unit - 1), distance, 1);
    std::memcpy(end, unit, sizeof unit);
}

void drawDistanceLabel() {
    if (intResult(callNative(waypointActive, {})) == 0)
        return;
    Vector3 waypoint = vectorResult(callNative(waypointCoords, {}));
    std::uint32_t player = intResult(callNative(playerPed, {}));
    Vector3 character = vectorResult(callNative(entityCoords, {intArg(player), intArg(1), intArg(0)}));
    float distance = floatResult(callNative(
        distanceBetweenCoords, {floatArg(character.x), floatArg(character.y), floatArg(character.z),
                                floatArg(waypoint.x), floatArg(waypoint.y), floatArg(waypoint.z), intArg(1)}));

    char labelText[64];
    formatLabelText(labelText, sizeof labelText, distance);
    float scale = fontScaleFor(settings.fontSizeIndex);

    callNative(setTextScale, {floatArg(scale), floatArg(scale)});
    callNative(setTextColor, {intArg(255), intArg(255), intArg(255), intArg(230)});
    callNative(setTextCentre, {intArg(0)});
    callNative(setTextDropShadow, {intArg(1), intArg(0), intArg(0), intArg(0), intArg(255)});
    std::uint64_t text =
        pointerResult(callNative(createVarString, {intArg(10), pointerArg(literalString), pointerArg(labelText)}));
    callNative(displayText, {text, floatArg(settings.posX), floatArg(settings.posY)});
}
