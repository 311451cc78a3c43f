#!/usr/bin/env bash
# Sets up the machine, builds the Linux and Windows presets, checks formatting and runs
# every test. Exits non-zero when any step fails.
set -uo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh || exit 1

failed=()
step() {
    local name=$1
    shift
    echo "=== $name"
    "$@" || failed+=("$name")
}

step "formatting" bash -c 'find src tests -name "*.cpp" -o -name "*.h" | sort | xargs clang-format --dry-run --Werror'
step "linux build" bash -c 'cmake --preset linux && cmake --build --preset linux'
step "linux tests" ctest --preset linux
step "windows build" bash -c 'cmake --preset windows && cmake --build --preset windows'
step "windows tests" ctest --preset windows

if [ ${#failed[@]} -gt 0 ]; then
    echo "FAILED: ${failed[*]}"
    exit 1
fi
echo "All steps passed."
