#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks to build and test the project.
# Safe to run again: it installs nothing when every package is present.
set -euo pipefail

packages=(
  build-essential g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-serialport-dev qt6-svg-dev
  libqcustomplot-dev libgl-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev libmuparser-dev nlohmann-json3-dev
  fonts-dejavu-core locales clang-format clang libclang-rt-14-dev
  desktop-file-utils dpkg-dev file universal-ctags
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "setup: all packages present"
  exit 0
fi

echo "setup: installing ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -q
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
