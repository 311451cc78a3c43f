#!/usr/bin/env bash
# Builds the number text natively and checks it against glibc for every one of the 2^32 float
# bit patterns: "%.1f" and "%.6f" of each, and the "%.6f" text read back as strtod reads it.
# Prints the mismatch counts and exits non-zero on any. Takes tens of minutes on two cores.
#
# Usage: scripts/exhaustive.sh [FIRST COUNT]   (a range of bit patterns instead of all of them)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/setup.sh
cmake --preset linux >/dev/null
cmake --build --preset linux --target all_floats >/dev/null
LC_ALL=C exec build/linux/tests/exhaustive/all_floats "$@"
