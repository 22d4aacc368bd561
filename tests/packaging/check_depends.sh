#!/usr/bin/env bash
# Checks that the Debian package depends on the package of everything the game needs on the target
# system: each library its programs link, Qt's X11 platform plugin, and what it loads only at run
# time, the CHM reader library behind Help and the Japanese font of its windows. The owners are
# looked up among the packages installed here, the ones the game was built against.
#
# Usage: check_depends.sh PACKAGE ROOT
#   PACKAGE  the .deb file; ROOT  the folder it was unpacked into with dpkg -x
set -uo pipefail
package=$1 root=$2

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# The package names of Depends, one a line, alternatives included.
depends=$(dpkg-deb --field "$package" Depends)
listed=$(tr ',|' '\n\n' <<<"$depends" | sed 's/(.*)//; s/ //g')

# Requires that the package holding the files that match PATTERN is one of Depends.
require_owner() {
    local what=$1 pattern=$2 owners owner
    owners=$(dpkg-query --search "$pattern" 2>/dev/null | grep -v '^diversion' | cut -d: -f1 |
        sort -u)
    if [ -z "$owners" ]; then
        fail "no package here holds $what ($pattern)"
        return
    fi
    for owner in $owners; do
        grep -qx "$owner" <<<"$listed" && return
    done
    fail "$what comes with $(echo $owners), which the package does not depend on"
}

programs=0
while IFS= read -r -d '' program; do
    file --brief "$program" | grep -q '^ELF' || continue
    programs=$((programs + 1))
    for library in $(readelf --dynamic "$program" | sed -n 's/.*(NEEDED).*\[\(.*\)\]$/\1/p'); do
        require_owner "$library, linked by $(basename "$program")" "*/$library"
    done
done < <(find "$root" -type f -perm -u=x -print0)
[ "$programs" -gt 0 ] || fail "the package holds no program"

require_owner "Qt's X11 platform plugin" "*/qt6/plugins/platforms/libqxcb.so"
require_owner "the CHM reader" "*/libchm.so.1"
font=$(fc-list IPAPGothic file | sed -n '1s/: *$//p')
if [ -n "$font" ]; then
    require_owner "the font IPAPGothic" "$font"
else
    fail "the font IPAPGothic is not installed here"
fi

[ "$failures" -eq 0 ]
