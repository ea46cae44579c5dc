#!/bin/bash
# Times our whole repaint of a generated HTML page against KDE's
# kate-syntax-highlighter colouring the same page (written by
# colour_repaint_bench as UTF-8) into an HTML file.
#
# Theirs is a program run on the file: wall-clock and CPU seconds (user +
# system), each the best of three runs, start-up, reading the page, loading
# the syntax definitions and writing the output included. Ours is the repaint
# in the shown editor, from the command to the last slice run by the event
# loop (Google Benchmark, mean of five repaints): once with every line's formats
# changing, once on a page already coloured, where no line changes. The
# target is ours at most 1.5 times theirs in wall-clock time.
#
#   bench/compare_highlighter.sh [build folder] [KiB]
set -eu
build=${1:-build-bench}
kib=${2:-1024}
bench="$build/bench/colour_repaint_bench"
[ -x "$bench" ] || { echo "$bench is missing: build with -DWRENPAD_BUILD_BENCH=ON" >&2; exit 1; }
tool=kate-syntax-highlighter
if ! command -v "$tool" > /dev/null; then
  echo "$tool is not installed; installing it" >&2
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  package=libkf5syntaxhighlighting-tools
  { $sudo apt-get install -y "$package" || { $sudo apt-get update && $sudo apt-get install -y "$package"; }; } >&2
  command -v "$tool" > /dev/null || { echo "could not install $tool" >&2; exit 1; }
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
page="$work/page.htm"
"$bench" --write_page="$page" --page_kib="$kib"

best_times() {  # command...; prints "wall cpu" in seconds
  local best_wall="" best_cpu="" t wall cpu
  for _ in 1 2 3; do
    t=$( { TIMEFORMAT='%R %U %S'; time "$@" > /dev/null 2>&1; } 2>&1 )
    read -r wall cpu <<< "$(echo "$t" | awk '{ print $1, $2 + $3 }')"
    if [ -z "$best_wall" ] || awk "BEGIN { exit !($wall < $best_wall) }"; then best_wall=$wall; fi
    if [ -z "$best_cpu" ] || awk "BEGIN { exit !($cpu < $best_cpu) }"; then best_cpu=$cpu; fi
  done
  echo "$best_wall $best_cpu"
}

read -r their_wall their_cpu <<< "$(best_times "$tool" -f html -s HTML "$page" -o "$work/out.html")"
[ -s "$work/out.html" ] || { echo "$tool wrote nothing" >&2; exit 1; }
# What the tool costs before any page: start-up and the syntax definitions.
"$bench" --write_page="$work/small.htm" --page_kib=1
read -r small_wall small_cpu <<< "$(best_times "$tool" -f html -s HTML "$work/small.htm" -o "$work/small.html")"

# Our rows, from the CSV report: name, wall and CPU seconds, screen_ms,
# max_gap_ms, slices.
"$bench" --page_kib="$kib" --benchmark_filter='^Sliced' --benchmark_format=csv \
  > "$work/ours.csv" 2> "$work/ours.err" || { cat "$work/ours.err" >&2; exit 1; }
ours=$(awk -F, '
  /^name,/ { for (i = 1; i <= NF; ++i) { gsub(/"/, "", $i); column[$i] = i }; next }
  column["name"] && /^"Sliced/ {
    gsub(/"/, "", $1)
    scale = $column["time_unit"] == "ms" ? 1e-3 : $column["time_unit"] == "us" ? 1e-6 : 1
    print $1, $column["total_ms"] / 1e3, $column["cpu_time"] * scale,
          $column["screen_ms"], $column["max_gap_ms"], $column["slices"]
  }' "$work/ours.csv")
[ -n "$ours" ] || { echo "no benchmark rows from $bench" >&2; cat "$work/ours.csv" >&2; exit 1; }

echo "Page of $kib KiB ($(stat -c %s "$page") bytes of UTF-8, $(wc -l < "$page") lines)"
printf '%-40s %9s %9s %8s %8s %9s %9s %6s\n' "" wall CPU "wall x" "CPU x" screen "max gap" slices
printf '%-40s %7.3f s %7.3f s\n' "$tool -f html -s HTML" "$their_wall" "$their_cpu"
printf '%-40s %7.3f s %7.3f s\n' "  the same on a 1 KiB page (start-up)" "$small_wall" "$small_cpu"
while read -r name wall cpu screen gap slices; do
  case $name in
    SlicedRepaintColoured*) label="ours, nothing changes" ;;
    SlicedRepaint*) label="ours, every line changes" ;;
  esac
  read -r wall_ratio cpu_ratio verdict <<< "$(awk "BEGIN {
    w = $wall / ($their_wall < 0.001 ? 0.001 : $their_wall)
    c = $cpu / ($their_cpu < 0.001 ? 0.001 : $their_cpu)
    printf \"%.2f %.2f %s\", w, c, (w <= 1.5 ? \"within_target\" : \"OVER_TARGET\") }")"
  printf '%-40s %7.3f s %7.3f s %8s %8s %6.1f ms %6.1f ms %6.0f  %s\n' "$label" "$wall" "$cpu" \
    "$wall_ratio" "$cpu_ratio" "$screen" "$gap" "$slices" "${verdict//_/ }"
done <<< "$ours"
echo "x: ours / theirs. Target: ours at most 1.5 times theirs in wall-clock time."
echo "Ours are means of five repaints. screen: until the command returns, the screen"
echo "coloured; max gap: the longest slice (one turn of the event loop) of the five."
