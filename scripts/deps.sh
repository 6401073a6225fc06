#!/usr/bin/env bash
# Installs what the build and the tests need from Debian's packages, only
# when something is missing, so a second run is quiet and quick.
# QCustomPlot is only the chart benchmark's peer; the program never links it.
set -euo pipefail
pkgs=(cmake ninja-build g++ clang pkg-config qt6-base-dev libgl1-mesa-dev
      libsqlite3-dev libsodium-dev libgtest-dev libgmock-dev libbenchmark-dev
      libqcustomplot-dev
      fonts-dejavu-core fonts-liberation)
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
