# Qt for Windows, built from Debian's own source of the host's Qt and kept in a cache. Sourced by
# scripts/package-windows; zorvel_windows_qt prints the prefix of the built Qt.
#
# The cache is ZORVEL_WINDOWS_DEPS when set, or else a folder under the user's cache directory named
# by the version and by a digest of the configuration, so that a change of options builds anew. Its
# mark of completion is written last, so a failed build leaves nothing to be taken for whole; Qt's
# installed files name their prefix, so it is built in place.

ZORVEL_WINDOWS_QT_OPTIONS=(
    -DCMAKE_BUILD_TYPE=Release
    -DBUILD_SHARED_LIBS=ON
    -DQT_BUILD_EXAMPLES=OFF
    -DQT_BUILD_TESTS=OFF
    -DFEATURE_opengl=OFF
    -DINPUT_opengl=no
    -DFEATURE_vulkan=OFF
    -DFEATURE_dbus=OFF
    -DFEATURE_network=OFF
    -DFEATURE_sql=OFF
    -DFEATURE_printsupport=OFF
    -DFEATURE_concurrent=OFF
    -DFEATURE_xml=OFF
    -DFEATURE_jpeg=OFF
    -DFEATURE_gif=OFF
    -DFEATURE_zstd=OFF
    -DFEATURE_direct2d=OFF
    # Qt builds its DirectWrite font database only with Direct2D; the default is GDI's.
    -DFEATURE_directwrite3=OFF
    # Debian's source lacks wintab.h.
    -DFEATURE_tabletevent=OFF
    # The libraries name some of their sources (in warnings) by path: by the same one whatever
    # folder Qt is built in (@WORK@).
    -DCMAKE_C_FLAGS=-ffile-prefix-map=@WORK@=.
    -DCMAKE_CXX_FLAGS=-ffile-prefix-map=@WORK@=.
)

# What the cross build itself is made with.
ZORVEL_WINDOWS_PACKAGES=(
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 qt6-base-dev qt6-base-dev-tools qmake6
    dpkg-dev cmake ninja-build zip nsis googletest
)

# What the tests under Wine need besides the test packages.
ZORVEL_WINDOWS_TEST_PACKAGES=(
    wine wine64 xvfb xauth x11-utils openbox xdotool imagemagick python3
)

zorvel_windows_qt_version() {
    dpkg-query -W -f='${Version}' qt6-base-dev
}

zorvel_windows_qt_prefix() {
    if [ -n "${ZORVEL_WINDOWS_DEPS:-}" ]; then
        echo "$ZORVEL_WINDOWS_DEPS"
        return
    fi
    local digest
    digest=$(printf '%s\n' "${ZORVEL_WINDOWS_QT_OPTIONS[@]}" "$(x86_64-w64-mingw32-g++-posix -dumpversion)" |
        sha256sum | cut -c1-12)
    echo "${XDG_CACHE_HOME:-$HOME/.cache}/zorvel/qt-$(zorvel_windows_qt_version | tr '+~:' '---')-mingw64-$digest"
}

# Fetches Debian's source of qt6-base at the host's version into $1, through a sources list of its
# own: the machine's apt configuration and lists are left as they are.
zorvel_windows_qt_source() {
    local work=$1 apt_dir="$1/apt"
    mkdir -p "$apt_dir/lists/partial" "$apt_dir/sources.list.d"
    local list
    for list in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        [ -f "$list" ] && sed -n 's/^deb /deb-src /p' "$list" >>"$apt_dir/sources.list"
    done
    for list in /etc/apt/sources.list.d/*.sources; do
        [ -f "$list" ] && sed 's/^Types: deb$/Types: deb-src/' "$list" >"$apt_dir/sources.list.d/$(basename "$list")"
    done
    touch "$apt_dir/sources.list"
    local apt_options=(-o APT::Sandbox::User=root -o Dir::Etc::SourceList="$apt_dir/sources.list"
        -o Dir::Etc::SourceParts="$apt_dir/sources.list.d" -o Dir::State::Lists="$apt_dir/lists")
    apt-get "${apt_options[@]}" update -qq
    (cd "$work" && apt-get "${apt_options[@]}" source -qq "qt6-base=$(zorvel_windows_qt_version)" >/dev/null)
}

zorvel_windows_qt() {
    local prefix
    prefix=$(zorvel_windows_qt_prefix)
    if [ -f "$prefix/complete" ]; then
        echo "$prefix"
        return
    fi
    local work
    work=$(mktemp -d)
    rm -rf "$prefix"
    echo "Building Qt $(zorvel_windows_qt_version) for Windows into $prefix" >&2
    (
        set -euo pipefail
        SECONDS=0
        zorvel_windows_qt_source "$work"
        local source
        source=$(find "$work" -maxdepth 1 -type d -name 'qt6-base-*' | head -n 1)
        # The libraries carry the Debian source's own date, whoever builds them and whenever.
        export SOURCE_DATE_EPOCH
        SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -l "$source/debian/changelog" -S Timestamp)
        cmake -G Ninja -S "$source" -B "$work/build" \
            -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
            -DQT_HOST_PATH=/usr \
            -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake" \
            -DCMAKE_INSTALL_PREFIX="$prefix" \
            "${ZORVEL_WINDOWS_QT_OPTIONS[@]//@WORK@/$work}" >"$work/configure.log" 2>&1 ||
            { tail -n 40 "$work/configure.log" >&2 && exit 1; }
        # Its warnings fill megabytes: the log is shown only when the build fails.
        cmake --build "$work/build" -j"$(nproc)" >"$work/build.log" 2>&1 ||
            { grep -B2 -A20 -m5 'FAILED:' "$work/build.log" >&2; tail -n 20 "$work/build.log" >&2; exit 1; }
        cmake --install "$work/build" --strip >/dev/null
        cp "$source/LICENSES/LGPL-3.0-only.txt" "$source/LICENSES/GPL-3.0-only.txt" "$prefix/"
        mkdir -p "$prefix/source" && cp "$source/debian/copyright" "$prefix/source/copyright"
        echo "qt6-base $(zorvel_windows_qt_version)" >"$prefix/source/version"
        # The second line of times: the user and system CPU time of the steps it ran.
        times >"$work/times"
        echo "Qt for Windows built in ${SECONDS} s (CPU, user and system: $(tail -n 1 "$work/times")):" \
            "$(du -sh "$work" | cut -f1) of source and build, $(du -sh "$prefix" | cut -f1) installed"
    ) >&2 || { rm -rf "$work" "$prefix" && return 1; }
    rm -rf "$work"
    touch "$prefix/complete"
    echo "$prefix"
}
