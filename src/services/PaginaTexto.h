// The page buffer of the text report engine: 5000 lines x 300 columns of
// cells addressed from (1, 1), allocated once for the whole process.
//
// A cell normally holds one character; a cell may hold a whole control
// sequence (a pitch code), emitted as is. A cleared cell holds one blank.
// Window thread only; reports do not run concurrently.
#pragma once

#include <QString>
#include <algorithm>
#include <unordered_map>
#include <vector>

class PaginaTexto {
public:
    static constexpr int Linhas = 5000;
    static constexpr int Colunas = 300;

    static PaginaTexto& atual();

    // Every cell := one blank.
    void limpar();

    // REQUIRES: 1 <= linha <= Linhas, 1 <= coluna <= Colunas.
    QString celula(int linha, int coluna) const;
    void definir(int linha, int coluna, const QString& texto);
    // One UTF-16 character other than 0 (the common case, kept cheap).
    void definir(int linha, int coluna, char16_t caractere) {
        const int i = indice(linha, coluna);
        usadas_ = std::max(usadas_, linha);
        simples_[size_t(i)] = caractere;
        if (!longas_.empty())
            longas_.erase(i);
    }
    // Appends cells [1, largura] of the line to `destino`, stopping before
    // a cell that holds character 26; returns false when all were blanks.
    bool juntarLinha(int linha, int largura, QString& destino) const;

private:
    PaginaTexto();
    static int indice(int linha, int coluna) { return (linha - 1) * Colunas + (coluna - 1); }

    // Single UTF-16 characters live in the array; longer cells (control
    // sequences, characters outside the BMP) in the side table, marked by
    // a zero in the array.
    std::vector<char16_t> simples_;
    std::unordered_map<int, QString> longas_;
    // Lines 1..usadas_ may hold something other than blanks; clearing
    // passes over those only, the rest are blank already.
    int usadas_ = 0;
};
