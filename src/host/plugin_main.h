// The DLL entry point, the script's entry function and one frame of the script's loop.
#pragma once

#include "host/platform.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID reserved);

// Registered with the script hook; runs the frame loop and never returns.
void scriptMain();

void updateFrame();
