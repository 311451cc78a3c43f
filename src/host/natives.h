// Calling the game's natives through the script hook: argument slots in, result slots out.
// A slot is 64 bits; 32-bit values sit zero-extended in its low half, pointers fill it whole.
#pragma once

#include <cstdint>
#include <initializer_list>

typedef std::uint64_t NativeArg;

struct Vector3 {
    float x;
    float y;
    float z;
};

NativeArg intArg(std::uint32_t value);
NativeArg floatArg(float value);
NativeArg pointerArg(const void *pointer);

// Runs one native and returns its result slots, valid until the next native call.
const std::uint64_t *callNative(std::uint64_t hash, std::initializer_list<NativeArg> args);

std::uint32_t intResult(const std::uint64_t *slots);
float floatResult(const std::uint64_t *slots);
std::uint64_t pointerResult(const std::uint64_t *slots);
Vector3 vectorResult(const std::uint64_t *slots);
