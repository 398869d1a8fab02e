// The list of clients by city ("Clientes por Cidade"): code, city and name
// ranges, the city picker (the register's cities on the left, the filter
// on the right, moved with ">", ">>", "<", "<<"), "Separar Clientes por
// Estado", "Imprimir Inativos", "OK" that asks the print options and
// "Confirma Emissao" and prints, "Cancel".
//
// Created once at start-up; each show refills the cities. Tests call the
// slots directly.
#pragma once

#include <QWidget>

class QCheckBox;
class QLineEdit;
class QListWidget;
class SessaoBanco;

class TfoRelClientesPorCidade : public QWidget {
public:
    explicit TfoRelClientesPorCidade(SessaoBanco* sessao = nullptr, QWidget* parent = nullptr);

    // The register's cities into the picker, the filter emptied.
    void carregarCidades();
    // ">" / "<" move the selected cities, ">>" / "<<" all of them.
    void incluirCidades(bool todas);
    void retirarCidades(bool todas);
    void ok();

protected:
    void showEvent(QShowEvent* evento) override;

private:
    SessaoBanco* sessao_;
    QLineEdit* codigoInicial_;
    QLineEdit* codigoFinal_;
    QLineEdit* cidadeInicial_;
    QLineEdit* cidadeFinal_;
    QLineEdit* nomeInicial_;
    QLineEdit* nomeFinal_;
    QListWidget* cidades_;
    QListWidget* escolhidas_;
    QCheckBox* separarEstados_;
    QCheckBox* inativos_;
};
