#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite,
# the store's tests also against a throw-away PostgreSQL server. Before the
# tests it builds the Debian package, installs it and starts the installed
# program (scripts/testar-pacote.sh).
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
"$raiz/scripts/instalar-dependencias.sh"
export CCACHE_DIR="${CCACHE_DIR:-$raiz/.cache/ccache}"
cmake -G Ninja -S "$raiz" -B "$raiz/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$raiz/build" -j "$(nproc)"
# The Debian package installs and the installed program starts the demo.
"$raiz/scripts/testar-pacote.sh" "$raiz/build"

servidor="$(mktemp -d /tmp/pcp-postgres.XXXXXX)"
trap '"$raiz/scripts/postgres-teste.sh" parar "$servidor"' EXIT
PCP_TESTE_SERVIDOR="$("$raiz/scripts/postgres-teste.sh" iniciar "$servidor")"
export PCP_TESTE_SERVIDOR PGUSER=pcp

cd "$raiz/build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)"
