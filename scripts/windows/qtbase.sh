# Builds Qt's qtbase for 64-bit Windows from Debian's source package, once, into a cache folder
# outside the checkout (sourced by scripts/windows.sh; sets VORTALIN_WINDOWS_QT).
#
# The cache folder is named by the Qt version and a hash of everything that shapes the build
# (configure options, toolchain file, compiler version), so changing any of them builds anew and
# an unchanged one is reused. The build is installed into a staging folder first and moved into
# place with one rename, so an interrupted build never leaves a half cache behind.

VORTALIN_QT_VERSION=6.4.2
VORTALIN_QT_SOURCE_VERSION=6.4.2+dfsg-10
VORTALIN_CACHE_ROOT=${VORTALIN_CACHE_ROOT:-/var/cache/vortalin}

# What the program does not use is off: it shortens the build and keeps the DLLs small.
# directwrite3 is off because the qwindows plugin fails to link with mingw's headers otherwise;
# tabletevent is off because Debian's source tarball lacks the wintab headers it needs.
VORTALIN_QT_OPTIONS=(
    -DCMAKE_BUILD_TYPE=Release
    -DBUILD_SHARED_LIBS=ON
    -DQT_BUILD_EXAMPLES=OFF
    -DQT_BUILD_TESTS=OFF
    -DQT_HOST_PATH=/usr
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
    -DFEATURE_pkg_config=OFF
    -DFEATURE_network=OFF
    -DFEATURE_sql=OFF
    -DFEATURE_xml=OFF
    -DFEATURE_concurrent=OFF
    -DFEATURE_opengl=OFF
    -DFEATURE_dbus=OFF
    -DFEATURE_vulkan=OFF
    -DFEATURE_direct2d=OFF
    -DFEATURE_directwrite3=OFF
    -DFEATURE_tabletevent=OFF
    -DFEATURE_zstd=OFF
    -DFEATURE_jpeg=OFF
    -DFEATURE_gif=OFF
    -DFEATURE_system_zlib=OFF
    -DFEATURE_system_png=OFF
    -DFEATURE_system_freetype=OFF
    -DFEATURE_system_harfbuzz=OFF
    -DFEATURE_system_pcre2=OFF
    -DFEATURE_system_doubleconversion=OFF
    -DFEATURE_gui=ON
    -DFEATURE_widgets=ON
    -DFEATURE_printsupport=ON
    -DFEATURE_testlib=ON
)

# Two fixes to Debian's qtbase 6.4.2 for the features switched off here:
# - Direct2D off: Qt's Gui builds its DirectWrite font engine only with Direct2D, but the
#   Windows print engine calls it whenever DirectWrite is on, and Qt6PrintSupport fails to
#   link. The print engine then takes its GDI font path.
# - OpenGL off: the qwindows plugin still uses the dynamic-GL context when `dynamicgl` is
#   on (it stays on by default), and fails to compile.
vortalin_patch_qt_source() {
    sed -i 's/^#if QT_CONFIG(directwrite)$/#if QT_CONFIG(directwrite) \&\& QT_CONFIG(direct2d)/' \
        "$1/src/printsupport/platform/windows/qprintengine_win.cpp"
    sed -i 's/^#if QT_CONFIG(dynamicgl)$/#if QT_CONFIG(dynamicgl) \&\& QT_CONFIG(opengl)/' \
        "$1/src/plugins/platforms/windows/qwindowswindow.cpp"
}

vortalin_qt_key() {
    {
        echo "$VORTALIN_QT_SOURCE_VERSION"
        declare -f vortalin_patch_qt_source
        printf '%s\n' "${VORTALIN_QT_OPTIONS[@]}"
        cat "$VORTALIN_TOOLCHAIN"
        x86_64-w64-mingw32-g++-posix --version | head -n 1
    } | sha256sum | cut -c1-12
}

# Fetches and unpacks Debian's qt6-base source package into $1; the machine's apt sources list
# binary packages only, so a deb-src stanza with the same archives goes into a file of its own.
vortalin_fetch_qt_source() {
    local dest=$1 sources=/etc/apt/sources.list.d/debian.sources
    local src_list=/etc/apt/sources.list.d/vortalin-deb-src.sources
    if [[ ! -f $src_list ]]; then
        if [[ ! -f $sources ]]; then
            echo "error: $sources not found: cannot add the Debian source archive" >&2
            return 1
        fi
        sed -n 's/^Types:.*deb\b.*/Types: deb-src/; p' "$sources" >"$src_list"
        apt-get update -o DPkg::Lock::Timeout=600 -qq
    fi
    mkdir -p "$dest"
    if ! (cd "$dest" && apt-get source -qq --download-only "qt6-base=$VORTALIN_QT_SOURCE_VERSION"); then
        cat >&2 <<MSG
error: Debian's source package qt6-base $VORTALIN_QT_SOURCE_VERSION could not be fetched.
  The Windows build needs it once to build qtbase for mingw into $VORTALIN_CACHE_ROOT.
  Check that the machine reaches the Debian archive and that $src_list lists it
  (Types: deb-src, same URIs and suites as $sources), then run this again.
MSG
        return 1
    fi
    (cd "$dest" && dpkg-source -x --no-check qt6-base_*.dsc qtbase >/dev/null)
    vortalin_patch_qt_source "$dest/qtbase"
}

# Sets VORTALIN_WINDOWS_QT to the cached qtbase for Windows, building it first when missing.
vortalin_ensure_qtbase() {
    local key prefix work
    key=$(vortalin_qt_key)
    prefix=$VORTALIN_CACHE_ROOT/qtbase-$VORTALIN_QT_VERSION-mingw-$key
    VORTALIN_WINDOWS_QT=$prefix
    mkdir -p "$VORTALIN_CACHE_ROOT"
    exec 9>"$VORTALIN_CACHE_ROOT/qtbase.lock"
    flock 9
    if [[ -f $prefix/lib/cmake/Qt6/Qt6Config.cmake ]]; then
        echo "qtbase for Windows: cached in $prefix"
        flock -u 9
        return 0
    fi
    echo "qtbase for Windows: building into $prefix (takes a while on a cold cache)"
    work=$VORTALIN_CACHE_ROOT/work-$key
    rm -rf "$work"
    mkdir -p "$work"
    vortalin_fetch_qt_source "$work/src" || return 1
    cmake -G Ninja -S "$work/src/qtbase" -B "$work/build" \
        -DCMAKE_TOOLCHAIN_FILE="$VORTALIN_TOOLCHAIN" \
        -DCMAKE_INSTALL_PREFIX="$prefix" \
        "${VORTALIN_QT_OPTIONS[@]}" >"$work/configure.log" 2>&1 || {
        tail -n 40 "$work/configure.log" >&2
        echo "error: configuring qtbase failed; the whole log is $work/configure.log" >&2
        return 1
    }
    cmake --build "$work/build" -j"$(nproc)" >"$work/build.log" 2>&1 || {
        tail -n 40 "$work/build.log" >&2
        echo "error: building qtbase failed; the whole log is $work/build.log" >&2
        return 1
    }
    DESTDIR=$work/stage cmake --install "$work/build" >"$work/install.log" 2>&1 || {
        tail -n 20 "$work/install.log" >&2
        echo "error: installing qtbase failed; the whole log is $work/install.log" >&2
        return 1
    }
    mv -T "$work/stage$prefix" "$prefix"
    rm -rf "$work"
    flock -u 9
    echo "qtbase for Windows: built into $prefix"
}
