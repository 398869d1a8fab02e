#include "ImportacaoParadox.h"

#include "TabelaParadox.h"
#include "session/Relogio.h"
#include "session/Sessao.h"
#include "store/Caminhos.h"
#include "store/DefTabela.h"
#include "store/ErroBanco.h"
#include "store/SessaoBanco.h"
#include "store/Tabela.h"
#include "store/TransacaoBanco.h"
#include "store/tabelas/Tabelas.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTextStream>

namespace {
constexpr int LinhasEntreAvisos = 256;
constexpr int TamanhoMaximoValor = 300;

QString milhar(int n) {
    return QLocale(QLocale::Portuguese, QLocale::Brazil).toString(n);
}

QString linhas(int n) {
    return milhar(n) + (n == 1 ? " linha" : " linhas");
}

// A value as the report shows it: one line, dates as the program writes them.
QString textoValor(const QVariant& v) {
    if (!v.isValid())
        return QString();
    QString s;
    switch (v.typeId()) {
    case QMetaType::QDate:
        s = v.toDate().toString("dd/MM/yyyy");
        break;
    case QMetaType::QTime:
        s = v.toTime().toString("HH:mm:ss.zzz");
        break;
    case QMetaType::QDateTime:
        s = v.toDateTime().toString("dd/MM/yyyy HH:mm:ss.zzz");
        break;
    case QMetaType::Double:
        s = QString::number(v.toDouble(), 'g', QLocale::FloatingPointShortest);
        break;
    case QMetaType::Bool:
        s = v.toBool() ? "True" : "False";
        break;
    case QMetaType::QByteArray:
        return QString("(%1 bytes)").arg(v.toByteArray().size());
    default:
        s = v.toString();
    }
    for (QChar& c : s)
        if (c == '\n' || c == '\r' || c == '\t')
            c = ' ';
    if (s.size() > TamanhoMaximoValor)
        s = s.left(TamanhoMaximoValor) + QString("… (%1 caracteres)").arg(s.size());
    return s;
}

// The text a text field would receive, as the store converts it.
QString comoTexto(const QVariant& v) {
    return v.typeId() == QMetaType::QDate ? v.toDate().toString("dd/MM/yyyy") : v.toString();
}

// Refusals of one row (the row is left out and the next one follows), as
// opposed to failures of the store that end the table.
bool recusaDeLinha(const QString& texto) {
    return texto == TextoViolacaoChave || texto.startsWith("Valor ") ||
           (texto.startsWith("Field '") && texto.endsWith("must have a value"));
}

QString nomeArmazenado(QString caminho) {
    while (caminho.endsWith('\\'))
        caminho.chop(1);
    return caminho;
}
} // namespace

QList<DestinoImportacao> DestinosImportacao(SessaoBanco* sessao) {
    SessaoBanco& s = sessao ? *sessao : SessaoBanco::padrao();
    QList<DestinoImportacao> r;
    const QString atual = s.diretorio("Orvalo");
    r << DestinoImportacao{"Empresa atual (" + atual + ")", atual};
    // The catalogue keeps directories relative to the drive of the alias.
    const QString raiz = atual.left(3);
    try {
        if (s.existeTabela("Orvalo", CaminhoCatalogoEmpresas)) {
            Tabela catalogo(CaminhoCatalogoEmpresas, &s);
            catalogo.abrir();
            for (; !catalogo.eof(); catalogo.proximo()) {
                const QString dir = raiz + catalogo.campo("Diretorio").texto().trimmed();
                r << DestinoImportacao{
                    QString("%1 - %2 (%3)")
                        .arg(catalogo.campo("Codigo").inteiro(), 3, 10, QChar('0'))
                        .arg(catalogo.campo("Nome").texto().trimmed(), dir),
                    dir};
            }
        }
    } catch (const ErroBanco&) {
        // Without a catalogue the current company and a typed folder remain.
    }
    const QString pasta = nomeArmazenado(PastaCatalogoEmpresas);
    r << DestinoImportacao{"Catálogo de empresas (" + pasta + ")", pasta};
    return r;
}

QString ResultadoTabela::texto() const {
    switch (situacao) {
    case Importada:
        if (recusadas == 0)
            return "Importada: " + linhas(gravadas);
        return QString("Importada: %1 de %2 (%3 %4)")
            .arg(milhar(gravadas), linhas(lidas), milhar(recusadas),
                 recusadas == 1 ? "recusada" : "recusadas");
    case Cancelada:
        return "Não importada: importação cancelada";
    case NaoImportada:
        break;
    }
    return "Não importada: " + motivo;
}

ImportacaoParadox::ImportacaoParadox(const QString& origem, const QString& destino,
                                     SessaoBanco* sessao)
    : origem_(origem), destino_(nomeArmazenado(destino)),
      sessao_(sessao ? sessao : &SessaoBanco::padrao()) {}

bool ImportacaoParadox::destinoEhCatalogo() const {
    return destino_.compare(nomeArmazenado(PastaCatalogoEmpresas), Qt::CaseInsensitive) == 0;
}

DefTabela ImportacaoParadox::definicaoDestino(const QString& nomeTabela) const {
    if (const DefTabela* def = CatalogoTabelas::buscar(nomeTabela))
        return *def;
    // Monthly tables are made from a template and registered under no name.
    static const QRegularExpression logAcesso("^Log\\d{4}$",
                                              QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression logSistema("^LogSys_\\d{2}_\\d{4}$",
                                               QRegularExpression::CaseInsensitiveOption);
    const QString nome = NomeTabelaNormalizado(nomeTabela);
    if (logAcesso.match(nome).hasMatch())
        return DefLogAcesso(nome);
    if (logSistema.match(nome).hasMatch())
        return DefLogSistema(nome);
    return DefTabela();
}

bool ImportacaoParadox::examinar(QList<TabelaOrigem>& tabelas, QString& erro) {
    tabelas.clear();
    const QDir dir(origem_);
    if (!dir.exists()) {
        erro = "A pasta de origem " + QDir::toNativeSeparators(origem_) + " não existe.";
        return false;
    }
    const QStringList arquivos =
        dir.entryList({"*.db"}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    if (arquivos.isEmpty()) {
        erro = "A pasta " + QDir::toNativeSeparators(origem_) +
               " não tem nenhuma tabela Paradox (arquivos .DB).";
        return false;
    }
    bool temDestino = false;
    try {
        temDestino = sessao_->existeDiretorio(destino_);
    } catch (const ErroBanco&) {
    }
    for (const QString& arquivo : arquivos) {
        TabelaOrigem o;
        o.arquivo = arquivo;
        o.caminho = dir.filePath(arquivo);
        TabelaParadox px;
        if (px.abrir(o.caminho, o.erro)) {
            o.linhas = px.linhas();
            o.codigoPagina = px.descricaoCodigoPagina();
        }
        const DefTabela def = definicaoDestino(arquivo);
        o.nomeDestino = def.nome;
        const bool catalogo = def.nome.compare("Empresa", Qt::CaseInsensitive) == 0;
        if (def.nome.isEmpty())
            o.motivoFora = "tabela desconhecida neste programa";
        else if (destinoEhCatalogo() && !catalogo)
            o.motivoFora = "a pasta do catálogo de empresas só recebe a tabela Empresa";
        else if (!destinoEhCatalogo() && catalogo)
            o.motivoFora = "o catálogo de empresas vai para a pasta do catálogo (" +
                           nomeArmazenado(PastaCatalogoEmpresas) + ")";
        if (temDestino && o.motivoFora.isEmpty()) {
            try {
                if (sessao_->existeTabela(destino_, o.nomeDestino)) {
                    Tabela t(o.nomeDestino, sessao_);
                    t.setNomeBanco(destino_);
                    t.abrir();
                    o.linhasDestino = t.contarRegistros();
                }
            } catch (const ErroBanco& e) {
                o.motivoFora = e.texto();
            }
        }
        tabelas << o;
    }
    tabelas_ = tabelas;
    examinado_ = true;
    return true;
}

QString ImportacaoParadox::resumo() const {
    int importadas = 0, naoImportadas = 0, recusadas = 0;
    for (const ResultadoTabela& r : resultados_) {
        (r.situacao == ResultadoTabela::Importada ? importadas : naoImportadas) += 1;
        recusadas += r.recusadas;
    }
    return QString("Tabelas importadas: %1; não importadas: %2; linhas recusadas: %3.")
        .arg(importadas)
        .arg(naoImportadas)
        .arg(milhar(recusadas));
}

// One run: the report file and the walk over the tables.
class ImportacaoParadox::Execucao {
public:
    explicit Execucao(ImportacaoParadox& imp) : imp_(imp) {}

    bool abrirRelatorio(QString& erro) {
        const QString pasta = Caminhos::atual().resolver(imp_.destino_);
        const QString nome =
            "Importacao_" + Relogio::atual().agora().toString("yyyyMMdd_HHmmss") + ".txt";
        imp_.relatorio_ = QDir(pasta).filePath(nome);
        arquivo_.setFileName(imp_.relatorio_);
        if (!QDir().mkpath(pasta) || !arquivo_.open(QIODevice::WriteOnly | QIODevice::Text)) {
            erro = "Não foi possível gravar o relatório da importação em " +
                   QDir::toNativeSeparators(imp_.relatorio_) + ".";
            return false;
        }
        saida_.setDevice(&arquivo_);
        escrever("# Importação de dados de outro sistema");
        escrever("# Origem: " + QDir::toNativeSeparators(imp_.origem_));
        escrever("# Destino: " + imp_.destino_);
        escrever("# Início: " + Relogio::atual().agora().toString("dd/MM/yyyy HH:mm:ss"));
        escrever(QString("# Tabelas que já têm linhas: ") +
                 (imp_.substituir_ ? "substituídas" : "mantidas"));
        escrever("# Colunas: tabela, linha, coluna, valor, motivo");
        return true;
    }

    void importarTodas() {
        const int total = int(imp_.tabelas_.size());
        bool parar = false;
        for (int i = 0; i < total; ++i) {
            const TabelaOrigem& o = imp_.tabelas_[i];
            ResultadoTabela r;
            r.arquivo = o.arquivo;
            parar = parar || (imp_.deveParar && imp_.deveParar());
            if (parar) {
                r.situacao = ResultadoTabela::Cancelada;
            } else if (!o.erro.isEmpty()) {
                r.motivo = o.erro;
            } else if (!o.motivoFora.isEmpty()) {
                r.motivo = o.motivoFora;
                r.lidas = o.linhas;
            } else {
                escrever(QString("# %1: %2, %3, para %4")
                             .arg(o.arquivo, linhas(o.linhas), o.codigoPagina, o.nomeDestino));
                importar(i, o, r);
            }
            escrever("# " + o.arquivo + ": " + r.texto());
            imp_.resultados_ << r;
        }
        escrever("# Fim: " + Relogio::atual().agora().toString("dd/MM/yyyy HH:mm:ss") + ". " +
                 imp_.resumo());
        saida_.flush();
    }

private:
    void escrever(const QString& linha) {
        saida_ << linha << '\n';
        saida_.flush();
    }

    void ocorrencia(const Ocorrencia& o) {
        escrever(QString("%1\tlinha %2\t%3\t'%4'\t%5")
                     .arg(o.tabela, o.linha > 0 ? QString::number(o.linha) : QString("-"), o.coluna,
                          o.valor, o.motivo));
        ++imp_.totalOcorrencias_;
        if (imp_.ocorrencias_.size() < MaximoOcorrenciasGuardadas)
            imp_.ocorrencias_ << o;
    }

    void avancar(int i, const QString& arquivo, int feitas, int linhas) {
        if (imp_.aoAvancar)
            imp_.aoAvancar(i, int(imp_.tabelas_.size()), arquivo, feitas, linhas);
    }

    void importar(int indice, const TabelaOrigem& o, ResultadoTabela& r);

    ImportacaoParadox& imp_;
    QFile arquivo_;
    QTextStream saida_;
};

void ImportacaoParadox::Execucao::importar(int indice, const TabelaOrigem& o, ResultadoTabela& r) {
    TabelaParadox px;
    QString erro;
    if (!px.abrir(o.caminho, erro)) {
        r.motivo = erro;
        return;
    }
    const DefTabela def = imp_.definicaoDestino(o.nomeDestino);
    const std::vector<CampoParadox>& campos = px.campos();
    // The cursor's field of each source column; the others are counted.
    std::vector<int> destino(campos.size(), -1);
    std::vector<int> preenchidos(campos.size(), 0);
    std::vector<QString> foraMotivo(campos.size());

    avancar(indice, o.arquivo, 0, px.linhas());
    std::vector<QVariant> valores;
    std::vector<AvisoTexto> avisos;
    QList<Ocorrencia> pendentes;
    try {
        Tabela t(def.nome, imp_.sessao_);
        t.setNomeBanco(imp_.destino_);
        if (!def.criarAutomaticamente && !t.existe())
            t.criarTabela(def);
        t.abrir();
        for (size_t k = 0; k < campos.size(); ++k) {
            const int j = t.indiceCampo(campos[k].nome);
            if (j < 0)
                foraMotivo[k] = "a tabela de destino não tem esta coluna";
            else if (TipoParadoxBinario(campos[k].tipo))
                foraMotivo[k] = "campo " + NomeTipoParadox(campos[k].tipo) +
                                " (binário) não tem correspondência neste programa";
            else
                destino[k] = j;
        }
        TransacaoBanco transacao(imp_.destino_, imp_.sessao_);
        const int existentes = t.contarRegistros();
        if (existentes > 0 && !imp_.substituir_) {
            r.motivo = "a tabela de destino já tem " + linhas(existentes);
            return;
        }
        if (existentes > 0)
            t.esvaziar();
        for (int linha = 0; linha < px.linhas(); ++linha) {
            if (!px.ler(linha, valores, avisos, erro))
                throw ErroBanco(erro);
            ++r.lidas;
            const int numero = linha + 1;
            pendentes.clear();
            t.incluir();
            for (size_t k = 0; k < campos.size(); ++k) {
                if (destino[k] < 0) {
                    preenchidos[k] += valores[k].isValid() ? 1 : 0;
                    continue;
                }
                Campo campo = t.campo(destino[k]);
                QVariant v = valores[k];
                if (campo.tipo() == TipoCampo::Texto && v.isValid()) {
                    v = comoTexto(v);
                    const qsizetype n = v.toString().toUcs4().size();
                    if (campo.tamanho() > 0 && n > campo.tamanho()) {
                        pendentes << Ocorrencia{
                            o.arquivo, numero, campo.nome(), textoValor(v),
                            QString("texto com %1 caracteres; o campo guarda %2")
                                .arg(n)
                                .arg(DescricaoTipo({campo.nome(), campo.tipo(), campo.tamanho()}))};
                        continue;
                    }
                }
                try {
                    campo.definir(v);
                } catch (const ErroBanco& e) {
                    pendentes << Ocorrencia{o.arquivo, numero, campo.nome(), textoValor(v),
                                            e.texto()};
                }
            }
            bool gravada = false;
            if (pendentes.isEmpty()) {
                try {
                    t.gravar();
                    gravada = true;
                } catch (const ErroBanco& e) {
                    if (!recusaDeLinha(e.texto()))
                        throw;
                    QString coluna, valor;
                    if (e.texto() == TextoViolacaoChave) {
                        QStringList vs;
                        for (const QString& c : def.chavePrimaria)
                            vs << textoValor(t.campo(c).valor());
                        coluna = def.chavePrimaria.join(';');
                        valor = vs.join(';');
                    } else {
                        static const QRegularExpression nomeCampo("^Field '(.*)' must have");
                        coluna = nomeCampo.match(e.texto()).captured(1);
                    }
                    pendentes << Ocorrencia{o.arquivo, numero, coluna, valor, e.texto()};
                }
            }
            if (gravada) {
                ++r.gravadas;
                for (const AvisoTexto& a : avisos)
                    if (destino[size_t(a.campo)] >= 0)
                        ocorrencia({o.arquivo, numero, campos[size_t(a.campo)].nome,
                                    textoValor(valores[size_t(a.campo)]), a.texto});
            } else {
                t.cancelar();
                ++r.recusadas;
                for (const Ocorrencia& p : pendentes)
                    ocorrencia(p);
            }
            if (numero % LinhasEntreAvisos == 0)
                avancar(indice, o.arquivo, numero, px.linhas());
        }
        transacao.confirmar();
        r.situacao = ResultadoTabela::Importada;
    } catch (const ErroBanco& e) {
        r.situacao = ResultadoTabela::NaoImportada;
        r.motivo = e.texto();
        r.gravadas = 0;
    }
    avancar(indice, o.arquivo, r.lidas, px.linhas());
    for (size_t k = 0; k < campos.size(); ++k)
        if (!foraMotivo[k].isEmpty())
            ocorrencia({o.arquivo, 0, campos[k].nome, QString(),
                        QString("%1 (valores preenchidos não importados: %2)")
                            .arg(foraMotivo[k], milhar(preenchidos[k]))});
}

bool ImportacaoParadox::executar(QString& erro) {
    resultados_.clear();
    ocorrencias_.clear();
    totalOcorrencias_ = 0;
    relatorio_.clear();
    if (!examinado_) {
        QList<TabelaOrigem> t;
        if (!examinar(t, erro))
            return false;
    }
    try {
        if (!sessao_->existeDiretorio(destino_))
            sessao_->criarDiretorio(destino_);
    } catch (const ErroBanco& e) {
        erro = "Não foi possível criar a pasta de destino " + destino_ + ": " + e.texto();
        return false;
    }
    Execucao execucao(*this);
    if (!execucao.abrirRelatorio(erro))
        return false;
    execucao.importarTodas();
    return true;
}
