#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Korvel need, skipping
# those already present. Run as root (or with sudo available).
#   install-deps.sh              everything for building and testing
#   install-deps.sh --runtime    what building and running the program needs
#   install-deps.sh PACKAGE...   just these packages (used by the other scripts)
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-pdf-dev libgl-dev
  libgtest-dev libbenchmark-dev libeigen3-dev liblapacke-dev
  clang libclang-rt-14-dev
  xvfb xauth xdotool imagemagick poppler-utils fonts-liberation
)
if [[ "${1:-}" == "--runtime" ]]; then
  packages=(build-essential cmake ninja-build qt6-base-dev qt6-pdf-dev libgl-dev libgtest-dev
            libbenchmark-dev libeigen3-dev liblapacke-dev fonts-liberation)
elif (($#)); then
  packages=("$@")
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [[ $(id -u) -ne 0 ]] && sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}"
fi
