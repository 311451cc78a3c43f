// Encoding of native arguments and results, and the init/push/call sequence of one native.

#include "host/natives.h"

#include <cstring>

#include "host/script_hook.h"

NativeArg intArg(std::uint32_t value) { return value; }

NativeArg floatArg(float value) {
    std::uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

NativeArg pointerArg(const void *pointer) { return reinterpret_cast<std::uintptr_t>(pointer); }

const std::uint64_t *callNative(std::uint64_t hash, std::initializer_list<NativeArg> args) {
    nativeInit(hash);
    for (NativeArg arg : args)
        nativePush64(arg);
    return nativeCall();
}

std::uint32_t intResult(const std::uint64_t *slots) { return static_cast<std::uint32_t>(slots[0]); }

float floatResult(const std::uint64_t *slots) {
    std::uint32_t bits = static_cast<std::uint32_t>(slots[0]);
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

std::uint64_t pointerResult(const std::uint64_t *slots) { return slots[0]; }

Vector3 vectorResult(const std::uint64_t *slots) {
    return Vector3{floatResult(slots), floatResult(slots + 1), floatResult(slots + 2)};
}
