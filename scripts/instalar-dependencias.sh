#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need,
# only when something is missing.
set -euo pipefail
pacotes=(qt6-base-dev qt6-base-dev-tools libsqlite3-dev libgtest-dev cmake ninja-build ccache
         fonts-liberation xvfb xauth)
faltam=()
for p in "${pacotes[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || faltam+=("$p")
done
if [ ${#faltam[@]} -gt 0 ]; then
  sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${faltam[@]}"
fi
