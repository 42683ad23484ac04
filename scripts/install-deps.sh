#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Korvel need, skipping
# those already present. Run as root (or with sudo available).
#   install-deps.sh              everything for building and testing
#   install-deps.sh --runtime    what building and running the program needs
#   install-deps.sh PACKAGE...   just these packages (used by the other scripts)
# apt's output goes to a log that is shown only when apt fails.
set -euo pipefail

# Building and running: compiler, CMake, Qt, and the fonts: DejaVu Sans, the proportional
# sans-serif face the screens are drawn in (fonts-dejavu-core also holds DejaVu Sans Mono,
# which the line printer's tests measure), and Liberation Sans for the printed report.
runtime=(
  build-essential cmake ninja-build
  qt6-base-dev qt6-pdf-dev libgl-dev libflint-dev libcups2-dev
  fonts-dejavu-core fonts-liberation
)
# Testing, benchmarking, fuzzing, the formatting check and the installed-program checks.
# (FLINT, with GMP, does the exact arithmetic of the exact check: a runtime package.)
# libclang-rt-dev holds the sanitizer and libFuzzer runtimes of Debian's default clang (14 on
# Debian 12, 19 on Debian 13): every name here exists on both.
testing=(
  pkg-config
  libgtest-dev libbenchmark-dev libeigen3-dev liblapacke-dev libxdamage-dev
  clang libclang-rt-dev clang-format
  xvfb xauth xdotool imagemagick poppler-utils cups-daemon cups-client
  desktop-file-utils appstream xdg-utils libfile-mimeinfo-perl shared-mime-info dpkg-dev file
  man-db lintian
)

if [[ "${1:-}" == "--runtime" ]]; then
  packages=("${runtime[@]}")
elif (($#)); then
  packages=("$@")
else
  packages=("${runtime[@]}" "${testing[@]}")
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
((${#missing[@]})) || exit 0

echo "Installing ${#missing[@]} Debian package(s): ${missing[*]}"
sudo_cmd=()
[[ $(id -u) -ne 0 ]] && sudo_cmd=(sudo)
log=$(mktemp --tmpdir korvel-apt.XXXXXX.log)
if ! { "${sudo_cmd[@]}" apt-get update -qq &&
       "${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive \
         apt-get install -y -qq "${missing[@]}"; } >"$log" 2>&1; then
  cat "$log" >&2
  echo "install-deps.sh: apt-get failed (log above, kept in $log)" >&2
  exit 1
fi
rm -f "$log"
