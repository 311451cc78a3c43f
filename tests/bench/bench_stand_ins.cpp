// Lean stand-ins for the benchmark: the script hook and the Windows calls do next to nothing,
// so that a frame's time is the plugin's own work plus the bare cost of its calls.

#include "bench_stand_ins.h"

#include <cstring>

#include "host/script_hook.h"
#include "native_hashes.h"

namespace benchStandIns {

SHORT keyStates[256];
DWORD tickCount;
bool waypointSet;

namespace {

const std::uint64_t junk = 0xA5A5A5A500000000u;

std::uint64_t currentHash;
std::uint64_t pushed[8];
std::size_t pushedCount;
std::uint64_t noWaypoint[3] = {junk, junk, junk};
std::uint64_t oneSlot[3] = {junk | 1, junk, junk};
std::uint64_t position[3] = {junk | 0x42C80000, junk | 0x43480000, junk | 0x41F00000};
std::uint64_t distance[3] = {junk | 0x42AEEB85, junk, junk};
std::uint64_t textPointer[3] = {0x1000, junk, junk};

} // namespace

} // namespace benchStandIns

using namespace benchStandIns;

extern "C" {

void scriptRegister(HINSTANCE, void (*)()) {}
void scriptUnregister(HINSTANCE) {}
void scriptWait(unsigned long) {}

void nativeInit(std::uint64_t hash) {
    currentHash = hash;
    pushedCount = 0;
}

void nativePush64(std::uint64_t value) { pushed[pushedCount++ & 7] = value; }

std::uint64_t *nativeCall() {
    switch (currentHash) {
    case nativeHashes::waypointActive:
        return waypointSet ? oneSlot : noWaypoint;
    case nativeHashes::waypointCoords:
    case nativeHashes::entityCoords:
        return position;
    case nativeHashes::distanceBetweenCoords:
        return distance;
    case nativeHashes::createVarString:
        return textPointer;
    default:
        return oneSlot;
    }
}
}

SHORT GetAsyncKeyState(int key) { return keyStates[key & 0xFF]; }

DWORD GetTickCount() { return tickCount; }

DWORD GetPrivateProfileStringA(LPCSTR, LPCSTR, LPCSTR defaultValue, LPSTR buffer, DWORD size, LPCSTR) {
    std::strncpy(buffer, defaultValue, size - 1);
    buffer[size - 1] = '\0';
    return 0;
}

UINT GetPrivateProfileIntA(LPCSTR, LPCSTR, INT defaultValue, LPCSTR) { return static_cast<UINT>(defaultValue); }

BOOL WritePrivateProfileStringA(LPCSTR, LPCSTR, LPCSTR, LPCSTR) { return TRUE; }
