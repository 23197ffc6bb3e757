#!/usr/bin/env bash
# Builds everything with ThreadSanitizer into build-tsan/ and runs every test
# there (widget tests offscreen). The first report ends the program that made
# it with status 66, so the test that made it fails, and the run passes only
# when it is clean.
#
# Qt and the libraries beneath it come from Debian, built without the
# sanitizer. scripts/tsan-suppressions.txt makes it disregard only what those
# libraries' own code does (their calls to malloc, memcpy and the pthread
# functions, which between Qt's own threads look like races that Qt's
# invisible QMutex in fact orders); every access of the program's own code is
# still checked. That invisibility also reaches the program: data that one
# thread hands to another ordered only by Qt (a queued call that carries the
# data) is reported as a race. Such a report is not suppressed; the program
# hands data between threads under a lock of its own or through the bridge,
# which the sanitizer sees, and lets a queued signal carry only the wake-up.
#
# A thread-sanitized run of the whole suite is several times slower than a
# plain one; CTEST_PARALLEL_LEVEL limits how many tests run at once.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
export TSAN_OPTIONS="halt_on_error=1:exitcode=66:second_deadlock_stack=1:history_size=4:suppressions=$top/scripts/tsan-suppressions.txt"
exec "$top/scripts/sanitized-tests.sh" build-tsan -DQORA_SANITIZE_THREAD=ON
