#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need, only those missing.
set -euo pipefail
packages=(cmake ninja-build g++ clang lld pkg-config
          qt6-base-dev qt6-serialport-dev libgl-dev
          libgtest-dev libgmock-dev libbenchmark-dev
          fonts-wqy-microhei fonts-liberation2
          qt6-image-formats-plugins poppler-utils
          iproute2 util-linux)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
