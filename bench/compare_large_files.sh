#!/bin/bash
# Large files from outside, in one run and on the same generated files:
# Wrenpad, a bare QPlainTextEdit (bench/bare_edit with BARE_EDIT_PLAIN=1) and
# Geany (`geany -i`; installed with apt-get when missing), each on its own
# Xvfb screen, keys from xdotool.
#
#   bench/compare_large_files.sh [build folder] [case...]
#
# PROGRAMS="wrenpad geany" (say) measures only those. Cases (all by default):
#   open50   a UTF-8 file of 50 MB (Japanese and ASCII lines): processor
#            seconds until the program is idle, peak memory (VmHWM), and
#            memory above the program's own empty window
#   open1g   the same text, 1 GiB: the same, and wall seconds until idle
#            (for Wrenpad also until the file is on screen)
#   keys     100 keys at the end of the 50 MB file and 100 in its middle:
#            processor milliseconds a key
#   line     one line of 10 MB: 20 keys at its start and 20 at its end,
#            processor milliseconds a key (the end only when a key at the
#            start took under a second)
#   save50 save1g
#            one key at the start of a copy of the 50 MB (1 GiB) file, then
#            Ctrl+S: processor seconds of the save
#   replace50 replace1g
#            Replace All of a common word ("the", either case, by "that";
#            REPLACE_WHAT and REPLACE_WITH choose others) in a copy of the
#            50 MB (1 GiB) file, through the program's own Replace dialog
#            with keys: seconds until idle (wall and processor), peak memory
#            above the empty window; then Ctrl+S, its processor seconds, and
#            whether the saved file has the size the hits make
# The save and replace cases run Wrenpad and Geany only (a bare
# QPlainTextEdit has neither).
#
# "Idle" is the first second in which the program used less than 10 ms of
# processor time; that second is not counted. Wall times of Wrenpad start at
# its "loading" trace (it reads a file named on its command line two seconds
# after its window shows, by design); those of the others at their start.
set -eu
build=$(cd "${1:-build-bench}" && pwd)
shift || true
cases=${*:-open50 open1g keys line save50 save1g replace50 replace1g}
editor="$build/wrenpad"
bare="$build/bench/bare_edit"
for tool in xvfb-run xdotool bc; do
  command -v "$tool" > /dev/null || { echo "$tool is missing: run scripts/install-deps.sh" >&2; exit 1; }
done
[ -x "$editor" ] && [ -x "$bare" ] || { echo "build $build with -DWRENPAD_BUILD_BENCH=ON first" >&2; exit 1; }
if ! command -v geany > /dev/null; then
  echo "installing geany" >&2
  if [ "$(id -u)" -eq 0 ]; then apt-get install -y geany > /dev/null; else sudo apt-get install -y geany > /dev/null; fi
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_LOGGING_RULES="wrenpad.window.info=true"
export QT_MESSAGE_PATTERN="%{time process} %{message}"

# ---- the files -------------------------------------------------------------
make_lines() {  # bytes file: Japanese and ASCII lines, cut to whole lines
  awk 'BEGIN {
    line = "港は夜明け前に静かで、漁船が一艘ずつ戻ってきた。 The gulls waited on the posts. 市場は六時に開く。"
    for (n = 0; ; n++) printf "%s %d\n", line, n
  }' | head -c "$1" | sed '$d' > "$2"
}
make_lines 50000000 "$work/doc50.txt"
lines50=$(wc -l < "$work/doc50.txt")
if [[ " $cases " == *1g" "* ]]; then
  : > "$work/doc1g.txt"
  while [ "$(stat -c %s "$work/doc1g.txt")" -lt 1073741824 ]; do cat "$work/doc50.txt" >> "$work/doc1g.txt"; done
  truncate -s 1073741824 "$work/doc1g.txt"
  sed -i '$d' "$work/doc1g.txt"
fi
# No line break at its end, so that Ctrl+End puts the caret at the end of the line.
awk 'BEGIN { for (i = 0; i < 560000; i++) printf "漢字 abc %06d ", i }' > "$work/line10.txt"
: > "$work/empty.txt"

# ---- one program on one screen ----------------------------------------------
# drive.sh MODE NAME FILE LOG EDITOR BARE LINE: starts NAME on FILE (the caret
# on LINE where the program takes one at start) and measures MODE.
cat > "$work/drive.sh" << 'DRIVER'
#!/bin/bash
mode=$1 name=$2 file=$3 log=$4 editor=$5 bare=$6 line=$7
start=$(date +%s.%N)
case $name in
  wrenpad) "$editor" "$file" > "$log" 2>&1 & ;;
  # At most 10 GiB for the bare edit, whose text of 1 GiB becomes several.
  qplaintextedit) (ulimit -v $((10 << 20)); BARE_EDIT_PLAIN=1 BARE_EDIT_LINE=$line exec "$bare" "$file") > "$log" 2>&1 & ;;
  geany) geany -i -s -m -n -p -t -c "$(dirname "$log")/geany-config" --line="$line" "$file" > "$log" 2>&1 & ;;
esac
pid=$!
cpu() { awk -v hz="$(getconf CLK_TCK)" '{ printf "%.3f", ($14 + $15) / hz }' /proc/$pid/stat; }
hwm() { awk '/VmHWM/ { print $2 }' /proc/$pid/status; }
rss() { awk '/VmRSS/ { print $2 }' /proc/$pid/status; }
# Waits until a second goes by with less than 10 ms of processor time, at
# most LIMIT (300) s; prints the wall time when that second began ("never"
# after LIMIT s).
wait_idle() {
  local a b t began=$SECONDS limit=${1:-300}
  while kill -0 $pid 2> /dev/null && [ $((SECONDS - began)) -lt "$limit" ]; do
    t=$(date +%s.%N); a=$(cpu); sleep 1; b=$(cpu)
    if [ "$(echo "$b - $a < 0.010" | bc)" = 1 ]; then echo "$t"; return; fi
  done
  echo never
}
for _ in $(seq 1 3000); do
  window=$(xdotool search --onlyvisible --pid $pid 2> /dev/null | tail -1)
  [ -n "$window" ] && break
  kill -0 $pid 2> /dev/null || { echo "ended"; exit 0; }
  sleep 0.1
done
if [ "$name" = wrenpad ]; then
  until grep -q " loaded\| failed" "$log"; do sleep 0.02; kill -0 $pid 2> /dev/null || { echo "ended"; exit 0; }; done
  # Its clock starts at the "loading" trace (seconds since it started).
  start=$(echo "$start + $(awk '/ loading / { print $1 + 0; exit }' "$log")" | bc)
fi
idle=$(wait_idle)
# No window manager: the keyboard goes to the window once it is focused.
timeout 5 xdotool windowfocus "$window" 2> /dev/null || true
sleep 0.5
keys_cpu_ms() {  # COUNT: processor ms a key for typing COUNT characters
  local count=$1 a b
  wait_idle > /dev/null
  a=$(cpu)
  xdotool type --delay 30 "$(head -c "$count" < /dev/zero | tr '\0' 'x')"
  wait_idle > /dev/null
  b=$(cpu)
  echo "scale=2; ($b - $a) * 1000 / $count" | bc
}
save_cpu_s() {  # Ctrl+S in the main window: processor seconds until idle
  local a
  timeout 5 xdotool windowfocus "$window" 2> /dev/null || true
  sleep 0.5
  wait_idle > /dev/null
  a=$(cpu)
  xdotool key ctrl+s
  wait_idle 900 > /dev/null
  echo "$(cpu) - $a" | bc
}
# Fills the Replace dialog with keys, all but the last: Wrenpad's (Ctrl+R;
# the find field has the focus, Alt+P the replacement's, Alt+A is Replace
# All) or Geany's (Ctrl+H; the find field, Tab to the replacement, Alt+P
# opens its Replace All row, whose In Document button is Alt+I).
fill_replace_dialog() {
  local dialog=""
  case $name in wrenpad) xdotool key ctrl+r ;; geany) xdotool key ctrl+h ;; esac
  for _ in $(seq 1 100); do
    dialog=$(xdotool search --onlyvisible --pid $pid --name '^(Replace|置換)$' 2> /dev/null | tail -1)
    [ -n "$dialog" ] && break
    sleep 0.1
  done
  timeout 5 xdotool windowfocus "$dialog" 2> /dev/null || true
  sleep 0.5
  xdotool type "$REPLACE_WHAT"
  case $name in wrenpad) xdotool key alt+p ;; geany) xdotool key Tab ;; esac
  xdotool type "$REPLACE_WITH"
  [ "$name" = geany ] && { xdotool key alt+p; sleep 0.5; }
  sleep 0.5
}
case $mode in
  open)
    echo "cpu_s=$(cpu) hwm_mib=$(( $(hwm) / 1024 ))"
    ;;
  wall)
    wall=never
    [ "$idle" != never ] && wall=$(echo "scale=2; ($idle - $start) / 1" | bc)
    # Wrenpad also says when the file is on screen ("loaded").
    shown=$(awk '/ loading / { a = $1 } / loaded / { printf " shown_s=%.2f", $1 - a; exit }' "$log")
    echo "cpu_s=$(cpu) hwm_mib=$(( $(hwm) / 1024 )) wall_s=$wall$shown"
    ;;
  end)
    xdotool key ctrl+End
    echo "end_ms_per_key=$(keys_cpu_ms 100)"
    ;;
  middle)
    # Wrenpad goes there through its line-number box; the others started there.
    if [ "$name" = wrenpad ]; then xdotool key ctrl+g; sleep 0.3; xdotool type "$line"; xdotool key Return; fi
    echo "middle_ms_per_key=$(keys_cpu_ms 100)"
    ;;
  line)
    # A program still busy laying the line out after 300 s is not typed into.
    [ "$idle" = never ] && { echo "not_idle_300_s_after_opening"; kill -9 $pid; exit 0; }
    xdotool key ctrl+Home
    first=$(keys_cpu_ms 20)
    # Over a second a key at the start: the end is not tried (it would take
    # minutes more and tell nothing new).
    if [ "$(echo "$first > 1000" | bc)" = 1 ]; then
      echo "start_ms_per_key=$first end_ms_per_key=not_tried"
    else
      xdotool key ctrl+End
      echo "start_ms_per_key=$first end_ms_per_key=$(keys_cpu_ms 20)"
    fi
    ;;
  save)
    xdotool key ctrl+Home
    xdotool type x
    echo "save_cpu_s=$(save_cpu_s) saved_bytes=$(stat -c %s "$file")"
    ;;
  replace)
    echo "open_hwm_mib=$(( $(hwm) / 1024 ))"
    fill_replace_dialog
    wait_idle > /dev/null
    a=$(cpu) began=$(date +%s.%N)
    case $name in wrenpad) xdotool key alt+a ;; geany) xdotool key alt+i ;; esac
    idle=$(wait_idle "${REPLACE_LIMIT:-900}")
    if [ "$idle" = never ]; then
      echo "replace_s=over_${REPLACE_LIMIT:-900}"
    else
      echo "replace_wall_s=$(echo "scale=2; ($idle - $began) / 1" | bc) replace_cpu_s=$(echo "$(cpu) - $a" | bc)"
      echo "hwm_mib=$(( $(hwm) / 1024 )) rss_mib=$(( $(rss) / 1024 ))"
      echo "save_cpu_s=$(save_cpu_s) saved_bytes=$(stat -c %s "$file")"
    fi
    ;;
esac
# Killed outright: asked to end, Geany would ask about the typed keys.
kill -9 $pid 2> /dev/null
wait $pid 2> /dev/null || true
DRIVER
chmod +x "$work/drive.sh"

measure() {  # MODE NAME FILE [line]
  rm -rf "$work/geany-config"
  mkdir -p "$work/geany-config"
  xvfb-run -a -s "-screen 0 1024x768x24" "$work/drive.sh" "$1" "$2" "$3" "$work/log" "$editor" "$bare" "${4:-1}" \
    2> /dev/null | tr '\n' ' '
}

programs=${PROGRAMS:-wrenpad qplaintextedit geany}
export REPLACE_WHAT=${REPLACE_WHAT:-the} REPLACE_WITH=${REPLACE_WITH:-that}

# Empty windows, to take off the open rows' memory.
declare -A empty
printf 'empty window, peak memory (MiB):'
for name in $programs; do
  empty[$name]=$(measure open "$name" "$work/empty.txt" | sed 's/.*hwm_mib=\([0-9]*\).*/\1/')
  printf ' %s %s' "$name" "${empty[$name]}"
done
echo

open_rows() {  # MODE FILE
  for name in $programs; do
    out=$(measure "$1" "$name" "$2")
    hwm=$(echo "$out" | sed -n 's/.*hwm_mib=\([0-9]*\).*/\1/p')
    printf '  %-15s %s above_empty_mib=%s\n' "$name" "$out" "$(( ${hwm:-0} - empty[$name] ))"
  done
}

for c in $cases; do
  case $c in
    open50)
      echo "open a UTF-8 file of $(stat -c %s "$work/doc50.txt") bytes, $lines50 lines"
      open_rows open "$work/doc50.txt"
      ;;
    open1g)
      echo "open a UTF-8 file of $(stat -c %s "$work/doc1g.txt") bytes (wall seconds until idle)"
      open_rows wall "$work/doc1g.txt"
      ;;
    keys)
      middle=$((lines50 / 2))
      echo "100 keys at the end, and 100 at the start of line $middle, of the 50 MB file"
      for name in $programs; do
        printf '  %-15s %s%s\n' "$name" "$(measure end "$name" "$work/doc50.txt")" \
          "$(measure middle "$name" "$work/doc50.txt" "$middle")"
      done
      ;;
    line)
      echo "one line of $(stat -c %s "$work/line10.txt") bytes: 20 keys at its start, 20 at its end"
      for name in $programs; do
        printf '  %-15s %s\n' "$name" "$(measure line "$name" "$work/line10.txt")"
      done
      ;;
    save50 | save1g | replace50 | replace1g)
      source=$work/doc50.txt
      [[ $c == *1g ]] && source=$work/doc1g.txt
      size=$(stat -c %s "$source")
      if [[ $c == save* ]]; then
        echo "one key at the start of a copy of the file of $size bytes, then Ctrl+S (processor seconds)"
        expected=$((size + 1))
      else
        hits=$(grep -o -i -F -- "$REPLACE_WHAT" "$source" | wc -l)
        echo "Replace All of \"$REPLACE_WHAT\" ($hits hits, either case) by \"$REPLACE_WITH\" in a copy of the file of $size bytes, then Ctrl+S"
        expected=$((size + hits * ($(printf %s "$REPLACE_WITH" | wc -c) - $(printf %s "$REPLACE_WHAT" | wc -c))))
      fi
      for name in $programs; do
        [ "$name" = qplaintextedit ] && continue
        cp "$source" "$work/edited.txt"
        out=$(measure "${c%%[0-9]*}" "$name" "$work/edited.txt")
        rm -f "$work/edited.txt"
        above=""
        for field in open_hwm_mib hwm_mib; do
          mib=$(echo "$out" | sed -n "s/.*\b$field=\([0-9]*\).*/\1/p")
          [ -n "$mib" ] && above="$above ${field%hwm_mib}above_empty_mib=$((mib - empty[$name]))"
        done
        saved=$(echo "$out" | sed -n 's/.*saved_bytes=\([0-9]*\).*/\1/p')
        printf '  %-15s %s%s saved_as_expected=%s\n' "$name" "$out" "$above" \
          "$([ "${saved:-0}" = "$expected" ] && echo yes || echo no)"
      done
      ;;
  esac
done
