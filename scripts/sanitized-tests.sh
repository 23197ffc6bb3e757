#!/usr/bin/env bash
# Builds everything into the build folder named first, configured with the
# CMake options that follow, and runs every test there (widget tests
# offscreen). The sanitizer scripts call it with their options set.
# CTEST_PARALLEL_LEVEL and CMAKE_BUILD_PARALLEL_LEVEL limit how many tests and
# compilers run at once (every core by default).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
folder=$1
shift
"$top/scripts/install-deps.sh"
cmake -S "$top" -B "$top/$folder" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$top/$folder"
export QT_QPA_PLATFORM=offscreen
cd "$top/$folder"
ctest --output-on-failure -j "${CTEST_PARALLEL_LEVEL:-$(nproc)}" --timeout 1800
