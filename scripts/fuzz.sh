#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and the sanitizers and runs each for a while,
# starting from the seed corpus in tests/fuzz/corpus; what they find new is kept in the build
# folder. Exits non-zero when a fuzzer finds a fault (its input is saved beside the corpus).
#
# Usage: scripts/fuzz.sh [SECONDS_EACH]   (default 60)
# FUZZ_SEED=N fixes libFuzzer's random seed, so that a run can be repeated; by default each run
# picks its own.
set -euo pipefail
seconds=${1:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
cmake --preset linux-fuzz >/dev/null
cmake --build --preset linux-fuzz >/dev/null

build="$root/build/linux-fuzz"
for fuzzer in position_text settings_file; do
    corpus="$build/corpus/$fuzzer"
    mkdir -p "$corpus" "$build/findings"
    echo "=== ${fuzzer}_fuzzer for ${seconds} s"
    log="$build/${fuzzer}.log"
    status=0
    "$build/tests/fuzz/${fuzzer}_fuzzer" "$corpus" "$root/tests/fuzz/corpus/$fuzzer" \
        -max_total_time="$seconds" -max_len=512 -artifact_prefix="$build/findings/${fuzzer}-" \
        -print_final_stats=1 ${FUZZ_SEED:+-seed="$FUZZ_SEED"} >"$log" 2>&1 || status=$?
    grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb)' "$log" || true
    if [ $status != 0 ]; then
        tail -n 40 "$log"
        echo "FAILED: ${fuzzer}_fuzzer found a fault; its input is in $build/findings"
        exit 1
    fi
done
