#!/usr/bin/env bash
# Formats every C++ file of the project with clang-format (.clang-format).
# With --check nothing is changed: the files that are not formatted are
# listed and the script fails.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
mapfile -t files < <(git ls-files --cached --others --exclude-standard -- '*.cpp' '*.h')
if [ "${1:-}" = "--check" ]; then
  existing=()
  for f in "${files[@]}"; do [ -f "$f" ] && existing+=("$f"); done
  unformatted=$(clang-format --dry-run "${existing[@]}" 2>&1 | sed -n 's/^\([^:]*\):[0-9]*:[0-9]*: .*clang-format-violations.*/\1/p' | sort -u)
  if [ -n "$unformatted" ]; then
    echo "These files are not formatted (run ./scripts/format.sh):" >&2
    echo "$unformatted" | sed 's/^/  /' >&2
    exit 1
  fi
  exit 0
fi
existing=()
for f in "${files[@]}"; do [ -f "$f" ] && existing+=("$f"); done
clang-format -i "${existing[@]}"
