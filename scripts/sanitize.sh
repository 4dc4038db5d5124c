#!/usr/bin/env bash
# Builds the module, the command-line tool and their tests (model, ecc, encode, cli,
# reliability) with AddressSanitizer and UndefinedBehaviorSanitizer (g++) in build-asan and
# runs them. The first report aborts the process that made it, so its test fails; the
# tool's own reports go to the test that ran it through its exit status.
#   XLX_JOBS=N                 build and test jobs (default 2)
#   XLX_SANITIZE_EXCLUDE=RE    tests to leave out (ctest -E)
set -euo pipefail
cd "$(dirname "$0")/.."

build=build-asan
jobs=${XLX_JOBS:-2}

# Without the window and the benchmarks, everything this build holds is what is checked.
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=g++ \
  -DXLX_SANITIZE=address,undefined -DXLX_BUILD_APP=OFF -DXLX_BUILD_BENCH=OFF -DXLX_WERROR=ON >/dev/null
cmake --build "$build" -j "$jobs"

export ASAN_OPTIONS=halt_on_error=1:abort_on_error=1:detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1
export UBSAN_OPTIONS=halt_on_error=1:abort_on_error=1:print_stacktrace=1

exclude=()
if [[ -n "${XLX_SANITIZE_EXCLUDE:-}" ]]; then exclude=(-E "$XLX_SANITIZE_EXCLUDE"); fi
ctest --test-dir "$build" --output-on-failure -j "$jobs" "${exclude[@]}"
