# Fresh minimal Debian systems in a folder, as a new user's machine would be, and a way to run
# commands in them. Sourced by the scripts that test the game and its package on a Debian release.
# Needs root and the Debian mirror; sourced after packages.sh.

ZORVEL_DEBIAN_MIRROR="${ZORVEL_DEBIAN_MIRROR:-http://deb.debian.org/debian}"

# Makes a fresh minimal system of RELEASE (bookworm, trixie) in DIR, which must not exist yet.
# Services that packages install are not started in it.
zorvel_chroot_create() {
    local release=$1 dir=$2
    [ "$(id -u)" -eq 0 ] || { echo "Making a Debian system needs root" >&2 && return 1; }
    zorvel_require_packages "${ZORVEL_CHROOT_PACKAGES[@]}"
    # Its own mount namespace: whatever debootstrap mounts in DIR goes when it ends.
    unshare --mount --propagation private \
        debootstrap --variant=minbase "$release" "$dir" "$ZORVEL_DEBIAN_MIRROR" >"$dir.log" 2>&1 ||
        { tail -n 20 "$dir.log" >&2 && return 1; }
    printf '#!/bin/sh\nexit 101\n' >"$dir/usr/sbin/policy-rc.d"
    chmod 755 "$dir/usr/sbin/policy-rc.d"
}

# Runs COMMAND as root in the system in DIR, with /proc, /sys, /dev and a /tmp of its own mounted
# in a mount namespace of its own, so that nothing stays mounted when it ends. Processes it leaves
# running there are stopped.
zorvel_chroot_run() {
    local dir=$1 status=0
    shift
    unshare --mount --propagation private sh -euc '
        dir=$1
        shift
        mount -t proc proc "$dir/proc"
        mount -t sysfs sys "$dir/sys"
        mount --rbind /dev "$dir/dev"
        mount -t tmpfs tmpfs "$dir/tmp"
        exec chroot "$dir" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM=dumb \
            PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin "$@"
    ' zorvel_chroot_run "$dir" "$@" || status=$?
    zorvel_chroot_stop_processes "$dir"
    return "$status"
}

# Stops the processes whose root is the system in DIR.
zorvel_chroot_stop_processes() {
    local root pids=() process
    [ -d "$1" ] || return 0
    root=$(readlink -m "$1")
    for process in /proc/[0-9]*; do
        [ "$(readlink "$process/root" 2>/dev/null)" = "$root" ] && pids+=("${process#/proc/}")
    done
    [ ${#pids[@]} -eq 0 ] || kill -9 "${pids[@]}" 2>/dev/null || true
}
