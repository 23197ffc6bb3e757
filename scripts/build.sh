#!/usr/bin/env bash
# Configures build/ (after installing packages) and builds the targets named,
# or everything when none is named. Ninja's output stays on the screen, so the
# steps done and the steps in all show as the build goes ("[120/427] ...").
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh"
cmake -S "$top" -B "$top/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
targets=()
for target in "$@"; do targets+=(--target "$target"); done
echo "build: building ${*:-everything} in build/"
cmake --build "$top/build" "${targets[@]}"
