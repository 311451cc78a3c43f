// The state the benchmark sets in its lean stand-ins for the script hook and Windows.
#pragma once

#include "host/platform.h"

namespace benchStandIns {

extern SHORT keyStates[256];
extern DWORD tickCount;
extern bool waypointSet;

} // namespace benchStandIns
