#!/usr/bin/env bash
# Fails when a C++ file of the project is not formatted as .clang-format says, or when a
# project include is not written from the project root ("app/...", "correlations/...";
# never "../" and never a bare same-folder name). Headers made at build time (ui_*.h, *.moc,
# app/Version.h) are exempt from the include rule.
#
# Usage: scripts/check-style.sh [ROOT]   (ROOT defaults to the checkout holding this script;
# the files checked are those git knows there, or every *.cpp and *.h when ROOT is no
# checkout, as in the test that runs this on a copy).
set -uo pipefail

root=${1:-"$(dirname "$0")/.."}
cd "$root" || exit 2
clang_format=${CLANG_FORMAT:-clang-format-14}
command -v "$clang_format" > /dev/null || clang_format=clang-format
if ! "$clang_format" --version 2> /dev/null | grep -q 'version 14\.'; then
    echo "check-style: clang-format 14 is needed (Debian package clang-format)" >&2
    exit 2
fi

list_sources() {
    if git rev-parse --is-inside-work-tree > /dev/null 2>&1; then
        git ls-files --cached --others --exclude-standard -- '*.cpp' '*.h'
    else
        find . -path ./build\* -prune -o \( -name '*.cpp' -o -name '*.h' \) -type f -print |
            sed 's|^\./||'
    fi
}

is_generated() {
    case "$1" in
    ui_*.h | *.moc | app/Version.h | app/BuildIdentifier.h) return 0 ;;
    esac
    return 1
}

# Prints "file:line: reason" for every quoted include that breaks the rule.
check_includes() {
    local file=$1 number=0 line target
    while IFS= read -r line; do
        number=$((number + 1))
        [[ $line =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*\"([^\"]+)\" ]] || continue
        target=${BASH_REMATCH[1]}
        is_generated "$target" && continue
        if [[ $target == *../* || $target == ./* ]]; then
            echo "$file:$number: relative include \"$target\"; write it from the project root"
        elif [[ ! -f $target ]]; then
            echo "$file:$number: include \"$target\" is not a path from the project root"
        fi
    done < "$file"
}

mapfile -t sources < <(list_sources)
failed=0

unformatted=$("$clang_format" --dry-run -Werror "${sources[@]}" 2>&1 | grep -E '^[^ ]+:[0-9]+:[0-9]+: error' |
    cut -d: -f1 | sort -u)
if [[ -n $unformatted ]]; then
    echo "Not formatted as .clang-format says (run: $clang_format -i FILE):"
    sed 's/^/  /' <<< "$unformatted"
    failed=1
fi

bad_includes=$(for f in "${sources[@]}"; do check_includes "$f"; done)
if [[ -n $bad_includes ]]; then
    echo "Includes that break the rule:"
    sed 's/^/  /' <<< "$bad_includes"
    failed=1
fi

if ((failed == 0)); then
    echo "Style: ${#sources[@]} files formatted, every include from the project root."
fi
exit "$failed"
