// Rows read from the database, kept in one arena and decoded only when a
// field is read. The backends fill it cell by cell; cursors and queries
// read it. Internal to the store, though data sets hold one.
#pragma once

#include "TipoCampo.h"

#include <QVariant>
#include <string>
#include <string_view>
#include <vector>

class LoteLinhas {
public:
    enum class Tipo : int { Nulo, Inteiro, Real, Texto };
    struct Celula {
        Tipo tipo;
        union {
            qint64 i;
            double d;
            struct {
                quint32 inicio, tamanho;
            } s;
        };
    };

    void limpar();
    // A new row: its row id (for a query, its position) and `colunas` cells
    // added in order by the calls below.
    void novaLinha(qint64 rowid, int colunas);
    void maisNulo();
    void maisInteiro(qint64 v);
    void maisReal(double v);
    void maisTexto(const char* texto, size_t tamanho);
    // A field's value in the form the database returns it.
    void maisValor(const QVariant& valor, TipoCampo tipo);

    int linhas() const { return int(rowids_.size()); }
    qint64 rowid(int linha) const { return rowids_[size_t(linha)]; }
    QVariant valor(int linha, int coluna, TipoCampo tipo) const;
    bool nulo(int linha, int coluna) const { return celula(linha, coluna).tipo == Tipo::Nulo; }
    const Celula& celula(int linha, int coluna) const {
        return celulas_[size_t(linha * colunas_ + coluna)];
    }
    std::string_view texto(const Celula& c) const {
        return std::string_view(arena_.data() + c.s.inicio, c.s.tamanho);
    }

    quint64 escritas = 0;    // process-wide commit count when read
    qint64 versao = 0;       // the database's change counter when last checked
    qint64 verificadoEm = 0; // steady clock (ns) of that check

private:
    int colunas_ = 0;
    std::vector<Celula> celulas_;
    std::vector<qint64> rowids_;
    std::string arena_;
};

// The stored text of a date, time or date-time value (any other value: its
// text).
QByteArray TextoArmazenado(const QVariant& valor);

// Stored texts of the date and time types.
QDate LerDataArmazenada(const QString& s);
QTime LerHoraArmazenada(const QString& s);
QDateTime LerDataHoraArmazenada(const QString& s);
