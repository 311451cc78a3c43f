// Keyboard and clock stand-ins; fixed arrays only, so they allocate nothing.

#include "fake_windows.h"

#include <stdexcept>

namespace fakeWindows {

std::uint32_t tickCount;
int tickReads;

namespace {

const SHORT downBit = static_cast<SHORT>(0x8000);
const std::size_t maxQueries = 4096;

SHORT keyStates[256];
int queries[maxQueries];
std::size_t queryCount;

} // namespace

void reset() {
    tickCount = 0;
    tickReads = 0;
    queryCount = 0;
    for (SHORT &state : keyStates)
        state = 0;
}

void setKeyState(int key, SHORT state) { keyStates[key & 0xFF] = state; }

void setKeysDown(std::initializer_list<int> keys) {
    for (SHORT &state : keyStates)
        state = 0;
    for (int key : keys)
        setKeyState(key, downBit);
}

std::size_t keyQueryCount() { return queryCount; }

int keyQuery(std::size_t index) {
    if (index >= queryCount)
        throw std::out_of_range("no such key query");
    return queries[index];
}

} // namespace fakeWindows

using namespace fakeWindows;

SHORT GetAsyncKeyState(int key) {
    if (queryCount < maxQueries)
        queries[queryCount++] = key;
    return keyStates[key & 0xFF];
}

DWORD GetTickCount() {
    ++tickReads;
    return tickCount;
}
