// The six functions the plugin imports from ScriptHookRDR2.dll.
// On Windows each is bound under the Microsoft x64 decorated name of its signature,
// which the import library built from script_hook.def resolves.
#pragma once

#include <cstdint>

#include "host/platform.h"

#ifdef _WIN32
#define SCRIPT_HOOK_NAME(decorated) __asm__("\"" decorated "\"")
#else
#define SCRIPT_HOOK_NAME(decorated)
#endif

extern "C" {
void scriptRegister(HINSTANCE module, void (*entry)())
    SCRIPT_HOOK_NAME("?scriptRegister@@YAXPEAUHINSTANCE__@@P6AXXZ@Z");
void scriptUnregister(HINSTANCE module) SCRIPT_HOOK_NAME("?scriptUnregister@@YAXPEAUHINSTANCE__@@@Z");
void scriptWait(unsigned long ms) SCRIPT_HOOK_NAME("?scriptWait@@YAXK@Z");
void nativeInit(std::uint64_t hash) SCRIPT_HOOK_NAME("?nativeInit@@YAX_K@Z");
void nativePush64(std::uint64_t value) SCRIPT_HOOK_NAME("?nativePush64@@YAX_K@Z");
std::uint64_t *nativeCall() SCRIPT_HOOK_NAME("?nativeCall@@YAPEA_KXZ");
}
