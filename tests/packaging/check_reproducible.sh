#!/usr/bin/env bash
# Checks that the same source gives the same package, byte for byte: builds the game again from a
# copy of the source in another, deeper folder, under another umask, time zone and locale and with
# the clock a day ahead (faketime), makes the package there and compares it with the one under
# test. Where they differ, diffoscope tells how.
#
# Usage: check_reproducible.sh PACKAGE SOURCE WORK_DIR CMAKE_OPTION...
#   PACKAGE        the package made from the build under test
#   SOURCE         the source folder it was built from
#   WORK_DIR       a scratch folder for the second build
#   CMAKE_OPTION   the generator, compiler and build type of the build under test
set -euo pipefail
package=$(readlink -f "$1") source=$2 work=$3
shift 3

rm -rf "$work"
copy=$work/another/folder/of/the/source
mkdir -p "$copy"
# The source as a clone has it, with its git metadata (the time of the last commit is the time
# the build writes) and without the build folders.
tar -C "$source" --exclude=./build --exclude='./build-*' --exclude=./out -c . | tar -C "$copy" -x

log=$work/build.log
# The other locale is whichever of C and C.UTF-8 this one is not.
[ "$(locale charmap 2>/dev/null)" = UTF-8 ] && locale=C || locale=C.UTF-8
if ! (
    umask 002
    export TZ=JST-9 LC_ALL=$locale
    again() { faketime -f +1d "$@"; }
    again cmake -S "$copy" -B "$copy/build/again" "$@" -DBUILD_TESTING=OFF \
        -DZORVEL_BUILD_BENCHMARKS=OFF
    again cmake --build "$copy/build/again" -j"$(nproc)"
    again cpack --config "$copy/build/again/CPackConfig.cmake" -G DEB -B "$work/package"
) >"$log" 2>&1; then
    tail -n 30 "$log"
    echo "FAIL: the second build failed (log: $log)"
    exit 1
fi

again=("$work"/package/*.deb)
if ! cmp --quiet "$package" "${again[0]}"; then
    diffoscope --text "$work/diffoscope.txt" "$package" "${again[0]}" >/dev/null 2>&1 || true
    head -n 150 "$work/diffoscope.txt"
    echo "FAIL: the package built again differs (diffoscope: $work/diffoscope.txt)"
    exit 1
fi
echo "The package built again is the same: $(sha256sum <"$package" | cut -d' ' -f1)"
