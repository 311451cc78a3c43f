// Stand-in for ScriptHookRDR2 in the unit tests: records registration, waits and every native
// call with its argument slots, and answers natives with scripted result slots.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "host/platform.h"

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

// The game's natives by hash, as the tests expect the plugin to call them.
namespace hashes {
const std::uint64_t waypointActive = 0x202B1BBFC6AB5EE4;
const std::uint64_t waypointCoords = 0x29B30D07C3F7873B;
const std::uint64_t playerPed = 0x096275889B8E0EE0;
const std::uint64_t entityCoords = 0xA86D5F069399F44D;
const std::uint64_t distanceBetweenCoords = 0x0BE7F4E3CDBAFB28;
const std::uint64_t setTextScale = 0x4170B650590B3B00;
const std::uint64_t setTextColor = 0x50A41AD966910F03;
const std::uint64_t setTextCentre = 0xBE5261939FBECB8C;
const std::uint64_t setTextDropShadow = 0x1BE39DBAA7263CA5;
const std::uint64_t createVarString = 0xFA925AC00EB830B9;
const std::uint64_t displayText = 0xD79334A4BB99BAD1;
} // namespace hashes

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
