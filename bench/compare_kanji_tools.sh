#!/bin/bash
# Times our kanji conversions against iconv and nkf on the same generated text
# (Shift-JIS, EUC-JP and JIS versions written by kanji_convert_bench), each as
# a program converting a file to a file, and checks that the outputs agree.
# Times are CPU seconds (user + system), best of three, so that other work on
# the machine does not count; MB/s is input bytes per second.
#
#   bench/compare_kanji_tools.sh [build folder] [MiB]
set -eu
build=${1:-build-kanji}
mib=${2:-64}
bench="$build/bench/kanji_convert_bench"
for tool in iconv nkf; do
  command -v "$tool" > /dev/null || { echo "$tool is not installed" >&2; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$bench" --input_mib="$mib" --write_inputs="$work"

best_cpu_seconds() {  # command... (its output goes to $work/out)
  local best="" run t
  for run in 1 2 3; do
    t=$( { TIMEFORMAT='%U %S'; time "$@" > "$work/out" 2> /dev/null; } 2>&1 )
    t=$(echo "$t" | awk '{ print $1 + $2 }')
    if [ -z "$best" ] || awk "BEGIN { exit !($t < $best) }"; then best=$t; fi
  done
  echo "$best"
}

row() {  # label input reference-output command...
  local label=$1 input=$2 reference=$3 seconds same
  shift 3
  seconds=$(best_cpu_seconds "$@")
  if cmp -s "$work/out" "$reference"; then same="same output"; else same="OUTPUT DIFFERS"; fi
  printf '%-34s %8.3f s %9.1f MB/s   %s\n' "$label" "$seconds" \
    "$(awk "BEGIN { print $(stat -c %s "$input") / $seconds / 1e6 }")" "$same"
}

compare() {  # title from to our-direction iconv-from iconv-to nkf-flags
  local title=$1 in="$work/$2.txt" ref="$work/$3.txt"
  echo "$title ($(stat -c %s "$in") bytes)"
  row "  kanji library" "$in" "$ref" "$bench" --convert="$4" "$in" /dev/stdout
  row "  kanji library, huge pages" "$in" "$ref" \
    env GLIBC_TUNABLES=glibc.malloc.hugetlb=1 "$bench" --convert="$4" "$in" /dev/stdout
  row "  iconv -f $5 -t $6" "$in" "$ref" iconv -f "$5" -t "$6" "$in"
  row "  nkf $7" "$in" "$ref" nkf $7 "$in"
}

compare "EUC-JP to Shift-JIS" euc sjis euc-sjis EUC-JP SHIFT_JIS "-E -s -x"
compare "Shift-JIS to EUC-JP" sjis euc sjis-euc SHIFT_JIS EUC-JP "-S -e -x"
# The JIS text has full-width katakana where the others have half-width, so
# its reference is iconv's own output.
iconv -f ISO-2022-JP -t SHIFT_JIS "$work/jis.txt" > "$work/jis-sjis.txt"
compare "JIS to Shift-JIS" jis jis-sjis jis-sjis ISO-2022-JP SHIFT_JIS "-J -s -x"

echo
echo "In memory (Google Benchmark, CPU time; with huge pages for the output):"
GLIBC_TUNABLES=glibc.malloc.hugetlb=1 "$bench" --input_mib="$mib" \
  --benchmark_filter='Detect|ConvertKanji|SjisToEuc' 2>/dev/null | grep '^BM_'
echo "In memory, default allocator (fresh 4 KiB pages for every output):"
"$bench" --input_mib="$mib" --benchmark_filter='ConvertKanji|SjisToEuc' 2>/dev/null | grep '^BM_'
