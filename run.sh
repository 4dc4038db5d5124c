#!/usr/bin/env bash
# Installs what is missing, builds and opens the window. Without a display it runs the window
# on a virtual display instead, saves build/window.png once the first QR code and the first
# carousel frame are shown, prints the picture's path and ends.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install-deps.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)" --target xilaixia

if [[ -n ${DISPLAY:-} ]]; then
  exec ./build/app/xilaixia
fi

shot=$PWD/build/window.png
rm -f "$shot"
XLX_SCREENSHOT=$shot xvfb-run -a -s "-screen 0 1280x1024x24" ./build/app/xilaixia
[[ -s $shot ]] || { echo "run.sh: the window wrote no screenshot" >&2; exit 1; }
echo "$shot"
