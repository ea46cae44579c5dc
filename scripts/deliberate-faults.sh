#!/bin/sh
# Breaks the program on purpose, one fault at a time, and checks that the
# tests notice. Each fault of scripts/deliberate-faults.txt is committed on
# a scratch branch "fault/<name>", the test programs it names are built and
# run, and the branch is removed again (KEEP_BRANCHES=1 keeps it). A fault
# is caught when one of those programs fails. Needs a clean working tree and
# a configured build ($BUILD_DIR, default build). Prints one line a fault and
# exits non-zero when any fault went unnoticed.
set -eu
cd "$(dirname "$0")/.."
BUILD_DIR="${BUILD_DIR:-build}"
export QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8
if [ -n "$(git status --porcelain --untracked-files=no)" ]; then
  echo "The working tree has changes: commit or put them aside first." >&2
  exit 2
fi
home=$(git rev-parse --abbrev-ref HEAD)
log="$BUILD_DIR/deliberate-faults"
mkdir -p "$log"
rm -f "$log/missed"
tab=$(printf '\t')
grep -v '^#' scripts/deliberate-faults.txt | while IFS="$tab" read -r name file change programs; do
  [ -n "$name" ] || continue
  git switch -q -c "fault/$name"
  perl -pi -e "$change" "$file"
  if git diff --quiet; then
    echo "$name: the change no longer applies to $file"
    git switch -q "$home" && git branch -q -D "fault/$name"
    echo "$name" >>"$log/missed"
    continue
  fi
  git commit -qam "Deliberate fault: $name"
  verdict="MISSED"
  for program in $programs; do
    if ! cmake --build "$BUILD_DIR" --target "$program" >"$log/$name.build" 2>&1 </dev/null; then
      verdict="caught by the compiler"
      break
    fi
    if ! "$BUILD_DIR/tests/$program" --gtest_brief=1 >"$log/$name.$program" 2>&1 </dev/null; then
      verdict="caught by $program: $(grep '^\[  FAILED  \] [A-Za-z]' "$log/$name.$program" |
        sed 's/^\[  FAILED  \] //; s/[ ,].*//' | sort -u | tr '\n' ' ')"
      break
    fi
  done
  echo "$name: $verdict"
  git switch -q "$home"
  [ "${KEEP_BRANCHES:-0}" = 1 ] || git branch -q -D "fault/$name"
  [ "$verdict" != MISSED ] || echo "$name" >>"$log/missed"
done
# The build again as the branch it started on has it.
cmake --build "$BUILD_DIR" >/dev/null
if [ -s "$log/missed" ]; then
  rm -f "$log/missed"
  exit 1
fi
