#!/bin/sh
# Prints the lines of test code against the lines of the program: lines that
# are neither blank nor only a // comment, in .cpp, .h and .cmake files of
# tests/ (without tests/data) and of src/.
set -eu
cd "$(dirname "$0")/.."
count() {
  find "$@" -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.cmake' \) -print0 |
    xargs -0 cat | grep -v '^[[:space:]]*$' | grep -cv '^[[:space:]]*//'
}
tests=$(count tests -not -path 'tests/data/*')
program=$(count src)
echo "tests: $tests lines, program: $program lines, tests/program: $((1000 * tests / program / 10)).$((1000 * tests / program % 10)) %"
