#!/usr/bin/env bash
# Installs the Debian packages that are missing, or says how to when not run as root.
# Usage: scripts/ensure-packages.sh PACKAGE...
set -euo pipefail

missing=()
for pkg in "$@"; do
    status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
    if [[ "$status" != "install ok installed" ]]; then
        missing+=("$pkg")
    fi
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

install=(apt-get install -y --no-install-recommends -o DPkg::Lock::Timeout=600 "${missing[@]}")
if [[ $(id -u) -ne 0 ]]; then
    echo "Missing Debian packages. Install them as root with:" >&2
    echo "  apt-get update && ${install[*]}" >&2
    exit 1
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -o DPkg::Lock::Timeout=600 -qq
"${install[@]}"
