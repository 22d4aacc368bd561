#!/bin/sh
# Runs a window test on the Wayland platform, on the headless compositor that scripts/test starts
# for the tests and names in ZORVEL_TEST_WAYLAND_DISPLAY; without one the test counts as skipped.
if [ -z "${ZORVEL_TEST_WAYLAND_DISPLAY:-}" ]; then
    echo "No compositor started for the tests: scripts/test starts one."
    exit 77
fi
export WAYLAND_DISPLAY="$ZORVEL_TEST_WAYLAND_DISPLAY" QT_QPA_PLATFORM=wayland
# Only the Wayland client library's own allocations are left out of the sanitizer's leak check.
export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$(dirname "$0")/wayland_leaks.supp"
exec "$@"
