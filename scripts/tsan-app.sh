#!/usr/bin/env bash
# Builds the window's logic tests with ThreadSanitizer (build-tsan/, only what they need) and
# runs them in one process, so the carousel's worker thread runs beside the window's thread
# throughout the window tests. Qt's libraries are not instrumented; the suppression file names
# them and nothing of ours.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh

# The test binary runs during the build to list its tests: it needs the same options.
export TSAN_OPTIONS="suppressions=$PWD/tests/app/tsan-qt.supp halt_on_error=1 second_deadlock_stack=1"
export QT_QPA_PLATFORM=offscreen
# Qt's own event dispatcher instead of GLib's, so event wake-ups happen inside Qt's libraries.
export QT_NO_GLIB=1

cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DXLX_SANITIZE=thread \
  -DXLX_BUILD_BENCH=OFF >/dev/null
cmake --build build-tsan -j "$(nproc)" --target app_tests
./build-tsan/tests/app/app_tests
