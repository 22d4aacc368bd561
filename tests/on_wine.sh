#!/usr/bin/env bash
# Runs a Windows test program under Wine: the emulator of the cross build's tests. Qt's libraries
# and the compiler's runtime are found through WINEPATH, which ZORVEL_WINEPATH gives (Qt's bin
# folder and the runtime's folders, separated by ';'). Wine needs an X display even for Qt's
# offscreen platform; the caller provides it and the Wine prefix.
set -euo pipefail
export WINEPATH="${ZORVEL_WINEPATH:?the folders of Qt and the runtime libraries}"
export WINEDEBUG="${WINEDEBUG:--all}"
# Qt's offscreen platform on Windows knows only the fonts of one folder: it is given the Japanese
# faces that the tests on Linux draw with.
if [ "${QT_QPA_PLATFORM:-}" = offscreen ] && [ -z "${QT_QPA_FONTDIR:-}" ]; then
    QT_QPA_FONTDIR=$(winepath -w /usr/share/fonts/opentype/ipafont-gothic)
    export QT_QPA_FONTDIR
fi
# Wine keeps the host's variables named QT_... from its programs; given as WINEQT_..., they reach
# them under their own names.
for variable in $(compgen -e | grep '^QT_' || true); do
    export "WINE$variable=${!variable}"
done
program=$1
shift
# What a QtTest program prints does not reach Wine's standard output: it is asked for a file.
if grep -q --text Qt6Test.dll "$program"; then
    log=$(mktemp)
    trap 'rm -f "$log"' EXIT
    status=0
    wine "$program" "$@" -o "$(winepath -w "$log"),txt" || status=$?
    cat "$log"
    exit "$status"
fi
exec wine "$program" "$@"
