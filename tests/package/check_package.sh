#!/usr/bin/env bash
# Makes the player's zip with CPack and checks it: exactly the plugin and its install guide,
# the plugin the same file as built, and its version resource naming the product and version.
#
# Usage: check_package.sh BUILD_DIR VERSION WINDRES
set -euo pipefail
build=$(realpath "$1")
version=$2
windres=$3

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
fail() {
    echo "FAIL: $*"
    failed=1
}

(cd "$build" && cpack -G ZIP -B "$work" >/dev/null)
zip="$work/WaypointDistance-$version.zip"
[ -f "$zip" ] || { echo "FAIL: CPack made no $(basename "$zip")"; exit 1; }

entries=$(cmake -E tar tf "$zip" | sort | tr '\n' ' ')
[ "$entries" = "INSTALL.txt WaypointDistance.asi " ] || fail "the zip holds: $entries"

mkdir "$work/unpacked"
(cd "$work/unpacked" && cmake -E tar xf "$zip")
cmp -s "$work/unpacked/WaypointDistance.asi" "$build/WaypointDistance.asi" || fail "the zipped plugin differs from the build"
for words in "ScriptHookRDR2" "game folder" "Left Ctrl + F1" "Left Shift" "DistanceSettings.ini" "delete"; do
    grep -q "$words" "$work/unpacked/INSTALL.txt" || fail "the install guide does not mention '$words'"
done

resource=$("$windres" -J coff -O rc -i "$work/unpacked/WaypointDistance.asi")
comma_version=$(echo "$version" | sed 's/\./, /g')
for line in "VALUE \"ProductName\", \"WaypointDistance\"" "VALUE \"OriginalFilename\", \"WaypointDistance.asi\"" \
    "VALUE \"FileVersion\", \"$version\"" "VALUE \"ProductVersion\", \"$version\"" "VALUE \"FileDescription\"" \
    "FILEVERSION $comma_version, 0" "PRODUCTVERSION $comma_version, 0"; do
    grep -qF "$line" <<<"$resource" || fail "the version resource lacks: $line"
done

[ $failed = 0 ] && echo "package OK: $(basename "$zip") holds $entries; version $version"
exit $failed
