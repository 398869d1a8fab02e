#include "JanelaModal.h"

#include <QDialog>

namespace {
int exibirPadrao(QDialog& janela) {
    return janela.exec();
}

std::function<int(QDialog&)>& exibidor() {
    static std::function<int(QDialog&)> e = exibirPadrao;
    return e;
}
} // namespace

int ExibirModal(QDialog& janela) {
    return exibidor()(janela);
}

void InstalarExibirModal(std::function<int(QDialog&)> exibir) {
    exibidor() = exibir ? std::move(exibir) : std::function<int(QDialog&)>(exibirPadrao);
}
