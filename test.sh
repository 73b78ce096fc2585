#!/usr/bin/env bash
# Builds everything in build/ and runs the whole test suite (core, command line, window).
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
scripts/ensure-packages.sh "${VORTALIN_PACKAGES[@]}"

cmake --preset default
cmake --build build -j"$(nproc)"
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j"$(nproc)"
