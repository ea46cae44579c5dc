#!/bin/bash
# Times our kanji conversions against iconv and nkf on two generated texts,
# each written by kanji_convert_bench in Shift-JIS, EUC-JP and JIS:
#   kana   kanji of level 1, kana, half-width katakana and ASCII words, CR LF;
#   mixed  prose with kanji of level 2, the symbols of row 1, full-width
#          letters and digits, half-width katakana and ASCII words, LF.
# Every tool runs as a program converting a file to a file, and the outputs
# are checked against each other.
#
# Every row shows wall-clock seconds and CPU seconds (user + system), each the
# best of three runs, and MB/s: input bytes per wall-clock second. CPU time
# leaves out waiting for the machine's other work; wall time also counts what
# the conversion makes the kernel wait for.
#
#   bench/compare_kanji_tools.sh [build folder] [MiB]
set -eu
build=${1:-build-kanji}
mib=${2:-64}
bench="$build/bench/kanji_convert_bench"
command -v iconv > /dev/null || { echo "iconv is not installed" >&2; exit 1; }
if ! command -v nkf > /dev/null; then
  echo "nkf is not installed; installing it" >&2
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  { $sudo apt-get install -y nkf || { $sudo apt-get update && $sudo apt-get install -y nkf; }; } >&2
  command -v nkf > /dev/null || { echo "could not install nkf" >&2; exit 1; }
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/kana" "$work/mixed"
"$bench" --input=kana --input_mib="$mib" --write_inputs="$work/kana"
"$bench" --input=mixed --input_mib="$mib" --write_inputs="$work/mixed"

best_times() {  # command... (its output goes to $work/out); prints "wall cpu"
  local best_wall="" best_cpu="" t wall cpu
  for _ in 1 2 3; do
    t=$( { TIMEFORMAT='%R %U %S'; time "$@" > "$work/out" 2> /dev/null; } 2>&1 )
    read -r wall cpu <<< "$(echo "$t" | awk '{ print $1, $2 + $3 }')"
    if [ -z "$best_wall" ] || awk "BEGIN { exit !($wall < $best_wall) }"; then best_wall=$wall; fi
    if [ -z "$best_cpu" ] || awk "BEGIN { exit !($cpu < $best_cpu) }"; then best_cpu=$cpu; fi
  done
  echo "$best_wall $best_cpu"
}

row() {  # label input reference-output command...
  local label=$1 input=$2 reference=$3 wall cpu same
  shift 3
  read -r wall cpu <<< "$(best_times "$@")"
  if cmp -s "$work/out" "$reference"; then same="same output"; else same="OUTPUT DIFFERS"; fi
  printf '%-36s %8.3f s %8.3f s %9.1f MB/s   %s\n' "$label" "$wall" "$cpu" \
    "$(awk "BEGIN { w = $wall < 0.001 ? 0.001 : $wall; print $(stat -c %s "$input") / w / 1e6 }")" "$same"
}

compare() {  # dir title from to our-direction iconv-from iconv-to nkf-flags
  local dir=$work/$1 title=$2
  local in="$dir/$3.txt" ref="$dir/$4.txt" nkf_flags
  read -ra nkf_flags <<< "$8"
  echo "$title ($(stat -c %s "$in") bytes)"
  row "  kanji library" "$in" "$ref" "$bench" --convert="$5" "$in" /dev/stdout
  row "  kanji library, huge pages" "$in" "$ref" \
    env GLIBC_TUNABLES=glibc.malloc.hugetlb=1 "$bench" --convert="$5" "$in" /dev/stdout
  row "  iconv -f $6 -t $7" "$in" "$ref" iconv -f "$6" -t "$7" "$in"
  row "  nkf $8" "$in" "$ref" nkf "${nkf_flags[@]}" "$in"
}

for input in kana mixed; do
  echo
  printf '%-36s %10s %10s %14s\n' "Input \"$input\"" "wall" "CPU" "MB/s (wall)"
  compare "$input" "EUC-JP to Shift-JIS" euc sjis euc-sjis EUC-JP SHIFT_JIS "-E -s -x"
  compare "$input" "Shift-JIS to EUC-JP" sjis euc sjis-euc SHIFT_JIS EUC-JP "-S -e -x"
  # The JIS text has full-width katakana where the others have half-width, so
  # its reference is iconv's own output.
  iconv -f ISO-2022-JP -t SHIFT_JIS "$work/$input/jis.txt" > "$work/$input/jis-sjis.txt"
  compare "$input" "JIS to Shift-JIS" jis jis-sjis jis-sjis ISO-2022-JP SHIFT_JIS "-J -s -x"
done

for input in kana mixed; do
  echo
  echo "In memory, input \"$input\" (Google Benchmark, CPU time; with huge pages for the output):"
  GLIBC_TUNABLES=glibc.malloc.hugetlb=1 "$bench" --input="$input" --input_mib="$mib" \
    --benchmark_filter='Detect|ConvertKanji|SjisToEuc' 2>/dev/null | grep '^BM_'
  echo "In memory, input \"$input\", default allocator (fresh 4 KiB pages for every output):"
  "$bench" --input="$input" --input_mib="$mib" --benchmark_filter='ConvertKanji|SjisToEuc' 2>/dev/null | grep '^BM_'
done
