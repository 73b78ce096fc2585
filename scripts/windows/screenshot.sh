#!/usr/bin/env bash
# Screenshot of the Windows window under Wine on a virtual X screen, drawn by Qt's qwindows
# platform plugin (Wine's own window system) as the program starts itself, under the Slovak
# locale: docs/window-windows.png.
# Usage: scripts/windows/screenshot.sh [OUT.png]   (after scripts/windows.sh)
set -euo pipefail
cd "$(dirname "$0")/../.."
out=${1:-docs/window-windows.png}
fb=$(mktemp -d)
trap 'rm -rf "$fb"' EXIT
exe=$(echo build-windows/packaging/windows/vortalin-*-win64/vortalin.exe)
export VORTALIN_WINEPREFIX=$PWD/build-windows/wineprefix-screenshot
# Wine draws through X: its server starts on the virtual screen with the window.
xvfb-run -a -s "-screen 0 1400x1000x24 -fbdir $fb" bash -c '
    LC_ALL=sk_SK.UTF-8 build-windows/wine-run.sh --start
    LC_ALL=sk_SK.UTF-8 build-windows/wine-run.sh "$0" &
    sleep 40
    cp "$1/Xvfb_screen0" "$1/shot.xwd"
    build-windows/wine-run.sh --stop
' "$exe" "$fb"
python3 scripts/windows/xwd_to_png.py "$fb/shot.xwd" "$out"
echo "wrote $out"
