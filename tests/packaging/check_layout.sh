#!/usr/bin/env bash
# Checks an installed tree the way the desktop and the game use it: the menu entry runs the command,
# the command starts the program in the folder of its pictures and sounds, the help file lies
# beside the program, the icon is in the theme, the metainfo names the menu entry and the manual
# page the files the game reads. Every file must be one of these or the package's copyright and
# changelog, readable by every user.
#
# Usage: check_layout.sh ROOT PREFIX APP_ID VERSION
#   ROOT     the scratch folder the tree was installed or unpacked into
#   PREFIX   the prefix it was installed for, which the installed paths must name
#   VERSION  the game's version, which the changelog's latest entry must be
set -uo pipefail
root=$1 prefix=$2 id=$3 version=$4

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# Paths on the target system of the files accounted for so far.
accounted=()

desktop=$prefix/share/applications/$id.desktop
if [ ! -f "$root$desktop" ]; then
    echo "FAIL: no menu entry $desktop"
    exit 1
fi
accounted+=("$desktop")

entry() {
    sed -n "s/^$1=//p" "$root$desktop"
}

# The running window names the menu entry by the same id, on X11 by its class.
[ "$(entry StartupWMClass)" = "$id" ] || fail "StartupWMClass= is '$(entry StartupWMClass)', not $id"

# The menu entry runs the command on the PATH, in the data folder.
exec_line=$(entry Exec)
launcher=${exec_line%% *}
data_dir=$(entry Path)
[ "$launcher" = "$prefix/games/zorvel" ] || fail "Exec= runs '$launcher', not $prefix/games/zorvel"
[ -f "$root$launcher" ] && [ -x "$root$launcher" ] || fail "the command $launcher is missing"
accounted+=("$launcher")

# The command goes to the data folder and runs the program there.
cd_target=$(sed -n "s/^cd '\([^']*\)' && .*/\1/p" "$root$launcher")
program=$(sed -n "s/.* exec '\([^']*\)' \"\$@\"$/\1/p" "$root$launcher")
[ -n "$cd_target" ] && [ -n "$program" ] || fail "the command names no data folder or program"
[ "$cd_target" = "$data_dir" ] || fail "the command starts in '$cd_target', the menu in '$data_dir'"
case $data_dir/ in
    "$prefix"/*) ;;
    *) fail "the data folder '$data_dir' lies outside the prefix" ;;
esac
for name in ZorPatn.bmp ZorPatn@2x.bmp ZorTurn0.wav ZorTurn1.wav; do
    [ -f "$root$data_dir/$name" ] || fail "$name is not in the data folder $data_dir"
    accounted+=("$data_dir/$name")
done

# The program, and its help file beside it.
case $program in
    "$prefix"/*) ;;
    *) fail "the program '$program' lies outside the prefix" ;;
esac
if [ -f "$root$program" ] && [ -x "$root$program" ]; then
    file --brief "$root$program" | grep -q '^ELF' || fail "$program is no executable"
    if readelf --dynamic "$root$program" | grep -Eq '\((RPATH|RUNPATH)\)'; then
        fail "$program carries a run path"
    fi
else
    fail "the program $program is missing"
fi
accounted+=("$program")
help_file=$(dirname "$program")/zorvel.chm
[ "$(head -c 4 "$root$help_file" 2>/dev/null)" = ITSF ] || fail "no help file $help_file"
accounted+=("$help_file")
# The sound output, which the program loads from its own folder, with its settings beside it.
sound_module=$(dirname "$program")/libzorvel_sound.so
if file --brief "$root$sound_module" 2>/dev/null | grep -q '^ELF.*shared object'; then
    if readelf --dynamic "$root$sound_module" | grep -Eq '\((RPATH|RUNPATH)\)'; then
        fail "$sound_module carries a run path"
    fi
else
    fail "no sound module $sound_module"
fi
accounted+=("$sound_module")

# The menu's icon, in the sizes menus, docks and software centres ask for.
icon=$(entry Icon)
for size in 16 32 48 64 128 256; do
    picture=$prefix/share/icons/hicolor/${size}x${size}/apps/$icon.png
    file --brief "$root$picture" 2>/dev/null | grep -q "^PNG image data, $size x $size," ||
        fail "no $size x $size icon $picture"
    accounted+=("$picture")
done

# The metainfo names the menu entry and the command.
metainfo=$prefix/share/metainfo/$id.metainfo.xml
if [ -f "$root$metainfo" ]; then
    grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$root$metainfo" ||
        fail "the metainfo does not launch $id.desktop"
    grep -q "<binary>$(basename "$launcher")</binary>" "$root$metainfo" ||
        fail "the metainfo does not provide the command $(basename "$launcher")"
else
    fail "no metainfo $metainfo"
fi
accounted+=("$metainfo")

# The manual page of the command, compressed, names the files where they are.
manual=$prefix/share/man/man6/$(basename "$launcher").6.gz
page=$(gzip -dc "$root$manual" 2>/dev/null)
grep -q '^\.TH ZORVEL 6 ' <<<"$page" || fail "no manual page $manual"
for named in "$data_dir/ZorPatn.bmp" "$help_file"; do
    grep -qF "$named" <<<"$page" || fail "the manual page does not name $named"
done
accounted+=("$manual")

# The copyright file in the machine-readable format, and the changelog.
doc=$prefix/share/doc/zorvel
head -n 1 "$root$doc/copyright" 2>/dev/null |
    grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
    fail "no machine-readable copyright file $doc/copyright"
latest=$(gzip -dc "$root$doc/changelog.gz" 2>/dev/null | head -n 1)
[ "${latest%%)*}" = "zorvel ($version" ] ||
    fail "the changelog $doc/changelog.gz begins '$latest', not with version $version"
accounted+=("$doc/copyright" "$doc/changelog.gz")

# Nothing else is installed, every user can read everything and run the command and the program.
unexpected=$(comm -13 <(printf '%s\n' "${accounted[@]}" | sort) \
    <(cd "$root" && find . ! -type d | sed 's|^\.||' | sort))
[ -z "$unexpected" ] || fail "installed but not used: $unexpected"
closed=$(find "$root" -mindepth 1 \( ! -perm -o=r -o -type d ! -perm -o=x \) -printf '/%P\n')
[ -z "$closed" ] || fail "closed to other users: $closed"
for runnable in "$launcher" "$program"; do
    [ -n "$(find "$root$runnable" -perm -o=x 2>/dev/null)" ] || fail "others cannot run $runnable"
done

[ "$failures" -eq 0 ]
