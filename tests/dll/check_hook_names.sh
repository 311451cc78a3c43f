#!/usr/bin/env bash
# Checks the script hook names the DLL imports against a Microsoft-ABI compiler: clang, targeting
# x86_64-pc-windows-msvc, compiles the plugin's own declarations of the six functions, and the
# decorated names it gives them must be exactly the ones the built DLL imports from
# ScriptHookRDR2.dll. A declaration with another type gives another name, and fails here.
#
# Usage: check_hook_names.sh CLANG NM OBJDUMP SOURCE_DIR DLL
set -euo pipefail
clang=$1
nm=$2
objdump=$3
source=$4
dll=$5
here=$(dirname "$0")

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$clang" --target=x86_64-pc-windows-msvc -std=c++17 -I "$source/src" -c "$here/hook_names.cpp" -o "$work/hook_names.obj"
declared=$("$nm" -u "$work/hook_names.obj" | awk '{print $NF}' | LC_ALL=C sort)
imported=$(bash "$here/imports.sh" "$objdump" "$dll" | awk '$1 == "ScriptHookRDR2.dll" {print $2}')

if [ "$(echo "$declared" | wc -l)" != 6 ] || [ "$declared" != "$imported" ]; then
    echo "FAIL: the decorated names of the declarations and the DLL's imports differ"
    diff <(echo "$declared") <(echo "$imported") | sed -n 's/^</  declared:/p; s/^>/  imported:/p'
    exit 1
fi
echo "script hook names OK: the Microsoft ABI gives the declarations the six names the DLL imports"
