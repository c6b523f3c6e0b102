#!/usr/bin/env bash
# Installs the Debian packages the build, the programs and the tests need, and only those missing.
# Quick when everything is present: it asks dpkg, not the network.
set -euo pipefail

packages=(
  cmake g++ make pkgconf clang-format-14 clang-14 libclang-rt-14-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-svg-dev libgl-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libsndfile1-dev libsdl2-dev
  libcli11-dev nlohmann-json3-dev
  fonts-liberation2 espeak-ng sox python3
  xvfb xdotool openbox xauth x11-utils x11-xkb-utils x11-xserver-utils imagemagick python3-xlib
  dpkg-dev appstream desktop-file-utils libglib2.0-bin groff-base man-db
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing Debian packages: ${missing[*]}"
if [[ $(id -u) -eq 0 ]]; then
  as_root=()
elif command -v sudo >/dev/null 2>&1; then
  as_root=(sudo)
else
  echo "These Debian packages are missing: ${missing[*]}" >&2
  echo "Install them as root (apt-get install ${missing[*]}), or install sudo, then run this again." >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -q
"${as_root[@]}" apt-get install -y -q --no-install-recommends -o DPkg::Lock::Timeout=300 "${missing[@]}"
