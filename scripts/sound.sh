# The sound server that the recording test and the sound benchmark play to, with a null sink to
# record from. Sourced by the test and bench scripts.

# Starts the server (scripts/sound-server, under a session bus of its own, in a process group of its
# own so that all of it stops together) in the runtime folder XDG_RUNTIME_DIR, makes a null sink the
# default and names it in ZORVEL_TEST_SINK. Sets sound_server_group to the group to kill. Without a
# server the sink stays unnamed, and the recording test is skipped.
zorvel_start_sound_server() {
    local here
    here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
    setsid dbus-run-session -- "$here/sound-server" >"$XDG_RUNTIME_DIR/sound-server.log" 2>&1 &
    sound_server_group="-$!"
    for _ in $(seq 100); do
        pactl info >/dev/null 2>&1 && break
        sleep 0.1
    done
    if pactl load-module module-null-sink sink_name=zorvel_tests >/dev/null &&
        pactl set-default-sink zorvel_tests; then
        export ZORVEL_TEST_SINK=zorvel_tests
    else
        echo "No sound server: the recording test is skipped" >&2
        cat "$XDG_RUNTIME_DIR/sound-server.log" >&2
    fi
}
