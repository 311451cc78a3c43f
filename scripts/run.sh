#!/usr/bin/env bash
# Sets up the machine, builds WaypointDistance.asi and plays a short session with it in a
# simulated game under Wine: what the player would see at each change, each save, the
# settings file at the end, and a picture of the last frame.
#
# Usage: scripts/run.sh [SCENARIO]   (default: scenarios/ride_to_waypoint.txt)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
scenario=$(realpath "${1:-$root/scenarios/ride_to_waypoint.txt}")
[ -f "$scenario" ] || { echo "error: no scenario file $scenario"; exit 2; }

cd "$root"
scripts/setup.sh
echo "Building WaypointDistance.asi..."
cmake --preset windows >/dev/null
cmake --build --preset windows >/dev/null

build="$root/build/windows"
name=$(basename "$scenario" .txt)
echo "Playing $scenario"
echo
scripts/play_scenario.sh "$build" "$scenario" last_frame.svg
echo
echo "The last frame as a picture: $build/games/$name/last_frame.svg"
