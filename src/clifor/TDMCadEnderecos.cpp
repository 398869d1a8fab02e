#include "TDMCadEnderecos.h"

#include "services/CopiarRegistroParaEmpresa.h"
#include "session/AcessoDados.h"
#include "session/Dialogos.h"
#include "session/Sessao.h"
#include "store/Consulta.h"
#include "store/ErroBanco.h"

namespace {
bool Editando(const ConjuntoDados& ds) {
    return ds.estado() == EstadoDados::Editando || ds.estado() == EstadoDados::Inserindo;
}
} // namespace

TDMCadEnderecos::TDMCadEnderecos(SessaoBanco* sessao)
    : TEndereco("Endereco", sessao), sessao_(sessao) {}

QList<QStringList> TDMCadEnderecos::partes(bool porNome) {
    Consulta q(sessao_);
    q.setSql({"SELECT FILIAL, COD_CLIFOR, NOME FROM CLIFOR WHERE FILIAL = :PARAM1",
              porNome ? " ORDER BY NOME" : " ORDER BY COD_CLIFOR"});
    q.definirParametro("PARAM1", Sess().Filial);
    QList<QStringList> linhas;
    for (q.abrir(); !q.eof(); q.proximo())
        linhas << QStringList{q.campo(1).texto(), q.campo(2).texto()};
    return linhas;
}

int TDMCadEnderecos::linhaPesquisa(const QList<QStringList>& linhas, bool porNome,
                                   const QString& texto) {
    if (linhas.isEmpty())
        return -1;
    bool ok = true;
    const int codigo = porNome ? 0 : texto.trimmed().toInt(&ok);
    if (!ok)
        return -1;
    for (int i = 0; i < linhas.size(); ++i) {
        const bool chegou = porNome ? linhas[i][1].compare(texto, Qt::CaseInsensitive) >= 0
                                    : linhas[i][0].toInt() >= codigo;
        if (chegou)
            return i;
    }
    return int(linhas.size()) - 1;
}

bool TDMCadEnderecos::abrirParte(int codigo) {
    try {
        if (Editando(TEndereco))
            TEndereco.cancelar();
        TEndereco.fechar();
        filial_ = Sess().Filial;
        parte_ = codigo;
        TEndereco.definirFaixa({filial_, codigo}, {filial_, codigo});
        TEndereco.abrir();
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        return false;
    }
    return true;
}

int TDMCadEnderecos::ProximoCodigo() {
    Consulta q(sessao_);
    q.setSql({"SELECT MAX(CODIGO) ULTIMO FROM ENDERECO WHERE FILIAL = :PARAM1 AND COD_CLIFOR = "
              ":PARAM2"});
    q.definirParametro("PARAM1", filial_);
    q.definirParametro("PARAM2", parte_);
    q.abrir();
    return q.campo(0).inteiro() + 1;
}

bool TDMCadEnderecos::Incluir() {
    if (!parte_ || !TEndereco.ativo() || Editando(TEndereco))
        return false;
    try {
        const int codigo = ProximoCodigo();
        TEndereco.incluir();
        TEndereco.campo("Filial").definir(filial_);
        TEndereco.campo("Cod_Clifor").definir(parte_);
        TEndereco.campo("Codigo").definir(codigo);
    } catch (const ErroBanco& e) {
        if (Editando(TEndereco))
            TEndereco.cancelar();
        MostrarErro(e.texto());
        return false;
    }
    return true;
}

bool TDMCadEnderecos::Alterar() {
    return TEndereco.ativo() && !TEndereco.vazio() && !Editando(TEndereco) &&
           EditarRegistro(TEndereco);
}

bool TDMCadEnderecos::Gravar() {
    return Editando(TEndereco) && GravarRegistro(TEndereco);
}

void TDMCadEnderecos::Cancelar() {
    if (Editando(TEndereco))
        TEndereco.cancelar();
}

bool TDMCadEnderecos::Excluir() {
    if (!TEndereco.ativo() || TEndereco.vazio() || Editando(TEndereco) ||
        !Confirmar("Confirma exclusão do registro?"))
        return false;
    try {
        TEndereco.excluir();
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        return false;
    }
    return true;
}

void TDMCadEnderecos::Clonar() {
    Tabela& t = TEndereco;
    if (!t.ativo() || t.vazio() || Editando(t))
        return;
    CopiarRegistroParaEmpresa("Filial|Cod_Clifor|Codigo",
                              t.campo("Filial").texto() + "|" + t.campo("Cod_Clifor").texto() +
                                  "|" + t.campo("Codigo").texto(),
                              "Endereco.DB", false);
}
