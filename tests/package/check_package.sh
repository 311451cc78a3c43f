#!/usr/bin/env bash
# Makes the player's zip with the build's package target and checks it: the plugin, the install
# guide, the changelog and the build record in that order, the plugin the same file as built,
# SHA256SUMS that sha256sum -c accepts, and the version resource naming the product, the
# version and the source commit.
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

cmake --build "$build" --target package >/dev/null
zip="$build/WaypointDistance-$version.zip"
[ -f "$zip" ] || { echo "FAIL: the package target made no $(basename "$zip")"; exit 1; }

entries=$(cmake -E tar tf "$zip" | tr '\n' ' ')
[ "$entries" = "WaypointDistance.asi INSTALL.txt CHANGELOG.md BUILDINFO.txt " ] || fail "the zip holds: $entries"
(cd "$build" && sha256sum --quiet -c SHA256SUMS) || fail "SHA256SUMS does not match the zip and the plugin"
[ "$(cut -d' ' -f3 "$build/SHA256SUMS" | tr '\n' ' ')" = "WaypointDistance-$version.zip WaypointDistance.asi " ] ||
    fail "SHA256SUMS lists: $(cut -d' ' -f3 "$build/SHA256SUMS" | tr '\n' ' ')"

mkdir "$work/unpacked"
(cd "$work/unpacked" && cmake -E tar xf "$zip")
unpacked="$work/unpacked"
cmp -s "$unpacked/WaypointDistance.asi" "$build/WaypointDistance.asi" || fail "the zipped plugin differs from the build"
for words in "ScriptHookRDR2" "game folder" "Left Ctrl + F1" "Left Shift" "DistanceSettings.ini" "delete" \
    "BUILDINFO.txt" "cannot be written"; do
    grep -q "$words" "$unpacked/INSTALL.txt" || fail "the install guide does not mention '$words'"
done
grep -q "^## $version " "$unpacked/CHANGELOG.md" || fail "the changelog has no section for $version"
grep -qE "^WaypointDistance $version" "$unpacked/BUILDINFO.txt" || fail "BUILDINFO.txt does not name version $version"
for package in g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev libfast-float-dev; do
    installed=$(dpkg-query -W -f='${Version}' "$package")
    grep -qxF "  $package $installed" "$unpacked/BUILDINFO.txt" || fail "BUILDINFO.txt does not record $package $installed"
done

resource=$("$windres" -J coff -O rc -i "$unpacked/WaypointDistance.asi")
comma_version=$(echo "$version" | sed 's/\./, /g')
for line in "VALUE \"ProductName\", \"WaypointDistance\"" "VALUE \"OriginalFilename\", \"WaypointDistance.asi\"" \
    "VALUE \"FileVersion\", \"$version\"" "VALUE \"FileDescription\"" \
    "FILEVERSION $comma_version, 0" "PRODUCTVERSION $comma_version, 0"; do
    grep -qF "$line" <<<"$resource" || fail "the version resource lacks: $line"
done
product=$(sed -n 's/.*VALUE "ProductVersion", "\(.*\)"/\1/p' <<<"$resource")
commit=$(git -C "$(dirname "$0")" rev-parse HEAD 2>/dev/null || true)
if [ -n "$commit" ]; then
    [[ "$product" =~ ^$version\+${commit:0:12}(\.changed)?$ ]] || fail "ProductVersion is '$product', not $version+${commit:0:12}"
    grep -q "^Source commit: $commit" "$unpacked/BUILDINFO.txt" || fail "BUILDINFO.txt does not name commit $commit"
else
    [ "$product" = "$version" ] || fail "ProductVersion is '$product', not $version"
fi

[ $failed = 0 ] && echo "package OK: $(basename "$zip") holds $entries; version $product"
exit $failed
