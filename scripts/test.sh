#!/usr/bin/env bash
# Builds everything and runs every test (widget tests run offscreen, and
# scripts/check-resets.py finds globals without a reset); fails when a C++
# file is not formatted.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/build.sh"
"$top/scripts/format.sh" --check
export QT_QPA_PLATFORM=offscreen
cd "$top/build"
ctest --output-on-failure -j "$(nproc)" --timeout 600
