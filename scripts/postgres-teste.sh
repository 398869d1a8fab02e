#!/usr/bin/env bash
# A throw-away PostgreSQL cluster for the tests of the server store.
#   postgres-teste.sh iniciar PASTA   creates the cluster in PASTA, starts it on a
#                                     Unix socket there and prints the alias line
#                                     value for SERVER NAME (PASTA:PORTA/pcp_teste)
#   postgres-teste.sh parar PASTA     stops it and removes PASTA
# Run as root it runs the server as the user postgres, since PostgreSQL
# refuses to run as root.
set -euo pipefail
acao=${1:?iniciar ou parar}
pasta=${2:?pasta do cluster}
bin=$(ls -d /usr/lib/postgresql/*/bin | sort -V | tail -n 1)
porta=54329

como() {
    if [ "$(id -u)" -eq 0 ]; then runuser -u postgres -- "$@"; else "$@"; fi
}

case "$acao" in
iniciar)
    mkdir -p "$pasta"
    [ "$(id -u)" -eq 0 ] && chown postgres "$pasta"
    como "$bin/initdb" -D "$pasta/dados" -A trust -U pcp --encoding=UTF8 --locale=C.UTF-8 >"$pasta/initdb.log"
    como "$bin/pg_ctl" -D "$pasta/dados" -l "$pasta/servidor.log" -w \
        -o "-k $pasta -c listen_addresses='' -p $porta -c fsync=on" start >/dev/null
    como "$bin/createdb" -h "$pasta" -p "$porta" -U pcp pcp_teste
    echo "$pasta:$porta/pcp_teste"
    ;;
parar)
    como "$bin/pg_ctl" -D "$pasta/dados" -m immediate -w stop >/dev/null 2>&1 || true
    rm -rf "$pasta"
    ;;
*)
    echo "uso: $0 iniciar|parar PASTA" >&2
    exit 2
    ;;
esac
