#!/usr/bin/env bash
# Runs vortalin-cli with various options and checks its output, exit code and files.
# Usage: cli_test.sh PATH_TO_VORTALIN_CLI VERSION [EMULATOR [HOLD_OPEN]]
# With an EMULATOR (Wine's wrapper for the Windows build) the program runs through it; the
# checks of POSIX file kinds, limits and signals give way to Windows' own (a results file
# another program holds open, a read-only file, CR LF line ends), HOLD_OPEN being the
# Windows helper that keeps a file open.
set -uo pipefail
version=$2 # the version project() gives
emulator=${3-}
hold_open=${4-}
if [[ -n $emulator ]]; then
    cli=("$emulator" "$1")
else
    cli=("$1")
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
source "$(dirname "$0")/../checks.sh"

# run EXPECTED_EXIT ARGS...: output in $work/out, errors in $work/err
run() {
    local expected=$1
    shift
    "${cli[@]}" "$@" >"$work/out" 2>"$work/err"
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
check "text label" has "Nusseltovo číslo (1) : 27.0810"
check "text status" has "status: Nachádzate sa v prechodovej oblasti prúdenia."

# A refused run: message, hyphens, exit 1.
check "refused" run 1 --w 50 --length 0.05
check "refused message" has "message: Pomer d/L nesmie byť väčší ako 1 !!!"
check "refused hyphens" has "Nusseltovo číslo (1) : --------------"

# A mean temperature no fit covers: the fluid's range is the message, whatever the geometry.
for geometry in cross-flow plate; do
    check "air at -80 $geometry" run 1 --geometry $geometry --t-in -80 --t-out -80
    check "air at -80 $geometry message" has "message: Stredná teplota vzduchu je mimo teplotný rozsah -73 až 2226°C !!!"
done
check "water at 101 cross-flow" run 1 --fluid water --geometry cross-flow --t-in 101 --t-out 101
check "water at 101 message" has "message: Stredná teplota vody je mimo teplotný rozsah 0 až 100°C !!!"

# Conversion failures and bad options: exit 2, message on stderr.
check "bad number" run 2 --set Edit1=abc
check "bad number message" err_has "w: 'abc' nie je platné číslo."
check "empty number" run 2 --geometry tube-row --row-s1=
check "empty number message" err_has "row-s1: pole je prázdne."
check "point under a comma" run 2 --decimal-separator , --w 0.5
check "point under a comma message" err_has "w: '0.5' nie je platné číslo. Desatinný oddeľovač je čiarka."

# A negative magnitude the geometry reads is refused by the window's label.
check "negative diameter" run 1 --d=-0.1
check "negative diameter message" has "message: Hydraulický priemer (m) nesmie byť záporný !!!"
check "negative diameter hyphens" has "Nusseltovo číslo (1) : --------------"
check "negative greyed diameter" run 0 --geometry helical --d=-0.1
check "comma under point" run 2 --d 0,1
check "bad geometry" run 2 --geometry rocket
check "bad set" run 2 --set Edit99=1
check "bad select" run 2 --select RadioButton99
check "bad separator" run 2 --decimal-separator ';'
check "sweep without file" run 2 --sweep w
for option in "--steps 3" "--from 1" "--to 2" "--out $work/x.txt"; do
    # shellcheck disable=SC2086
    check "$option without --sweep" run 2 $option
    check "$option without --sweep names it" err_has "${option%% *} needs --sweep"
done

# Undefined values are null in the state and named on screen.
check "undefined dtLog" run 0 --json --t-wall 21
check "undefined dtLog null" has '"dtLog": null'
check "undefined dtLog text" has '"Edit7": "nedefinované"'
# Equal end temperatures give the limit |tWall − tIn| of the log-mean difference.
check "equal end temperatures" run 0 --json --t-in 21 --t-out 21
check "equal end temperatures limit" has '"dtLog": 9'
check "equal end temperatures text" has '"Edit7": "9.000"'

# Selection by control name, e.g. water and constant heat flux.
check "select" run 0 --json --select RadioButton5 --select RadioButton4 --t-wall 60
check "select water" has '"Edit9": "997.'

# The sweep: header plus ten lines, step 0 as the window writes it.
check "sweep" run 0 --decimal-separator , --sweep w --out "$work/v.txt"
check "sweep lines" test "$(wc -l <"$work/v.txt")" -eq 11
check "sweep step 0" test "$(sed -n 2p "$work/v.txt" | tr -d '\r')" = \
    "20,000;22,000;30,000;21,000;8,963;0,1000;0,1000;1,202;1,5178501E-0005;1,8241987E-0005;1004,688;0,0254;658,8;0,720;0,720;5,705;1,452"
check "sweep header bytes" test "$(head -c 23 "$work/v.txt" | od -An -tx1 | tr -d ' \n')" = \
    "5465706c6f7461206e61207673747570652028b0432920"
# A study of a variable the geometry does not use is written, and standard error says so.
check "constant study" run 0 --geometry helical --sweep d --steps 3 --out "$work/c.txt"
check "constant study lines" test "$(cut -d';' -f16 "$work/c.txt" | tail -n +2 | sort -u | wc -l)" -eq 1
check "constant study note" err_has "nepoužíva premennú štúdie „Hydraulický priemer (m)“"
check "varying study" run 0 --geometry plate --sweep d --steps 3 --out "$work/c.txt"
check "varying study no note" test ! -s "$work/err"
check "sweep range" run 0 --sweep t-wall --from 40 --to 60 --steps 3 --out "$work/t.txt"
check "sweep range lines" test "$(cut -d';' -f3 "$work/t.txt" | tail -n +2 | tr '\n' ' ')" = \
    "40.000 50.000 60.000 "

# A results file that cannot be written: exit 3, an earlier file untouched.
cp "$work/v.txt" "$work/keep.txt"
check "sweep missing folder" run 3 --sweep w --out "$work/none/v.txt"
check "sweep missing folder message" err_has "$work/none/v.txt"
check "sweep bad range keeps file" run 2 --sweep w --from x --out "$work/v.txt"
check "sweep bad range file untouched" cmp -s "$work/v.txt" "$work/keep.txt"

# Case files: every key written, read back and overridden; both separators; bad files.
every=(--fluid gas --geometry partly-staggered-bank --heating heat-flux --rows few --sweep t-wall
    --w 2,5 --d 0,04 --t-in 35 --t-out 45 --t-wall 60 --length 'dĺžka?' --angle 45
    --slot-length 0,8 --coil-tube-d 0,012 --coil-d 0,4 --coil-pitch 0,03 --row-d 0,011
    --row-s1 0,025 --bank-d 0,016 --bank-s1 0,035 --bank-s2 0,03 --bank-s3 0,008 --row-count 4
    --fin-da 50 --fin-db 24 --fin-f 0,5 --fin-pf 2,5 --from 40 --to 65 --steps 5)
check "write case" run 0 --decimal-separator , "${every[@]}" --write-case "$work/all.vortalin"
check "write case computes nothing" test ! -s "$work/out"
for pair in '"format": "vortalin-case"' '"version": 1' '"decimal-separator": ","' \
    '"fluid": "gas"' '"geometry": "partly-staggered-bank"' '"heating": "heat-flux"' \
    '"rows": "few"' '"sweep": "t-wall"' '"w": "2,5"' '"length": "dĺžka?"' '"bank-s3": "0,008"' \
    '"row-count": "4"' '"fin-pf": "2,5"' '"from": "40"' '"steps": "5"'; do
    check "case key: $pair" grep -qF -- "$pair" "$work/all.vortalin"
done
check "case copy" run 0 --decimal-separator , --case "$work/all.vortalin" \
    --write-case "$work/copy.vortalin"
check "case copy identical" cmp -s "$work/all.vortalin" "$work/copy.vortalin"
check "case under a point" run 0 --decimal-separator . --case "$work/all.vortalin" \
    --write-case "$work/point.vortalin"
check "case under a point converted" grep -qF '"w": "2.5"' "$work/point.vortalin"
check "case under a point keeps other texts" grep -qF '"length": "dĺžka?"' "$work/point.vortalin"
check "case back to a comma" run 0 --decimal-separator , --case "$work/point.vortalin" \
    --write-case "$work/back.vortalin"
check "case back identical" cmp -s "$work/all.vortalin" "$work/back.vortalin"

# A case runs exactly as the same options do; options override the case.
bank=(--fluid water --geometry staggered-bank --rows few --w 0,8 --row-count 5 --bank-d 0,02)
check "bank options" run 0 --decimal-separator , --json "${bank[@]}"
cp "$work/out" "$work/options.json"
check "bank case" run 0 --decimal-separator , "${bank[@]}" --write-case "$work/bank.vortalin"
check "bank from case" run 0 --decimal-separator , --json --case "$work/bank.vortalin"
check "bank case results equal" cmp -s "$work/out" "$work/options.json"
check "bank from case, point" run 0 --decimal-separator . --json --case "$work/bank.vortalin"
check "bank case under a point" has '"Edit17": "'
check "override" run 0 --decimal-separator , --json --case "$work/bank.vortalin" --w 1,6
check "override differs" bash -c "! cmp -s '$work/out' '$work/options.json'"
check "override velocity" grep -qF '"w": 1.6' "$work/out"

# Refused case files: exit 2 and a message naming the file; unknown keys only warn.
printf '' >"$work/empty.vortalin"
printf '{"format": "vortalin-case", "version": 7}' >"$work/newer.vortalin"
printf '{"format": "vortalin-case", "version": 1, "w": 2}' >"$work/number.vortalin"
printf '{"format": "vortalin-case", "version": 1, "x": "1", "w": "2"}' >"$work/extra.vortalin"
check "empty case" run 2 --case "$work/empty.vortalin"
check "empty case message" err_has "„$work/empty.vortalin“ sa nedá načítať: súbor je prázdny."
check "newer case" run 2 --case "$work/newer.vortalin"
check "newer case message" err_has "novšia verzia programu (verzia formátu 7)"
check "number in case" run 2 --case "$work/number.vortalin"
check "missing case" run 2 --case "$work/none.vortalin"
check "missing case named in Slovak" err_has "súbor sa nedá otvoriť (súbor neexistuje)"
check "folder as case" run 2 --case "$work"
check "folder as case named in Slovak" err_has "súbor sa nedá otvoriť (je to priečinok)"
check "unknown key" run 0 --case "$work/extra.vortalin"
check "unknown key named" err_has "neznáme kľúče „x“"
check "write case to a missing folder" run 3 --write-case "$work/none/c.vortalin"
check "write case to standard output" run 0 --decimal-separator , "${every[@]}" --write-case -
check "case on standard output is the file's" cmp -s "$work/out" "$work/all.vortalin"
check "batch with an empty out" run 2 --grid w=1:2:2 --out ""
if [[ -z $emulator ]]; then
# The results file by the kind of its target: each kind is prepared, swept into with
# --out, and checked afterwards. The system's devices are named through links of our own
# (and /dev/stdout as the kernel's /proc/self/fd/1), so that a writer that wrongly replaced
# its target would replace our link, never a node in /dev (as root it could).
sweep_lines=11
results_ok() { test "$(wc -l <"$1")" -eq $sweep_lines && head -c 7 "$1" | grep -q Teplota; }
kinds_dir=$work/kinds
prepare_regular() { printf old >"$kinds_dir/r.txt" && chmod 640 "$kinds_dir/r.txt" && echo "$kinds_dir/r.txt"; }
verify_regular() { results_ok "$kinds_dir/r.txt" && test "$(stat -c %a "$kinds_dir/r.txt")" = 640; }
prepare_new() { echo "$kinds_dir/new.txt"; }
verify_new() { results_ok "$kinds_dir/new.txt"; }
prepare_link_chain() {
    mkdir "$kinds_dir/shared" && printf old >"$kinds_dir/shared/r.txt" &&
        ln -s shared/r.txt "$kinds_dir/l1" && ln -s l1 "$kinds_dir/l2" && echo "$kinds_dir/l2"
}
verify_link_chain() {
    test -L "$kinds_dir/l2" && test -L "$kinds_dir/l1" && results_ok "$kinds_dir/shared/r.txt"
}
prepare_dangling_link() { ln -s target.txt "$kinds_dir/dangling" && echo "$kinds_dir/dangling"; }
verify_dangling_link() { test -L "$kinds_dir/dangling" && results_ok "$kinds_dir/target.txt"; }
prepare_fifo() {
    mkfifo "$kinds_dir/fifo" && { timeout 60 cat "$kinds_dir/fifo" >"$kinds_dir/read.txt" & } && echo "$kinds_dir/fifo"
}
verify_fifo() { wait && test -p "$kinds_dir/fifo" && results_ok "$kinds_dir/read.txt"; }
prepare_dev_null() { ln -s /dev/null "$kinds_dir/null" && echo "$kinds_dir/null"; }
verify_dev_null() { test -L "$kinds_dir/null" && test -c /dev/null; }
prepare_dev_stdout() { echo /proc/self/fd/1; }
verify_dev_stdout() { results_ok "$work/out"; }
prepare_dash() { echo -; }
verify_dash() { results_ok "$work/out" && grep -qF "status:" "$work/err"; }
prepare_folder() { mkdir "$kinds_dir/folder" && echo "$kinds_dir/folder"; }
verify_folder() {
    test -d "$kinds_dir/folder" && err_has "„$kinds_dir/folder“ sa nepodarilo vytvoriť (v ceste stojí priečinok"
}
prepare_link_loop() { ln -s la "$kinds_dir/lb" && ln -s lb "$kinds_dir/la" && echo "$kinds_dir/la"; }
verify_link_loop() {
    test -L "$kinds_dir/la" && test -L "$kinds_dir/lb" && err_has "(symbolické odkazy tvoria slučku)"
}
prepare_full_device() { ln -s /dev/full "$kinds_dir/full" && echo "$kinds_dir/full"; }
verify_full_device() {
    test -L "$kinds_dir/full" && test -c /dev/full && err_has "(na disku nie je voľné miesto)"
}
# kind expected-exit
while read -r kind code; do
    rm -rf "$kinds_dir" && mkdir "$kinds_dir"
    # Prepared in this shell (not in a $(...) subshell), so that verify can wait for a
    # reader it started in the background.
    prepare_"$kind" >"$work/target"
    target=$(cat "$work/target")
    check "kind $kind: exit" run "$code" --sweep w --out "$target"
    check "kind $kind: result" verify_"$kind"
    check "kind $kind: no temporary file" test -z "$(find "$kinds_dir" -name '*.txt.*')"
done <<'KINDS'
regular 0
new 0
link_chain 0
dangling_link 0
fifo 0
dev_null 0
dev_stdout 0
dash 0
folder 3
link_loop 3
full_device 3
KINDS

# A file-size limit (ulimit -f, in 1024-byte blocks) fails a write as a full disk does, also
# the last buffered bytes: the earlier file stays, the reason is given, the exit code is 3.
size_limited() { # size_limited BLOCKS OPTIONS...
    local blocks=$1
    shift
    printf old >"$kinds_dir/keep.txt"
    # The message goes through a pipe: the limit would stop it in a file too.
    { (ulimit -f "$blocks" && exec "$cli" "$@" 2>&1 >/dev/null) | cat >"$work/err"; }
    local code=${PIPESTATUS[0]}
    test $code -eq 3 && test "$(cat "$kinds_dir/keep.txt")" = old &&
        err_has "(súbor je príliš veľký)" && test -z "$(find "$kinds_dir" -name 'keep.txt.*')"
}
check "size limit during a sweep" size_limited 1 --sweep w --steps 100 --out "$kinds_dir/keep.txt"
check "size limit at the last bytes" size_limited 1 --sweep w --steps 9 --out "$kinds_dir/keep.txt"
check "size limit of a case file" size_limited 0 --write-case "$kinds_dir/keep.txt"

# SIGINT and SIGTERM during a long sweep: the earlier file stays, no temporary file is left,
# one line says so, and the exit code tells the signal.
sweep_running() { # the sweep's temporary file is open (unnamed, or named beside the target)
    ls -l "/proc/$1/fd" 2>/dev/null | grep -q "$work/sig" ||
        compgen -G "$work/sig/keep.txt.*" >/dev/null
}
interrupted_by() { # interrupted_by SIGNAL EXPECTED_EXIT
    rm -rf "$work/sig" && mkdir "$work/sig" && printf old >"$work/sig/keep.txt"
    set -m # a background job of a script would otherwise ignore SIGINT
    "$cli" --sweep w --steps 100000000 --out "$work/sig/keep.txt" >"$work/out" 2>"$work/err" &
    local pid=$!
    set +m
    for _ in $(seq 200); do sweep_running $pid && break; sleep 0.05; done
    kill -s "$1" $pid
    wait $pid
    local code=$?
    [[ $code -eq $2 ]] && [[ "$(cat "$work/sig/keep.txt")" = old ]] &&
        [[ "$(ls -A "$work/sig")" = keep.txt ]] && [[ $(wc -l <"$work/err") -eq 1 ]] &&
        err_has "$1: Parametrická štúdia bola zastavená." && [[ ! -s "$work/out" ]]
}
check "SIGINT stops the sweep" interrupted_by INT 130
check "SIGTERM stops the sweep" interrupted_by TERM 143

else
    # Windows: the results file in text mode, a folder and file with a Slovak name, and the
    # targets Windows will not let the writer replace, each refused with the earlier file
    # untouched and no temporary file left.
    mkdir -p "$work/výsledky"
    check "sweep into a Slovak folder" run 0 --decimal-separator , --sweep w --out "$work/výsledky/výsledky.txt"
    check "Slovak file written" test "$(wc -l <"$work/výsledky/výsledky.txt")" -eq 11
    check "every line ends in CR LF" test "$(grep -c $'\r$' "$work/výsledky/výsledky.txt")" -eq 11
    check "else as on Linux" bash -c "tr -d '\r' <'$work/výsledky/výsledky.txt' | cmp -s - <(tr -d '\r' <'$work/v.txt')"
    cp "$work/výsledky/výsledky.txt" "$work/earlier.txt"
    chmod a-w "$work/výsledky/výsledky.txt" # Wine shows it as a read-only file
    check "read-only sweep exit" run 3 --sweep w --steps 3 --out "$work/výsledky/výsledky.txt"
    check "read-only reason" err_has "súbor je len na čítanie"
    check "read-only file untouched" cmp -s "$work/výsledky/výsledky.txt" "$work/earlier.txt"
    chmod u+w "$work/výsledky/výsledky.txt"
    if [[ -n $hold_open ]]; then
        # A spreadsheet keeps the results file open while it shows it.
        rm -f "$work/held"
        "$emulator" "$hold_open" "$work/výsledky/výsledky.txt" "$work/held" 60 &
        holder=$!
        for _ in $(seq 600); do [[ -e $work/held ]] && break; sleep 0.1; done
        check "held file: holder ready" test -e "$work/held"
        check "held file: sweep exit" run 3 --sweep w --steps 3 --out "$work/výsledky/výsledky.txt"
        check "held file: reason" err_has "súbor je otvorený v inom programe"
        check "held file: untouched" cmp -s "$work/výsledky/výsledky.txt" "$work/earlier.txt"
        kill "$holder" 2>/dev/null
        wait "$holder" 2>/dev/null
    fi
    check "no temporary file left" test "$(ls "$work/výsledky" | wc -l)" -eq 1
    check "sweep on standard output" run 0 --sweep w --out -
    check "standard output has CR LF" test "$(grep -c $'\r$' "$work/out")" -eq 11
fi

# The equation used and the warnings: plain lines, JSON fields, batch columns.
check "equation line" run 0
check "equation named" has "equation: pipe-transitional-wall-temperature – Rúra, prechodová oblasť, konšt. teplota steny (Gnielinski 1995, VDI G1)"
check "no warning inside the ranges" bash -c "! grep -q '^warning:' '$work/out'"
check "water far beyond the range" run 0 --fluid water --t-wall 60 --w 1000
check "range warning line" has "warning: Re = 1.0E+08 je mimo overeného rozsahu rovnice (10000 až 1E+06)."
check "water far beyond the range json" run 0 --fluid water --t-wall 60 --w 1000 --json
check "json equation id" has '"id": "pipe-turbulent"'
for key in name formula source ranges; do
    check "json equation $key" has "\"$key\": "
done
check "json warning quantity" has '"quantity": "Re"'
check "json warning bound" has '"bound": 1000000'
check "json warning text" has '"text": "Re = 1.0E+08 je mimo overeného rozsahu rovnice (10000 až 1E+06)."'
check "json status unchanged" has '"status": "Nachádzate sa v turbulentnej oblasti prúdenia."'
check "refused json" run 1 --json --w 50 --length 0.05
check "refused json names no equation" has '"equation": null'
check "refused json has no warnings" has '"warnings": ['
check "refused text names no equation" run 1 --w 50 --length 0.05
check "refused text has no equation line" bash -c "! grep -q '^equation:' '$work/out'"
check "premises" run 0 --geometry inline-bank --w 0 --t-wall 21
check "premise no flow" has "warning: w = 0 m/s: tekutina neprúdi, rovnica nútenej konvekcie neplatí."
check "premise wall" has "warning: Teplota steny 21 °C nie je mimo teplôt tekutiny (20 až 22 °C): teplo netečie jedným smerom."
check "premise rows" has "warning: Počet radov 1 nezodpovedá voľbe „Počet radov >= 10“."
printf 'w;geometry;fluid;t-wall\n1;pipe;air;30\n1000;pipe;water;60\n1;slot;air;30\n' >"$work/eq.csv"
check "batch columns" run 0 --batch "$work/eq.csv"
check "batch header ends with equation and warnings" has ";shown;message;equation;warnings"
check "batch equation of a shown case" has ";1;;pipe-transitional-wall-temperature;"
check "batch warning of a case beyond the range" has ";1;;pipe-turbulent;Re = "
check "batch refused case names no equation" has "(Re<2300).;;"
check "batch json lines" run 0 --batch "$work/eq.csv" --json
check "batch json lines equation" has '"equation":{"formula":'
check "batch json lines warnings" has '"warnings":[{"bound":1000000'

check "help" run 0 --help
check "help lists geometries" has "finned-bank"
check "help keeps names whole" has "partly-staggered-bank"
check "version" run 0 --version
check "version text" has "vortalin-cli $version"

echo "$passed passed, $failed failed"
[[ $failed -eq 0 ]]
