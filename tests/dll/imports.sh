#!/usr/bin/env bash
# Prints a DLL's whole import table, one "DLL function" line per imported function, sorted.
#
# Usage: imports.sh OBJDUMP DLL
set -euo pipefail
"$1" -p "$2" | awk '/^\tDLL Name: /{dll = $3; next}
                    dll != "" && /^\t[0-9a-f]+\t +[0-9]+ /{print dll, $3}' | LC_ALL=C sort
