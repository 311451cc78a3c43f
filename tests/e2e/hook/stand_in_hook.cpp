// A stand-in ScriptHookRDR2.dll: exports the six script hook functions under their decorated
// names, runs the registered script on a fiber of its own (scriptWait switches back to the
// host, so one switch into the script is one frame) and plays a small game behind the natives.

#include <cmath>
#include <cstring>

#include "../simulated_game.h"
#include "host/script_hook.h"
#include "native_hashes.h"

namespace {

SimulatedGame game;
LPVOID hostFiber;
LPVOID scriptFiber;
std::uint64_t resultSlots[3];
char gameString[64];

using namespace nativeHashes;

// The game leaves whatever it likes in the high half of a 32-bit result's slot.
const std::uint64_t junk = 0xBAADF00D00000000u;

DrawnText style;

std::uint64_t intSlot(std::uint32_t value) { return junk | value; }

std::uint64_t floatSlot(float value) {
    std::uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return junk | bits;
}

float floatArg(std::uint64_t slot) {
    std::uint32_t bits = static_cast<std::uint32_t>(slot);
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

void answerVector(const float *v) {
    resultSlots[0] = floatSlot(v[0]);
    resultSlots[1] = floatSlot(v[1]);
    resultSlots[2] = floatSlot(v[2]);
}

float distance(const std::uint64_t *a) {
    float dx = floatArg(a[0]) - floatArg(a[3]);
    float dy = floatArg(a[1]) - floatArg(a[4]);
    float dz = floatArg(a[2]) - floatArg(a[5]);
    return std::sqrt(dx * dx + dy * dy + dz * dz);
}

void drawText(const std::uint64_t *a) {
    DrawnText drawn = style;
    const char *text = reinterpret_cast<const char *>(a[0]);
    std::strncpy(drawn.text, text ? text : "", sizeof drawn.text - 1);
    drawn.x = floatArg(a[1]);
    drawn.y = floatArg(a[2]);
    drawn.frame = game.frameCount;
    if (game.textCount < SimulatedGame::maxTexts)
        game.texts[game.textCount] = drawn;
    ++game.textCount;
}

void play(const RecordedNativeCall &call) {
    const std::uint64_t *a = call.args;
    resultSlots[0] = resultSlots[1] = resultSlots[2] = junk;
    switch (call.hash) {
    case waypointActive:
        resultSlots[0] = intSlot(game.waypointSet ? 1 : 0);
        break;
    case waypointCoords:
        answerVector(game.waypoint);
        break;
    case playerPed:
        resultSlots[0] = intSlot(game.playerHandle);
        break;
    case entityCoords:
        answerVector(game.player);
        break;
    case distanceBetweenCoords:
        resultSlots[0] = floatSlot(distance(a));
        break;
    case setTextScale:
        style.scale = floatArg(a[0]);
        break;
    case setTextColor:
        for (int i = 0; i < 4; ++i)
            style.color[i] = static_cast<std::uint32_t>(a[i]);
        break;
    case setTextCentre:
        style.centre = static_cast<std::uint32_t>(a[0]);
        break;
    case setTextDropShadow:
        for (int i = 0; i < 5; ++i)
            style.shadow[i] = static_cast<std::uint32_t>(a[i]);
        break;
    case createVarString:
        std::strncpy(gameString, reinterpret_cast<const char *>(a[2]), sizeof gameString - 1);
        resultSlots[0] = reinterpret_cast<std::uintptr_t>(gameString);
        break;
    case displayText:
        drawText(a);
        break;
    }
}

RecordedNativeCall current;

void CALLBACK scriptFiberMain(LPVOID) {
    game.scriptEntry();
    for (;;)
        SwitchToFiber(hostFiber);
}

bool runFrame() {
    if (!game.scriptEntry)
        return false;
    if (!hostFiber)
        hostFiber = ConvertThreadToFiber(nullptr);
    if (!scriptFiber)
        scriptFiber = CreateFiber(0, scriptFiberMain, nullptr);
    ++game.frameCount;
    SwitchToFiber(scriptFiber);
    return true;
}

} // namespace

extern "C" {

__declspec(dllexport) SimulatedGame *simulatedGame() {
    game.runFrame = runFrame;
    return &game;
}

void scriptRegister(HINSTANCE module, void (*entry)()) {
    game.registeredModule = module;
    game.scriptEntry = entry;
    ++game.registerCount;
}

void scriptUnregister(HINSTANCE module) {
    game.unregisteredModule = module;
    ++game.unregisterCount;
    if (module != game.registeredModule)
        return;
    game.scriptEntry = nullptr;
    if (scriptFiber)
        DeleteFiber(scriptFiber);
    scriptFiber = nullptr;
}

void scriptWait(unsigned long ms) {
    ++game.waitCount;
    game.lastWaitMs = ms;
    SwitchToFiber(hostFiber);
}

void nativeInit(std::uint64_t hash) { current = RecordedNativeCall{hash, {}, 0}; }

void nativePush64(std::uint64_t value) {
    if (current.argCount < 8)
        current.args[current.argCount] = value;
    ++current.argCount;
}

std::uint64_t *nativeCall() {
    if (game.callCount < SimulatedGame::maxCalls)
        game.calls[game.callCount] = current;
    ++game.callCount;
    play(current);
    return resultSlots;
}
}
