#!/bin/sh
# Runs a window test on the Wayland platform, on the headless compositor that scripts/test starts
# for the tests and names in ZORVEL_TEST_WAYLAND_DISPLAY; without one the test counts as skipped.
if [ -z "${ZORVEL_TEST_WAYLAND_DISPLAY:-}" ]; then
    echo "No compositor started for the tests: scripts/test starts one."
    exit 77
fi
export WAYLAND_DISPLAY="$ZORVEL_TEST_WAYLAND_DISPLAY" QT_QPA_PLATFORM=wayland
# Only the Wayland client library's and the OpenGL driver's own allocations are left out of the
# sanitizer's leak check.
export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$(dirname "$0")/wayland_leaks.supp"
# Qt's Wayland plugin loads Mesa's OpenGL driver and unloads it as the program ends, before the
# leak check, which then finds what the driver held as leaked from an unknown module that no
# suppression can name. Under the sanitizer the driver is loaded from the start instead, after
# the sanitizer's runtime, which must come first, so that it stays loaded to the end. Mesa's
# drivers are one library under many names: keeping one keeps whichever Mesa picks.
sanitizer_runtime=$(ldd "$1" | awk '$1 ~ /^libasan/ && $2 == "=>" { print $3 }')
opengl_driver="$(dirname "$sanitizer_runtime")/dri/swrast_dri.so"
if [ -n "$sanitizer_runtime" ] && [ -e "$opengl_driver" ]; then
    export LD_PRELOAD="$sanitizer_runtime $opengl_driver${LD_PRELOAD:+ $LD_PRELOAD}"
fi
exec "$@"
