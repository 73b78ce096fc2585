#!/usr/bin/env bash
# Builds the program in build/ and starts it: the window when a display is available,
# otherwise the command-line front end on the window's defaults.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
scripts/ensure-packages.sh "${VORTALIN_PACKAGES[@]}"

cmake --preset default >/dev/null
cmake --build build -j"$(nproc)"

if [[ -x build/app/ui/vortalin && ( -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" ) ]]; then
    exec build/app/ui/vortalin "$@"
fi
echo "No display available: running vortalin-cli on the window's defaults instead." >&2
exec build/app/cli/vortalin-cli "$@"
