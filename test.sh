#!/usr/bin/env bash
# Checks the style (formatting and the include rule), then builds everything and runs the
# whole test suite (core, command line, window) twice: the normal build in build/, and a
# build with AddressSanitizer and UndefinedBehaviorSanitizer in build-asan/.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
scripts/ensure-packages.sh "${VORTALIN_PACKAGES[@]}"
scripts/check-style.sh

jobs=$(nproc)
for preset in default asan; do
    echo "== $preset build =="
    cmake --preset "$preset"
    cmake --build --preset "$preset" -j"$jobs"
    ctest --preset "$preset" -j"$jobs"
done
