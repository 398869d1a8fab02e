// Errors raised by the table store.
//
// Every store failure is an ErroBanco carrying the store's text; the
// operation that called catches it and shows the fixed message or the text.
// A duplicate unique key carries exactly "Key violation.". An edit refused
// because another station holds the row lock is an ErroRegistroBloqueado.
#pragma once

#include <QString>
#include <stdexcept>

class ErroBanco : public std::runtime_error {
public:
    explicit ErroBanco(const QString& texto)
        : std::runtime_error(texto.toStdString()), texto_(texto) {}
    const QString& texto() const { return texto_; }

private:
    QString texto_;
};

class ErroRegistroBloqueado : public ErroBanco {
public:
    explicit ErroRegistroBloqueado(const QString& tabela)
        : ErroBanco("Record locked by another user.\nTable: " + tabela) {}
};

inline const char* const TextoViolacaoChave = "Key violation.";
