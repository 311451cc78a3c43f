#!/usr/bin/env bash
# Checks the import and export tables of the built plugin DLL: it binds the six script hook
# functions under their decorated names, needs no DLL a game folder lacks, and exports nothing.
set -euo pipefail
objdump=$1
dll=$2

dump=$(mktemp)
trap 'rm -f "$dump"' EXIT
"$objdump" -p "$dll" >"$dump"
failed=0

fail() {
    echo "FAIL: $*"
    failed=1
}

allowed_dlls=$'KERNEL32.dll\nScriptHookRDR2.dll\nUSER32.dll\nmsvcrt.dll'
imported_dlls=$(sed -n 's/^\tDLL Name: //p' "$dump" | sort -u)
unexpected=$(comm -23 <(echo "$imported_dlls") <(echo "$allowed_dlls" | sort -u))
[ -z "$unexpected" ] || fail "imports from DLLs a game folder lacks: $(echo $unexpected)"
grep -qx 'ScriptHookRDR2.dll' <<<"$imported_dlls" || fail "nothing imported from ScriptHookRDR2.dll"

expected_hook=$'?nativeCall@@YAPEA_KXZ\n?nativeInit@@YAX_K@Z\n?nativePush64@@YAX_K@Z\n?scriptRegister@@YAXPEAUHINSTANCE__@@P6AXXZ@Z\n?scriptUnregister@@YAXPEAUHINSTANCE__@@@Z\n?scriptWait@@YAXK@Z'
hook_imports=$(awk '/^\tDLL Name: /{inside = ($3 == "ScriptHookRDR2.dll"); next}
                    inside && /^\t[0-9a-f]+\t +[0-9]+ /{print $3}' "$dump" | sort)
[ "$hook_imports" = "$(echo "$expected_hook" | sort)" ] ||
    fail "ScriptHookRDR2.dll imports differ: got [$(echo $hook_imports)]"

if grep -q '^There is an export table' "$dump"; then
    names=$(awk '/\[Name Pointer\/Ordinal\] Table/{print $NF; exit}' "$dump")
    [ "$names" = "00000000" ] || fail "the export table names $names functions"
    exported=$(sed -n '/^\[Ordinal\/Name Pointer\] Table/,/^$/p' "$dump" | grep -c '^\s\+\[' || true)
    [ "$exported" = 0 ] || fail "the export table lists $exported names"
fi

[ $failed = 0 ] && echo "import and export tables OK: $(echo $imported_dlls)"
exit $failed
