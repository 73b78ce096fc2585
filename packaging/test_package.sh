#!/usr/bin/env bash
# Builds the Debian package from the build folder with CPack and checks it as a packager
# and a user would: where its files are, its control fields, desktop-file-validate,
# appstreamcli, lintian, and the programs unpacked into a temporary root.
# Usage: test_package.sh BUILD_DIR VERSION APPLICATION_ID SOURCE_DIR CASE_MIME_TYPE
set -uo pipefail
build=$1
version=$2
id=$3
source_dir=$4
case_type=$5
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0

fail() {
    echo "FAILED: $*" >&2
    failed=1
}

for tool in cpack dpkg-deb desktop-file-validate appstreamcli lintian file readelf \
    update-mime-database; do
    command -v "$tool" >/dev/null || fail "$tool is missing (scripts/packages.sh installs it)"
done
[[ $failed -eq 0 ]] || exit 1

arch=$(dpkg --print-architecture)
deb="$work/vortalin_${version}_${arch}.deb"
if ! cpack --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 ||
    [[ ! -f "$deb" ]]; then
    cat "$work/cpack.log" >&2
    fail "cpack did not write $(basename "$deb")"
    exit 1
fi

# Where Debian expects the files; the two programs are the only ones in /usr/bin.
dpkg-deb -c "$deb" >"$work/contents"
awk '{print $6}' "$work/contents" | sed 's|^\./|/|; s|/$||' >"$work/paths"
expected=(
    /usr/bin/vortalin
    /usr/bin/vortalin-cli
    /usr/libexec/vortalin/vortalin-report
    "/usr/share/applications/$id.desktop"
    "/usr/share/metainfo/$id.metainfo.xml"
    "/usr/share/mime/packages/$id.xml"
    "/usr/share/icons/hicolor/scalable/apps/$id.svg"
    /usr/share/man/man1/vortalin.1.gz
    /usr/share/man/man1/vortalin-cli.1.gz
    /usr/share/doc/vortalin/copyright
    /usr/share/doc/vortalin/changelog.gz
)
icon_sizes=(16 22 24 32 48 64 128 256)
for size in "${icon_sizes[@]}"; do
    expected+=("/usr/share/icons/hicolor/${size}x${size}/apps/$id.png")
done
for path in "${expected[@]}"; do
    grep -qxF "$path" "$work/paths" || fail "$path is not in the package"
done
programs=$(grep '^/usr/bin/.' "$work/paths" | sort | tr '\n' ' ')
[[ "$programs" == "/usr/bin/vortalin /usr/bin/vortalin-cli " ]] ||
    fail "programs in /usr/bin: $programs"
outside=$(grep -v -e '^/usr/bin' -e '^/usr/share' -e '^/usr/libexec' -e '^/usr$' -e '^$' \
    "$work/paths")
[[ -z "$outside" ]] || fail "files outside /usr/bin, /usr/libexec and /usr/share:" $outside
owners=$(awk '{print $2}' "$work/contents" | sort -u)
[[ "$owners" == "root/root" ]] || fail "owners in the package: $owners"

# Control fields: dependencies come from dpkg-shlibdeps.
field() { dpkg-deb -f "$deb" "$1"; }
[[ $(field Package) == vortalin ]] || fail "Package: $(field Package)"
[[ $(field Version) == "$version" ]] || fail "Version: $(field Version)"
[[ $(field Section) == science ]] || fail "Section: $(field Section)"
[[ $(field Architecture) == "$arch" ]] || fail "Architecture: $(field Architecture)"
for library in libc6 libqt6core6 libqt6widgets6; do
    field Depends | grep -qE "(^|, )$library( |,|$)" || fail "Depends lacks $library: $(field Depends)"
done
[[ $(field Description | wc -l) -ge 3 ]] || fail "Description has no long text"

# Unpacked as dpkg would install it.
root="$work/root"
dpkg-deb -x "$deb" "$root" || fail "dpkg-deb -x"
desktop="$root/usr/share/applications/$id.desktop"
metainfo="$root/usr/share/metainfo/$id.metainfo.xml"
desktop-file-validate "$desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate --no-net"
grep -q "<release version=\"$version\"" "$metainfo" || fail "metainfo release is not $version"
grep -qx "Icon=$id" "$desktop" || fail "desktop entry Icon is not $id"

# Case files: the desktop knows their type by the suffix and opens them with the window.
grep -qx "MimeType=$case_type;" "$desktop" || fail "desktop entry MimeType is not $case_type"
grep -qx "Exec=vortalin %f" "$desktop" || fail "desktop entry does not pass the file to open"
grep -qF "<mediatype>$case_type</mediatype>" "$metainfo" || fail "metainfo lacks $case_type"
mime="$work/mime"
mkdir -p "$mime/packages"
cp "$root/usr/share/mime/packages/$id.xml" "$mime/packages/"
# (in the data folders searched, or it adds a note that it is not)
mime_log=$(XDG_DATA_DIRS="$work" update-mime-database "$mime" 2>&1) ||
    fail "update-mime-database: $mime_log"
[[ -z "$mime_log" ]] || fail "update-mime-database: $mime_log"
grep -qF ":$case_type:*.vortalin" "$mime/globs2" || fail "*.vortalin is not $case_type"
grep -qF "$case_type application/json" "$mime/subclasses" || fail "$case_type is not JSON"
for size in "${icon_sizes[@]}"; do
    png="$root/usr/share/icons/hicolor/${size}x${size}/apps/$id.png"
    file "$png" | grep -q "PNG image data, $size x $size," || fail "$png: $(file -b "$png")"
done

# Nothing installed points back into the build or source folder.
for tree in "$build" "$source_dir"; do
    refers=$(grep -rlF "$tree" "$root")
    [[ -z "$refers" ]] || fail "files that name $tree:" $refers
done
for program in bin/vortalin bin/vortalin-cli libexec/vortalin/vortalin-report; do
    ! readelf -d "$root/usr/$program" | grep -qE 'RPATH|RUNPATH' || fail "$program has a run path"
done

# The unpacked programs: the command line gives the same default example as the built one
# (whose values the command-line tests check), the window answers without a display.
unpacked_json=$("$root/usr/bin/vortalin-cli" --decimal-separator , --json) ||
    fail "unpacked vortalin-cli --json"
built_json=$("$build/app/cli/vortalin-cli" --decimal-separator , --json)
[[ "$unpacked_json" == "$built_json" ]] || fail "unpacked vortalin-cli gives another result"
for text in '"Edit16": "27,0810"' '"Edit17": "6,8910"' '"shown": true'; do
    grep -qF "$text" <<<"$unpacked_json" || fail "unpacked vortalin-cli --json lacks $text"
done
# The version and the build identifier, as the built programs give them.
build_id=$("$build/app/cli/vortalin-cli" --version | sed -n 's/^vortalin-cli [^ ]* //p')
[[ $("$root/usr/bin/vortalin-cli" --version) == "vortalin-cli $version $build_id" ]] ||
    fail "vortalin-cli --version"
[[ $(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/usr/bin/vortalin" --version) == \
    "vortalin $version $build_id" ]] || fail "vortalin --version"
# The installed command line finds its sheet drawer, also without a display.
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/usr/bin/vortalin-cli" \
    --report "$work/protokol.pdf" >/dev/null || fail "unpacked vortalin-cli --report"
head -c 5 "$work/protokol.pdf" | grep -q '^%PDF-' || fail "unpacked vortalin-cli --report: no PDF"

# The window starts from the desktop entry's Exec line on a case file and keeps running
# until stopped.
case_file="$work/prípad.vortalin"
"$root/usr/bin/vortalin-cli" --geometry plate --write-case "$case_file" ||
    fail "vortalin-cli --write-case"
exec_line=$(sed -n 's/^Exec=//p' "$desktop")
PATH="$root/usr/bin:$PATH" QT_QPA_PLATFORM=offscreen timeout 3 ${exec_line/\%f/$case_file}
[[ $? -eq 124 ]] || fail "the window did not start from Exec=$exec_line"

# lintian: no errors; the remaining warnings are shown.
lintian --fail-on error --tag-display-limit 0 "$deb" || fail "lintian reports errors"

[[ $failed -eq 0 ]] && echo "package $(basename "$deb") checked"
exit $failed
