#include "TDMCadProduto.h"

#include "CatalogoTamanhos.h"
#include "CodigoProduto.h"
#include "ConsultasProduto.h"
#include "ExclusaoProduto.h"
#include "PrecosProduto.h"
#include "ProdutoDerivados.h"
#include "services/FormatoNumero.h"
#include "session/AcessoDados.h"
#include "session/AutorizarAcesso.h"
#include "session/Dialogos.h"
#include "session/GravarLogSistema.h"
#include "session/Parametros.h"
#include "session/Relogio.h"
#include "session/Sessao.h"
#include "session/TemPermissao.h"
#include "stock/AtualizaSaldoMes.h"
#include "stock/Meses.h"
#include "store/Consulta.h"
#include "store/ErroBanco.h"
#include "store/TransacaoBanco.h"

#include <algorithm>
#include <iterator>

namespace {
const char* const Janela = "FoCadProduto";

// The list's orders: a named index or a list of fields, and the widths
// the search text is cut into (empty: one value).
struct Ordem {
    const char* nome;
    const char* indice;
    const char* campos;
    std::vector<int> larguras;
};
const Ordem Ordens[] = {
    {"Codigo", "", nullptr, {}},
    {"Classificação", nullptr, "Filial;Nivel1;Nivel2;Nivel3;Nivel4;Nivel5;NOME1", {2, 3, 4, 3, 6}},
    {"Classificação Fiscal", "CLAS_FISC", nullptr, {}},
    {"Marca", "MARCA", nullptr, {}},
    {"Nivel / Alfa", "Classificacao", nullptr, {2, 3, 4, 3, 6, 6}},
    {"Nome", "NOME1", nullptr, {}},
    {"Referencia", "REFERENCIA", nullptr, {}},
    {"Ref. Fornecedor", "RefFornec", nullptr, {}},
    {"Formula", "Formula", nullptr, {}},
};

bool Em(int valor, std::initializer_list<int> lista) {
    return std::find(lista.begin(), lista.end(), valor) != lista.end();
}

bool Editando(const ConjuntoDados& ds) {
    return ds.estado() == EstadoDados::Editando || ds.estado() == EstadoDados::Inserindo;
}

QString Lista(int n) {
    return "LISTA" + QString::number(n);
}

void Log(const QString& acao, const QString& texto) {
    GravarLogSistema(Sess().Filial, Janela, acao, Sess().Usuario, QString(), texto);
}
} // namespace

TDMCadProduto::TDMCadProduto(SessaoBanco* sessao)
    : TEstproma("ESTPROMA", sessao), TAliqbase("ALIQBASE", sessao), TTamanho("Tamanho", sessao),
      TObseProd("ObseProd", sessao), TPrecos("Precos", sessao), TMargens("Margens", sessao),
      sessao_(sessao), saldos_(sessao), sldpr_("SLDPR", sessao),
      estpromaSaldos_("ESTPROMA", sessao), indices_("Indices", sessao) {}

TDMCadProduto::~TDMCadProduto() {
    fechar();
}

void TDMCadProduto::abrir() {
    fechar();
    filial_ = Sess().Filial;
    ultimos_ = {};
    ordem_ = 5;
    filtro_ = {};
    TEstproma.setIndice("NOME1");
    TEstproma.definirFaixa({filial_}, {filial_});
    TEstproma.setFiltro("Situacao = '1'");
    TEstproma.abrir();
    for (Tabela* t : {&TAliqbase, &TTamanho, &TObseProd, &TPrecos}) {
        t->definirFaixa({filial_, 0}, {filial_, 0});
        t->abrir();
    }
    TMargens.abrir();
    indices_.abrir();
    seguirProduto();
}

void TDMCadProduto::fechar() {
    for (ConjuntoDados* ds : std::initializer_list<ConjuntoDados*>{
             &TAliqbase, &TTamanho, &TObseProd, &TPrecos, &TMargens, &TEstproma, &sldpr_,
             &estpromaSaldos_, &indices_})
        ds->fechar();
    saldos_.fechar();
}

bool TDMCadProduto::Permitido(const QString& permissao, bool mensagens) {
    return PermitidoNaSessao(permissao, mensagens);
}

bool TDMCadProduto::Bloqueado(const QString& permissao, bool mensagens) {
    return BloqueadoNaSessao(permissao, mensagens);
}

// --- List ---

const QStringList& TDMCadProduto::Ordens() {
    static const QStringList nomes = [] {
        QStringList n;
        for (const Ordem& o : ::Ordens)
            n << QString::fromUtf8(o.nome);
        return n;
    }();
    return nomes;
}

void TDMCadProduto::definirOrdem(int ordem) {
    if (ordem < 0 || ordem >= int(std::size(::Ordens)))
        return;
    ordem_ = ordem;
    const Ordem& o = ::Ordens[ordem];
    if (o.campos)
        TEstproma.setCamposIndice(o.campos);
    else
        TEstproma.setIndice(o.indice);
}

void TDMCadProduto::definirFiltro(const FiltroProdutos& filtro) {
    filtro_ = filtro;
    switch (filtro.situacao) {
    case FiltroProdutos::Ativos:
        TEstproma.setFiltro("Situacao = '1'");
        break;
    case FiltroProdutos::Inativos:
        TEstproma.setFiltro("Situacao <> '1' or Situacao is null");
        break;
    case FiltroProdutos::Todos:
        TEstproma.setFiltro(QString());
        break;
    }
    while (!TEstproma.eof() && !passaFiltro())
        TEstproma.proximo();
}

// The typed values are compared here, never written into the cursor's
// filter: what the operator types cannot become SQL.
bool TDMCadProduto::passaFiltro() {
    for (auto it = filtro_.campos.begin(); it != filtro_.campos.end(); ++it)
        if (!it.value().isEmpty() && TEstproma.campo(it.key()).texto() != it.value())
            return false;
    return true;
}

void TDMCadProduto::lerLista(QList<QStringList>& linhas, QVariantList& chaves) {
    linhas.clear();
    chaves.clear();
    Tabela& t = TEstproma;
    if (!t.ativo() || Editando(t))
        return;
    const Marcador atual = t.marcador();
    ProdutoDerivados derivados(t);
    for (t.primeiro(); !t.eof(); t.proximo()) {
        if (!passaFiltro())
            continue;
        linhas << QStringList{t.campo("Cod_Reduz").texto(),
                              t.campo("NOME1").texto(),
                              t.campo("REFERENCIA").texto(),
                              t.campo("UNID_PAD").texto(),
                              derivados.Classi(),
                              t.campo("CLAS_FISC").texto(),
                              t.campo("MARCA").texto(),
                              t.campo("SITUACAO").texto() == "1" ? "Ativo" : "Inativo"};
        chaves << t.marcador().rowid;
    }
    if (atual.valido) {
        try {
            t.irPara(atual);
        } catch (const ErroBanco&) {
            t.primeiro();
        }
    } else {
        t.primeiro();
    }
    while (!t.eof() && !passaFiltro())
        t.proximo();
}

bool TDMCadProduto::pesquisar(const QString& texto) {
    if (texto.isEmpty() || Editando(TEstproma))
        return false;
    const Ordem& o = ::Ordens[ordem_];
    QVariantList chave{filial_};
    if (ordem_ == 0) {
        bool ok = false;
        const int codigo = texto.trimmed().toInt(&ok);
        if (!ok) {
            MostrarErro("'" + texto + "' is not a valid integer value");
            return false;
        }
        chave << codigo;
    } else if (o.larguras.empty()) {
        chave << texto;
    } else {
        int inicio = 0;
        for (int largura : o.larguras) {
            if (inicio >= texto.size())
                break;
            chave << texto.mid(inicio, largura);
            inicio += largura;
        }
    }
    Tabela& t = TEstproma;
    t.localizarProximo(chave);
    while (!t.eof() && !passaFiltro())
        t.proximo();
    if (t.eof()) {
        t.ultimo();
        while (!t.bof() && !t.vazio() && !passaFiltro())
            t.anterior();
    }
    seguirProduto();
    return true;
}

bool TDMCadProduto::posicionar(int codigo) {
    if (Editando(TEstproma))
        return false;
    const bool achou = TEstproma.localizar({"Filial", "Cod_Reduz"}, {filial_, codigo});
    seguirProduto();
    return achou;
}

int TDMCadProduto::codigoAtual() {
    if (!TEstproma.ativo() || TEstproma.vazio())
        return 0;
    return TEstproma.campo("Cod_Reduz").inteiro();
}

void TDMCadProduto::seguirProduto() {
    const int codigo = codigoAtual();
    for (Tabela* t : {&TAliqbase, &TTamanho, &TObseProd, &TPrecos})
        if (t->ativo() && !Editando(*t))
            t->definirFaixa({filial_, codigo}, {filial_, codigo});
}

// --- Modes ---

void TDMCadProduto::lembrarInicio() {
    Tabela& t = TEstproma;
    nomeInicial_ = t.campo("NOME1").texto();
    producaoInicial_ = t.campo("Producao").texto();
    referenciaInicial_ = t.campo("REFERENCIA").texto();
    for (int n = 1; n <= 10; ++n)
        listasIniciais_[size_t(n - 1)] = t.campo(Lista(n)).valor();
}

bool TDMCadProduto::Incluir() {
    if (Editando(TEstproma) || !Permitido("IncProdutos"))
        return false;
    QString resposta;
    try {
        resposta = QString::number(ProporCodigoProduto(sessao_));
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        return false;
    }
    if (!Dialogos::atual().entrada("Incluir Novo", "Codigo", resposta))
        return false;
    bool ok = false;
    const int codigo = resposta.trimmed().toInt(&ok);
    if (!ok) {
        MostrarErro("'" + resposta + "' is not a valid integer value");
        return false;
    }
    if (codigo <= 0) {
        MostrarErro("Codigo invalido");
        return false;
    }
    try {
        Tabela existe("ESTPROMA", sessao_);
        existe.abrir();
        if (existe.localizarChave({filial_, codigo})) {
            MostrarMensagem("Codigo ja cadastrado");
            return false;
        }
        TEstproma.incluir();
        PreencherPadroesProduto(TEstproma, codigo, ultimos_);
    } catch (const ErroBanco& e) {
        if (Editando(TEstproma))
            TEstproma.cancelar();
        MostrarErro(e.texto());
        return false;
    }
    lembrarInicio();
    seguirProduto();
    return true;
}

bool TDMCadProduto::Alterar() {
    if (TEstproma.vazio() || Editando(TEstproma) || !Permitido("EditarProduto"))
        return false;
    if (Em(Sess().FatModNf, {86, 95, 160, 239}) && !AutorizarAcesso(142))
        return false;
    if (!Consultar() || !EditarRegistro(TEstproma))
        return false;
    try {
        if (const std::optional<double> empenho = EmpenhoProduto(filial_, codigoAtual(), sessao_))
            TEstproma.campo("QTD_EMP1").definir(*empenho);
    } catch (const ErroBanco& e) {
        TEstproma.cancelar();
        MostrarErro(e.texto());
        return false;
    }
    lembrarInicio();
    return true;
}

bool TDMCadProduto::Consultar() {
    if (TEstproma.vazio())
        return false;
    return AtualizaSaldoMes(saldos_, sldpr_, estpromaSaldos_, AnoMesDaData(Relogio::atual().hoje()),
                            codigoAtual(), QString(), 1, false);
}

bool TDMCadProduto::Estatisticas(EstatisticasProduto& e, bool mostrarAndamento) {
    e = {};
    const int codigo = codigoAtual();
    if (!codigo)
        return false;
    Tabela& t = TEstproma;
    e.minimo = t.campo("QTD_MIN").numero();
    e.pontoEncomenda = t.campo("QTD_PTOENC").numero();
    e.precoCompra = t.campo("PRECO_ENTR").numero();
    e.ultimoCusto = t.campo("ULTIMOCUST").numero();
    const QString mes = AnoMesDaData(Relogio::atual().hoje());
    if (!Editando(t) && !AtualizaSaldoMes(saldos_, sldpr_, estpromaSaldos_, mes, codigo, QString(),
                                          1, false, mostrarAndamento))
        return false;
    try {
        e.fisico = FisicoDoMes(filial_, codigo, mes, sessao_);
        e.pedidos = SaldoPedidosAbertos(filial_, codigo, sessao_);
    } catch (const ErroBanco& erro) {
        MostrarErro(erro.texto());
        return false;
    }
    return true;
}

bool TDMCadProduto::pedeCodigo58(const QString& modo) const {
    const DadosSessao& s = Sess();
    if (Em(s.FatModNf, {8, 51, 53, 112, 135, 167, 177, 182, 201}))
        return modo == "A";
    if (Em(s.FatModNf, {132, 277}))
        return s.Nivel == "USU";
    return true;
}

bool TDMCadProduto::VerificarReferencia() {
    Tabela& t = TEstproma;
    if (!Editando(t) || LerParametroLogico("Orvalo", Sess().FilialTexto, "PermiteCadProdMesmaRef"))
        return true;
    try {
        if (!ReferenciaDuplicada(filial_, codigoAtual(), t.campo("REFERENCIA").texto(), sessao_))
            return true;
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        return false;
    }
    MostrarMensagem("Referencia ja cadastrada");
    return false;
}

// The fields the save derives, and its warnings (the save goes on).
void TDMCadProduto::aplicarDerivados(const QString& modo) {
    Tabela& t = TEstproma;
    const int codigo = codigoAtual();
    const int fat = Sess().FatModNf;
    Tabela tamanhos("Tamanho", sessao_);
    tamanhos.definirFaixa({filial_, codigo}, {filial_, codigo});
    tamanhos.abrir();
    t.campo("GRADE").definir(tamanhos.vazio() ? "0" : "1");
    t.campo("Nivel6").definir(Formatar("%6.6d", {codigo}));
    if (modo == "A" && t.campo("REFERENCIA").texto() != referenciaInicial_)
        MostrarMensagem("A referência deste produto foi alterada. Não esqueça de imprimir novas "
                        "etiquetas!");
    if (fat == 150)
        t.campo("LISTA6").definir(MarkupPeloPrecoVenda(
            t.campo("LISTA1").numero(), t.campo("CustoIntermediario").numero(), fat));
    else if (Em(fat, {81, 160, 170, 175}) && t.campo("LISTA6").numero() == 0)
        MostrarAviso("Mark Up zerado, verifique preço de venda!");
    const QDate hoje = Relogio::atual().hoje();
    for (int n = 1; n <= 10; ++n)
        if (t.campo(Lista(n)).valor() != listasIniciais_[size_t(n - 1)])
            t.campo("DATA_L" + QString::number(n)).definir(hoje);
}

bool TDMCadProduto::Gravar(const QString& modo, const LegendaReplicacao& legenda) {
    Tabela& t = TEstproma;
    if (!Editando(t))
        return false;
    const int codigo = codigoAtual();
    if (pedeCodigo58(modo)) {
        Sess().LogTabela = "ESTPROMA";
        Sess().LogRegistro = "Produto: " + QString::number(codigo);
        Sess().LogOperacao = modo;
        if (!AutorizarAcesso(58))
            return false;
    }
    const QString falta = VerificarCamposProduto(t);
    if (!falta.isEmpty()) {
        MostrarMensagem(falta);
        return false;
    }
    // Checked again here: a clone, or a reference never left, would
    // otherwise save a duplicate.
    if (!VerificarReferencia())
        return false;
    const int fat = Sess().FatModNf;
    try {
        if (t.campo("SITUACAO").texto() == "0" && !Em(fat, {86, 239})) {
            const QString saldo = MensagemSaldoDesativacao(
                SaldosPorDeposito(filial_, codigo, Relogio::atual().hoje(), sessao_));
            if (!saldo.isEmpty()) {
                MostrarMensagem(saldo);
                return false;
            }
        }
        aplicarDerivados(modo);
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        return false;
    }
    if (!GravarRegistro(t))
        return false;
    depoisDeGravar(modo, legenda);
    return true;
}

void TDMCadProduto::depoisDeGravar(const QString& modo, const LegendaReplicacao& legenda) {
    Tabela& t = TEstproma;
    const int codigo = t.campo("Cod_Reduz").inteiro();
    const bool alteracao = modo == "A";
    Log(alteracao ? "E" : "I", TextoLogGravacao(t, alteracao));
    const QString producao = t.campo("Producao").texto();
    if (alteracao && producao != producaoInicial_)
        Log("E", "Edição de Produto Campo Produto Produção alterado de  " + producaoInicial_ +
                     " para " + producao);
    ultimos_ = UltimosValoresDe(t);
    try {
        if (alteracao && t.campo("NOME1").texto() != nomeInicial_)
            RegistrarAlteracaoDescricao(filial_, codigo, nomeInicial_, Relogio::atual().hoje(),
                                        sessao_);
        // Client-specific prices follow the lists that changed.
        for (int n = 1; n <= 10; ++n) {
            const QVariant lista = t.campo(Lista(n)).valor();
            if (lista == listasIniciais_[size_t(n - 1)])
                continue;
            Consulta q(sessao_);
            q.setSql({"UPDATE PRECOCLI", "   SET PRECO = :P-PRECO", " WHERE FILIAL = :P-FIL",
                      "   AND COD_REDUZ = :P-PROD", "   AND LISTA = :P-LISTA"});
            q.definirParametro("P-PRECO", lista);
            q.definirParametro("P-FIL", filial_);
            q.definirParametro("P-PROD", codigo);
            q.definirParametro("P-LISTA", n);
            q.executar();
        }
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
    }
    lembrarInicio();
    try {
        ReplicarProduto(codigo, alteracao, legenda, sessao_);
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
    }
    seguirProduto();
}

void TDMCadProduto::Cancelar(const QString& modo) {
    const int codigo = codigoAtual();
    for (Tabela* t : {&TAliqbase, &TTamanho, &TObseProd, &TPrecos})
        if (Editando(*t))
            t->cancelar();
    if (Editando(TEstproma))
        TEstproma.cancelar();
    if (modo == "I" && codigo) {
        // The side rows made for a product never saved go with it, unless
        // another station saved that code meanwhile.
        try {
            Tabela existe("ESTPROMA", sessao_);
            existe.abrir();
            if (!existe.localizarChave({filial_, codigo})) {
                TransacaoBanco tr(QStringLiteral("Orvalo"), sessao_);
                for (const QString& tabela : TabelasDoProduto()) {
                    Consulta d(sessao_);
                    d.setSql({"DELETE FROM " + tabela +
                              " WHERE FILIAL = :P-FILIAL AND COD_REDUZ = :P-CODIGO"});
                    d.definirParametro("P-FILIAL", filial_);
                    d.definirParametro("P-CODIGO", codigo);
                    d.executar();
                }
                tr.confirmar();
            }
        } catch (const ErroBanco& e) {
            MostrarErro(e.texto());
        }
    }
    seguirProduto();
}

bool TDMCadProduto::Excluir() {
    Tabela& t = TEstproma;
    if (t.vazio() || Editando(t) || !Permitido("ExcluirProduto"))
        return false;
    if (!Confirmar("Confirma exclusao do registro?\n\nNa tela a seguir, informe o motivo da "
                   "exclusão com no mínimo 10 caracteres..."))
        return false;
    QString motivo;
    if (!Dialogos::atual().entrada("Informe o motivo da exclusão :", "Motivo :", motivo))
        motivo.clear();
    if (motivo.trimmed().size() < 10) {
        MostrarAviso("ATENÇÃO : Produto não excluido, você precisa informar o motivo da "
                     "exclusão... tente novamente!");
        return false;
    }
    const int codigo = codigoAtual();
    const QString texto = "Exclusão de Produto  |" + QString::number(codigo) + " |" +
                          t.campo("NOME1").texto() + " |Class Fisc " +
                          t.campo("CLAS_FISC").texto() + "|Motivo:" + motivo.trimmed();
    QVariantList seguinte;
    try {
        if (ProdutoTemMovimento(codigo, sessao_)) {
            MostrarMensagem("Item possui movimentação, impossível excluir!!!");
            return false;
        }
        for (const QString& campo : t.camposIndice())
            seguinte << t.campo(campo).valor();
        ExcluirProdutoDaFilial(filial_, codigo, sessao_);
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        return false;
    }
    Log("X", texto);
    MostrarMensagem("Produto excluido com sucesso!!!");
    t.localizarProximo(seguinte);
    while (!t.eof() && !passaFiltro())
        t.proximo();
    if (t.eof())
        t.ultimo();
    seguirProduto();
    return true;
}

bool TDMCadProduto::Clonar() {
    Tabela& t = TEstproma;
    if (Editando(t) || !Permitido("IncProdutos") || !Permitido("EditarProduto"))
        return false;
    if (!Confirmar("Tem certeza que deseja clonar o registro selecionado?"))
        return false;
    const QString erro = "Erro ao clonar produto!\n\n";
    try {
        Tabela origem("ESTPROMA", sessao_);
        origem.abrir();
        if (t.vazio() || !origem.localizarChave({filial_, codigoAtual()})) {
            MostrarErro(erro + "Erro ao posicionar no produto para copia!");
            return false;
        }
        const int codigo = ProporCodigoProduto(sessao_);
        t.incluir();
        for (int i = 0; i < origem.quantidadeCampos(); ++i) {
            const QString nome = origem.campo(i).nome();
            if (t.indiceCampo(nome) >= 0)
                t.campo(nome).definir(origem.campo(i).valor());
        }
        t.campo("Cod_Reduz").definir(codigo);
        // A new product holds no stock and has no orders yet.
        for (const char* campo : {"QTD_FIS", "QTD_EMP1", "QTD_EMP2", "QTD_PED", "QTD_ENC"})
            t.campo(campo).definir(0.0);
        t.campo("DataCadastro").definir(Relogio::atual().hoje());
    } catch (const ErroBanco& e) {
        if (Editando(t))
            t.cancelar();
        MostrarErro(erro + e.texto());
        return false;
    }
    lembrarInicio();
    seguirProduto();
    MostrarMensagem(
        "Registro clonado com sucesso! Clique em GRAVAR na próxima tela para concluir!");
    return true;
}

// --- Price helpers ---

bool TDMCadProduto::UsaMarkup(int fatModNf) {
    return Em(fatModNf, {160, 170, 171, 175});
}

void TDMCadProduto::SairMarkup(int par) {
    Tabela& t = TEstproma;
    const int fat = Sess().FatModNf;
    if (!Editando(t) || !UsaMarkup(fat) || (par == 2 && fat != 160))
        return;
    const QString markup = par == 1 ? "LISTA6" : "LISTA7";
    const QString preco = par == 1 ? "LISTA1" : "LISTA2";
    t.campo(preco).definir(
        PrecoVendaPeloMarkup(t.campo("ULTIMOCUST").numero(), t.campo(markup).numero(), fat));
}

void TDMCadProduto::SairUltimoCusto() {
    SairMarkup(1);
    SairMarkup(2);
}

void TDMCadProduto::SairPrecoVenda(int par) {
    Tabela& t = TEstproma;
    const int fat = Sess().FatModNf;
    if (!Editando(t) || (par == 2 && fat != 160) || (!UsaMarkup(fat) && fat != 150))
        return;
    const QString markup = par == 1 ? "LISTA6" : "LISTA7";
    const QString preco = par == 1 ? "LISTA1" : "LISTA2";
    const double custo = t.campo(fat == 150 ? "CustoIntermediario" : "ULTIMOCUST").numero();
    t.campo(markup).definir(MarkupPeloPrecoVenda(t.campo(preco).numero(), custo, fat));
}

void TDMCadProduto::SairLista1() {
    Tabela& t = TEstproma;
    if (!Editando(t))
        return;
    std::array<double, 5> percentuais{};
    try {
        Tabela f("Filial", sessao_);
        f.abrir();
        if (!f.localizarChave({filial_}))
            return;
        for (int n = 2; n <= 6; ++n)
            percentuais[size_t(n - 2)] = f.campo("Percent_L" + QString::number(n)).numero();
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        return;
    }
    const auto listas = ListasDaLista1(t.campo("LISTA1").numero(), percentuais, Sess().FatModNf);
    for (int n = 2; n <= 6; ++n)
        if (listas[size_t(n - 2)])
            t.campo(Lista(n)).definir(*listas[size_t(n - 2)]);
}

// --- Fiscal regions ---

bool TDMCadProduto::IncluirRegiao() {
    const int codigo = codigoAtual();
    if (!codigo || Editando(TAliqbase))
        return false;
    QString regiao;
    if (!Dialogos::atual().entrada("Incluir Nova", "Regiao Fiscal", regiao))
        return false;
    if (regiao.trimmed().size() != 1 || regiao.size() != 1) {
        MostrarErro("Codigo de Região Fiscal Invalida");
        return false;
    }
    try {
        if (TAliqbase.localizarChave({filial_, codigo, regiao})) {
            MostrarMensagem("Regiao fiscal ja existe");
            return false;
        }
        TAliqbase.incluir();
        TAliqbase.campo("Filial").definir(filial_);
        TAliqbase.campo("Cod_Reduz").definir(codigo);
        TAliqbase.campo("REGIAOFISC").definir(regiao);
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        return false;
    }
    return true;
}

bool TDMCadProduto::AlterarRegiao() {
    return !TAliqbase.vazio() && !Editando(TAliqbase) && EditarRegistro(TAliqbase);
}

bool TDMCadProduto::GravarRegiao() {
    if (!Editando(TAliqbase) || !AutorizarAcesso(58))
        return false;
    return GravarRegistro(TAliqbase);
}

void TDMCadProduto::CancelarRegiao() {
    if (Editando(TAliqbase))
        TAliqbase.cancelar();
}

bool TDMCadProduto::ExcluirRegiao() {
    if (TAliqbase.vazio() || Editando(TAliqbase) ||
        !Confirmar("Confirma eliminação desta regiao fiscal ?"))
        return false;
    try {
        TAliqbase.excluir();
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        return false;
    }
    return true;
}

bool TDMCadProduto::LimparCarimbo() {
    if (TAliqbase.vazio() && !Editando(TAliqbase))
        return false;
    if (!Confirmar("Tem certeza que deseja deixar o carimbo desta região fiscal em branco ?"))
        return false;
    if (Editando(TAliqbase)) {
        TAliqbase.campo("COD_CARIMB").limpar();
        return true;
    }
    if (!EditarRegistro(TAliqbase))
        return false;
    TAliqbase.campo("COD_CARIMB").limpar();
    if (GravarRegistro(TAliqbase))
        return true;
    TAliqbase.cancelar();
    return false;
}

// --- Sizes ---

bool TDMCadProduto::IncluirTamanho() {
    const int codigo = codigoAtual();
    if (!codigo || Editando(TTamanho))
        return false;
    QString tamanho;
    if (!Dialogos::atual().entrada("Incluir Novo", "Tamanho", tamanho))
        return false;
    if (tamanho.trimmed().isEmpty() || tamanho.size() >= 5) {
        MostrarErro("Tamanho Invalido");
        return false;
    }
    try {
        if (TTamanho.localizarChave({filial_, codigo, tamanho})) {
            MostrarMensagem("Tamanho ja existe");
            return false;
        }
        TTamanho.incluir();
        TTamanho.campo("Filial").definir(filial_);
        TTamanho.campo("Cod_Reduz").definir(codigo);
        TTamanho.campo("TAMANHO").definir(tamanho);
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        return false;
    }
    return true;
}

bool TDMCadProduto::AlterarTamanho() {
    return !TTamanho.vazio() && !Editando(TTamanho) && EditarRegistro(TTamanho);
}

bool TDMCadProduto::GravarTamanho(const LegendaReplicacao& legenda) {
    if (!Editando(TTamanho))
        return false;
    const QString tamanho = TTamanho.campo("TAMANHO").texto();
    if (!GravarRegistro(TTamanho))
        return false;
    try {
        int codigo = 0;
        if (AdicionarTamanhoCatalogo(tamanho, codigo, sessao_))
            ReplicarTamanhoCatalogo(codigo, legenda, sessao_);
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
    }
    return true;
}

void TDMCadProduto::CancelarTamanho() {
    if (Editando(TTamanho))
        TTamanho.cancelar();
}

bool TDMCadProduto::ExcluirTamanho() {
    if (TTamanho.vazio() || Editando(TTamanho) || !Confirmar("Confirma eliminação deste tamanho ?"))
        return false;
    try {
        TTamanho.excluir();
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        return false;
    }
    return true;
}

// --- Remark lines ---

bool TDMCadProduto::IncluirObservacao() {
    const int codigo = codigoAtual();
    if (!codigo || Editando(TObseProd))
        return false;
    try {
        TObseProd.ultimo();
        const int sequencia = TObseProd.vazio() ? 1 : TObseProd.campo("Sequencia").inteiro() + 1;
        TObseProd.incluir();
        TObseProd.campo("Filial").definir(filial_);
        TObseProd.campo("Cod_Reduz").definir(codigo);
        TObseProd.campo("Sequencia").definir(sequencia);
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        return false;
    }
    return true;
}

bool TDMCadProduto::AlterarObservacao() {
    return !TObseProd.vazio() && !Editando(TObseProd) && EditarRegistro(TObseProd);
}

bool TDMCadProduto::GravarObservacao() {
    return Editando(TObseProd) && GravarRegistro(TObseProd);
}

void TDMCadProduto::CancelarObservacao() {
    if (Editando(TObseProd))
        TObseProd.cancelar();
}

bool TDMCadProduto::ExcluirObservacao() {
    if (TObseProd.vazio() || Editando(TObseProd) || !Confirmar("Confirma exclusão do registro?"))
        return false;
    try {
        TObseProd.excluir();
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        return false;
    }
    return true;
}

// --- Price worksheet ---

bool TDMCadProduto::EditarPlanilha() {
    const int codigo = codigoAtual();
    if (!codigo || Editando(TPrecos))
        return false;
    if (!TPrecos.vazio())
        return EditarRegistro(TPrecos);
    TPrecos.incluir();
    TPrecos.campo("Filial").definir(filial_);
    TPrecos.campo("Cod_Reduz").definir(codigo);
    return true;
}

void TDMCadProduto::CalcularPlanilha() {
    Tabela& p = TPrecos;
    if (!Editando(p))
        return;
    CompraPlanilha c;
    c.precoCompra = p.campo("PrecoCompra").numero();
    c.descPer = p.campo("DescPer").numero();
    c.descVlr = p.campo("DescVlr").numero();
    c.acrePer = p.campo("AcrePer").numero();
    c.acrePer2 = p.campo("AcrePer2").numero();
    c.acrePer3 = p.campo("AcrePer3").numero();
    c.acreVlr1 = p.campo("AcreVlr1").numero();
    c.acreVlr2 = p.campo("AcreVlr2").numero();
    const double liquido = PrecoCompraLiquido(c);
    p.campo("PrecoCompraLiq").definir(liquido);
    for (int n = 1; n <= 7; ++n) {
        Campo margem = p.campo("Margem" + QString::number(n));
        if (TMargens.localizarChave({n}))
            margem.definir(PrecoDaMargem(liquido, TMargens.campo("Margem").numero(),
                                         TMargens.campo("Divisor").logico()));
        else
            margem.limpar();
    }
}

bool TDMCadProduto::AplicarIndiceAtacado() {
    Tabela& p = TPrecos;
    if (!Editando(p) || p.campo("IndiceAtacado").ehNulo())
        return true;
    if (!indices_.localizarChave({p.campo("IndiceAtacado").inteiro()})) {
        MostrarErro("Índice não cadastrado!");
        return false;
    }
    CalcularPlanilha();
    const Dinheiro liquido = Dinheiro::deNumero(p.campo("PrecoCompraLiq").numero());
    p.campo("PrecoAtacado")
        .definir((liquido * Dinheiro::deNumero(indices_.campo("Indice").numero())).numero());
    return true;
}

bool TDMCadProduto::GravarPlanilha() {
    Tabela& p = TPrecos;
    if (!Editando(p))
        return false;
    if (!p.campo("IndiceAtacado").ehNulo() &&
        !indices_.localizarChave({p.campo("IndiceAtacado").inteiro()})) {
        MostrarErro("Índice não cadastrado!");
        return false;
    }
    CalcularPlanilha();
    const QVariant varejo = p.campo("PrecoVarejo").valor();
    const QVariant atacado = p.campo("PrecoAtacado").valor();
    if (!GravarRegistro(p))
        return false;
    if (Editando(TEstproma)) {
        if (varejo.isValid())
            TEstproma.campo("LISTA1").definir(varejo);
        if (atacado.isValid())
            TEstproma.campo("LISTA2").definir(atacado);
    }
    return true;
}

void TDMCadProduto::CancelarPlanilha() {
    if (Editando(TPrecos))
        TPrecos.cancelar();
}

bool TDMCadProduto::AlterarMargem(int n, double fator, bool divisor) {
    if (n < 1 || n > 7)
        return false;
    if (divisor && fator == 0) {
        MostrarErro("Margem divisora não pode ser zero!");
        return false;
    }
    const QString coluna = "MARGEM" + QString::number(n);
    try {
        TransacaoBanco tr(QStringLiteral("Orvalo"), sessao_);
        if (TMargens.localizarChave({n})) {
            TMargens.editar();
        } else {
            TMargens.incluir();
            TMargens.campo("Codigo").definir(n);
        }
        TMargens.campo("Margem").definir(fator);
        TMargens.campo("Divisor").definir(divisor);
        TMargens.gravar();
        Consulta q(sessao_);
        q.setSql({"UPDATE PRECOS", "   SET " + coluna + " = PRECOCOMPRALIQ " +
                                       (divisor ? "/" : "*") + " :P-MARGEM"});
        q.definirParametro("P-MARGEM", fator);
        q.executar();
        tr.confirmar();
    } catch (const ErroBanco& e) {
        if (Editando(TMargens))
            TMargens.cancelar();
        MostrarErro(e.texto());
        return false;
    }
    if (!Editando(TPrecos))
        TPrecos.atualizar();
    return true;
}

// --- Choosers ---

OpcoesProduto TDMCadProduto::opcoes(const QStringList& sql) {
    OpcoesProduto r;
    Consulta q(sessao_);
    q.setSql(sql);
    q.definirParametro("CodFil", filial_);
    for (q.abrir(); !q.eof(); q.proximo())
        r.push_back({q.campo(0).valor(), q.campo(1).texto()});
    return r;
}

OpcoesProduto TDMCadProduto::niveis(int n) {
    const QString s = QString::number(n);
    return opcoes({" Select Nivel" + s + ", Descric" + s + " From Estniv" + s +
                   " Where Filial = :CodFil Order By Descric" + s + " "});
}

OpcoesProduto TDMCadProduto::fornecedores() {
    return opcoes({" Select Cod_Clifor, Nome From Clifor Where Filial = :CodFil Order By Nome "});
}

OpcoesProduto TDMCadProduto::ncms() {
    return opcoes({"Select NCM, Descricao From EstpromaNCM Order By NCM"});
}

OpcoesProduto TDMCadProduto::carimbos() {
    return opcoes({"Select Car_Codigo, CAR_DESC1 From Carimbo Order By Car_Codigo"});
}

QString TDMCadProduto::nomeLista(int n) {
    try {
        Tabela t("NOMLISTA", sessao_);
        t.abrir();
        if (t.localizarChave({filial_, n}) && !t.campo("Descricao").texto().isEmpty())
            return t.campo("Descricao").texto();
    } catch (const ErroBanco&) {
        // The caption falls back to the list's number.
    }
    return "Lista " + QString::number(n);
}
