#include "TDMClifor.h"

#include "Sessao.h"

namespace {
const char* const IndiceNome = "Nome do Cliente/Fornecedo";

void abrirNaFilial(Tabela& t, const QString& indice, const QString& filtro) {
    t.fechar();
    t.setIndice(indice);
    t.setFiltro(filtro);
    t.abrir();
    t.definirFaixa({Sess().Filial}, {Sess().Filial});
}
} // namespace

TDMClifor::TDMClifor(SessaoBanco* sessao)
    : TClifor("CLIFOR", sessao), TCliforNome("CLIFOR", sessao), TClientes("CLIFOR", sessao),
      TFornecedores("CLIFOR", sessao) {}

void TDMClifor::abrir() {
    abrirNaFilial(TClifor, QString(), QString());
    abrirNaFilial(TCliforNome, IndiceNome, QString());
    abrirNaFilial(TClientes, IndiceNome, "Sistema = '0'");
    abrirNaFilial(TFornecedores, IndiceNome, "Sistema = '1'");
}

void TDMClifor::fechar() {
    for (Tabela* t : {&TClifor, &TCliforNome, &TClientes, &TFornecedores})
        t->fechar();
}

bool TDMClifor::localizarCodigo(int codigo) {
    return TClifor.localizarChave({Sess().Filial, codigo});
}

bool TDMClifor::localizarNome(const QString& nome) {
    TCliforNome.localizarProximo({Sess().Filial, nome});
    return !TCliforNome.eof() &&
           TCliforNome.campo("NOME").texto().startsWith(nome, Qt::CaseInsensitive);
}
