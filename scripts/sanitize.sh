#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer into
# build-sanitize/ and runs every test there (widget tests offscreen). Any
# sanitizer report ends the program that made it, so the run passes only
# when it is clean.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
export ASAN_OPTIONS="abort_on_error=1:detect_stack_use_after_return=1:strict_string_checks=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
exec "$top/scripts/sanitized-tests.sh" build-sanitize -DQORA_SANITIZE=ON
