#!/usr/bin/env bash
# Builds the Debian package in PASTA_BUILD, installs it with apt-get (as a
# clean machine would, its dependencies included) and checks that the
# installed program creates the demonstration, with the IBGE table it finds
# in its installed data folder, and starts on it.
#   testar-pacote.sh PASTA_BUILD
set -euo pipefail
build=${1:?pasta de compilação}
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"

cd "$build"
rm -f pcp_*.deb
cpack -G DEB >/dev/null
pacote=$(ls pcp_*.deb)
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "./$pacote" >/dev/null
echo "Instalado: $pacote"

demo=$(mktemp -d /tmp/pcp-pacote.XXXXXX)
trap 'rm -rf "$demo"' EXIT
/usr/bin/pcp --config "$demo/pcp.ini" --criar-demo "$demo/demo" >/dev/null
if ! grep -rqa "ALTA FLORESTA D'OESTE" "$demo/demo"; then
    echo "O programa instalado não carregou a tabela do IBGE na demonstração." >&2
    exit 1
fi
# The table is looked up in share/pcp beside the program's bin folder (and
# not in the sources this machine happens to have): a copy of the program
# in another tree finds that tree's table.
mkdir -p "$demo/arvore/bin" "$demo/arvore/share/pcp"
cp /usr/bin/pcp "$demo/arvore/bin/"
{ head -n 1 /usr/share/pcp/municipios-ibge.tsv; printf '43\tRS\t4399999\tMunicípio do Pacote\n'; } \
    >"$demo/arvore/share/pcp/municipios-ibge.tsv"
cp /usr/share/pcp/consulta-cadastro-estadual.tsv "$demo/arvore/share/pcp/"
"$demo/arvore/bin/pcp" --config "$demo/arvore/pcp.ini" --criar-demo "$demo/arvore/demo" >/dev/null
if ! grep -rqa "MUNICÍPIO DO PACOTE" "$demo/arvore/demo"; then
    echo "O programa não procura a tabela do IBGE em share/pcp ao lado da sua pasta bin." >&2
    exit 1
fi
# Started offscreen, the program must still be running (showing the
# company window) when it is stopped.
status=0
QT_QPA_PLATFORM=offscreen timeout 5 /usr/bin/pcp --config "$demo/pcp.ini" >"$demo/saida.txt" 2>&1 || status=$?
if [ "$status" -ne 124 ]; then
    echo "O programa instalado terminou ao iniciar (código $status):" >&2
    cat "$demo/saida.txt" >&2
    exit 1
fi
echo "O programa instalado criou a demonstração e abriu nela."
