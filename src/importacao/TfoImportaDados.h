// The import window ("Importar dados de outro sistema"): the folder of a
// legacy company's Paradox tables, the destination (the current company,
// a company of the catalogue, the catalogue folder, or a directory typed
// as stored, such as C:\EMPRESA4), and whether tables that already have
// rows are replaced. The grid lists the source's tables with their rows,
// code page and what the destination holds; "Importar" asks for
// confirmation, runs the import (ImportacaoParadox) behind a progress
// window, then shows each table's outcome, the report's lines and the
// report file's path.
#pragma once

#include <QWidget>
#include <memory>

// The access code the menu asks before opening the window.
inline constexpr int CodigoAcessoImportacao = 230;

class ImportacaoParadox;
class ModeloLinhas;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTableView;
class SessaoBanco;

class TfoImportaDados : public QWidget {
    Q_OBJECT
public:
    explicit TfoImportaDados(SessaoBanco* sessao = nullptr, QWidget* parent = nullptr);
    ~TfoImportaDados() override;

    // The destinations offered: the catalogue's companies, read again.
    void carregarDestinos();
    // The stored directory the destination box names.
    QString destino() const;

public slots:
    // Reads the source's tables and the destination's row counts into the
    // grid; false after its message when the source cannot be read.
    bool examinar();
    void procurarOrigem();
    void importar();

protected:
    void showEvent(QShowEvent* evento) override;

private:
    void mostrarTabelas();

    SessaoBanco* sessao_;
    QLineEdit* origem_;
    QComboBox* destino_;
    QCheckBox* substituir_;
    ModeloLinhas* tabelas_;
    QTableView* gradeTabelas_;
    ModeloLinhas* ocorrencias_;
    QTableView* gradeOcorrencias_;
    QLabel* relatorio_;
    std::unique_ptr<ImportacaoParadox> importacao_;
};
