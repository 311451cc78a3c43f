#!/usr/bin/env bash
# Checks the import and export tables of the built plugin DLL: its whole import table, DLL by
# DLL and function by function, is exactly the allowlist kept beside this script (so it needs
# no DLL a game folder lacks, and binds the six script hook functions under their decorated
# names), and it exports nothing.
#
# Usage: check_tables.sh OBJDUMP DLL ALLOWLIST
set -euo pipefail
objdump=$1
dll=$2
allowlist=$3
here=$(dirname "$0")

failed=0
fail() {
    echo "FAIL: $*"
    failed=1
}

imports=$(bash "$here/imports.sh" "$objdump" "$dll")
allowed=$(grep -v '^#' "$allowlist" | grep . | LC_ALL=C sort)
[ -n "$imports" ] || fail "no import table read from $dll"
unlisted=$(LC_ALL=C comm -23 <(echo "$imports") <(echo "$allowed"))
unused=$(LC_ALL=C comm -13 <(echo "$imports") <(echo "$allowed"))
[ -z "$unlisted" ] || fail "imports not in $(basename "$allowlist"), add each only on purpose with its reason:"$'\n'"$unlisted"
[ -z "$unused" ] || fail "listed in $(basename "$allowlist") but no longer imported, take them out:"$'\n'"$unused"

allowed_dlls=$'KERNEL32.dll\nScriptHookRDR2.dll\nUSER32.dll\nmsvcrt.dll'
imported_dlls=$(echo "$imports" | cut -d' ' -f1 | sort -u)
unexpected=$(comm -23 <(echo "$imported_dlls") <(echo "$allowed_dlls" | sort -u))
[ -z "$unexpected" ] || fail "imports from DLLs a game folder lacks: $(echo $unexpected)"

dump=$("$objdump" -p "$dll")
if grep -q '^There is an export table' <<<"$dump"; then
    names=$(awk '/\[Name Pointer\/Ordinal\] Table/{print $NF; exit}' <<<"$dump")
    [ "$names" = "00000000" ] || fail "the export table names $names functions"
    exported=$(sed -n '/^\[Ordinal\/Name Pointer\] Table/,/^$/p' <<<"$dump" | grep -c '^\s\+\[' || true)
    [ "$exported" = 0 ] || fail "the export table lists $exported names"
fi

[ $failed = 0 ] && echo "import and export tables OK: $(echo "$imports" | wc -l) imports, as listed, from $(echo $imported_dlls); no exports"
exit $failed
