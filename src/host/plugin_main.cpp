// Registers the script with the script hook at load and runs its frame loop.

#include "host/plugin_main.h"

#include "controls/hotkeys.h"
#include "host/script_hook.h"
#include "overlay/distance_label.h"
#include "settings/settings.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH)
        scriptRegister(module, scriptMain);
    else if (reason == DLL_PROCESS_DETACH)
        scriptUnregister(module);
    return TRUE;
}

void scriptMain() {
    loadSettings();
    for (;;) {
        updateFrame();
        scriptWait(0);
    }
}

void updateFrame() {
    handleHotkeys();
    drawDistanceLabel();
}
