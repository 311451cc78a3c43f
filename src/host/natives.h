// Calling the game's natives through the script hook: argument slots in, result slots out.
// A slot is 64 bits; 32-bit values sit zero-extended in its low half, pointers fill it whole.
// Everything here is inline: it runs eleven times a frame.
#pragma once

#include <cstdint>
#include <cstring>
#include <initializer_list>

#include "host/script_hook.h"

typedef std::uint64_t NativeArg;

struct Vector3 {
    float x;
    float y;
    float z;
};

inline NativeArg intArg(std::uint32_t value) { return value; }

inline NativeArg floatArg(float value) {
    std::uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

inline NativeArg pointerArg(const void *pointer) { return reinterpret_cast<std::uintptr_t>(pointer); }

// Runs one native and returns its result slots, valid until the next native call.
inline const std::uint64_t *callNative(std::uint64_t hash, std::initializer_list<NativeArg> args) {
    nativeInit(hash);
    for (NativeArg arg : args)
        nativePush64(arg);
    return nativeCall();
}

inline std::uint32_t intResult(const std::uint64_t *slots) { return static_cast<std::uint32_t>(slots[0]); }

inline float floatResult(const std::uint64_t *slots) {
    std::uint32_t bits = static_cast<std::uint32_t>(slots[0]);
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

inline std::uint64_t pointerResult(const std::uint64_t *slots) { return slots[0]; }

inline Vector3 vectorResult(const std::uint64_t *slots) {
    return Vector3{floatResult(slots), floatResult(slots + 1), floatResult(slots + 2)};
}
