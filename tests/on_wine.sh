#!/usr/bin/env bash
# Runs a Windows test program under Wine: the emulator of the cross build's tests. Qt's libraries
# and the compiler's runtime are found through WINEPATH, which ZORVEL_WINEPATH gives (Qt's bin
# folder and the runtime's folders, separated by ';'). Wine needs an X display even for Qt's
# offscreen platform; the caller provides it and the Wine prefix.
set -euo pipefail
export WINEPATH="${ZORVEL_WINEPATH:?the folders of Qt and the runtime libraries}"
export WINEDEBUG="${WINEDEBUG:--all}"
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
