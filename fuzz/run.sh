#!/usr/bin/env bash
# Fuzzes the QR module's entry with libFuzzer (clang, build-fuzz).
#   fuzz/run.sh [SECONDS]    run for that long (default 60)
#   fuzz/run.sh --runs N     run N inputs
# The checked-in corpus (fuzz/corpus) is read, never written: new inputs go to
# build-fuzz/fuzz/found, crashes to build-fuzz/fuzz/artifacts. A crash ends the run with a
# non-zero status; copy its input into fuzz/corpus once the bug is fixed.
set -euo pipefail
cd "$(dirname "$0")/.."

usage() { echo "usage: fuzz/run.sh [SECONDS] | fuzz/run.sh --runs N" >&2; exit 2; }
limit=(-max_total_time=60)
case $# in
  0) ;;
  1) [[ $1 =~ ^[0-9]+$ ]] || usage; limit=(-max_total_time="$1") ;;
  2) [[ $1 == --runs && $2 =~ ^[0-9]+$ ]] || usage; limit=(-runs="$2") ;;
  *) usage ;;
esac

build=build-fuzz
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DXLX_BUILD_FUZZ=ON -DXLX_BUILD_APP=OFF -DXLX_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j "${XLX_JOBS:-2}" --target fuzz_qrcode

found=$build/fuzz/found
artifacts=$build/fuzz/artifacts
mkdir -p "$found" "$artifacts"
export ASAN_OPTIONS=halt_on_error=1:abort_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:abort_on_error=1:print_stacktrace=1
# 8192 bytes reach past every level's version-40 capacity, numeric mode included.
"$build/fuzz/fuzz_qrcode" -max_len=8192 -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
  -dict=fuzz/qrcode.dict -artifact_prefix="$artifacts/" "${limit[@]}" "$found" fuzz/corpus
