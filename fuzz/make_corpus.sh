#!/usr/bin/env bash
# Writes the fuzzers' small seed files into fuzz/corpus: a few pattern pictures (1 bit per pixel,
# 440 x 120, so they stay small) and a tiny compiled help file with its contents, compiled with
# chmcmd (Debian package fp-utils-3.2.2). The files are kept in the repository; this is how they
# were made.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
pictures="$here/corpus/picture_file"
help="$here/corpus/help_file"
mkdir -p "$pictures" "$help"

# Little-endian bytes of a number, as printf escapes: le VALUE BYTES.
le() {
    local value=$1 count=$2 out="" i
    for ((i = 0; i < count; i++)); do
        out+=$(printf '\\x%02x' $(((value >> (8 * i)) & 255)))
    done
    printf '%s' "$out"
}

# A 1-bit picture of 440 x HEIGHT rows (negative: stored top-down), black and white stripes.
mono_bmp() {
    local height=$1 rows=${1#-} row=56 offset=62
    local size=$((offset + row * rows))
    printf "BM$(le $size 4)$(le 0 4)$(le $offset 4)"
    printf "$(le 40 4)$(le 440 4)$(le $((height & 0xffffffff)) 4)$(le 1 2)$(le 1 2)"
    printf "$(le 0 4)$(le $((row * rows)) 4)$(le 2835 4)$(le 2835 4)$(le 2 4)$(le 2 4)"
    printf '\x00\x00\x00\x00\xff\xff\xff\x00'
    for ((y = 0; y < rows; y++)); do
        head -c $row /dev/zero | tr '\0' "$([ $((y % 2)) -eq 0 ] && echo '\125' || echo '\252')"
    done
}

# The same picture with the old 12-byte core header and a three-byte palette.
core_bmp() {
    local rows=120 row=56 offset=32
    printf "BM$(le $((offset + row * rows)) 4)$(le 0 4)$(le $offset 4)"
    printf "$(le 12 4)$(le 440 2)$(le $rows 2)$(le 1 2)$(le 1 2)"
    printf '\x00\x00\x00\xff\xff\xff'
    head -c $((row * rows)) /dev/zero | tr '\0' '\146'
}

mono_bmp 120 >"$pictures/mono-bottom-up.bmp"
mono_bmp -120 >"$pictures/mono-top-down.bmp"
core_bmp >"$pictures/core-header.bmp"
head -c 62 "$pictures/mono-bottom-up.bmp" >"$pictures/header-only.bmp"

# Contents text alone: a first byte that is odd.
contents='<UL><LI><OBJECT type="text/sitemap"><param name="Name" value="Top"><param name="Local" value="index.html"></OBJECT><UL><LI><OBJECT type="text/sitemap"><param name="Name" value="&#x3042; &amp; b"><param name="Local" value="index.html#a"></OBJECT></UL></UL>'
printf '1%s' "$contents" >"$help/contents.txt"

# A whole help file: a first byte that is even.
stage="$(mktemp -d)"
trap 'rm -rf "$stage"' EXIT
printf '<html><body><h1>Top</h1><a name="a">a</a></body></html>' >"$stage/index.html"
printf '%s' "$contents" >"$stage/toc.hhc"
printf '[OPTIONS]\nCompiled file=tiny.chm\nContents file=toc.hhc\nDefault topic=index.html\n\n[FILES]\nindex.html\n' >"$stage/tiny.hhp"
(cd "$stage" && chmcmd tiny.hhp >/dev/null 2>&1)
{ printf '0'; cat "$stage/tiny.chm"; } >"$help/tiny.chm"
