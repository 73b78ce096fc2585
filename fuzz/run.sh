#!/usr/bin/env bash
# Builds the libFuzzer targets with clang-14 and runs each for SECONDS (default 60),
# starting from the stored seeds. A finding is written to fuzz/findings/; keep it as a
# regression test by copying it into fuzz/regressions/<numbers|compute|cases|batch|sheets>/.
# Usage: fuzz/run.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
scripts/ensure-packages.sh clang-14 libclang-rt-14-dev cmake ninja-build

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j"$(nproc)"

mkdir -p fuzz/findings
status=0
for pair in NumberFormatFuzzer:numbers ComputeFuzzer:compute CaseFileFuzzer:cases BatchTableFuzzer:batch SheetJsonFuzzer:sheets; do
    target=${pair%%:*}
    kind=${pair##*:}
    corpus=fuzz/corpus-$kind
    mkdir -p "$corpus"
    dict=()
    if [[ -f fuzz/dicts/$kind.dict ]]; then
        dict=(-dict="fuzz/dicts/$kind.dict")
    fi
    inputs=("$corpus" "fuzz/seeds/$kind")
    if [[ -d fuzz/regressions/$kind ]]; then # libFuzzer stops at a folder that is missing
        inputs+=("fuzz/regressions/$kind")
    fi
    echo "== $target for $seconds s =="
    if ! build-fuzz/fuzz/$target "${inputs[@]}" \
        "${dict[@]}" -max_total_time="$seconds" -max_len=4096 -timeout=10 -print_final_stats=1 \
        -artifact_prefix="fuzz/findings/$kind-" 2>&1 | tail -n 25; then
        status=1
    fi
done
exit $status
