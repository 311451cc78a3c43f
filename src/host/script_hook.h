// The six functions the plugin imports from ScriptHookRDR2.dll, with the hook's own types: the
// module handle a pointer to struct HINSTANCE__, the wait an unsigned long, hashes and slots
// unsigned 64-bit integers.
//
// A Microsoft-ABI compiler binds these declarations to the hook's decorated names by itself.
// MinGW g++ mangles differently, so there each is bound to its decorated name by hand, through
// its assembler name; tests/dll compiles this header with clang for the Microsoft ABI and checks
// that the names it gives are the ones the DLL imports.
#pragma once

#include <stdint.h>

struct HINSTANCE__;
typedef HINSTANCE__ *HINSTANCE;

#if defined(_MSC_VER)
#define SCRIPT_HOOK_FUNCTION extern "C++"
#define SCRIPT_HOOK_NAME(decorated)
#elif defined(_WIN32)
#define SCRIPT_HOOK_FUNCTION extern "C"
#define SCRIPT_HOOK_NAME(decorated) __asm__("\"" decorated "\"")
#else
#define SCRIPT_HOOK_FUNCTION extern "C"
#define SCRIPT_HOOK_NAME(decorated)
#endif

SCRIPT_HOOK_FUNCTION void scriptRegister(HINSTANCE module, void (*entry)())
    SCRIPT_HOOK_NAME("?scriptRegister@@YAXPEAUHINSTANCE__@@P6AXXZ@Z");
SCRIPT_HOOK_FUNCTION void scriptUnregister(HINSTANCE module)
    SCRIPT_HOOK_NAME("?scriptUnregister@@YAXPEAUHINSTANCE__@@@Z");
SCRIPT_HOOK_FUNCTION void scriptWait(unsigned long ms) SCRIPT_HOOK_NAME("?scriptWait@@YAXK@Z");
SCRIPT_HOOK_FUNCTION void nativeInit(uint64_t hash) SCRIPT_HOOK_NAME("?nativeInit@@YAX_K@Z");
SCRIPT_HOOK_FUNCTION void nativePush64(uint64_t value) SCRIPT_HOOK_NAME("?nativePush64@@YAX_K@Z");
SCRIPT_HOOK_FUNCTION uint64_t *nativeCall() SCRIPT_HOOK_NAME("?nativeCall@@YAPEA_KXZ");
