#!/usr/bin/env bash
# Prints what loading WaypointDistance.asi costs under Wine beside a floor plugin that imports
# the same functions and only registers its script: the medians of LoadLibrary + FreeLibrary
# in alternating rounds, with the stand-in ScriptHookRDR2.dll already loaded, and their ratio.
#
# Usage: scripts/load_cost.sh [ROUNDS]   (default 2000)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows >/dev/null

build="$root/build/windows"
source scripts/wine_prefix.sh "$build"
folder="$build/load_cost"
rm -rf "$folder"
mkdir -p "$folder"
cp "$build/WaypointDistance.asi" "$build/floor_plugin.asi" "$build/tests/load/load_cost.exe" \
    "$build/tests/e2e/ScriptHookRDR2.dll" "$folder/"
cd "$folder"
"$wine" load_cost.exe "$@"
