#include "TDMCadClifor.h"

#include "DocumentoClifor.h"
#include "ExclusaoClifor.h"
#include "ReplicacaoClifor.h"
#include "services/CodigoMunicipio.h"
#include "services/TFoSelecaoMultipla.h"
#include "session/AcessoDados.h"
#include "session/AutorizarAcesso.h"
#include "session/Dialogos.h"
#include "session/GravarLogSistema.h"
#include "session/Parametros.h"
#include "session/Relogio.h"
#include "session/Sessao.h"
#include "session/TemPermissao.h"
#include "store/Consulta.h"
#include "store/ErroBanco.h"

#include <QVariantMap>
#include <iterator>

namespace {
const char* const Janela = "FoCadastroCliFor";

// The list's orders: the index and how the search text makes its key.
enum class Chave { Codigo, Texto, Vendedor };
struct Ordem {
    const char* nome;
    const char* indice;
    Chave chave;
};
const Ordem Ordens[] = {
    {"Codigo", "", Chave::Codigo},
    {"Nome", "Nome do Cliente/Fornecedo", Chave::Texto},
    {"Fantasia", "FANTASIA", Chave::Texto},
    {"Cgc", "CGC", Chave::Texto},
    {"Vendedor / Cidade", "Cod_Vend1/CIDADE", Chave::Vendedor},
    {"Vendedor / Nome", "Cod_Vend1/NOME", Chave::Vendedor},
    {"Fone", "TELEFONE1", Chave::Texto},
    {"Cidade", "CIDADE", Chave::Texto},
    {"Bairro", "BAIRRO", Chave::Texto},
    {"Endereço", "ENDERECO", Chave::Texto},
};

bool Editando(const ConjuntoDados& ds) {
    return ds.estado() == EstadoDados::Editando || ds.estado() == EstadoDados::Inserindo;
}

void Log(const QString& acao, const QString& texto, const QString& tabela = QString()) {
    GravarLogSistema(Sess().Filial, Janela, acao, Sess().Usuario, tabela, texto);
}

// The field naming the party, and the one numbering its rows ("" when the
// key is not a number), of each side table.
struct DefinicaoLado {
    const char* parte;
    const char* numero;
    const char* confirmacao;
};
const DefinicaoLado Lados[] = {
    {"Cod_Clifor", "Numero", "Confirma exclusão do registro?"},
    {"Cod_CliFor", "Sequencia", "Confirma exclusão do registro?"},
    {"Cod_CliFor", "Sequencia", "Confirma exclusão do registro?"},
    {"Cod_Clifor", "", "Confirma eliminação deste registro ?"},
};

bool InteiroLido(const QString& texto, int& valor) {
    bool ok = false;
    valor = texto.trimmed().toInt(&ok);
    if (!ok)
        MostrarErro("'" + texto + "' is not a valid integer value");
    return ok;
}
} // namespace

TDMCadClifor::TDMCadClifor(SessaoBanco* sessao)
    : TClifor("CLIFOR", sessao), TClifor2("CLIFOR2", sessao), TFilhos("FILHOS", sessao),
      TContatos("CttCliFo", sessao), TObservacoes("ObserCli", sessao),
      TVendedores("CLPRVEND", sessao), sessao_(sessao) {}

TDMCadClifor::~TDMCadClifor() {
    fechar();
}

void TDMCadClifor::abrir(const QString& sistema, Situacao situacao) {
    fechar();
    filial_ = Sess().Filial;
    sistema_ = sistema;
    situacao_ = situacao;
    ordem_ = 0;
    codigoIncluido_ = 0;
    TClifor.setIndice(QString());
    TClifor.definirFaixa({filial_}, {filial_});
    TClifor.setFiltro(filtroLista());
    TClifor.abrir();
    for (Tabela* t : {&TClifor2, &TFilhos, &TContatos, &TObservacoes, &TVendedores}) {
        t->definirFaixa({filial_, 0}, {filial_, 0});
        t->abrir();
    }
    seguirParte();
}

void TDMCadClifor::fechar() {
    for (Tabela* t : {&TClifor2, &TFilhos, &TContatos, &TObservacoes, &TVendedores, &TClifor})
        t->fechar();
}

QString TDMCadClifor::filtroLista() const {
    QString f = "Filial = " + QString::number(filial_) + " and Sistema = '" + sistema_ + "'";
    if (situacao_ == Ativos)
        f += " And Ativo = True";
    else if (situacao_ == Inativos)
        f += " And Ativo = false";
    return f;
}

void TDMCadClifor::definirRegistro(const QString& sistema, Situacao situacao) {
    if (Editando(TClifor))
        return;
    sistema_ = sistema == "1" ? "1" : "0";
    situacao_ = situacao;
    TClifor.setFiltro(filtroLista());
    TClifor.primeiro();
    seguirParte();
}

bool TDMCadClifor::Permitido(const QString& permissao, bool mensagens) {
    return PermitidoNaSessao(permissao, mensagens);
}

bool TDMCadClifor::Bloqueado(const QString& permissao, bool mensagens) {
    return BloqueadoNaSessao(permissao, mensagens);
}

// --- List ---

const QStringList& TDMCadClifor::Ordens() {
    static const QStringList nomes = [] {
        QStringList n;
        for (const Ordem& o : ::Ordens)
            n << QString::fromUtf8(o.nome);
        return n;
    }();
    return nomes;
}

void TDMCadClifor::definirOrdem(int ordem) {
    if (ordem < 0 || ordem >= int(std::size(::Ordens)) || Editando(TClifor))
        return;
    ordem_ = ordem;
    TClifor.setIndice(QString::fromLatin1(::Ordens[ordem].indice));
}

void TDMCadClifor::lerLista(QList<QStringList>& linhas, QVariantList& chaves) {
    linhas.clear();
    chaves.clear();
    Tabela& t = TClifor;
    if (!t.ativo() || Editando(t))
        return;
    const Marcador atual = t.marcador();
    for (t.primeiro(); !t.eof(); t.proximo()) {
        linhas << QStringList{
            t.campo("Cod_Clifor").texto(), t.campo("NOME").texto(),
            t.campo("FANTASIA").texto(),   t.campo("CGC").texto(),
            t.campo("CIDADE").texto(),     t.campo("ESTADO").texto(),
            t.campo("TELEFONE1").texto(),  t.campo("Ativo").logico() ? "Ativo" : "Inativo"};
        chaves << t.marcador().rowid;
    }
    try {
        atual.valido ? t.irPara(atual) : t.primeiro();
    } catch (const ErroBanco&) {
        t.primeiro();
    }
}

bool TDMCadClifor::pesquisar(const QString& texto) {
    if (texto.isEmpty() || Editando(TClifor))
        return false;
    QVariantList chave{filial_};
    int numero = 0;
    switch (::Ordens[ordem_].chave) {
    case Chave::Codigo:
        if (!InteiroLido(texto, numero))
            return false;
        chave << numero;
        break;
    case Chave::Texto:
        chave << texto;
        break;
    case Chave::Vendedor:
        if (!InteiroLido(texto.section('/', 0, 0), numero))
            return false;
        chave << numero;
        if (texto.contains('/'))
            chave << texto.section('/', 1);
        break;
    }
    TClifor.localizarProximo(chave);
    if (TClifor.eof())
        TClifor.ultimo();
    seguirParte();
    return true;
}

bool TDMCadClifor::posicionar(int codigo) {
    if (Editando(TClifor))
        return false;
    const bool achou = TClifor.localizar({"Filial", "Cod_Clifor"}, {filial_, codigo});
    seguirParte();
    return achou;
}

int TDMCadClifor::codigoAtual() {
    return TClifor.ativo() && !TClifor.vazio() ? TClifor.campo("Cod_Clifor").inteiro() : 0;
}

bool TDMCadClifor::parteGravada() {
    return TClifor.ativo() && !TClifor.vazio() && TClifor.estado() != EstadoDados::Inserindo;
}

void TDMCadClifor::seguirParte() {
    const int codigo = parteGravada() ? codigoAtual() : 0;
    for (Tabela* t : {&TClifor2, &TFilhos, &TContatos, &TObservacoes, &TVendedores})
        if (t->ativo() && !Editando(*t))
            t->definirFaixa({filial_, codigo}, {filial_, codigo});
}

void TDMCadClifor::reposicionar(const QVariantList& chave) {
    Tabela& t = TClifor;
    t.localizarProximo(chave);
    if (t.eof())
        t.ultimo();
    seguirParte();
}

// --- Modes ---

void TDMCadClifor::lembrarInicio() {
    Tabela& t = TClifor;
    conceitoInicial_ = t.campo("Cod_Conc").valor();
    limiteInicial_ = t.campo("LIMITCRED").valor();
    enquadramentoInicial_ = t.campo("CodEnquadra").valor();
    documentoInicial_ = t.campo("CGC").texto();
    fiscaisIniciais_ = LerDadosFiscais(t);
    vendedorAutorizado_ = false;
}

// The complement is edited with the party: its row when it has one, else
// a new row that is posted only when something was typed into it.
bool TDMCadClifor::prepararComplemento() {
    const int codigo = codigoAtual();
    Tabela& c = TClifor2;
    c.definirFaixa({filial_, codigo}, {filial_, codigo});
    if (!c.vazio())
        return EditarRegistro(c);
    c.incluir();
    c.campo("Filial").definir(filial_);
    c.campo("Cod_Clifor").definir(codigo);
    return true;
}

void TDMCadClifor::gravarComplemento() {
    Tabela& c = TClifor2;
    if (!Editando(c))
        return;
    bool preenchido = c.estado() == EstadoDados::Editando;
    for (int i = 2; i < c.quantidadeCampos() && !preenchido; ++i)
        preenchido = !c.campo(i).ehNulo();
    if (!preenchido || !GravarRegistro(c))
        c.cancelar();
}

bool TDMCadClifor::Incluir(const EscolhaFaixa& escolherFaixa) {
    if (Editando(TClifor) || !Permitido("IncClifor"))
        return false;
    const DadosSessao& s = Sess();
    if (s.FatModNf == 19 && !AutorizarAcesso(14))
        return false;
    QString resposta;
    if (!Dialogos::atual().entrada("Incluir Novo", "Codigo", resposta))
        return false;
    try {
        if (resposta.trimmed().isEmpty() || resposta.size() >= 7)
            resposta = escolherFaixa ? escolherFaixa(LerFaixasCodigo(sessao_)) : QString();
        bool ok = false;
        const int codigo = resposta.trimmed().toInt(&ok);
        if (!ok || codigo == 0) {
            MostrarErro("Codigo invalido");
            return false;
        }
        Tabela existe("CLIFOR", sessao_);
        existe.abrir();
        if (existe.localizarChave({filial_, codigo})) {
            MostrarMensagem("Codigo ja cadastrado");
            return false;
        }
        if (codigo >= 950000 && !s.UsaPermissoes && !AutorizarAcesso(131))
            return false;
        int tipo = 0;
        if (!CheckCodeInterval(codigo, "L", &tipo, sessao_) ||
            !CheckCodeInterval(codigo, "G", nullptr, sessao_))
            return false;
        codigoIncluido_ = codigo;
        tipoIncluido_ = tipo;
        Tabela& t = TClifor;
        t.incluir();
        t.campo("Filial").definir(filial_);
        t.campo("Cod_Clifor").definir(codigo);
        t.campo("Tipo").definir(tipo);
        t.campo("Sistema").definir(SistemaDoCodigo(codigo, LerFaixasCodigo(sessao_)));
        t.campo("Ativo").definir(true);
        t.campo("DATA_CAD").definir(Relogio::atual().hoje());
        QString pais =
            LerParametroTexto("Orvalo", s.FilialTexto, "CodPaisPadraoCadClifor", sessao_);
        if (s.FatModNf == 46 || s.FatModNf == 51)
            pais = "1058";
        if (!pais.isEmpty())
            t.campo("Cod_Pais").definir(pais);
        prepararComplemento();
    } catch (const ErroBanco& e) {
        if (Editando(TClifor))
            Cancelar("I");
        MostrarErro(e.texto());
        return false;
    }
    lembrarInicio();
    return true;
}

bool TDMCadClifor::Alterar() {
    Tabela& t = TClifor;
    if (t.vazio() || Editando(t) || !Permitido("EditarCliente"))
        return false;
    if (Sess().FatModNf == 19 && !AutorizarAcesso(14))
        return false;
    if (codigoAtual() >= 950000 && !AutorizarAcesso(131))
        return false;
    if (!EditarRegistro(t))
        return false;
    try {
        if (!prepararComplemento()) {
            t.cancelar();
            return false;
        }
    } catch (const ErroBanco& e) {
        Cancelar("A");
        MostrarErro(e.texto());
        return false;
    }
    lembrarInicio();
    return true;
}

bool TDMCadClifor::Gravar(const QString& modo, const LegendaReplicacao& legenda) {
    Tabela& t = TClifor;
    if (!Editando(t))
        return false;
    const int codigo = codigoAtual();
    const bool alteracao = modo == "A";
    if (alteracao) {
        const bool limite = t.campo("LIMITCRED").valor() != limiteInicial_;
        const bool documento = t.campo("CGC").texto() != documentoInicial_;
        DadosSessao& s = Sess();
        s.LogTabela = "CLIFOR";
        s.LogRegistro = "Cliente: " + QString::number(codigo);
        s.LogOperacao = modo;
        if (!AutorizarAcesso(41) || (limite && !AutorizarAcesso(41)) ||
            (documento && !AutorizarAcesso(41)))
            return false;
    }
    bool conceitoMudou = false;
    try {
        const FaixasCodigo faixas = LerFaixasCodigo(sessao_);
        const QString falta = VerificarCamposClifor(t, Sess().FatModNf, faixas);
        if (!falta.isEmpty()) {
            MostrarMensagem(falta);
            return false;
        }
        const int tipo = TipoDoCodigo(faixas, codigo);
        if (tipo == 0) {
            MostrarMensagem("Codigo fora do limite: " + QString::number(codigo));
            MostrarMensagem("Verificar arquivo limitcod.db");
            return false;
        }
        t.campo("Tipo").definir(tipo);
        t.campo("Sistema").definir(SistemaDoCodigo(codigo, faixas));
        if (!VerificarDocumento())
            return false;
        conceitoMudou = t.campo("Cod_Conc").valor() != conceitoInicial_;
        if (conceitoMudou && !AutorizarAcesso(215)) {
            t.campo("Cod_Conc").definir(conceitoInicial_);
            conceitoMudou = false;
            MostrarMensagem(MensagemConceitoMantido(conceitoInicial_.toString()));
        }
        t.campo("Data_Renov").definir(Relogio::atual().hoje());
        if (!alteracao)
            t.campo("UsuInclusao").definir(Sess().Usuario);
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        return false;
    }
    // What the steps after the post need, read while the row is still the
    // current one: a posted row may fall outside the list shown.
    ParteGravada gravada;
    gravada.codigo = codigo;
    gravada.alteracao = alteracao;
    gravada.conceitoMudou = conceitoMudou;
    gravada.conceito = t.campo("Cod_Conc").texto();
    gravada.enquadramento = t.campo("CodEnquadra").valor();
    gravada.textoLog = TextoLogGravacaoClifor(t, alteracao);
    gravada.fiscais = LerDadosFiscais(t);
    if (!GravarRegistro(t))
        return false;
    codigoIncluido_ = 0;
    depoisDeGravar(gravada, legenda);
    return true;
}

void TDMCadClifor::depoisDeGravar(const ParteGravada& g, const LegendaReplicacao& legenda) {
    const int codigo = g.codigo;
    gravarComplemento();
    try {
        if (g.enquadramento != enquadramentoInicial_)
            SubstituirServicosEnquadramento(filial_, codigo, g.enquadramento.toInt(), sessao_);
        RegistrarRenovacao(filial_, codigo, Relogio::atual().agora(), Sess().Usuario, sessao_);
        if (g.alteracao)
            RegistrarAlteracaoFiscal(filial_, codigo, fiscaisIniciais_, g.fiscais,
                                     Relogio::atual().hoje(), sessao_);
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
    }
    Log(g.alteracao ? "E" : "I", g.textoLog);
    if (g.conceitoMudou)
        Log("E", TextoLogConceito(conceitoInicial_.toString(), g.conceito, codigo), "CLIFOR");
    try {
        ReplicarClifor(codigo, legenda, sessao_);
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
    }
    if (!posicionar(codigo))
        seguirParte();
    if (codigoAtual() == codigo)
        lembrarInicio();
}

void TDMCadClifor::Cancelar(const QString& modo) {
    for (Tabela* t : {&TFilhos, &TContatos, &TObservacoes, &TVendedores, &TClifor2})
        if (Editando(*t))
            t->cancelar();
    if (Editando(TClifor))
        TClifor.cancelar();
    if (modo == "I" && codigoIncluido_)
        DevolverCodigo(codigoIncluido_, tipoIncluido_, sessao_);
    codigoIncluido_ = 0;
    seguirParte();
}

bool TDMCadClifor::Excluir() {
    Tabela& t = TClifor;
    if (t.vazio() || Editando(t) || !Permitido("ExcluirCliente"))
        return false;
    if (!Confirmar("Confirma exclusao do registro?\n\nNa tela a seguir, informe o motivo da "
                   "exclusão com no mínimo 10 caracteres..."))
        return false;
    QString motivo;
    if (!Dialogos::atual().entrada("Informe o motivo da exclusão :", "Motivo :", motivo))
        motivo.clear();
    if (motivo.trimmed().size() < 10) {
        MostrarAviso("ATENÇÃO : Cliente\\Fornecedor não excluido, você precisa informar o motivo "
                     "da exclusão... tente novamente!");
        return false;
    }
    const int codigo = codigoAtual();
    const QString texto = TextoLogExclusaoClifor(codigo, t.campo("CGC").texto(), motivo.trimmed());
    QVariantList seguinte;
    try {
        if (CliforTemMovimento(filial_, codigo, sessao_)) {
            MostrarMensagem("Cliente\\Fornecedor possui movimentação, impossível excluir!!!");
            return false;
        }
        for (const QString& campo : t.camposIndice())
            seguinte << t.campo(campo).valor();
        ExcluirCliforDaFilial(filial_, codigo, sessao_);
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        return false;
    }
    Log("X", texto);
    reposicionar(seguinte);
    return true;
}

bool TDMCadClifor::TrocarSistema(const LegendaReplicacao& legenda) {
    Tabela& t = TClifor;
    if (t.vazio() || Editando(t) || !Permitido("AcessoAlterarSistemaClifor"))
        return false;
    if (!Confirmar("Tem certeza que desja alterar o sistema deste registro?\n\nInforme : \n0 para "
                   "CLIENTES\n1 para FORNECEDORES"))
        return false;
    QString sistema;
    if (!Dialogos::atual().entrada("Informe o sistema :", "Sistema :", sistema))
        return false;
    if (sistema != "0" && sistema != "1") {
        MostrarErro("Sistema incorreto");
        return false;
    }
    const int codigo = codigoAtual();
    QVariantList seguinte;
    for (const QString& campo : t.camposIndice())
        seguinte << t.campo(campo).valor();
    if (!EditarRegistro(t))
        return false;
    t.campo("Sistema").definir(sistema);
    if (!GravarRegistro(t)) {
        t.cancelar();
        return false;
    }
    try {
        ReplicarClifor(codigo, legenda, sessao_);
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
    }
    // The party may have left the register shown.
    if (!posicionar(codigo))
        reposicionar(seguinte);
    return true;
}

// --- Boxes ---

bool TDMCadClifor::DefinirDocumento(const QString& texto) {
    Tabela& t = TClifor;
    if (!Editando(t))
        return true;
    const QString documento = LimparDocumento(texto);
    if (documento.size() > 14) {
        Dialogos::atual().mensagem(TipoMensagem::Erro, "Atenção", "C.G.C. Invalido", Botoes::Ok);
        return false;
    }
    t.campo("CGC").definir(documento);
    return true;
}

bool TDMCadClifor::VerificarDocumento() {
    Tabela& t = TClifor;
    const QString documento = t.campo("CGC").texto();
    if (!DocumentoValido(documento))
        return false;
    if (documento.isEmpty())
        return true;
    int outro = 0;
    try {
        outro = ParteComDocumento(filial_, t.campo("Tipo").inteiro(), documento, codigoAtual(),
                                  sessao_);
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        return false;
    }
    if (outro) {
        MostrarMensagem("CNPJ ja cadastrado no cliente: " + QString::number(outro));
        return false;
    }
    return true;
}

bool TDMCadClifor::EntrarVendedor() {
    if (!Editando(TClifor) || vendedorAutorizado_)
        return true;
    if (Bloqueado("Bloqueia(o)AltVendedorCliFor") || !AutorizarAcesso(103))
        return false;
    vendedorAutorizado_ = true;
    return true;
}

bool TDMCadClifor::SairLimiteCredito(const QVariant& anterior) {
    Tabela& t = TClifor;
    if (!Editando(t) || t.campo("LIMITCRED").valor() == anterior || AutorizarAcesso(136))
        return true;
    t.campo("LIMITCRED").definir(anterior);
    return false;
}

bool TDMCadClifor::BuscarCodigoMunicipio(bool entrega) {
    Tabela& t = TClifor;
    if (!Editando(t))
        return false;
    const QString uf = t.campo(entrega ? "EST_ENT" : "ESTADO").texto();
    const QString cidade = t.campo(entrega ? "CID_ENT" : "CIDADE").texto();
    QString codigo;
    try {
        codigo = CodigoMunicipio(uf, cidade, sessao_);
        t.campo(entrega ? "CodMuniEnt" : "CodMunicipio").definir(codigo);
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        return false;
    }
    if (codigo.isEmpty())
        MostrarMensagem("Município não encontrado: " + cidade + "/" + uf);
    return !codigo.isEmpty();
}

bool TDMCadClifor::EscolherMunicipio(bool entrega) {
    Tabela& t = TClifor;
    if (!Editando(t))
        return false;
    QString condicao;
    try {
        Consulta uf(sessao_);
        uf.setSql({"Select CoUf from Uf where SgUf = :UF"});
        uf.definirParametro("UF", t.campo(entrega ? "EST_ENT" : "ESTADO").texto().toUpper());
        uf.abrir();
        const QString estado = uf.vazio() ? QString() : uf.campo(0).texto();
        // Only a state code of two digits goes into the statement.
        if (estado.size() == 2 && estado[0].isDigit() && estado[1].isDigit())
            condicao = " Where CoMunicipio like '" + estado + "%' ";
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        return false;
    }
    QString escolhido;
    if (!AbrirSelecaoMultipla("Orvalo",
                              " SELECT CoMunicipio as Codigo, NoMunicipio as Descricao FROM MUNIC ",
                              condicao, " Order by NoMunicipio ", "CoMunicipio", "NoMunicipio",
                              "Codigo", "", escolhido, 1) ||
        escolhido.isEmpty())
        return false;
    t.campo(entrega ? "CodMuniEnt" : "CodMunicipio").definir(escolhido);
    return true;
}

// --- Side rows ---

Tabela& TDMCadClifor::tabela(Lado lado) {
    switch (lado) {
    case Filhos:
        return TFilhos;
    case Contatos:
        return TContatos;
    case Observacoes:
        return TObservacoes;
    case Vendedores:
        break;
    }
    return TVendedores;
}

bool TDMCadClifor::IncluirLado(Lado lado) {
    Tabela& t = tabela(lado);
    const DefinicaoLado& d = Lados[lado];
    if (!parteGravada() || Editando(t) ||
        (lado == Vendedores && Bloqueado("Bloqueia(o)AltVendedorCliFor")))
        return false;
    const int codigo = codigoAtual();
    try {
        int numero = 1;
        if (*d.numero) {
            t.ultimo();
            if (!t.vazio())
                numero = t.campo(d.numero).inteiro() + 1;
        }
        t.incluir();
        t.campo("Filial").definir(filial_);
        t.campo(d.parte).definir(codigo);
        if (*d.numero)
            t.campo(d.numero).definir(numero);
    } catch (const ErroBanco& e) {
        if (Editando(t))
            t.cancelar();
        MostrarErro(e.texto());
        return false;
    }
    return true;
}

bool TDMCadClifor::AlterarLado(Lado lado) {
    Tabela& t = tabela(lado);
    if (!parteGravada() || Editando(t) ||
        (lado == Vendedores && Bloqueado("Bloqueia(o)AltVendedorCliFor")))
        return false;
    if (t.vazio()) {
        if (lado == Vendedores)
            MostrarMensagem("Registro não cadastrado");
        return false;
    }
    return EditarRegistro(t);
}

bool TDMCadClifor::GravarLado(Lado lado) {
    Tabela& t = tabela(lado);
    if (!Editando(t))
        return false;
    if (lado == Vendedores && t.campo("Nivel2").texto().trimmed().isEmpty()) {
        MostrarMensagem("Informe o grupo de produtos!");
        return false;
    }
    return GravarRegistro(t);
}

void TDMCadClifor::CancelarLado(Lado lado) {
    Tabela& t = tabela(lado);
    if (Editando(t))
        t.cancelar();
}

bool TDMCadClifor::ExcluirLado(Lado lado) {
    Tabela& t = tabela(lado);
    if (t.vazio() || Editando(t) ||
        (lado == Vendedores && Bloqueado("Bloqueia(o)AltVendedorCliFor")))
        return false;
    if (!Confirmar(QString::fromUtf8(Lados[lado].confirmacao)))
        return false;
    try {
        t.excluir();
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        return false;
    }
    return true;
}

// --- Choosers ---

OpcoesClifor TDMCadClifor::opcoes(const QStringList& sql, const QVariant& parametro) {
    OpcoesClifor r;
    Consulta q(sessao_);
    q.setSql(sql);
    q.definirParametro("CodFil", filial_);
    if (parametro.isValid())
        q.definirParametro("Param", parametro);
    for (q.abrir(); !q.eof(); q.proximo())
        r.push_back({q.campo(0).valor(), q.campo(1).texto()});
    return r;
}

OpcoesClifor TDMCadClifor::conceitos() {
    return opcoes({"Select Cod_Conc, DESC_CONC From Conceito Order By Cod_Conc"});
}

OpcoesClifor TDMCadClifor::regioes() {
    return opcoes({"Select Cod_Regiao, Descricao From Regiao Order By Cod_Regiao"});
}

OpcoesClifor TDMCadClifor::vencimentos() {
    return opcoes({"Select Vct_Codigo, Descricao From Vencto Order By Vct_Codigo"});
}

OpcoesClifor TDMCadClifor::paises() {
    return opcoes({"Select CODIGO, NOME From PAISES Order By NOME"});
}

OpcoesClifor TDMCadClifor::moedas() {
    return opcoes({"Select Cod_Moeda, NOME_MOEDA From MOEDA Order By Cod_Moeda"});
}

OpcoesClifor TDMCadClifor::enquadramentos() {
    return opcoes({"Select Cod_Enq, Descricao From ENQUADRA Order By Cod_Enq"});
}

OpcoesClifor TDMCadClifor::partes(int tipo) {
    return opcoes({"Select Cod_Clifor, Nome From Clifor", " Where Filial = :CodFil",
                   "   and Tipo = :Param Order By Nome"},
                  tipo);
}

OpcoesClifor TDMCadClifor::grupos() {
    return opcoes({"Select Nivel2, Descric2 From Estniv2 Where Filial = :CodFil Order By Nivel2"});
}

OpcoesClifor TDMCadClifor::vendedores() {
    return opcoes(
        {"Select Cod_Vende, Nome_Vende From Vendedor Where Cod_Vende < 100 Order By Nome_Vende"});
}

bool TDMCadClifor::LogAlteracoes(QList<QStringList>& linhas) {
    linhas.clear();
    const int codigo = codigoAtual();
    if (!codigo || !Permitido("AcessoConsultaLogAlteraClifor"))
        return false;
    try {
        Consulta q(sessao_);
        q.setSql({"Select Dt_Altera, AnoMes, Nome, Cnpj, Cpf, Ie, CodMunic, Suframa, Endereco,",
                  "       Numero, Complemento, Bairro, Cod_Pais", "  From Sped_AlteraClifor",
                  " Where Filial = :CodFil and Cod_Clifor = :Param", " Order By Dt_Altera desc"});
        q.definirParametro("CodFil", filial_);
        q.definirParametro("Param", codigo);
        for (q.abrir(); !q.eof(); q.proximo()) {
            QStringList l;
            for (int i = 0; i < q.quantidadeCampos(); ++i)
                l << q.campo(i).texto();
            linhas << l;
        }
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        return false;
    }
    return true;
}
