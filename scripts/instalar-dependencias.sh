#!/usr/bin/env bash
# Instala os pacotes Debian/Ubuntu de que o PCP precisa para compilar, testar
# e rodar. Não faz nada quando todos já estão instalados.
set -euo pipefail

pacotes=(qt6-base-dev qt6-base-dev-tools libsqlite3-dev libpq-dev postgresql libgtest-dev cmake
         ninja-build ccache pkg-config pxlib-dev
         fonts-liberation xvfb xauth
         qt6-qpa-plugins poppler-utils dpkg-dev file)

faltando=()
for p in "${pacotes[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        faltando+=("$p")
    fi
done

if [ ${#faltando[@]} -eq 0 ]; then
    echo "Dependências já instaladas."
    exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null; then
        echo "Faltam os pacotes: ${faltando[*]}" >&2
        echo "Instale-os como root: apt-get install --no-install-recommends ${faltando[*]}" >&2
        exit 1
    fi
    sudo="sudo"
fi

echo "Instalando: ${faltando[*]}"
$sudo apt-get update
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${faltando[@]}"
