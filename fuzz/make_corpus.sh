#!/usr/bin/env bash
# Writes the fuzzers' small seed files into fuzz/corpus: a few pattern pictures (1 bit per pixel,
# 440 x 120, so they stay small), a tiny compiled help file with its contents, compiled with
# chmcmd (Debian package fp-utils-3.2.2), and wave files: the game's own two, synthesised by
# tools/soundgen, and a few odd ones. The files are kept in the repository; this is how they were
# made.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
pictures="$here/corpus/picture_file"
help="$here/corpus/help_file"
waves="$here/corpus/wave_file"
mkdir -p "$pictures" "$help" "$waves"

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

# The game's own sounds, as the build makes them.
c++ -std=c++20 -O2 -o "$stage/soundgen" "$here"/../tools/soundgen/*.cpp
"$stage/soundgen" "$waves"

# A "fmt " chunk of plain PCM: pcm_format CHANNELS BITS RATE.
pcm_format() {
    local channels=$1 bits=$2 rate=$3 frame=$(($1 * $2 / 8))
    printf "fmt $(le 16 4)$(le 1 2)$(le $channels 2)$(le $rate 4)$(le $((rate * frame)) 4)"
    printf "$(le $frame 2)$(le $bits 2)"
}

# The same format as WAVE_FORMAT_EXTENSIBLE, its sub-format PCM: extensible_format CHANNELS BITS RATE.
extensible_format() {
    local channels=$1 bits=$2 rate=$3 frame=$(($1 * $2 / 8))
    printf "fmt $(le 40 4)$(le 65534 2)$(le $channels 2)$(le $rate 4)$(le $((rate * frame)) 4)"
    printf "$(le $frame 2)$(le $bits 2)$(le 22 2)$(le $bits 2)$(le 3 4)"
    printf '\x01\x00\x00\x00\x00\x00\x10\x00\x80\x00\x00\xaa\x00\x38\x9b\x71'
}

# A chunk that says it holds SIZE bytes but holds BYTES of them (all of them by default), padded to
# an even length: chunk ID SIZE [BYTES].
chunk() {
    local id=$1 size=$2 bytes=${3:-$2}
    printf "$id$(le $size 4)"
    head -c "$bytes" /dev/zero | tr '\0' '\125'
    if ((bytes % 2)); then printf '\x00'; fi
}

# A wave file around the chunks on standard input.
riff() {
    cat >"$stage/chunks"
    printf "RIFF$(le $((4 + $(wc -c <"$stage/chunks"))) 4)WAVE"
    cat "$stage/chunks"
}

{ pcm_format 1 16 22050; chunk LIST 5; chunk data 400; } | riff >"$waves/odd-chunk-before-data.wav"
{ chunk data 400; pcm_format 1 16 22050; } | riff >"$waves/format-after-data.wav"
{ pcm_format 2 8 22050; chunk data 400; } | riff >"$waves/stereo-8-bit.wav"
{ extensible_format 2 16 44100; chunk data 400; } | riff >"$waves/extensible.wav"
{ pcm_format 1 16 22050; chunk data 400 200; } | riff >"$waves/data-cut-short.wav"
{ pcm_format 1 16 22050; chunk data 401; } | riff >"$waves/last-frame-cut-short.wav"
{ pcm_format 1 16 0; chunk data 400; } | riff >"$waves/rate-0.wav"
{ pcm_format 1 16 2147483648; chunk data 400; } | riff >"$waves/rate-2-to-the-31.wav"
