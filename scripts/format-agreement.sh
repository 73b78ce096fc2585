#!/usr/bin/env bash
# The long check of the fast number formats against their reference (10^8 random values
# by default, some minutes), kept out of ./test.sh. Usage: scripts/format-agreement.sh [COUNT]
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset default >/dev/null
cmake --build --preset default --target vortalin_format_agreement -j"$(nproc)"
time build/bench/vortalin_format_agreement "${1:-100000000}"
