// The simulated game that the stand-in ScriptHookRDR2.dll plays behind its natives, shared
// with the host program, which reaches it through the DLL's one plain export, simulatedGame.
#pragma once

#include <cstdint>

#include <windows.h>

struct RecordedNativeCall {
    std::uint64_t hash;
    std::uint64_t args[8];
    std::uint32_t argCount;
};

struct DrawnText {
    char text[64];
    float x;
    float y;
    float scale;
    std::uint32_t color[4];
    std::uint32_t centre;
    std::uint32_t shadow[5];
    int frame;
};

struct SimulatedGame {
    static const std::uint32_t maxCalls = 1 << 16;
    static const std::uint32_t maxTexts = 1 << 12;

    // The world, set by the host.
    bool waypointSet;
    float waypoint[3];
    float player[3];
    std::uint32_t playerHandle;

    // The script, as the plugin registered it.
    HINSTANCE registeredModule;
    void (*scriptEntry)();
    int registerCount;
    HINSTANCE unregisteredModule;
    int unregisterCount;
    int waitCount;
    unsigned long lastWaitMs;

    // What the script did: every native call and every text drawn, first ones kept when full.
    int frameCount;
    std::uint32_t callCount;
    RecordedNativeCall calls[maxCalls];
    std::uint32_t textCount;
    DrawnText texts[maxTexts];

    // Switches into the script for one frame; false when no script is registered.
    bool (*runFrame)();
};

typedef SimulatedGame *(*SimulatedGameFunction)();
