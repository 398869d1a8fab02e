#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite.
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
"$raiz/scripts/instalar-dependencias.sh"
export CCACHE_DIR="${CCACHE_DIR:-$raiz/.cache/ccache}"
cmake -G Ninja -S "$raiz" -B "$raiz/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$raiz/build" -j "$(nproc)"
cd "$raiz/build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)"
