// The floor for the plugin's load cost: built by the same recipe and importing the same
// functions, it registers and unregisters a script that only makes the plugin's kinds of calls.

#include <cstring>

#include "host/platform.h"
#include "host/script_hook.h"

namespace {

const char path[] = ".\\DistanceSettings.ini";

void floorScript() {
    char text[64];
    GetPrivateProfileStringA("Settings", "posX", "", text, sizeof text, path);
    UINT index = GetPrivateProfileIntA("Settings", "fontSizeIndex", 0, path);
    // The copies the plugin's number text makes, with lengths known only at run time.
    char copy[64];
    std::size_t length = std::strlen(text);
    std::memcpy(copy, text, length + 1);
    std::memmove(text, text + length / 2, length - length / 2 + 1);
    std::memset(copy, 0, index % sizeof copy);
    for (;;) {
        if (GetAsyncKeyState(VK_F1) < 0)
            WritePrivateProfileStringA(copy, "posX", text, path);
        nativeInit(GetTickCount());
        nativePush64(index);
        nativeCall();
        scriptWait(0);
    }
}

} // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH)
        scriptRegister(module, floorScript);
    else if (reason == DLL_PROCESS_DETACH)
        scriptUnregister(module);
    return TRUE;
}
