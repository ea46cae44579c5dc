#!/bin/bash
# Times the editor from outside, as a user meets it, beside the bare QTextEdit
# window (bench/bare_edit) in the same run: each program runs under Xvfb on a
# real X display and gets real key presses from xdotool.
#
#   bench/outside_large_files.sh [build folder] [case...]
#
# Cases (all by default):
#   lines   500,000 and 1,000,000 short lines: open, Ctrl+End, type, Ctrl+S
#   line    one 10 MB line: five characters typed at its end, then Ctrl+S;
#           processor time while idle afterwards
#   open    Shift-JIS files of 1, 10 and 50 MB: loading to loaded, processor
#           time until the window is idle, memory above the empty window
#
# Times are wall seconds; "cpu" is the program's user + system time. The
# editor loads a file named on the command line at its first timer tick, so
# opening is timed from its "loading" trace to its "loaded" trace, and the
# bare edit from just before reading to just after setPlainText.
set -eu
build=$(cd "${1:-build-bench}" && pwd)
shift || true
cases=${*:-lines line open}
editor="$build/wrenpad"
bare="$build/bench/bare_edit"
for tool in xvfb-run xdotool; do
  command -v "$tool" > /dev/null || { echo "$tool is missing: run scripts/install-deps.sh" >&2; exit 1; }
done
[ -x "$editor" ] && [ -x "$bare" ] || { echo "build $build with -DWRENPAD_BUILD_BENCH=ON first" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_LOGGING_RULES="wrenpad.window.info=true"
export QT_MESSAGE_PATTERN="%{time process} %{message}"

# The driver runs inside one X server per measurement.
cat > "$work/drive.sh" << 'DRIVER'
#!/bin/bash
# drive.sh MODE PROGRAM FILE LOG
mode=$1 program=$2 file=$3 log=$4
"$program" "$file" > "$log" 2>&1 &
pid=$!
until grep -q " loaded" "$log"; do sleep 0.02; kill -0 $pid 2> /dev/null || exit 1; done
# Processor seconds, user and system, from the kernel's clock ticks.
cpu() { awk -v hz="$(getconf CLK_TCK)" '{ printf "%.2f", ($14 + $15) / hz }' /proc/$pid/stat; }
rss() { ps -o rss= -p $pid | tr -d ' '; }    # KiB
window=$(xdotool search --sync --onlyvisible --pid $pid | tail -1)
xdotool windowfocus --sync "$window" 2> /dev/null || true
wait_saved() {  # waits for the file to change, at most 120 s; false when it did not
  local before=$1 start=$SECONDS
  while [ "$(stat -c %Y.%s "$file")" = "$before" ]; do
    [ $((SECONDS - start)) -lt 120 ] || return 1
    sleep 0.02
  done
}
seconds_since() { echo "$(date +%s.%N) - $1" | bc; }
idle_cpu() {  # processor seconds used over 10 idle seconds
  local a b
  sleep 2; a=$(cpu); sleep 10; b=$(cpu); echo "$b - $a" | bc
}
case $mode in
  lines)
    before=$(stat -c %Y.%s "$file"); sleep 1.1
    start=$(date +%s.%N)
    xdotool key ctrl+End; xdotool type x; xdotool key ctrl+s
    if wait_saved "$before"; then echo "end_type_save_s=$(seconds_since "$start")"; else echo "end_type_save_s=NOT-SAVED-IN-120"; fi
    ;;
  line)
    xdotool key ctrl+End Left
    before=$(stat -c %Y.%s "$file"); sleep 1.1
    start=$(date +%s.%N)
    for i in 1 2 3 4 5; do xdotool type y; done
    xdotool key ctrl+s
    if wait_saved "$before"; then echo "five_keys_save_s=$(seconds_since "$start")"; else echo "five_keys_save_s=NOT-SAVED-IN-120"; fi
    echo "idle_cpu_s_per_10s=$(idle_cpu)"
    ;;
  open)
    sleep 3  # until the window is idle
    echo "rss_kib=$(rss)"
    ;;
esac
echo "cpu_s=$(cpu)"
kill $pid
DRIVER
chmod +x "$work/drive.sh"

# Seconds between the "loading" and "loaded" traces of a log.
load_seconds() {
  awk '/ loading / { a = $1 } / loaded / { b = $1 } END { printf "%.2f", b - a }' "$1"
}

# measure MODE NAME PROGRAM FILE [codec]: one line of results
measure() {
  local mode=$1 name=$2 program=$3 file=$4 codec=${5:-} out
  cp "$file" "$work/doc.${file##*.}"
  out=$(BARE_EDIT_CODEC=$codec xvfb-run -a -s "-screen 0 1024x768x24" \
        "$work/drive.sh" "$mode" "$program" "$work/doc.${file##*.}" "$work/log" 2> /dev/null | tr '\n' ' ')
  printf '  %-10s load %6s s  %s\n' "$name" "$(load_seconds "$work/log")" "$out"
}

both() {  # MODE FILE [codec]
  measure "$1" wrenpad "$editor" "$2" "${3:-}"
  measure "$1" "bare edit" "$bare" "$2" "${3:-}"
}

# An empty window's memory, to take off the open rows.
empty_rss() {
  : > "$work/empty.txt"
  for program in "$editor" "$bare"; do
    printf '  %-10s ' "$(basename "$program")"
    BARE_EDIT_CODEC= xvfb-run -a -s "-screen 0 1024x768x24" \
      "$work/drive.sh" open "$program" "$work/empty.txt" "$work/log" 2> /dev/null | tr '\n' ' '
    echo
  done
}

for c in $cases; do
  case $c in
    lines)
      for n in 500000 1000000; do
        awk -v n=$n 'BEGIN { for (i = 0; i < n; i++) printf "%07d\n", i }' > "$work/lines.txt"
        echo "$n short lines ($(stat -c %s "$work/lines.txt") bytes): Ctrl+End, type, Ctrl+S"
        both lines "$work/lines.txt"
      done
      ;;
    line)
      awk 'BEGIN { for (i = 0; i < 1165084; i++) printf "abcdefgh "; printf "\n" }' > "$work/line.txt"
      echo "one line of $(stat -c %s "$work/line.txt") bytes: five keys at its end, Ctrl+S"
      both line "$work/line.txt"
      ;;
    open)
      echo "empty window"
      empty_rss
      for mb in 1 10 50; do
        # Japanese prose with ASCII, encoded as Shift-JIS, cut to whole lines.
        awk -v lines=$((mb * 11000)) 'BEGIN {
          line = "港は夜明け前に静かで、漁船が一艘ずつ戻ってきた。 The gulls waited on the posts. 市場は六時に開く。"
          for (n = 0; n < lines; n++) printf "%s %d\n", line, n
        }' | iconv -f UTF-8 -t SHIFT_JIS | head -c $((mb * 1000000)) | sed '$d' > "$work/sjis.txt"
        echo "Shift-JIS file of $(stat -c %s "$work/sjis.txt") bytes: open"
        both open "$work/sjis.txt" Shift_JIS
      done
      ;;
  esac
done
