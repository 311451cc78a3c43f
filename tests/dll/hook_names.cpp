// Compiled by clang for the Microsoft x64 ABI, not by the project's own compilers: it refers to
// the six script hook functions as the plugin's header declares them, so that the object file
// names each under the decorated name that a Microsoft compiler gives its declaration.

#include "host/script_hook.h"

extern void *const scriptHookFunctions[];
void *const scriptHookFunctions[] = {
    reinterpret_cast<void *>(&scriptRegister), reinterpret_cast<void *>(&scriptUnregister),
    reinterpret_cast<void *>(&scriptWait),     reinterpret_cast<void *>(&nativeInit),
    reinterpret_cast<void *>(&nativePush64),   reinterpret_cast<void *>(&nativeCall)};
