#!/usr/bin/env bash
# scripts/check-style.sh run on a small tree made here: it passes on tidy files and fails on
# each kind of fault, naming the file. Usage: check_style_test.sh SCRIPT CLANG_FORMAT_FILE
set -uo pipefail
script=$1
style=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# A tidy tree: one header, one source including it from the root and a generated header.
make_tree() {
    rm -rf "$work/tree"
    mkdir -p "$work/tree/app/form" "$work/tree/app/ui"
    cp "$style" "$work/tree/.clang-format"
    printf '#pragma once\n\nint Answer();\n' > "$work/tree/app/form/Answer.h"
    printf '#include "app/form/Answer.h"\n#include "ui_Unit1.h"\n\nint Answer() {\n    return 42;\n}\n' \
        > "$work/tree/app/ui/Answer.cpp"
}

# expect NAME WANTED-EXIT TEXT-IN-OUTPUT: runs the script on the tree as it is now.
expect() {
    local output status
    output=$(bash "$script" "$work/tree" 2>&1)
    status=$?
    if [[ $status -ne $2 || $output != *"$3"* ]]; then
        echo "FAIL $1: exit $status, wanted $2 with '$3'; output:"
        echo "$output"
        failures=$((failures + 1))
    fi
}

make_tree
expect "tidy tree" 0 "every include from the project root"

# Each case spoils the tidy tree in one way.
cases=(
    "misformatted|app/ui/Answer.cpp|int Answer() { return 42; }|app/ui/Answer.cpp"
    "relative include|app/ui/Bad.cpp|#include \"../form/Answer.h\"|relative include"
    "bare include|app/form/Bad.cpp|#include \"Answer.h\"|not a path from the project root"
    "dot include|app/form/Bad.cpp|#include \"./Answer.h\"|relative include"
)
for entry in "${cases[@]}"; do
    IFS='|' read -r name file text wanted <<< "$entry"
    make_tree
    printf '%s\n' "$text" > "$work/tree/$file"
    expect "$name" 1 "$wanted"
done

# Generated headers stay exempt; system includes are not project includes.
make_tree
printf '#include "Form.moc"\n#include "app/Version.h"\n\n#include <vector>\n' > "$work/tree/app/ui/Gen.cpp"
expect "generated headers" 0 "every include from the project root"

exit $((failures > 0))
