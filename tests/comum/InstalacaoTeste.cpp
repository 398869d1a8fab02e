#include "InstalacaoTeste.h"

#include "session/Sessao.h"
#include "store/Caminhos.h"
#include "store/SessaoBanco.h"
#include "store/tabelas/Tabelas.h"

#include <QDir>

void InstalacaoTeste::SetUp() {
    ASSERT_TRUE(raiz.isValid());
    QDir(raiz.path()).mkpath("C/EMPRESA1");
    Caminhos::atual().limpar();
    Caminhos::atual().mapear("C:", raiz.path() + "/C");
    Caminhos::atual().mapear("\\\\tsclient", raiz.path() + "/tsclient");
    SessaoBanco::padrao().fechar();
    SessaoBanco::padrao().abrir();
    SessaoBanco::padrao().definirAlias("Orvalo", {"PATH=C:\\EMPRESA1"});
    RegistrarTodasTabelas();
    Sessao::Reiniciar();
    dialogos = std::make_unique<DialogosRoteirizados>();
    relogio = std::make_unique<RelogioManual>(QDateTime(QDate(2026, 12, 6), QTime(10, 0)));
    Relogio::instalar(relogio.get());
}

void InstalacaoTeste::TearDown() {
    SessaoBanco::padrao().fechar();
    SessaoBanco::padrao().abrir();
    Relogio::instalar(nullptr);
    relogio.reset();
    dialogos.reset();
    Caminhos::atual().limpar();
}

QString InstalacaoTeste::host(const QString& caminho) const {
    return Caminhos::atual().resolver(caminho);
}

void InstalacaoTeste::criarDiretorio(const QString& caminho) const {
    QDir().mkpath(host(caminho));
}
