#!/bin/sh
# Reads the layering of correlations/ from the code's own includes:
#  - a file under correlations/equations/ includes only standard headers and headers of
#    correlations/equations/, and names no control identifier;
#  - no file under correlations/ includes the window's full interface (WindowServices.h),
#    a front end (app/ui, app/qt, app/cli) or Qt;
#  - the engine's view of the window, EngineWindow, has exactly four operations.
# Usage: correlation-layers.sh ROOT     checks the tree at ROOT
#        correlation-layers.sh --self-test   checks that every kind of breach is refused
set -u

check() {
    root=$1
    status=0
    equations=$root/correlations/equations
    if [ ! -d "$equations" ]; then
        echo "no folder correlations/equations"
        return 1
    fi
    # Project includes outside the layer, and angle-bracket includes that are not the
    # standard library's (its headers are lower-case words: <cmath>, <string_view>).
    bad=$(grep -nE '^[[:space:]]*#[[:space:]]*include' "$equations"/* |
        grep -vE '#[[:space:]]*include[[:space:]]*("correlations/equations/[A-Za-z]+\.h"|<[a-z_]+>)')
    if [ -n "$bad" ]; then
        echo "correlations/equations includes beyond the standard library and itself:"
        echo "$bad"
        status=1
    fi
    bad=$(grep -nwE 'EditId|ButtonId|(Edit|RadioButton|Form2Edit)[0-9]+' "$equations"/*)
    if [ -n "$bad" ]; then
        echo "correlations/equations names control identifiers:"
        echo "$bad"
        status=1
    fi
    bad=$(grep -rnE '#[[:space:]]*include[[:space:]]*("app/compute/WindowServices\.h"|"app/(ui|qt|cli)/|<Q)' \
        "$root/correlations")
    if [ -n "$bad" ]; then
        echo "correlations/ includes the whole window or a front end:"
        echo "$bad"
        status=1
    fi
    operations=$(grep -c '= 0;' "$root/correlations/engine/EngineWindow.h")
    if [ "$operations" != 4 ]; then
        echo "EngineWindow has $operations operations instead of four"
        status=1
    fi
    return $status
}

# A clean minimal tree, then one breach at a time: each must be refused.
self_test() {
    tmp=$(mktemp -d) || exit 1
    trap 'rm -rf "$tmp"' EXIT
    mkdir -p "$tmp/correlations/equations" "$tmp/correlations/engine"
    printf '#include "correlations/equations/B.h"\n#include <cmath>\n' >"$tmp/correlations/equations/A.cpp"
    printf '#include <string_view>\n' >"$tmp/correlations/equations/B.h"
    printf 'virtual bool a() = 0;\nvirtual void b() = 0;\nvirtual void c() = 0;\nvirtual void d() = 0;\n' \
        >"$tmp/correlations/engine/EngineWindow.h"
    check "$tmp" >/dev/null || { echo "self-test: a clean tree is refused"; exit 1; }
    failures=0
    for breach in 'equations/C.h:#include "app/form/Controls.h"' \
        'equations/C.h:#include <QString>' \
        'equations/C.h:#include "../engine/Engine.h"' \
        'equations/C.h:double Nu(EditId field);' \
        'equations/C.h:// reads Edit26' \
        'engine/E.h:#include "app/compute/WindowServices.h"' \
        'engine/E.h:#include <QWidget>' \
        'engine/EngineWindow.h:virtual void e() = 0;'; do
        file=$tmp/correlations/${breach%%:*}
        cp "$file" "$file.keep" 2>/dev/null || : >"$file.keep"
        printf '%s\n' "${breach#*:}" >>"$file"
        if check "$tmp" >/dev/null; then
            echo "self-test: not refused: $breach"
            failures=1
        fi
        mv "$file.keep" "$file"
        [ -s "$file" ] || rm -f "$file"
    done
    exit $failures
}

if [ "${1:-}" = --self-test ]; then
    self_test
fi
check "${1:?usage: correlation-layers.sh ROOT | --self-test}"
