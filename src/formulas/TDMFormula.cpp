#include "TDMFormula.h"

#include "store/TransacaoBanco.h"

#include "AcessoDados.h"
#include "Dialogos.h"
#include "ErroBanco.h"
#include "Percentuais.h"
#include "Relogio.h"
#include "Sessao.h"

#include <cmath>
#include <vector>

TDMFormula::TDMFormula(SessaoBanco* sessao)
    : TFormula("Formula", sessao), TFormulai("Formulai", sessao), TPcpcfg("Pcpcfg", sessao),
      TResptec("Resptec", sessao), TMatizador("Matizador", sessao), TEstniv3("ESTNIV3", sessao),
      QClientes(sessao), QProdutos(sessao), QMateriasPrimas(sessao), sessao_(sessao),
      produtos_("ESTPROMA", sessao), clientes_("CLIFOR", sessao) {
    TFormulai.setMestre(&TFormula, "Filial;Formula");
    QClientes.setSql({"Select Cod_Clifor, Nome, Fantasia", "From Clifor", "Where Filial = :CodFil",
                      "      and Cod_Clifor < 950000", "Order By Nome"});
    QProdutos.setSql({"Select Cod_Reduz, Nome1, Nivel2, Densidade", "From Estproma",
                      "Where Filial = :CodFil", "     and Situacao = '1'", "Order By Nome1"});
    QMateriasPrimas.setSql({"Select Cod_Reduz, Nome1, Nivel2, Unid_Pad, Referencia, Densidade",
                            "From Estproma", "Where Filial = :CodFil", "Order By Nome1"});
}

void TDMFormula::abrir() {
    fechar();
    filial_ = Sess().Filial;
    TFormula.setIndice(QString());
    TFormula.definirFaixa({filial_}, {filial_});
    TFormula.abrir();
    TFormulai.abrir();
    TPcpcfg.definirFaixa({filial_}, {filial_});
    TPcpcfg.abrir();
    TResptec.abrir();
    TMatizador.abrir();
    TEstniv3.abrir();
    produtos_.abrir();
    clientes_.abrir();
    abrirClientes();
    abrirProdutos();
}

void TDMFormula::fechar() {
    for (ConjuntoDados* ds : std::initializer_list<ConjuntoDados*>{
             &TFormulai, &TFormula, &TPcpcfg, &TResptec, &TMatizador, &TEstniv3, &QClientes,
             &QProdutos, &QMateriasPrimas, &produtos_, &clientes_})
        ds->fechar();
}

void TDMFormula::abrirClientes(const QString& ordem) {
    QStringList sql = QClientes.sql();
    sql.last() = ordem;
    QClientes.setSql(sql);
    QClientes.definirParametro("CodFil", filial_);
    QClientes.abrir();
}

void TDMFormula::abrirProdutos() {
    QProdutos.fechar();
    QProdutos.definirParametro("CodFil", filial_);
    QProdutos.abrir();
}

void TDMFormula::abrirMateriasPrimas() {
    QMateriasPrimas.fechar();
    QMateriasPrimas.definirParametro("CodFil", filial_);
    QMateriasPrimas.abrir();
}

// The configuration row of the branch; a branch whose factors were never
// registered gets its row here, with only Filial set.
bool TDMFormula::obterPcpcfg() {
    TPcpcfg.atualizar();
    if (!TPcpcfg.vazio())
        return true;
    TPcpcfg.incluir();
    TPcpcfg.campo("Filial").definir(filial_);
    if (GravarRegistro(TPcpcfg))
        return true;
    TPcpcfg.cancelar();
    // Another station may have created it meanwhile.
    TPcpcfg.primeiro();
    return !TPcpcfg.vazio();
}

bool TDMFormula::EmitirNumeroFormula() {
    if (!obterPcpcfg() || !EditarRegistro(TPcpcfg))
        return false;
    const int numero = TPcpcfg.campo("UltimaFormula").inteiro() + 1;
    TPcpcfg.campo("UltimaFormula").definir(numero);
    if (!GravarRegistro(TPcpcfg)) {
        TPcpcfg.cancelar();
        return false;
    }
    const QString texto = QString::number(numero);
    if (TFormula.localizar({"Filial", "Formula"}, {filial_, texto})) {
        MostrarMensagem("Formula já existe");
        return false;
    }
    TFormula.incluir();
    TFormula.campo("Filial").definir(filial_);
    TFormula.campo("Formula").definir(texto);
    TFormula.campo("DATACAD").definir(Relogio::atual().hoje());
    TFormula.campo("PrecoEspecial").definir("N");
    TFormula.campo("Amostra").definir(true);
    TFormula.campo("Senha").definir(false);
    if (!GravarRegistro(TFormula)) {
        TFormula.cancelar();
        return false;
    }
    return EditarRegistro(TFormula);
}

bool TDMFormula::DevolverNumeroFormula() {
    if (!excluirComponentes())
        return false;
    const int numero = TFormula.campo("Formula").texto().toInt();
    if (obterPcpcfg() && EditarRegistro(TPcpcfg)) {
        if (numero == TPcpcfg.campo("UltimaFormula").inteiro()) {
            TPcpcfg.campo("UltimaFormula").definir(numero - 1);
            if (!GravarRegistro(TPcpcfg))
                TPcpcfg.cancelar();
        } else {
            TPcpcfg.cancelar();
        }
    }
    return ExcluirFormula();
}

bool TDMFormula::IncluirComponente() {
    try {
        TFormulai.ultimo();
        const int ultimo = TFormulai.vazio() ? 0 : TFormulai.campo("OrdComp").inteiro();
        const QVariant formula = TFormula.campo("Formula").valor();
        TFormulai.incluir();
        TFormulai.campo("Filial").definir(filial_);
        TFormulai.campo("Formula").definir(formula);
        TFormulai.campo("OrdComp").definir(ultimo + 1);
        return true;
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        return false;
    }
}

bool TDMFormula::RecalcularPercentuais() {
    std::vector<Marcador> linhas;
    std::vector<double> quantidades, atuais;
    try {
        // The shares and the header's totals change together with the
        // component that made them change (the caller's transaction).
        TransacaoBanco transacao(TFormulai.nomeBanco(), &TFormulai.sessao());
        const Marcador atual = TFormulai.marcador();
        for (TFormulai.primeiro(); !TFormulai.eof(); TFormulai.proximo()) {
            linhas.push_back(TFormulai.marcador());
            quantidades.push_back(TFormulai.campo("QUANTIDADE").numero());
            const Campo p = TFormulai.campo("Percentual");
            atuais.push_back(p.ehNulo() ? std::nan("") : p.numero());
        }
        const std::vector<double> novos = CalcularPercentuais(quantidades);
        for (size_t i = 0; i < linhas.size(); ++i) {
            // Rows already holding their share are not written again.
            if (novos[i] == atuais[i])
                continue;
            TFormulai.irPara(linhas[i]);
            TFormulai.editar();
            TFormulai.campo("Percentual").definir(novos[i]);
            TFormulai.gravar();
        }
        // The row the operator was on stays current.
        for (const Marcador& m : linhas)
            if (atual.valido && m.rowid == atual.rowid)
                TFormulai.irPara(atual);
        gravarTotais(TotalQuantidades(quantidades), int(linhas.size()));
        transacao.confirmar();
        return true;
    } catch (const ErroBanco& e) {
        TFormulai.cancelar();
        MostrarErro(e.texto());
        return false;
    }
}

bool TDMFormula::GravarComponente() {
    try {
        TransacaoBanco transacao(TFormulai.nomeBanco(), &TFormulai.sessao());
        if (!GravarRegistro(TFormulai) || !RecalcularPercentuais())
            return false;
        transacao.confirmar();
        return true;
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        return false;
    }
}

bool TDMFormula::ExcluirComponente() {
    try {
        TransacaoBanco transacao(TFormulai.nomeBanco(), &TFormulai.sessao());
        TFormulai.excluir();
        if (!RecalcularPercentuais())
            return false;
        transacao.confirmar();
        return true;
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        return false;
    }
}

// Throws ErroBanco; runs inside the caller's transaction.
void TDMFormula::gravarTotais(double total, int itens) {
    const bool emEdicao =
        TFormula.estado() == EstadoDados::Editando || TFormula.estado() == EstadoDados::Inserindo;
    if (!emEdicao) {
        TFormula.editar();
        TFormula.campo("QtdTotal").definir(total);
        TFormula.campo("TotalItens").definir(itens);
        TFormula.gravar();
        return;
    }
    // The header is open for the operator: its stored row takes the totals
    // now, with its components, so cancelling the header's edits leaves
    // them in step. The edit buffer takes the new QtdTotal; its TotalItens
    // stays what the operator typed, which the save checks.
    Consulta q(sessao_);
    q.setSql({"Update Formula", "Set QtdTotal = :QtdTotal, TotalItens = :TotalItens",
              "Where Filial = :Filial and Formula = :Formula"});
    q.definirParametro("QtdTotal", total);
    q.definirParametro("TotalItens", itens);
    q.definirParametro("Filial", TFormula.campo("Filial").valor());
    q.definirParametro("Formula", TFormula.campo("Formula").valor());
    q.executar();
    TFormula.campo("QtdTotal").definir(total);
}

bool TDMFormula::excluirComponentes() {
    try {
        TFormulai.primeiro();
        while (!TFormulai.vazio())
            TFormulai.excluir();
        return true;
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        return false;
    }
}

bool TDMFormula::ExcluirFormula() {
    // The header's lock is taken first, so a formula open at another
    // station never loses its components while its header stays.
    if (TFormula.estado() == EstadoDados::Navegando && !EditarRegistro(TFormula))
        return false;
    if (!excluirComponentes())
        return false;
    try {
        TFormula.excluir();
        return true;
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        return false;
    }
}

bool TDMFormula::CriarGrupoFormula() {
    const int numero = TFormula.campo("Formula").texto().toInt();
    try {
        TEstniv3.incluir();
        TEstniv3.campo("Filial").definir(filial_);
        TEstniv3.campo("Nivel3").definir(QString("%1").arg(numero, 4, 10, QChar('0')));
        TEstniv3.campo("DESCRIC3").definir(TFormula.campo("COR").valor());
    } catch (const ErroBanco& e) {
        TEstniv3.cancelar();
        MostrarErro(e.texto());
        return false;
    }
    if (GravarRegistro(TEstniv3))
        return true;
    TEstniv3.cancelar();
    return false;
}

bool TDMFormula::buscarProduto(int codigo) {
    return codigo != 0 && produtos_.localizarChave({filial_, codigo});
}

QString TDMFormula::nomeCliente(int codigo) {
    return codigo != 0 && clientes_.localizarChave({filial_, codigo})
               ? clientes_.campo("NOME").texto()
               : QString();
}

QString TDMFormula::nomeProduto(int codigo) {
    return buscarProduto(codigo) ? produtos_.campo("NOME1").texto() : QString();
}

QString TDMFormula::grupoProduto(int codigo) {
    return buscarProduto(codigo) ? produtos_.campo("Nivel2").texto() : QString();
}

QString TDMFormula::unidadeProduto(int codigo) {
    return buscarProduto(codigo) ? produtos_.campo("UNID_PAD").texto() : QString();
}

QString TDMFormula::nomeResptec(int codigo) {
    return codigo != 0 && TResptec.localizarChave({codigo}) ? TResptec.campo("Nome").texto()
                                                            : QString();
}

QString TDMFormula::nomeMatizador(int codigo) {
    return codigo != 0 && TMatizador.localizarChave({codigo}) ? TMatizador.campo("Nome").texto()
                                                              : QString();
}
