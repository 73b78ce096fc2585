#!/usr/bin/env bash
# The Windows installer and zip under Wine, in a Wine prefix of their own:
# a silent per-user install, a second install over it (one entry among the installed
# programs), the installed programs run, the uninstaller leaving nothing behind; and the
# zip unpacked into a folder with a Slovak name and run from there.
# Usage: test_installer.sh WINE_RUN SETUP_EXE ZIP VERSION SOURCE_DIR
set -uo pipefail
wine_run=$1
setup=$2
zip=$3
version=$4
work=$(mktemp -d)
export VORTALIN_WINEPREFIX=$work/prefix
trap '"$wine_run" --stop; rm -rf "$work"' EXIT
source "$(dirname "$0")/../../tests/checks.sh"
wine() { "$wine_run" "$@"; }
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall'
# The value of a registry entry, or nothing.
reg_value() { # reg_value KEY NAME
    wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$2 *REG_[A-Z_]* *//p"
}
installed_entries() {
    wine reg query "$uninstall_key" 2>/dev/null | tr -d '\r' | grep -c 'Uninstall\\Vortalin$'
}
# A Windows path (C:\...) as the path of this machine.
unix_path() { wine winepath.exe -u "$1" 2>/dev/null | tr -d '\r'; }

"$wine_run" --start

# Installed twice: one entry, the version of project().
check "install" wine "$setup" /S
check "install again" wine "$setup" /S
check "one entry among the installed programs" test "$(installed_entries)" -eq 1
check "version of the entry" test "$(reg_value "$uninstall_key\\Vortalin" DisplayVersion)" = "$version"
location=$(reg_value "$uninstall_key\\Vortalin" InstallLocation)
check "per-user folder" bash -c "[[ '$location' == *'AppData\\Local\\Programs\\Vortalin' ]]"
folder=$(unix_path "$location")
check "installed programs" test -f "$folder/vortalin-cli.exe" -a -f "$folder/uninstall.exe"
check "Qt's Slovak texts" test -f "$folder/translations/qtbase_sk.qm"

# The installed command line: the defaults, and a case file it wrote itself.
cli() { (cd "$work" && wine "$folder/vortalin-cli.exe" "$@"); }
cli --decimal-separator . >"$work/out"
check "installed cli runs" test $? -eq 0
check "installed cli result" grep -qF "Nusseltovo číslo (1) : 27.0810" "$work/out"
cli --decimal-separator , --geometry staggered-bank --w 2,5 --write-case 'C:\users\Public\banka.vortalin'
case_file=$(unix_path 'C:\users\Public\banka.vortalin')
check "installed cli writes a case" test -s "$case_file"
cli --decimal-separator , --json --geometry staggered-bank --w 2,5 >"$work/options.json"
cli --decimal-separator , --json --case 'C:\users\Public\banka.vortalin' >"$work/case.json"
check "installed cli runs the case" cmp -s "$work/options.json" "$work/case.json"
check "the case is not the defaults" grep -qF '"w": 2.5' "$work/case.json"
# The calculation sheet from the installation: vortalin-report.exe draws it offscreen.
cli --decimal-separator , --case 'C:\users\Public\banka.vortalin' --report 'C:\users\Public\banka.pdf' >/dev/null
check "installed cli writes the sheet" test $? -eq 0
sheet_text=$(pdftotext "$(unix_path 'C:\users\Public\banka.pdf')" - 2>/dev/null)
check "the sheet holds the case" grep -qF "Vortalin" <<<"$sheet_text"
check "the sheet holds the velocity" grep -qF "2,5" <<<"$sheet_text"

if [[ -f $folder/vortalin.exe ]]; then
    # The Start-menu entry and the case files opened by the window.
    check "Start-menu entry" test -f "$(unix_path 'C:\users\root\AppData\Roaming\Microsoft\Windows\Start Menu\Programs')/Vortalin.lnk"
    check "case files open in the window" bash -c "'$wine_run' reg query 'HKCU\\Software\\Classes\\Vortalin.Case\\shell\\open\\command' | grep -q vortalin.exe"
    # The installed window, offscreen, with the case file as a double click gives it: it
    # finds its DLLs and plugins in the installed folder, opens the case and keeps running
    # until it is ended (that the case's texts reach the fields is gui_CaseFileTest's part).
    QT_QPA_PLATFORM=offscreen timeout 30 "$wine_run" "$folder/vortalin.exe" \
        'C:\users\Public\banka.vortalin' >"$work/window.txt" 2>&1
    check "installed window runs on the case" test $? -eq 124
fi

# Uninstalled: the uninstaller copies itself away and returns at once; wait for it.
wine "$folder/uninstall.exe" /S
for _ in $(seq 120); do
    [[ -e $folder ]] || break
    sleep 1
done
check "install folder removed" test ! -e "$folder"
check "entry removed" test "$(installed_entries)" -eq 0
check "association removed" bash -c "! '$wine_run' reg query 'HKCU\\Software\\Classes\\.vortalin' >/dev/null 2>&1"
check "Start-menu entry removed" test ! -e "$(unix_path 'C:\users\root\AppData\Roaming\Microsoft\Windows\Start Menu\Programs')/Vortalin.lnk"

# The zip runs from any folder, one with a Slovak name too.
mkdir -p "$work/výsledky a zip"
(cd "$work/výsledky a zip" && cmake -E tar xf "$zip")
unzipped=$(echo "$work/výsledky a zip"/vortalin-*-win64)
check "zip cli runs" bash -c "cd '$work' && '$wine_run' '$unzipped/vortalin-cli.exe' --decimal-separator . >'$work/zip.txt'"
check "zip cli result" grep -qF "Nusseltovo číslo (1) : 27.0810" "$work/zip.txt"
check "zip cli writes the sheet" bash -c "cd '$work' && '$wine_run' '$unzipped/vortalin-cli.exe' --report 'výsledky a zip/protokol.pdf' >/dev/null"
check "zip sheet is a PDF" bash -c "pdftotext '$work/výsledky a zip/protokol.pdf' - | grep -qF Vortalin"
check "zip sweep into a Slovak folder" bash -c "cd '$work' && '$wine_run' '$unzipped/vortalin-cli.exe' --sweep w --out 'výsledky a zip/výsledky.txt' >/dev/null"
check "zip sweep CR LF" bash -c "test \"\$(grep -c \$'\\r\$' '$work/výsledky a zip/výsledky.txt')\" -eq 11"

echo "installer: $passed passed, $failed failed"
((failed == 0))
