#include "IntercambioFormulas.h"

#include "Percentuais.h"
#include "services/EscolhaArquivo.h"
#include "services/LeituraDigitada.h"
#include "services/Planilha.h"
#include "session/Dialogos.h"
#include "session/FormatosRegionais.h"
#include "session/GravarLogSistema.h"
#include "session/Relogio.h"
#include "session/Sessao.h"
#include "store/ErroBanco.h"
#include "store/Tabela.h"
#include "store/TransacaoBanco.h"

#include <QApplication>
#include <QDir>
#include <QHash>
#include <QLocale>
#include <QMap>
#include <QVariant>
#include <algorithm>
#include <map>
#include <optional>

namespace {
// A header field of the file: its stored name (the column's title), type
// and size, how a message names it, and the register its code must be in.
struct CampoCabecalho {
    const char* nome;
    TipoCampo tipo;
    int tamanho;
    const char* rotulo;
    const char* cadastro; // table looked up by (branch, code) or by code; null: none
    bool porFilial;
};

const CampoCabecalho Cabecalho[] = {
    {"Cod_Clifor", TipoCampo::Long, 0, "cliente", "CLIFOR", true},
    {"Cod_Reduz", TipoCampo::Long, 0, "produto", "ESTPROMA", true},
    {"COR", TipoCampo::Texto, 30, "cor", nullptr, false},
    {"CodResp", TipoCampo::Short, 0, "responsável técnico", "Resptec", false},
    {"Origem", TipoCampo::Texto, 10, "origem", nullptr, false},
    {"CodMatizador", TipoCampo::Short, 0, "matizador", "Matizador", false},
    {"Densidade", TipoCampo::Number, 0, "densidade", nullptr, false},
    {"Preco", TipoCampo::Number, 0, "preço", nullptr, false},
    {"PrecoEspecial", TipoCampo::Texto, 1, "preço especial", nullptr, false},
    {"Amostra", TipoCampo::Logico, 0, "amostra", nullptr, false},
    {"DataAmostra", TipoCampo::Data, 0, "data da amostra", nullptr, false},
    {"Senha", TipoCampo::Logico, 0, "senha", nullptr, false},
    {"DtaUltProd", TipoCampo::Data, 0, "data da última produção", nullptr, false},
    {"Observacao", TipoCampo::Memo, 0, "observação", nullptr, false},
};

// The number as a spreadsheet reads it, with every digit the double needs.
QString numero(double v) {
    return QString::number(v, 'f', QLocale::FloatingPointShortest).replace('.', ',');
}

QString textoCampo(Tabela& t, const QString& nome) {
    Campo c = t.campo(nome);
    if (c.ehNulo())
        return QString();
    switch (c.tipo()) {
    case TipoCampo::Number:
    case TipoCampo::Money:
        return numero(c.numero());
    case TipoCampo::Data:
        return DataTexto(c.data());
    case TipoCampo::Logico:
        return c.logico() ? "S" : "N";
    default:
        return c.texto();
    }
}

QString nomeDe(Tabela& t, const QVariantList& chave, const char* campo) {
    return t.localizarChave(chave) ? t.campo(campo).texto() : QString();
}

// The leading number of a formula's text, for ordering and ranges.
qint64 valorNumero(const QString& formula) {
    bool ok = false;
    const qint64 n = formula.trimmed().toLongLong(&ok);
    return ok ? n : -1;
}

struct ComponenteLido {
    int linha;
    int ordem; // 0: after the previous one
    int produto;
    double quantidade;
};

struct FormulaLida {
    QString numero; // in the file, only to group the lines
    int linha;
    QStringList cabecalho; // the header's texts, to compare the lines
    QMap<QString, QVariant> valores;
    QList<ComponenteLido> componentes;
};

class Verificacao {
public:
    Verificacao(int filial, SessaoBanco* sessao) : filial_(filial), sessao_(sessao) {}

    QStringList erros;

    // The value of `texto` for the field, or nullopt after recording why not.
    std::optional<QVariant> ler(int linha, const CampoCabecalho& c, const QString& texto) {
        const QString t = texto.trimmed();
        if (t.isEmpty())
            return QVariant();
        switch (c.tipo) {
        case TipoCampo::Texto:
            if (texto.size() > c.tamanho) {
                erro(linha, QString("%1 \"%2\" tem mais de %3 caracteres")
                                .arg(c.rotulo, texto)
                                .arg(c.tamanho));
                return std::nullopt;
            }
            return texto;
        case TipoCampo::Memo:
            return texto;
        case TipoCampo::Logico:
            if (t.compare("S", Qt::CaseInsensitive) == 0)
                return true;
            if (t.compare("N", Qt::CaseInsensitive) == 0)
                return false;
            erro(linha, QString("%1 \"%2\" deve ser S ou N").arg(c.rotulo, texto));
            return std::nullopt;
        case TipoCampo::Data:
            if (const QDate d = TextoData(t); d.isValid())
                return d;
            erro(linha, QString("%1 \"%2\" não é uma data").arg(c.rotulo, texto));
            return std::nullopt;
        default:
            break;
        }
        const LeituraDigitada l = LerDigitado(c.tipo, t, c.rotulo);
        if (!l.ok) {
            erro(linha,
                 QString("%1 \"%2\" não é um %3")
                     .arg(c.rotulo, texto, c.tipo == TipoCampo::Number ? "número" : "código"));
            return std::nullopt;
        }
        if (c.cadastro && !cadastrado(c, l.valor.toInt())) {
            erro(linha, QString("%1 %2 não cadastrado").arg(c.rotulo).arg(l.valor.toInt()));
            return std::nullopt;
        }
        return l.valor;
    }

    void erro(int linha, const QString& texto) {
        erros << QString("Linha %1: %2").arg(linha).arg(texto);
    }

private:
    bool cadastrado(const CampoCabecalho& c, int codigo) {
        const QString chave = QString(c.cadastro) + ":" + QString::number(codigo);
        if (const auto it = vistos_.constFind(chave); it != vistos_.cend())
            return *it;
        Tabela t(c.cadastro, sessao_);
        t.abrir();
        const bool existe =
            c.porFilial ? t.localizarChave({filial_, codigo}) : t.localizarChave({codigo});
        vistos_.insert(chave, existe);
        return existe;
    }

    int filial_;
    SessaoBanco* sessao_;
    QHash<QString, bool> vistos_;
};

const CampoCabecalho CampoComponente{"Componente", TipoCampo::Long, 0,
                                     "componente", "ESTPROMA",      true};
const CampoCabecalho CampoQuantidade{"QUANTIDADE", TipoCampo::Number, 0,
                                     "quantidade", nullptr,           false};
const CampoCabecalho CampoOrdem{"OrdComp", TipoCampo::Short, 0, "ordem", nullptr, false};

// Reads and checks every line; the formulas in the file's order.
QList<FormulaLida> lerFormulas(const QList<QStringList>& linhas, int filial, SessaoBanco* sessao,
                               QStringList& erros) {
    QHash<QString, int> coluna;
    if (!linhas.isEmpty())
        for (int i = 0; i < linhas.first().size(); ++i)
            coluna.insert(linhas.first()[i].trimmed().toUpper(), i);
    for (const char* exigida : {"Formula", "Componente", "QUANTIDADE"})
        if (!coluna.contains(QString(exigida).toUpper()))
            erros << QString("Falta a coluna %1 na primeira linha").arg(exigida);
    if (!erros.isEmpty())
        return {};

    auto valor = [&](const QStringList& l, const char* nome) {
        const int i = coluna.value(QString(nome).toUpper(), -1);
        return i >= 0 ? l.value(i) : QString();
    };
    Verificacao v(filial, sessao);
    QList<FormulaLida> formulas;
    QHash<QString, int> porNumero;
    for (int i = 1; i < linhas.size(); ++i) {
        const QStringList& l = linhas[i];
        const int linha = i + 1;
        const QString numero = valor(l, "Formula").trimmed();
        if (numero.isEmpty()) {
            v.erro(linha, "falta o número da fórmula");
            continue;
        }
        QStringList cabecalho;
        for (const CampoCabecalho& c : Cabecalho)
            cabecalho << valor(l, c.nome);
        auto existente = porNumero.constFind(numero);
        if (existente == porNumero.cend()) {
            FormulaLida f{numero, linha, cabecalho, {}, {}};
            for (const CampoCabecalho& c : Cabecalho)
                if (const auto lido = v.ler(linha, c, valor(l, c.nome)))
                    f.valores.insert(c.nome, *lido);
            existente = porNumero.insert(numero, int(formulas.size()));
            formulas << f;
        } else if (formulas[*existente].cabecalho != cabecalho) {
            v.erro(linha, QString("os dados da fórmula %1 diferem dos da linha %2")
                              .arg(numero)
                              .arg(formulas[*existente].linha));
        }
        FormulaLida& f = formulas[*existente];

        const QString componente = valor(l, "Componente");
        const QString quantidade = valor(l, "QUANTIDADE");
        if (componente.trimmed().isEmpty() && quantidade.trimmed().isEmpty())
            continue; // a formula without components
        if (componente.trimmed().isEmpty()) {
            v.erro(linha, "falta o componente");
            continue;
        }
        const auto produto = v.ler(linha, CampoComponente, componente);
        const auto qtd = v.ler(linha, CampoQuantidade, quantidade);
        const auto ordem = v.ler(linha, CampoOrdem, valor(l, "OrdComp"));
        if (qtd && !qtd->isValid())
            v.erro(linha, "falta a quantidade do componente");
        else if (qtd && qtd->toDouble() < 0)
            v.erro(linha, QString("quantidade \"%1\" negativa").arg(quantidade));
        if (ordem && ordem->isValid() && ordem->toInt() <= 0)
            v.erro(linha, QString("ordem \"%1\" deve ser maior que zero").arg(valor(l, "OrdComp")));
        else if (ordem && ordem->isValid() &&
                 std::any_of(f.componentes.cbegin(), f.componentes.cend(),
                             [&](const ComponenteLido& c) { return c.ordem == ordem->toInt(); }))
            v.erro(linha,
                   QString("ordem %1 repetida na fórmula %2").arg(ordem->toInt()).arg(numero));
        if (produto && qtd && ordem)
            f.componentes << ComponenteLido{linha, ordem->toInt(), produto->toInt(),
                                            qtd->toDouble()};
    }
    erros = v.erros;
    return formulas;
}

// Writes the formulas; throws ErroBanco. REQUIRES: a transaction is open.
QStringList gravarFormulas(QList<FormulaLida>& formulas, int filial, SessaoBanco* sessao) {
    Tabela cfg("Pcpcfg", sessao);
    cfg.definirFaixa({filial}, {filial});
    cfg.abrir();
    if (cfg.vazio()) {
        cfg.incluir();
        cfg.campo("Filial").definir(filial);
        cfg.gravar();
    }
    cfg.editar();
    int ultima = cfg.campo("UltimaFormula").inteiro();
    Tabela cab("Formula", sessao);
    cab.abrir();
    Tabela itens("Formulai", sessao);
    itens.abrir();
    QStringList numeros;
    for (FormulaLida& f : formulas) {
        do
            ++ultima;
        while (cab.localizarChave({filial, QString::number(ultima)}));
        const QString numero = QString::number(ultima);
        numeros << numero;

        // Components without an order follow the previous one.
        int anterior = 0;
        for (ComponenteLido& c : f.componentes)
            anterior = c.ordem = c.ordem > 0 ? c.ordem : anterior + 1;
        std::stable_sort(f.componentes.begin(), f.componentes.end(),
                         [](const auto& a, const auto& b) { return a.ordem < b.ordem; });
        std::vector<double> quantidades;
        for (const ComponenteLido& c : f.componentes)
            quantidades.push_back(c.quantidade);
        const std::vector<double> percentuais = CalcularPercentuais(quantidades);

        cab.incluir();
        cab.campo("Filial").definir(filial);
        cab.campo("Formula").definir(numero);
        cab.campo("DATACAD").definir(Relogio::atual().hoje());
        cab.campo("PrecoEspecial").definir("N");
        cab.campo("Amostra").definir(true);
        cab.campo("Senha").definir(false);
        for (auto it = f.valores.cbegin(); it != f.valores.cend(); ++it)
            if (it.value().isValid())
                cab.campo(it.key()).definir(it.value());
        cab.campo("QtdTotal").definir(TotalQuantidades(quantidades));
        cab.campo("TotalItens").definir(int(f.componentes.size()));
        cab.gravar();
        for (size_t i = 0; i < size_t(f.componentes.size()); ++i) {
            const ComponenteLido& c = f.componentes[qsizetype(i)];
            itens.incluir();
            itens.campo("Filial").definir(filial);
            itens.campo("Formula").definir(numero);
            itens.campo("OrdComp").definir(c.ordem);
            itens.campo("Componente").definir(c.produto);
            itens.campo("QUANTIDADE").definir(c.quantidade);
            itens.campo("Percentual").definir(percentuais[i]);
            itens.gravar();
        }
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    cfg.campo("UltimaFormula").definir(ultima);
    cfg.gravar();
    return numeros;
}

QString filialTexto() {
    return Sess().FilialTexto.isEmpty() ? QString::number(Sess().Filial) : Sess().FilialTexto;
}
} // namespace

QStringList TitulosFormulasCsv() {
    return {"Formula",   "DATACAD",    "Cod_Clifor",    "Cliente", "Cod_Reduz",
            "Produto",   "COR",        "CodResp",       "Origem",  "CodMatizador",
            "Densidade", "Preco",      "PrecoEspecial", "Amostra", "DataAmostra",
            "Senha",     "DtaUltProd", "Observacao",    "OrdComp", "Componente",
            "Descricao", "QUANTIDADE", "Percentual"};
}

QList<QStringList> LinhasFormulasCsv(int filial, const QString& inicial, const QString& final,
                                     SessaoBanco* sessao) {
    Tabela cab("Formula", sessao);
    cab.definirFaixa({filial}, {filial});
    cab.abrir();
    std::multimap<qint64, Marcador> ordem;
    const qint64 de = inicial.trimmed().isEmpty() ? -1 : valorNumero(inicial);
    const qint64 ate = final.trimmed().isEmpty() ? -1 : valorNumero(final);
    for (; !cab.eof(); cab.proximo()) {
        const qint64 n = valorNumero(cab.campo("Formula").texto());
        if ((de >= 0 && n < de) || (ate >= 0 && n > ate))
            continue;
        ordem.emplace(n, cab.marcador());
    }
    Tabela itens("Formulai", sessao);
    Tabela produtos("ESTPROMA", sessao);
    produtos.abrir();
    Tabela clientes("CLIFOR", sessao);
    clientes.abrir();

    QList<QStringList> linhas{TitulosFormulasCsv()};
    for (const auto& [n, marcador] : ordem) {
        cab.irPara(marcador);
        const QString formula = cab.campo("Formula").texto();
        const QStringList cabecalho{
            formula,
            textoCampo(cab, "DATACAD"),
            textoCampo(cab, "Cod_Clifor"),
            nomeDe(clientes, {filial, cab.campo("Cod_Clifor").inteiro()}, "Nome"),
            textoCampo(cab, "Cod_Reduz"),
            nomeDe(produtos, {filial, cab.campo("Cod_Reduz").inteiro()}, "NOME1"),
            textoCampo(cab, "COR"),
            textoCampo(cab, "CodResp"),
            textoCampo(cab, "Origem"),
            textoCampo(cab, "CodMatizador"),
            textoCampo(cab, "Densidade"),
            textoCampo(cab, "Preco"),
            textoCampo(cab, "PrecoEspecial"),
            textoCampo(cab, "Amostra"),
            textoCampo(cab, "DataAmostra"),
            textoCampo(cab, "Senha"),
            textoCampo(cab, "DtaUltProd"),
            textoCampo(cab, "Observacao")};
        itens.fechar();
        itens.definirFaixa({filial, formula}, {filial, formula});
        itens.abrir();
        if (itens.vazio())
            linhas << cabecalho + QStringList{"", "", "", "", ""};
        for (; !itens.eof(); itens.proximo())
            linhas << cabecalho +
                          QStringList{
                              textoCampo(itens, "OrdComp"), textoCampo(itens, "Componente"),
                              nomeDe(produtos, {filial, itens.campo("Componente").inteiro()},
                                     "NOME1"),
                              textoCampo(itens, "QUANTIDADE"), textoCampo(itens, "Percentual")};
    }
    return linhas;
}

ResultadoImportacao ImportarFormulasCsv(const QList<QStringList>& linhas, int filial,
                                        SessaoBanco* sessao) {
    ResultadoImportacao r;
    try {
        QList<FormulaLida> formulas = lerFormulas(linhas, filial, sessao, r.erros);
        if (!r.erros.isEmpty())
            return r;
        if (formulas.isEmpty()) {
            r.erros << "A planilha não tem nenhuma fórmula";
            return r;
        }
        TransacaoBanco transacao("Orvalo", sessao);
        r.numeros = gravarFormulas(formulas, filial, sessao);
        transacao.confirmar();
        r.ok = true;
    } catch (const ErroBanco& e) {
        r.numeros.clear();
        r.erros << e.texto();
    }
    return r;
}

void ExportarFormulasPlanilha() {
    QString inicial, final;
    if (!Dialogos::atual().entrada("Exportar Fórmulas",
                                   "Fórmula inicial (em branco, desde a primeira):", inicial) ||
        !Dialogos::atual().entrada("Exportar Fórmulas",
                                   "Fórmula final (em branco, até a última):", final))
        return;
    QList<QStringList> linhas;
    try {
        linhas = LinhasFormulasCsv(Sess().Filial, inicial, final);
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        return;
    }
    if (linhas.size() < 2) {
        MostrarMensagem("Nenhuma fórmula nesta faixa.");
        return;
    }
    QString arquivo = EscolherArquivoGravar(
        "Exportar Fórmulas",
        NomeArquivoProposto("Formulas filial " + filialTexto(), Relogio::atual().hoje(), "csv"),
        "Planilha CSV (*.csv)");
    if (arquivo.isEmpty())
        return;
    if (!arquivo.endsWith(".csv", Qt::CaseInsensitive))
        arquivo += ".csv";
    QString erro;
    const QString nome = QDir::toNativeSeparators(arquivo);
    if (!GravarCsv(arquivo, linhas, erro)) {
        MostrarErro("Não foi possível gravar o arquivo " + nome + ": " + erro);
        return;
    }
    QStringList numeros;
    for (int i = 1; i < linhas.size(); ++i)
        if (numeros.isEmpty() || numeros.last() != linhas[i].first())
            numeros << linhas[i].first();
    if (Confirmar(QString("%1 fórmula(s) gravada(s) em %2.\nDeseja abrir a planilha agora?")
                      .arg(numeros.size())
                      .arg(nome)) &&
        !AbrirNoDesktop(arquivo))
        MostrarMensagem("Não há programa para abrir " + nome + ".");
}

void ImportarFormulasPlanilha() {
    const QString arquivo = EscolherArquivoAbrir("Importar Fórmulas", "Planilha CSV (*.csv)");
    if (arquivo.isEmpty())
        return;
    QList<QStringList> linhas;
    QString erro;
    if (!LerCsv(arquivo, linhas, erro)) {
        MostrarErro("Não foi possível ler o arquivo " + QDir::toNativeSeparators(arquivo) + ": " +
                    erro);
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const ResultadoImportacao r = ImportarFormulasCsv(linhas, Sess().Filial);
    QApplication::restoreOverrideCursor();
    if (!r.ok) {
        MostrarErro("Nenhuma fórmula foi importada:\n" + r.erros.join('\n'));
        return;
    }
    const QString resumo = QString("%1 fórmula(s) importada(s), com os números %2.")
                               .arg(r.numeros.size())
                               .arg(r.numeros.join(", "));
    GravarLogSistema(Sess().Filial, "ImportarFormulas", "I", Sess().Usuario, "Formula", resumo);
    MostrarMensagem(resumo);
}
