#!/usr/bin/env bash
# Plays a scenario in the simulated game under Wine: lays out a fresh game folder with the
# host program, WaypointDistance.asi and (unless --without-hook) the stand-in ScriptHookRDR2.dll,
# and runs the host there.
#
# Usage: play_scenario.sh [--without-hook] BUILD_DIR SCENARIO [SVG_NAME]
set -euo pipefail

with_hook=1
if [ "${1:-}" = --without-hook ]; then
    with_hook=0
    shift
fi
build=$(realpath "$1")
scenario=$(realpath "$2")
svg=${3:-}

source "$(dirname "$0")/wine_prefix.sh" "$build"

name=$(basename "$scenario" .txt)
game="$build/games/$name$([ $with_hook = 1 ] || echo -without-hook)"
rm -rf "$game"
mkdir -p "$game"
cp "$build/tests/e2e/game_host.exe" "$build/WaypointDistance.asi" "$game/"
[ $with_hook = 0 ] || cp "$build/tests/e2e/ScriptHookRDR2.dll" "$game/"
cp "$scenario" "$game/$(basename "$scenario")"

cd "$game"
"$wine" game_host.exe "$(basename "$scenario")" ${svg:+"$svg"}
