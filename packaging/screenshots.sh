#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes pictures of the real window, in English and in Japanese, with a small
# HTML page open, under a private X server (Xvfb), into packaging/screenshots/
# (wrenpad-en.png, wrenpad-ja.png). The program runs installed into a scratch
# folder, with settings of its own there, so nothing of the user's or of the
# build folder is read or changed.
#   packaging/screenshots.sh [build folder] [X display]
# Needs Xvfb, xdotool and ImageMagick's import (scripts/install-deps.sh).
set -eu

here=$(cd "$(dirname "$0")" && pwd)
build=${1:-build}
display=${2:-:99}
out="$here/screenshots"
scratch=$(mktemp -d)
xvfb=""
app=""
cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null || true
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT INT TERM

cmake --install "$build" --prefix "$scratch/usr" >/dev/null
Xvfb "$display" -screen 0 1100x760x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
sleep 1

# shoot <language> <Jpn flag> <page>: one start of the program and one picture.
shoot() {
  home="$scratch/home-$1"
  mkdir -p "$home/config/wrenpad" "$home/state"
  printf '[Settings]\nJpn=%s\nWidth=1000\nHeight=680\nTop=0\nLeft=0\n' "$2" > "$home/config/wrenpad/Wrenpad.ini"
  HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_STATE_HOME="$home/state" \
    DISPLAY="$display" QT_QPA_PLATFORM=xcb "$scratch/usr/bin/wrenpad" "$3" >/dev/null 2>&1 &
  app=$!
  window=$(DISPLAY="$display" timeout 60 xdotool search --sync --onlyvisible --pid "$app" | head -n 1)
  sleep 3  # lets the page be coloured and painted
  mkdir -p "$out"
  DISPLAY="$display" import -window "$window" "$out/wrenpad-$1.png"
  kill "$app"
  wait "$app" 2>/dev/null || true
  app=""
}

cat > "$scratch/garden.htm" <<'PAGE'
<html>
<head>
<title>Birds in the garden</title>
</head>
<body bgcolor="#fffcea">
<h1>Birds in the garden</h1>
<p>A <b>wren</b> sings from the hedge every morning.
<font color="#8c5a2d">Small, brown and loud.</font></p>
<table border="1">
<tr><th>Bird</th><th>Seen</th></tr>
<tr><td>Wren</td><td>Every day</td></tr>
<tr><td>Robin</td><td>Twice a week</td></tr>
</table>
<p><a href="notes.htm">More notes</a></p>
</body>
</html>
PAGE
shoot en 0 "$scratch/garden.htm"

cat > "$scratch/niwa.htm" <<'PAGE'
<html>
<head>
<title>庭の鳥</title>
</head>
<body bgcolor="#fffcea">
<h1>庭の鳥</h1>
<p>毎朝、生け垣から<b>ミソサザイ</b>の声が聞こえます。
<font color="#8c5a2d">小さくて茶色、声は大きい。</font></p>
<table border="1">
<tr><th>鳥</th><th>見かけた日</th></tr>
<tr><td>ミソサザイ</td><td>毎日</td></tr>
<tr><td>コマドリ</td><td>週に二回</td></tr>
</table>
<p><a href="memo.htm">メモの続き</a></p>
</body>
</html>
PAGE
shoot ja 1 "$scratch/niwa.htm"
echo "written: $out/wrenpad-en.png $out/wrenpad-ja.png"
