#!/usr/bin/env bash
# Installs, with apt-get, the Debian packages the build and the tests need that are missing.
# Idempotent: runs `apt-get update` only when something has to be installed.
set -euo pipefail

packages=(
  # build
  build-essential cmake ninja-build pkg-config
  # module tests and benchmarks
  libgtest-dev libgmock-dev libbenchmark-dev
  # independent decoder for round trips
  libzbar-dev zbar-tools
  # command-line tool
  libpng-dev
  # window
  qt6-base-dev qt6-base-dev-tools libgl-dev
  fonts-wqy-microhei fonts-arphic-ukai
  xvfb xauth xclip x11-utils xdotool
  # benchmark peers
  libqrencode-dev libqrcodegencpp-dev
  # sanitizers, fuzzing, memcheck
  clang libclang-rt-14-dev valgrind
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$' || missing+=("$p")
done

if ((${#missing[@]} == 0)); then
  exit 0
fi

echo "install-deps: installing ${missing[*]}"
sudo=""
[[ $(id -u) -eq 0 ]] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
