#!/usr/bin/env bash
# The manual pages cannot drift from --help: each page's OPTIONS section lists exactly the
# options the program's --help lists, every long option the page mentions anywhere (the
# examples included) exists, the programs answer --help and --version without a display,
# and the command-line examples run.
# Usage: test_manpages.sh MAN_DIR PROGRAM...
set -uo pipefail
man_dir=$1
shift
failed=0

fail() {
    echo "FAILED: $*" >&2
    failed=1
}

# Option names in the first column of --help ("  -w <text>", "  -h, --help"), one a line.
help_options() {
    sed -n 's/^  \(-[^ ].*\)$/\1/p' | sed 's/  .*//; s/ <[^>]*>//g' | tr ',' '\n' |
        sed 's/^ *//; /^$/d' | sort -u
}

# Option names of the page's OPTIONS section: the term line after each .TP, up to its
# "Arguments:" subsection (the window's case file).
page_options() {
    sed -n '/^\.SH OPTIONS/,/^\.S[HS] /p' | sed -n '/^\.TP/{n;p}' |
        sed 's/\\f[BIRP]//g; s/\\,//g; s/\\\/ //g; s/\\-/-/g; s/ <[^>]*>//g' | tr ',' '\n' |
        sed 's/^ *//; s/ .*//; /^$/d' | sort -u
}

# Every long option written anywhere on the page.
page_long_options() {
    sed 's/\\-/-/g' | grep -o -- '--[a-z][a-z0-9-]*' | sort -u
}

# The command lines of the page's EXAMPLES section that start the program named.
page_examples() {
    sed -n '/^\.SH EXAMPLES/,/^\.SH /p' | sed 's/\\-/-/g' | grep "^$1\\( \\|\$\\)"
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for program in "$@"; do
    program=$(realpath "$program")
    name=$(basename "$program")
    page="$man_dir/$name.1"
    [[ -s "$page" ]] || fail "$page missing"
    help=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" --help) ||
        fail "$name --help without a display"
    version=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" --version) ||
        fail "$name --version without a display"
    # The version and, in parentheses, the build identifier (the commit).
    [[ "$version" =~ ^$name\ [0-9]+\.[0-9]+\.[0-9]+\ \(.+\)$ ]] || fail "$name --version: '$version'"

    from_help=$(help_options <<<"$help")
    from_page=$(page_options <"$page")
    [[ $(wc -l <<<"$from_help") -ge 2 ]] || fail "$name: no options read from --help"
    if [[ "$from_help" != "$from_page" ]]; then
        fail "$name: options of --help and of $page differ"
        diff <(echo "$from_help") <(echo "$from_page") >&2
    fi
    unknown=$(comm -23 <(page_long_options <"$page") <(echo "$from_help"))
    [[ -z "$unknown" ]] || fail "$name: $page mentions options --help does not have:" $unknown
    grep -q "^\.TH .*\"$name ${version#* }\"" "$page" || fail "$name: page not of version $version"

    # The command line's examples run (the window's would open the window).
    [[ $name == vortalin-cli ]] || continue
    examples=0
    while read -r -a example; do
        examples=$((examples + 1))
        (cd "$work" && "$program" "${example[@]:1}" >/dev/null) ||
            fail "$name: example '${example[*]}' fails"
    done < <(page_examples "$name" <"$page")
    [[ $examples -ge 2 ]] || fail "$name: $examples examples on the page"
done
[[ $failed -eq 0 ]] && echo "manual pages match --help: $*"
exit $failed
