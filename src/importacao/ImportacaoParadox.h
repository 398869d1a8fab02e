// The import of a legacy company directory: every Paradox table (.DB) of a
// host folder is written into the table of the same name of a company
// directory of this program, column by column by name. The company
// catalogue (Empresa.DB) goes only into the catalogue folder, and nothing
// else goes there.
//
// Each table is one transaction: it is imported whole or not at all, and
// a table whose destination already holds rows is left as it is unless
// the operator asked to replace it (its rows are then deleted in the same
// transaction). Nothing is dropped silently: a source column the
// destination lacks, and each row the store refuses (a duplicate key, a
// text longer than its field, a value of the wrong type, a required field
// left blank) are written to the report (table, row number, column,
// value, reason), a text file in the destination folder, and kept for the
// window. The source is only read.
//
// Runs on the window thread; between rows it calls aoAvancar, which may
// repaint (taking no input: a transaction is open), and between tables it
// asks deveParar, so "Cancelar" stops after the current table.
#pragma once

#include <QList>
#include <QString>
#include <functional>

class SessaoBanco;
struct DefTabela;

// A Paradox table found in the source folder, with what the destination
// holds of it.
struct TabelaOrigem {
    QString arquivo;       // as on disk ("CLIFOR.DB")
    QString caminho;       // host path
    int linhas = 0;        // rows in the source
    QString codigoPagina;  // "CP850"
    QString erro;          // why the table cannot be read; empty when it can
    QString nomeDestino;   // the program's table name; empty when it has none
    int linhasDestino = 0; // rows the destination table holds now
    QString motivoFora;    // why it is not imported into this destination
};

// A line of the report.
struct Ocorrencia {
    QString tabela; // "CLIFOR.DB"
    int linha = 0;  // row number in the source, from 1; 0 for a whole column
    QString coluna;
    QString valor;
    QString motivo;
};

struct ResultadoTabela {
    enum Situacao { Importada, NaoImportada, Cancelada };
    QString arquivo;
    Situacao situacao = NaoImportada;
    int lidas = 0;
    int gravadas = 0;
    int recusadas = 0;
    QString motivo; // why it was not imported
    // "Importada: 540 linhas", "Importada: 538 de 540 linhas (2 recusadas)",
    // "Não importada: " + motivo, "Não importada: importação cancelada".
    QString texto() const;
};

// A destination the window offers: the current company, each company of
// the catalogue, and the catalogue folder.
struct DestinoImportacao {
    QString texto;     // "004 - Tintas Legado (C:\EMPRESA4)"
    QString diretorio; // as stored
};
QList<DestinoImportacao> DestinosImportacao(SessaoBanco* sessao = nullptr);

class ImportacaoParadox {
public:
    // `origem`: host folder of the legacy tables. `destino`: a company
    // directory as stored ("C:\EMPRESA4") or the catalogue folder
    // (PastaCatalogoEmpresas).
    ImportacaoParadox(const QString& origem, const QString& destino, SessaoBanco* sessao = nullptr);

    void setSubstituir(bool substituir) { substituir_ = substituir; }
    bool destinoEhCatalogo() const;

    // The .DB files of the source folder in name order, their headers
    // read. False with a Portuguese reason when the folder cannot be read.
    bool examinar(QList<TabelaOrigem>& tabelas, QString& erro);

    // Imports every table of the last examination (examines first when
    // there was none). False, with a Portuguese reason, when the import
    // could not start (the destination folder cannot be made or written,
    // the report cannot be written); a table that fails is reported and
    // the next one follows.
    bool executar(QString& erro);

    // (table index from 0, tables, file name, rows done, rows)
    std::function<void(int, int, const QString&, int, int)> aoAvancar;
    std::function<bool()> deveParar;

    const QList<TabelaOrigem>& tabelas() const { return tabelas_; }
    const QList<ResultadoTabela>& resultados() const { return resultados_; }
    // The first MaximoOcorrenciasGuardadas of the report's lines.
    const QList<Ocorrencia>& ocorrencias() const { return ocorrencias_; }
    int totalOcorrencias() const { return totalOcorrencias_; }
    // Host path of the report of the last run.
    const QString& arquivoRelatorio() const { return relatorio_; }
    // "Tabelas importadas: 12; não importadas: 2; linhas recusadas: 3."
    QString resumo() const;

    static constexpr int MaximoOcorrenciasGuardadas = 10000;

private:
    class Execucao;
    // The program's definition of a table; empty `nome` when it has none.
    DefTabela definicaoDestino(const QString& nomeTabela) const;

    QString origem_;
    QString destino_;
    SessaoBanco* sessao_;
    bool substituir_ = false;
    bool examinado_ = false;
    QList<TabelaOrigem> tabelas_;
    QList<ResultadoTabela> resultados_;
    QList<Ocorrencia> ocorrencias_;
    int totalOcorrencias_ = 0;
    QString relatorio_;
};
