#!/usr/bin/env bash
# Lays out the installed game afresh in a scratch folder, for the packaging checks.
#
# Usage: stage.sh install CMAKE BUILD_DIR ROOT PREFIX
#            `cmake --install` for PREFIX, with ROOT as DESTDIR
#        stage.sh package CPACK BUILD_DIR WORK_DIR
#            `cpack -G DEB` into WORK_DIR, as WORK_DIR/zorvel.deb, unpacked into WORK_DIR/root
set -euo pipefail
mode=$1 tool=$2 build=$3 target=$4

rm -rf "$target"
mkdir -p "$target"
log=$(mktemp)
trap 'rm -f "$log"' EXIT
run() {
    if ! "$@" >"$log" 2>&1; then
        cat "$log"
        exit 1
    fi
}

case $mode in
    install)
        # As root usually installs: the folders that are made take the umask.
        umask 022
        DESTDIR=$target run "$tool" --install "$build" --prefix "$5"
        ;;
    package)
        # Made under the most restrictive umask, the package must still open everything to all.
        umask 077
        run "$tool" --config "$build/CPackConfig.cmake" -G DEB -B "$target"
        packages=("$target"/*.deb)
        [ ${#packages[@]} -eq 1 ] || { echo "cpack made ${#packages[@]} packages"; exit 1; }
        ln -s "$(basename "${packages[0]}")" "$target/zorvel.deb"
        dpkg --extract "$target/zorvel.deb" "$target/root"
        ;;
    *)
        echo "unknown mode $mode" >&2
        exit 2
        ;;
esac
