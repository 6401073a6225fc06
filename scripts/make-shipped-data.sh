#!/usr/bin/env bash
# Writes the shipped default settings file and tag file (data/) anew from
# the program's tables. Run it after a device class or process-data object
# gains, loses or renames an attribute; the application tests check that
# data/ holds what the program's tables make.
#   scripts/make-shipped-data.sh [BUILD_DIR]   (default build/test)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build/test}"
if [[ ! -f "$build/build.ninja" ]]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
fi
cmake --build "$build" --target vek_make_shipped_data
QT_QPA_PLATFORM=offscreen "$build/app/vek_make_shipped_data" data
echo "data/VTLN-Setting.ini, data/VTLN-DCTags.dct and data/VTLN-DataBase.mdb written."
