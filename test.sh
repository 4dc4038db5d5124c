#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors and runs every test:
# the suites and the end-to-end window run (CTest), then the module and the command line
# under AddressSanitizer and UndefinedBehaviorSanitizer, a bounded libFuzzer run of the
# module's entry, and the window's tests under ThreadSanitizer.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install-deps.sh

jobs=$(nproc)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DXLX_WERROR=ON >/dev/null
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

echo "== sanitizers: address, undefined"
XLX_JOBS=$jobs ./scripts/sanitize.sh
echo "== fuzzing the entry"
XLX_JOBS=$jobs ./fuzz/run.sh --runs "${XLX_FUZZ_RUNS:-20000}"
echo "== thread sanitizer: the window with its carousel"
./scripts/tsan-app.sh
