// Recording stand-in for the six script hook functions. It uses fixed arrays only,
// so frames measured for heap use see none of it.

#include "fake_script_hook.h"

#include <cstring>
#include <stdexcept>

#include "host/script_hook.h"

namespace fakeHook {

HINSTANCE registeredModule;
void (*registeredEntry)();
int registerCount;
HINSTANCE unregisteredModule;
int unregisterCount;
int waitCount;
unsigned long lastWaitMs;
int stopAfterWaits;

namespace {

const std::uint64_t junk = 0xA5A5A5A500000000u;
const std::size_t maxCalls = 4096;
const std::size_t maxResults = 16;

struct ScriptedResult {
    std::uint64_t hash;
    std::array<std::uint64_t, 3> slots;
};

NativeCall calls[maxCalls];
std::size_t recordedCalls;
ScriptedResult results[maxResults];
std::size_t scriptedResults;
std::array<std::uint64_t, 3> answer;

} // namespace

void reset() {
    registeredModule = nullptr;
    registeredEntry = nullptr;
    registerCount = 0;
    unregisteredModule = nullptr;
    unregisterCount = 0;
    waitCount = 0;
    lastWaitMs = 12345;
    stopAfterWaits = 0;
    recordedCalls = 0;
    scriptedResults = 0;
}

void clearCalls() { recordedCalls = 0; }

void setResult(std::uint64_t hash, std::array<std::uint64_t, 3> slots) {
    for (std::size_t i = 0; i < scriptedResults; ++i) {
        if (results[i].hash == hash) {
            results[i].slots = slots;
            return;
        }
    }
    if (scriptedResults == maxResults)
        throw std::length_error("too many scripted natives");
    results[scriptedResults++] = ScriptedResult{hash, slots};
}

void setNoWaypoint() { setResult(nativeHashes::waypointActive, {slotWithJunk(0), slotWithJunk(1), slotWithJunk(1)}); }

void setWaypoint(Position waypoint, std::uint32_t playerHandle, Position player, float distance,
                 std::uint64_t textPointer) {
    setResult(nativeHashes::waypointActive, {slotWithJunk(1), junk, junk});
    setResult(nativeHashes::waypointCoords,
              {floatSlotWithJunk(waypoint.x), floatSlotWithJunk(waypoint.y), floatSlotWithJunk(waypoint.z)});
    setResult(nativeHashes::playerPed, {slotWithJunk(playerHandle), junk, junk});
    setResult(nativeHashes::entityCoords,
              {floatSlotWithJunk(player.x), floatSlotWithJunk(player.y), floatSlotWithJunk(player.z)});
    setResult(nativeHashes::distanceBetweenCoords, {floatSlotWithJunk(distance), junk, junk});
    setResult(nativeHashes::createVarString, {textPointer, junk, junk});
}

std::size_t callCount() { return recordedCalls; }

const NativeCall &call(std::size_t index) {
    if (index >= recordedCalls)
        throw std::out_of_range("no such native call");
    return calls[index];
}

std::uint64_t slotWithJunk(std::uint32_t low) { return junk | low; }

std::uint64_t floatSlotWithJunk(float value) {
    std::uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return slotWithJunk(bits);
}

} // namespace fakeHook

using namespace fakeHook;

extern "C" {

void scriptRegister(HINSTANCE module, void (*entry)()) {
    registeredModule = module;
    registeredEntry = entry;
    ++registerCount;
}

void scriptUnregister(HINSTANCE module) {
    unregisteredModule = module;
    ++unregisterCount;
}

void scriptWait(unsigned long ms) {
    lastWaitMs = ms;
    if (++waitCount == stopAfterWaits)
        throw ScriptStopped{};
}

void nativeInit(std::uint64_t hash) {
    if (recordedCalls == maxCalls)
        throw std::length_error("too many native calls recorded");
    calls[recordedCalls++] = NativeCall{hash, {}, 0};
}

void nativePush64(std::uint64_t value) {
    NativeCall &current = calls[recordedCalls - 1];
    if (current.argCount == current.args.size())
        throw std::length_error("too many native arguments");
    current.args[current.argCount++] = value;
}

std::uint64_t *nativeCall() {
    std::uint64_t hash = calls[recordedCalls - 1].hash;
    answer = {junk | 0xDEAD, junk | 0xBEEF, junk | 0xF00D};
    for (std::size_t i = 0; i < scriptedResults; ++i) {
        if (results[i].hash == hash)
            answer = results[i].slots;
    }
    return answer.data();
}
}
