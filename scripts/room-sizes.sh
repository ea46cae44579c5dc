#!/bin/sh
# Prints each room of src/ with the lines of its files (all lines, as wc
# counts them) and of its tests, largest room first, and the largest files
# of src/: the sizes docs/architecture.md refers to, always current.
set -eu
cd "$(dirname "$0")/.."
lines() { find "$@" -type f \( -name '*.cpp' -o -name '*.h' \) -print0 | xargs -0 cat 2>/dev/null | wc -l; }
printf '%-14s %7s %7s\n' room program tests
for folder in src/*/ src/page/preview/; do
  room=${folder#src/}
  room=${room%/}
  if [ "$room" = page ]; then
    program=$(find src/page -path src/page/preview -prune -o -type f \( -name '*.cpp' -o -name '*.h' \) -print0 |
      xargs -0 cat | wc -l)
  else
    program=$(lines "$folder")
  fi
  tests=0
  tested="tests/$(echo "$room" | tr / _)"
  [ -d "$tested" ] && tests=$(lines "$tested")
  printf '%-14s %7s %7s\n' "$room" "$program" "$tests"
done | sort -k2 -rn
echo
echo "largest files:"
find src -type f \( -name '*.cpp' -o -name '*.h' \) -print0 | xargs -0 wc -l | grep -v ' total$' | sort -rn | head -n 5
