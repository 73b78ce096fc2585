#!/usr/bin/env bash
# Runs vortalin-cli with various options and checks its output, exit code and files.
# Usage: cli_test.sh PATH_TO_VORTALIN_CLI
set -uo pipefail
cli=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
passed=0
failed=0

check() { # check NAME CONDITION...
    local name=$1
    shift
    if "$@"; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "FAILED: $name" >&2
    fi
}

# run EXPECTED_EXIT ARGS...: output in $work/out, errors in $work/err
run() {
    local expected=$1
    shift
    "$cli" "$@" >"$work/out" 2>"$work/err"
    local code=$?
    if [[ $code -ne $expected ]]; then
        echo "exit $code instead of $expected for: $*" >&2
        cat "$work/err" >&2
        return 1
    fi
}
has() { grep -qF -- "$1" "$work/out"; }
err_has() { grep -qF -- "$1" "$work/err"; }

# The window's defaults with a decimal comma.
check "defaults json" run 0 --decimal-separator , --json
for pair in 'Edit6": "21,000' 'Edit7": "8,963' 'Edit9": "1,202' 'Edit10": "1,518E-005' \
    'Edit11": "1,824E-005' 'Edit12": "1004,688' 'Edit13": "0,0254' 'Edit14": "6588' \
    'Edit15": "0,7203' 'Edit16": "27,0810' 'Edit17": "6,8910' 'Edit18": "0,7203' \
    '"status": "Nachádzate sa v prechodovej oblasti prúdenia."' '"shown": true'; do
    check "defaults json: $pair" has "$pair"
done

# The C locale gives a point; the text output has labels.
check "defaults text" run 0
check "text label" has "Nuseltovo číslo (1) : 27.0810"
check "text status" has "status: Nachádzate sa v prechodovej oblasti prúdenia."

# A refused run: message, hyphens, exit 1.
check "refused" run 1 --w 50 --length 0.05
check "refused message" has "message: Pomer d/L nesmie byť väčší ako 1 !!!"
check "refused hyphens" has "Nuseltovo číslo (1) : --------------"

# Conversion failures and bad options: exit 2, message on stderr.
check "bad number" run 2 --set Edit1=abc
check "bad number message" err_has "w: 'abc' nie je platné číslo."
check "empty number" run 2 --geometry tube-row --row-s1=
check "empty number message" err_has "row-s1: '' nie je platné číslo."

# A negative magnitude the geometry reads is refused by the window's label.
check "negative diameter" run 1 --d=-0.1
check "negative diameter message" has "message: Hydraulický priemer (m) nesmie byť záporný !!!"
check "negative diameter hyphens" has "Nuseltovo číslo (1) : --------------"
check "negative greyed diameter" run 0 --geometry helical --d=-0.1
check "comma under point" run 2 --d 0,1
check "bad geometry" run 2 --geometry rocket
check "bad set" run 2 --set Edit99=1
check "bad select" run 2 --select RadioButton99
check "bad separator" run 2 --decimal-separator ';'
check "sweep without file" run 2 --sweep w

# Undefined values are null in the state and named on screen.
check "undefined dtLog" run 0 --json --t-in 21 --t-out 21
check "undefined dtLog null" has '"dtLog": null'
check "undefined dtLog text" has '"Edit7": "nedefinované"'

# Selection by control name, e.g. water and constant heat flux.
check "select" run 0 --json --select RadioButton5 --select RadioButton4 --t-wall 60
check "select water" has '"Edit9": "997.'

# The sweep: header plus ten lines, step 0 as the window writes it.
check "sweep" run 0 --decimal-separator , --sweep w --out "$work/v.txt"
check "sweep lines" test "$(wc -l <"$work/v.txt")" -eq 11
check "sweep step 0" test "$(sed -n 2p "$work/v.txt")" = \
    "20,000;22,000;30,000;21,000;8,963;0,1000;0,1000;1,202;1,5178501E-0005;1,8241987E-0005;1004,688;0,0254;658,8;0,720;0,720;5,705;1,452"
check "sweep header bytes" test "$(head -c 23 "$work/v.txt" | od -An -tx1 | tr -d ' \n')" = \
    "5465706c6f7461206e61207673747570652028b0432920"
check "sweep range" run 0 --sweep t-wall --from 40 --to 60 --steps 3 --out "$work/t.txt"
check "sweep range lines" test "$(cut -d';' -f3 "$work/t.txt" | tail -n +2 | tr '\n' ' ')" = \
    "40.000 50.000 60.000 "

# A results file that cannot be written: exit 3, an earlier file untouched.
cp "$work/v.txt" "$work/keep.txt"
check "sweep missing folder" run 3 --sweep w --out "$work/none/v.txt"
check "sweep missing folder message" err_has "$work/none/v.txt"
check "sweep bad range keeps file" run 2 --sweep w --from x --out "$work/v.txt"
check "sweep bad range file untouched" cmp -s "$work/v.txt" "$work/keep.txt"

check "help" run 0 --help
check "help lists geometries" has "finned-bank"
check "version" run 0 --version
check "version text" has "vortalin-cli 0.5.0"

echo "$passed passed, $failed failed"
[[ $failed -eq 0 ]]
