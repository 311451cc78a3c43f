#!/usr/bin/env bash
# Builds the release a second time, from a copy of the source at another path in a fresh build
# folder, and compares the zip, the DLL and SHA256SUMS with this build's, byte for byte. On a
# difference it says which zip entry, or which part of the DLL, differs.
#
# The copy is a clone of the same commit; uncommitted changes, if any, are carried over too, so
# that both builds are made from the same files.
#
# Usage: check_reproducible.sh SOURCE_DIR BUILD_DIR VERSION OBJDUMP
set -euo pipefail
source_dir=$(realpath "$1")
build=$(realpath "$2")
version=$3
objdump=$4

work=$(mktemp -d /tmp/waypoint-rebuild.XXXXXX)
trap 'rm -rf "$work"' EXIT
copy="$work/another/path/WaypointDistance"
mkdir -p "$(dirname "$copy")"

if git -C "$source_dir" rev-parse --git-dir >/dev/null 2>&1; then
    git clone -q --no-local "$source_dir" "$copy"
    (cd "$source_dir" && git ls-files -z --deleted) | (cd "$copy" && xargs -0 -r rm -f)
    (cd "$source_dir" && git ls-files -z --cached --others --exclude-standard |
        xargs -0 -r sh -c 'for f; do [ -e "$f" ] && printf "%s\0" "$f"; done' sh |
        tar --null -T - -cf -) | tar -C "$copy" -xf -
else
    mkdir -p "$copy"
    (cd "$source_dir" && tar --exclude=./build -cf - .) | tar -C "$copy" -xf -
fi

cmake --build "$build" --target package >/dev/null
(cd "$copy" && cmake --preset windows >/dev/null && cmake --build --preset windows --target package >/dev/null)
other="$copy/build/windows"

failed=0
fail() {
    echo "FAIL: $*"
    failed=1
}

# Names the parts of a PE file that hold the given file offsets (one a line, counted from 0):
# its sections, or the headers and padding between them.
parts_of_dll() {
    local dll=$1 index name size vma lma start rest
    local names=() starts=() ends=()
    while read -r index name size vma lma start rest; do
        [[ "$index" =~ ^[0-9]+$ ]] && [ $((16#$start)) != 0 ] || continue
        names+=("$name")
        starts+=($((16#$start)))
        ends+=($((16#$start + 16#$size)))
    done < <("$objdump" -h "$dll")
    local offset i part
    while read -r offset; do
        part="the PE headers or padding"
        for i in "${!names[@]}"; do
            if [ "$offset" -ge "${starts[$i]}" ] && [ "$offset" -lt "${ends[$i]}" ]; then
                part="section ${names[$i]}"
                break
            fi
        done
        echo "$part"
    done | sort | uniq -c | awk '{count = $1; $1 = ""; printf "%s%s (%d bytes)", (NR > 1 ? ", " : ""), substr($0, 2), count}'
}

compare_dll() {
    local ours=$1 theirs=$2 what=$3
    cmp -s "$ours" "$theirs" && return 0
    local sizes offsets
    sizes="$(stat -c %s "$ours") and $(stat -c %s "$theirs") bytes"
    offsets=$( (cmp -l "$ours" "$theirs" 2>/dev/null || true) | awk '{print $1 - 1}')
    if [ -z "$offsets" ]; then
        fail "$what: one is a prefix of the other ($sizes)"
    else
        fail "$what differs ($sizes), from file offset $(printf 0x%x "$(head -n 1 <<<"$offsets")"), in: $(parts_of_dll "$ours" <<<"$offsets")"
    fi
}

zip="WaypointDistance-$version.zip"
if ! cmp -s "$build/$zip" "$other/$zip"; then
    mkdir "$work/ours" "$work/theirs"
    (cd "$work/ours" && cmake -E tar xf "$build/$zip")
    (cd "$work/theirs" && cmake -E tar xf "$other/$zip")
    ours_list=$(cmake -E tar tvf "$build/$zip")
    theirs_list=$(cmake -E tar tvf "$other/$zip")
    [ "$ours_list" = "$theirs_list" ] ||
        fail "$zip: the entries' names, order, sizes, times or permissions differ:"$'\n'"$(diff <(echo "$ours_list") <(echo "$theirs_list") || true)"
    for entry in $(cmake -E tar tf "$build/$zip"); do
        if [ "$entry" = WaypointDistance.asi ]; then
            compare_dll "$work/ours/$entry" "$work/theirs/$entry" "$zip entry $entry"
        elif ! cmp -s "$work/ours/$entry" "$work/theirs/$entry"; then
            fail "$zip entry $entry differs:"$'\n'"$(diff "$work/ours/$entry" "$work/theirs/$entry" || true)"
        fi
    done
    [ $failed = 1 ] || fail "$zip differs, though its entries agree: the zip's own structure differs"
fi
compare_dll "$build/WaypointDistance.asi" "$other/WaypointDistance.asi" "WaypointDistance.asi"
cmp -s "$build/SHA256SUMS" "$other/SHA256SUMS" || fail "SHA256SUMS differs"

[ $failed = 0 ] && echo "reproducible: a second build at $copy gave the same $zip, WaypointDistance.asi and SHA256SUMS ($(head -c 16 "$build/SHA256SUMS")... for the zip)"
exit $failed
