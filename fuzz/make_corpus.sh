#!/usr/bin/env bash
# fuzz/make_corpus.sh [DIR]: writes the seed inputs of every fuzz target into DIR/<target>/
# (default build-fuzz/corpus), replacing earlier seeds of the same name and leaving what the
# fuzzer added alone. Every byte is made here: valid files of each kind and their near misses.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-build-fuzz/corpus}

# Bytes are gathered as printf escapes in $bytes, then written by seed.
bytes=''
u8() { bytes+=$(printf '\\x%02x' $(($1 & 0xFF))); }
le16() { u8 "$1"; u8 $(($1 >> 8)); }
le32() { le16 $(($1 & 0xFFFF)); le16 $((($1 >> 16) & 0xFFFF)); }
text() { bytes+=$(printf '%s' "$1" | od -An -v -tx1 | tr -d ' \n' | sed 's/../\\x&/g'); }
repeat() { local i; for ((i = 0; i < $2; i++)); do text "$1"; done; }
# seed TARGET NAME [CUT]: writes the gathered bytes, the last CUT of them left out.
seed() {
    mkdir -p "$out/$1"
    local file="$out/$1/seed-$2"
    printf '%b' "$bytes" >"$file"
    if [ -n "${3:-}" ]; then truncate -s "-$3" "$file"; fi
    bytes=''
}

# bmp_bytes WIDTH HEIGHT BITS PALETTE_ENTRIES [OFFSET]: a bottom-up, uncompressed BMP.
bmp_bytes() {
    local w=$1 h=$2 bits=$3 entries=$4
    local row=$(((((w * bits + 7) / 8) + 3) / 4 * 4))
    local offset=${5:-$((54 + entries * 4))}
    text BM; le32 $((offset + row * (h < 0 ? -h : h))); le32 0; le32 "$offset"
    le32 40; le32 "$w"; le32 "$h"; le16 1; le16 "$bits"; le32 0
    le32 $((row * (h < 0 ? -h : h))); le32 2835; le32 2835; le32 "$entries"; le32 0
    local i x y
    for ((i = 0; i < entries; i++)); do
        u8 $((i * 16)); u8 $((255 - i * 8)); u8 $((i * 40)); u8 0
    done
    for ((y = 0; y < (h < 0 ? -h : h); y++)); do
        for ((x = 0; x < row; x++)); do u8 $(((x * 37 + y * 11) ^ (x >> 1))); done
    done
}

# BMP: each depth, odd widths, padding, full and short palettes, and damaged headers.
bmp_bytes 3 2 24 0 && seed bmp 24bit-3x2
bmp_bytes 1 1 24 0 && seed bmp 24bit-1x1
bmp_bytes 16 8 24 0 && seed bmp 24bit-16x8
bmp_bytes 3 2 24 0 && seed bmp 24bit-cut 5
bmp_bytes 5 3 8 4 && seed bmp 8bit-5x3
bmp_bytes 4 4 8 256 && seed bmp 8bit-full-palette
bmp_bytes 4 4 8 257 && seed bmp 8bit-palette-too-long
bmp_bytes 7 2 8 0 && seed bmp 8bit-no-palette
bmp_bytes 3 2 4 16 && seed bmp 4bit-3x2
bmp_bytes 20 20 4 16 && seed bmp 4bit-20x20
bmp_bytes 9 3 4 2 && seed bmp 4bit-short-palette
bmp_bytes 9 3 4 16 && seed bmp 4bit-cut 7
bmp_bytes 3 -2 24 0 && seed bmp top-down
bmp_bytes 3 2 24 0 9999 && seed bmp offset-past-end
bmp_bytes 2 2 24 0 20 && seed bmp offset-in-header
bmp_bytes 2 2 24 0 && seed bmp header-only $((2 * 8))
text BM && seed bmp signature-only

# Picture files: width and height, then raw RGB that fits, falls short or runs over.
le16 2 && le16 1 && u8 255 && u8 0 && u8 0 && u8 0 && u8 0 && u8 255 && seed picture red-blue
le16 3 && le16 2 && repeat $'\x01\x80\xfe' 4 && seed picture short
le16 1 && le16 1 && repeat 'abc' 5 && seed picture long
le16 16 && le16 16 && repeat $'\x10\x20\x30' 256 && seed picture 16x16
le16 0 && le16 5 && text xyz && seed picture no-width
le16 -3 && le16 2 && text xyz && seed picture negative-width
le16 7 && le16 7 && seed picture empty-file

# Text files: line ends of both kinds, empty lines, a last line without a line feed, and
# lines around the 255-byte limit.
text $'first\nsecond\n' && seed text_lines two-lines
text $'windows\r\nline ends\r\n' && seed text_lines crlf
text $'\n\n\nx' && seed text_lines empty-lines
text 'no line feed' && seed text_lines no-line-feed
repeat x 255 && text $'\nafter\n' && seed text_lines longest-line
text $'kept\n' && repeat y 256 && text $'\ndropped\n' && seed text_lines too-long-line
repeat z 300 && seed text_lines long-without-line-feed

# Joystick settings: the file the game writes, then the forms a hand-edited one takes.
defaults=$'JoystickEnable= 1\nAixsXCfg= 0\nAixsYCfg= 1\nMinValueLeftCfg= -32767\n'
defaults+=$'MaxValueLeftCfg= -1\nMinValueRightCfg= 1\nMaxValueRightCfg= 32767\n'
defaults+=$'MinValueUpCfg= -32767\nMaxValueUpCfg= -1\nMinValueDownCfg= 1\nMaxValueDownCfg= 32767\n'
text "$defaults" && seed joystick_config defaults
text "${defaults//$'\n'/$'\r\n'}" && seed joystick_config crlf
text $'JoystickEnable=0\n' && seed joystick_config disabled
text $'\tAixsXCfg = 3 # remark\nJoystickEnable= 7\njoystickenable= 0\n' &&
    seed joystick_config remark
text $'MinValueUpCfg==5\nMaxValueUpCfg=\nAixsYCfg= \nno equals sign\n' &&
    seed joystick_config odd-lines
text $'JoystickEnable= 99999999999\nAixsXCfg= -99999999999\nAixsYCfg= +12\n' &&
    seed joystick_config out-of-range

# Top-ten tables: the score, then the file's content.
entry() { printf '%08d %-12s Level %d\n' "$1" "$2" "$3"; }
table=''
for i in 1 2 3 4 5 6 7 8 9 10; do table+=$(entry $((i * 150)) "Player$i" "$i")$'\n'; done
le32 700 && text "$table" && seed score_table ten-lines
le32 5 && text "$table" && seed score_table lower-than-all
le32 0 && seed score_table empty
le32 123456789 && text "$(entry 50 Zed 1)" && seed score_table no-final-line-feed
le32 -5 && text "$(entry 50 b 2)"$'\n'"$(entry 50 a 2)"$'\nnot a score\n\n' &&
    seed score_table odd-lines
le32 42 && text "$(entry 300 Ann 4)"$'\n' && repeat w 256 && text $'\n' &&
    seed score_table long-line

# Joystick device: eleven settings, then 8-byte event records (time, value, type, number).
settings() { local value; for value in "$@"; do le32 "$value"; done; }
default_settings() { settings 1 0 1 -32767 -1 1 32767 -32767 -1 1 32767; }
event() { le32 "$1"; le16 "$2"; u8 "$3"; u8 "$4"; }
default_settings && event 0 0 0x81 0 && event 0 0 0x82 0 && event 10 -20000 2 0 &&
    event 20 1 1 3 && event 30 32767 2 1 && seed joystick_reader events
default_settings && event 0 -32768 2 0 && event 5 100 2 2 && event 9 0 1 3 &&
    seed joystick_reader clearing-axes
default_settings && event 0 -1 2 1 && event 1 5 1 2 && seed joystick_reader cut-record 3
settings 0 0 1 && event 0 -5 2 0 && seed joystick_reader disabled
settings -1 && seed joystick_reader unset
settings 5 4 4 -100 100 0 0 50 -50 -32768 32767 && event 0 0 2 4 && event 1 -32768 2 4 &&
    seed joystick_reader same-axis
