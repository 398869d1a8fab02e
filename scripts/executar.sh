#!/usr/bin/env bash
# Instala as dependências, compila o PCP em ./build, cria na primeira vez a
# instalação de demonstração em ~/PCP-demo e abre o programa nela.
# Argumentos extras vão para o programa (por exemplo: Os_Exec 3).
set -euo pipefail

raiz="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
demo="$HOME/PCP-demo"
config="$demo/pcp.ini"
pcp="$raiz/build/src/app/pcp"

"$raiz/scripts/instalar-dependencias.sh"
cmake -G Ninja -S "$raiz" -B "$raiz/build"
cmake --build "$raiz/build" --target pcp

if [ ! -f "$config" ]; then
    "$pcp" --config "$config" --criar-demo "$demo"
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    cat >&2 <<AVISO
Não há tela gráfica: as variáveis DISPLAY e WAYLAND_DISPLAY estão vazias.
O programa foi compilado e a demonstração está em $demo.
Para abri-lo:
  - numa sessão gráfica (ou por ssh -X), rode de novo: $0
  - sem tela, numa tela virtual: xvfb-run -a "$pcp" --config "$config"
AVISO
    exit 1
fi

exec "$pcp" --config "$config" "$@"
