#!/usr/bin/env bash
# Sets up the machine, builds every preset, checks formatting and runs every test: unit tests,
# the same under the sanitizers, a short fuzzing run, and the Windows DLL's checks and
# end-to-end scenarios under Wine. Exits non-zero when any step fails.
set -uo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh || exit 1

failed=()
passed=0
step() {
    local name=$1
    shift
    echo "=== $name"
    if "$@"; then
        passed=$((passed + 1))
    else
        failed+=("$name")
    fi
}

step "formatting" bash -c 'find src tests -name "*.cpp" -o -name "*.h" | sort | xargs clang-format --dry-run --Werror'
step "linux build" bash -c 'cmake --preset linux && cmake --build --preset linux'
step "linux tests" ctest --preset linux
step "sanitizer build" bash -c 'cmake --preset linux-asan && cmake --build --preset linux-asan'
step "sanitizer tests" ctest --preset linux-asan
step "fuzzing" env FUZZ_SEED=20261211 scripts/fuzz.sh 15
step "windows build" bash -c 'cmake --preset windows && cmake --build --preset windows'
step "windows tests" ctest --preset windows

[ ${#failed[@]} = 0 ] || echo "FAILED: ${failed[*]}"
echo "steps: $passed passed, ${#failed[@]} failed"
[ ${#failed[@]} = 0 ]
