#!/usr/bin/env bash
# Checks what the built DLL carries: at most 48 KB as shipped, and, by its link map, no object
# from the C++ runtime, its exception support or a threading library.
#
# Usage: check_size_and_runtime.sh DLL LINK_MAP
set -euo pipefail
dll=$1
map=$2
limit=49152

failed=0
fail() {
    echo "FAIL: $*"
    failed=1
}

size=$(stat -c %s "$dll")
[ "$size" -le $limit ] || fail "$(basename "$dll") is $size bytes, more than $limit"

members=$(grep -oE '[^ /()]+\.a\([^)]+\)' "$map" | sort -u)
grep -q '^libmingw32\.a(' <<<"$members" || fail "the link map names no runtime objects: is $map a map?"
unwanted=$(grep -E '^lib(stdc\+\+|supc\+\+|gcc_eh|winpthread|pthread)\.a\(' <<<"$members" || true)
[ -z "$unwanted" ] || fail "objects from the C++, exception or threading runtime were linked in:"$'\n'"$unwanted"

[ $failed = 0 ] && echo "size and runtime OK: $size bytes (at most $limit); nothing from libstdc++, libgcc_eh or winpthread"
exit $failed
