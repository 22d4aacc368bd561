# Debian packages the game needs, and a helper that installs the missing ones. The names are the
# same on Debian 12 and 13: no version in a name where a plain one exists.
# Sourced by the play and test scripts.

ZORVEL_BUILD_PACKAGES=(
    cmake g++ make ninja-build pkg-config
    qt6-base-dev libqt6svg6 libpulse-dev
    libchm-dev libchm1 fp-utils acl
    fonts-ipafont-gothic
)
ZORVEL_TEST_PACKAGES=(
    libgtest-dev libgmock-dev libbenchmark-dev
    desktop-file-utils appstream dpkg-dev file lintian faketime diffoscope-minimal
    weston qt6-wayland
    pipewire wireplumber pipewire-pulse pulseaudio-utils dbus-daemon
)
# libFuzzer comes with clang's runtime libraries.
ZORVEL_FUZZ_PACKAGES=(
    clang libclang-rt-dev
)

# The fresh Debian systems that the game and its package are tested in (scripts/chroot.sh).
ZORVEL_CHROOT_PACKAGES=(
    debootstrap
)

# Installs what is missing of the given packages: itself when run as root, otherwise it prints
# the one command to run and stops.
zorvel_require_packages() {
    local missing=()
    local package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed"; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "Some packages are missing. Install them with:" >&2
        echo "  sudo apt-get install -y ${missing[*]}" >&2
        exit 1
    fi
    echo "Installing ${missing[*]}" >&2
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
