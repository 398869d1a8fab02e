#include "TDMFilial.h"

#include "session/Sessao.h"
#include "store/Consulta.h"
#include "store/DefTabela.h"
#include "store/ErroBanco.h"
#include "store/SessaoBanco.h"

const QString TDMFilial::CaminhoCatalogo = CaminhoCatalogoEmpresas;

TDMFilial::TDMFilial(SessaoBanco* sessao)
    : TEmpresa(CaminhoCatalogo, sessao), TFilial("Filial.DB", sessao),
      TFilial2("Filial2.DB", sessao), TEscricfg("Escricfg.DB", sessao),
      TEstoqcfg("Estoqcfg.DB", sessao), TCRECFG("CRECFG.DB", sessao),
      TFATURCFG("FATURCFG.DB", sessao), TPEDIDCFG("PEDIDCFG.DB", sessao),
      TCONTCFG("CONTCFG.DB", sessao), TAcesso("Acesso.db", sessao),
      TLIMITCOD("LIMITCOD.DB", sessao), sessao_(sessao ? sessao : &SessaoBanco::padrao()) {
    for (Tabela* t : {&TEmpresa, &TFilial, &TFilial2, &TEscricfg, &TEstoqcfg, &TCRECFG, &TFATURCFG,
                      &TPEDIDCFG, &TCONTCFG, &TAcesso, &TLIMITCOD})
        t->setNomeBanco("Orvalo");
    // The branch configuration follows the current branch row.
    for (Tabela* t :
         {&TFilial2, &TEscricfg, &TEstoqcfg, &TCRECFG, &TFATURCFG, &TPEDIDCFG, &TCONTCFG})
        t->setMestre(&TFilial, "Filial");
}

TDMFilial::~TDMFilial() {
    for (Tabela* t :
         {&TFilial2, &TEscricfg, &TEstoqcfg, &TCRECFG, &TFATURCFG, &TPEDIDCFG, &TCONTCFG})
        t->setMestre(nullptr, QString());
}

bool TDMFilial::existeCatalogo() {
    return sessao_->existeTabela("Orvalo", CaminhoCatalogo);
}

void TDMFilial::atualizarCatalogo() {
    const QString tabela = "\"" + CaminhoCatalogo + "\"";
    const QList<QStringList> comandos = {
        {"ALTER TABLE " + tabela, "  ADD LOJA SMALLINT"},
        {"ALTER TABLE " + tabela, "  ADD MULTIEMPRESAS BOOLEAN"},
        {"ALTER TABLE " + tabela, "  ADD CLIENTEUNICO BOOLEAN"},
        {"ALTER TABLE " + tabela, "  ADD PRODUTOUNICO BOOLEAN"},
        {"UPDATE " + tabela, "   SET LOJA = CODIGO", " WHERE LOJA IS NULL"},
    };
    for (const QStringList& sql : comandos) {
        Consulta q(sessao_);
        q.setNomeBanco("Orvalo");
        q.setSql(sql);
        try {
            q.executar();
        } catch (const ErroBanco&) {
        }
    }
}

void TDMFilial::abrirCatalogo() {
    TEmpresa.abrir();
}

void TDMFilial::fecharCatalogo() {
    TEmpresa.fechar();
}

bool TDMFilial::gruposDiferentes() {
    TEmpresa.primeiro();
    if (TEmpresa.eof())
        return false;
    const QString primeiro = TEmpresa.campo("Grupo").texto();
    for (TEmpresa.proximo(); !TEmpresa.eof(); TEmpresa.proximo())
        if (TEmpresa.campo("Grupo").texto() != primeiro)
            return true;
    return false;
}

int TDMFilial::filtrarGrupo(int grupo) {
    TEmpresa.fechar();
    TEmpresa.setFiltro("Grupo = " + QString::number(grupo));
    TEmpresa.abrir();
    return TEmpresa.contarRegistros();
}

bool TDMFilial::localizarCodigo(const QString& codigo) {
    bool ok = false;
    const int n = codigo.trimmed().toInt(&ok);
    return ok && TEmpresa.localizar({"Codigo"}, {n});
}

bool TDMFilial::localizarNome(const QString& nome) {
    return TEmpresa.localizar({"Nome"}, {nome});
}

QList<LinhaCatalogo> TDMFilial::linhasCatalogo() {
    QList<LinhaCatalogo> linhas;
    if (!TEmpresa.ativo())
        return linhas;
    const Marcador atual = TEmpresa.marcador();
    for (TEmpresa.primeiro(); !TEmpresa.eof(); TEmpresa.proximo())
        linhas.append({TEmpresa.campo("Codigo").inteiro(), TEmpresa.campo("Nome").texto(),
                       TEmpresa.campo("Diretorio").texto(), TEmpresa.marcador()});
    if (atual.valido)
        TEmpresa.irPara(atual);
    return linhas;
}

QString TDMFilial::senhaEmpresa() {
    return TEmpresa.campo("PWD").texto();
}

QString TDMFilial::diretorioEmpresa() {
    return TEmpresa.campo("Diretorio").texto();
}

void TDMFilial::registrarEmpresas() {
    DadosSessao& s = Sess();
    for (EntradaEmpresa& e : s.Empresas)
        e = EntradaEmpresa();
    s.MultiEmpresas = false;
    s.ClienteUnico = false;
    s.ProdutoUnico = false;
    // An empty catalogue has no current row: nothing to copy or walk.
    if (!s.EmpresaDisponivel || TEmpresa.vazio())
        return;
    s.Loja = TEmpresa.campo("LOJA").inteiro();
    s.NomeEmpresa = TEmpresa.campo("Nome").texto().toUpper();
    s.MultiEmpresas = TEmpresa.campo("MULTIEMPRESAS").logico();
    s.ClienteUnico = TEmpresa.campo("CLIENTEUNICO").logico();
    s.ProdutoUnico = TEmpresa.campo("PRODUTOUNICO").logico();
    const Marcador escolhida = TEmpresa.marcador();
    for (TEmpresa.primeiro(); !TEmpresa.eof(); TEmpresa.proximo()) {
        const int loja = TEmpresa.campo("LOJA").inteiro();
        if (loja == 0)
            s.DirLojaZero = TEmpresa.campo("Diretorio").texto();
        // Rows beyond the fiftieth find no free entry and are left out.
        for (EntradaEmpresa& e : s.Empresas) {
            if (e.Codigo.isEmpty()) {
                e = {QString::asprintf("%2.2d", loja), TEmpresa.campo("Diretorio").texto(),
                     TEmpresa.campo("Nome").texto()};
                break;
            }
        }
    }
    TEmpresa.irPara(escolhida);
}

// The directory line; a server alias has its SERVER NAME line first.
QString TDMFilial::primeiraLinhaAlias() const {
    const QStringList linhas = sessao_->parametrosAlias("Orvalo");
    for (const QString& l : linhas)
        if (l.startsWith("PATH=", Qt::CaseInsensitive))
            return l;
    return linhas.value(0);
}

// The directory line is replaced; the lines that name a server stay.
void TDMFilial::trocarAlias(const QString& diretorio) {
    QStringList linhas;
    for (const QString& l : sessao_->parametrosAlias("Orvalo"))
        if (!l.startsWith("PATH=", Qt::CaseInsensitive))
            linhas << l;
    linhas << "PATH=" + diretorio;
    sessao_->fechar();
    sessao_->definirAlias("Orvalo", linhas);
    sessao_->abrir();
}

bool TDMFilial::existeDiretorio(const QString& diretorio) const {
    return sessao_->existeDiretorio(diretorio);
}

QString TDMFilial::localDiretorio(const QString& diretorio) const {
    return sessao_->localDiretorio(diretorio);
}

void TDMFilial::abrirTabelasFilial() {
    for (Tabela* t : {&TFilial, &TEscricfg, &TEstoqcfg, &TCRECFG, &TAcesso})
        t->abrir();
    // Opened only to be sure it is there; a database that never had the
    // table and has no definition for it is left alone.
    if (CatalogoTabelas::buscar("LIMITCOD") || sessao_->existeTabela("Orvalo", "LIMITCOD.DB")) {
        TLIMITCOD.abrir();
        TLIMITCOD.fechar();
    }
}

QStringList TDMFilial::nomesFiliais() {
    QStringList nomes;
    for (TFilial.primeiro(); !TFilial.eof(); TFilial.proximo())
        nomes << TFilial.campo("NOME").texto();
    TFilial.primeiro();
    return nomes;
}

bool TDMFilial::selecionarFilial(const QString& nome) {
    if (!TFilial.localizar({"NOME"}, {nome}))
        return false;
    DadosSessao& s = Sess();
    s.Filial = TFilial.campo("Filial").inteiro();
    s.NomeFilial = TFilial.campo("NOME").texto();
    s.DirCobol = TFilial.campo("DIRCOBOL").texto();
    s.TermServ = TFilial.campo("TermServ").logico();
    s.FatModNf = TFilial.campo("FATMODNF").inteiro();
    s.FilialTexto = QString::number(s.Filial);
    s.Modulo = "PCP";
    return true;
}

void TDMFilial::fecharTabelasFilial() {
    for (Tabela* t : {&TAcesso, &TCRECFG, &TEscricfg, &TLIMITCOD, &TEstoqcfg, &TFATURCFG, &TFilial})
        t->fechar();
}
