#include "PaginaTexto.h"

#include <algorithm>

PaginaTexto& PaginaTexto::atual() {
    static PaginaTexto p;
    return p;
}

PaginaTexto::PaginaTexto() : simples_(size_t(Linhas) * Colunas, u' ') {}

void PaginaTexto::limpar() {
    std::fill(simples_.begin(), simples_.begin() + ptrdiff_t(usadas_) * Colunas, u' ');
    longas_.clear();
    usadas_ = 0;
}

QString PaginaTexto::celula(int linha, int coluna) const {
    const int i = indice(linha, coluna);
    const char16_t c = simples_[size_t(i)];
    if (c != 0)
        return QString(QChar(c));
    const auto it = longas_.find(i);
    return it == longas_.end() ? QString() : it->second;
}

void PaginaTexto::definir(int linha, int coluna, const QString& texto) {
    const int i = indice(linha, coluna);
    usadas_ = std::max(usadas_, linha);
    if (texto.size() == 1 && texto[0].unicode() != 0) {
        simples_[size_t(i)] = texto[0].unicode();
        longas_.erase(i);
    } else {
        simples_[size_t(i)] = 0;
        longas_[i] = texto;
    }
}

bool PaginaTexto::juntarLinha(int linha, int largura, QString& destino) const {
    bool algo = false;
    const int base = indice(linha, 1);
    for (int c = 0; c < largura; ++c) {
        const char16_t ch = simples_[size_t(base + c)];
        if (ch != 0) {
            if (ch == 26)
                break;
            algo = algo || ch != u' ';
            destino += QChar(ch);
            continue;
        }
        const auto it = longas_.find(base + c);
        const QString texto = it == longas_.end() ? QString() : it->second;
        if (texto == QString(QChar(26)))
            break;
        for (const QChar c2 : texto)
            algo = algo || c2 != QChar(' ');
        destino += texto;
    }
    return algo;
}
