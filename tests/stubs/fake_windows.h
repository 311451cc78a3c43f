// Stand-ins for the Windows calls the plugin makes: a keyboard and a clock the tests set,
// with a log of every key query.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>

#include "host/platform.h"

namespace fakeWindows {

extern std::uint32_t tickCount;
extern int tickReads;

void reset();

// What GetAsyncKeyState answers for a key from now on.
void setKeyState(int key, SHORT state);
void setKeysDown(std::initializer_list<int> keys);

std::size_t keyQueryCount();
int keyQuery(std::size_t index);

} // namespace fakeWindows
