#!/usr/bin/env bash
# The game at rest, on the X display in DISPLAY and the sound server of XDG_RUNTIME_DIR if one runs
# there: the wake-ups per second of each of its threads (their context switches) and in all, its
# share of a core and its peak memory, over SECONDS, between games and then in a 1P game waiting
# for the human; then the same for the peer games iagno and kreversi, where they are installed.
#
#   idle_table.sh LABEL GAME_FOLDER [SECONDS]      LABEL names the sound server in each row
set -euo pipefail
label=$1 folder=$2 seconds=${3:-20}

# Per thread of process $1: its id, its name and its context switches so far.
switches() {
    local task
    for task in /proc/"$1"/task/*; do
        awk -v id="${task##*/}" -v name="$(tr ' ' _ <"$task/comm")" \
            '/ctxt_switches/ { n += $2 } END { print id, name, n }' "$task/status" 2>/dev/null || true
    done | sort
}

# The process's CPU time so far, in clock ticks: user and system, after the name in brackets.
cpu_ticks() {
    sed 's/.*) //' /proc/"$1"/stat | awk '{ print $12 + $13 }'
}

# One row: wake-ups per second in all, share of a core, peak memory, then per thread name.
measure() {
    local pid=$1 what=$2 before after cpu_before start
    before=$(switches "$pid")
    cpu_before=$(cpu_ticks "$pid")
    start=$(date +%s.%N)
    sleep "$seconds"
    after=$(switches "$pid")
    awk -v what="$what" -v label="$label" -v ticks="$(getconf CLK_TCK)" \
        -v cpu="$(($(cpu_ticks "$pid") - cpu_before))" \
        -v wall="$(echo "$(date +%s.%N) - $start" | bc)" \
        -v peak="$(awk '/VmHWM/ { print $2 }' /proc/"$pid"/status)" '
        FNR == NR { before[$1] = $3; next }
        $1 in before {
            rate = ($3 - before[$1]) / wall
            total += rate
            by_name[$2] += rate
        }
        END {
            threads = ""
            for (name in by_name)
                if (by_name[name] >= 0.05) threads = threads sprintf(" %s %.1f", name, by_name[name])
            printf "%-34s %-10s %8.1f %7.2f %% %7.1f MiB  %s\n", what, label, total,
                100 * cpu / ticks / wall, peak / 1024, threads == "" ? " -" : threads
        }' <(echo "$before") <(echo "$after")
}

# Waits up to ten seconds for a window of process $1; its id, or nothing.
window_of() {
    local _
    for _ in $(seq 100); do
        xdotool search --pid "$1" --onlyvisible 2>/dev/null | head -n 1 && return 0
        sleep 0.1
    done
}

printf "%-34s %-10s %8s %9s %11s  %s\n" "Program, state" "Server" "Wake/s" "CPU" "Peak" \
    "Wake-ups per second by thread (those waking)"

(cd "$folder" && exec ./zorvel) >/dev/null 2>&1 &
game=$!
window=$(window_of "$game")
# The sound output is made after the first paint, and opens its streams then.
sleep 3
measure "$game" "the game, between games"
# Start Game and its question's Yes, as the keyboard gives them; then the opening's four stones.
xdotool windowfocus --sync "$window" key alt+g
sleep 0.5
xdotool key Return
sleep 0.5
xdotool key Return
sleep 3
measure "$game" "the game, waiting for the human"
kill "$game"
wait "$game" 2>/dev/null || true

# Debian puts games in /usr/games, which not every PATH holds.
PATH=$PATH:/usr/games
for peer in iagno kreversi; do
    command -v "$peer" >/dev/null || continue
    "$peer" >/dev/null 2>&1 &
    pid=$!
    window_of "$pid" >/dev/null
    sleep 3
    measure "$pid" "$peer, a new game"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
done
