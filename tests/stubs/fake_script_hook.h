// Stand-in for ScriptHookRDR2 in the unit tests: records registration, waits and every native
// call with its argument slots, and answers natives with scripted result slots.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "host/platform.h"
#include "native_hashes.h"

namespace fakeHook {

struct NativeCall {
    std::uint64_t hash;
    std::array<std::uint64_t, 8> args;
    std::size_t argCount;
};

// Thrown from scriptWait once the scripted number of frames has run, to leave scriptMain.
struct ScriptStopped {};

extern HINSTANCE registeredModule;
extern void (*registeredEntry)();
extern int registerCount;
extern HINSTANCE unregisteredModule;
extern int unregisterCount;
extern int waitCount;
extern unsigned long lastWaitMs;
extern int stopAfterWaits;

void reset();

// Forgets the recorded native calls and keeps everything else.
void clearCalls();

// The result slots a native answers with from now on; unscripted natives answer junk.
void setResult(std::uint64_t hash, std::array<std::uint64_t, 3> slots);

struct Position {
    float x;
    float y;
    float z;
};

// A game with no map waypoint: waypointActive answers 0 with junk in its high half.
void setNoWaypoint();

// A game with a waypoint; every result slot carries junk in its high half.
void setWaypoint(Position waypoint, std::uint32_t playerHandle, Position player, float distance,
                 std::uint64_t textPointer);

std::size_t callCount();
const NativeCall &call(std::size_t index);

// A result slot holding a 32-bit value in its low half and junk in its high half.
std::uint64_t slotWithJunk(std::uint32_t low);
std::uint64_t floatSlotWithJunk(float value);

} // namespace fakeHook
