// Cursor navigation: keyset order with blanks in composite keys, exact and
// nearest keys, ranges, filters, master/detail links, locate, bookmarks.
#include "InstalacaoTeste.h"

#include "store/DefTabela.h"
#include "store/ErroBanco.h"
#include "store/Tabela.h"

namespace {

void definirTabelas() {
    Definicao("TesteNav")
        .shortInt("Filial")
        .texto("Grupo", 4)
        .longInt("Codigo")
        .texto("Nome", 20)
        .chave({"Filial", "Grupo", "Codigo"})
        .indice("Nome", {"Filial", "Nome"}, true)
        .registrar();
    Definicao("TesteItem")
        .shortInt("Filial")
        .longInt("Codigo")
        .shortInt("Ordem")
        .number("Qtd")
        .chave({"Filial", "Codigo", "Ordem"})
        .registrar();
}

void inserir(Tabela& t, const QVariantList& valores) {
    t.incluir();
    for (int i = 0; i < valores.size(); ++i)
        t.campo(i).definir(valores[i]);
    t.gravar();
}

// The rows in cursor order, one "Filial|Grupo|Codigo|Nome" per line.
QString conteudo(Tabela& t) {
    QStringList linhas;
    for (t.primeiro(); !t.eof(); t.proximo()) {
        QStringList c;
        for (int i = 0; i < t.quantidadeCampos(); ++i)
            c << (t.campo(i).ehNulo() ? "-" : t.campo(i).texto());
        linhas << c.join('|');
    }
    return linhas.join('\n');
}

class Navegacao : public InstalacaoTeste {
protected:
    void SetUp() override {
        InstalacaoTeste::SetUp();
        definirTabelas();
        t.setNomeTabela("TesteNav.DB");
        t.abrir();
        inserir(t, {1, "B", 2, "beta"});
        inserir(t, {1, QVariant(), 5, "sem grupo"});
        inserir(t, {1, "A", 3, "Ágata"});
        inserir(t, {2, "A", 1, "alfa"});
        inserir(t, {1, "B", QVariant(), "sem codigo"});
        inserir(t, {1, "A", 1, "ALFA"});
        inserir(t, {QVariant(), "Z", 9, QVariant()});
    }
    Tabela t;
};

TEST_F(Navegacao, BlanksSortFirstInEveryKeyField) {
    EXPECT_EQ(conteudo(t), "-|Z|9|-\n"
                           "1|-|5|sem grupo\n"
                           "1|A|1|ALFA\n"
                           "1|A|3|Ágata\n"
                           "1|B|-|sem codigo\n"
                           "1|B|2|beta\n"
                           "2|A|1|alfa");
    EXPECT_EQ(t.contarRegistros(), 7);
}

TEST_F(Navegacao, WalksBackwardAndStopsAtBothEnds) {
    QStringList nomes;
    for (t.ultimo(); !t.bof(); t.anterior())
        nomes << t.campo("Nome").texto();
    EXPECT_EQ(nomes.join(','), "alfa,beta,sem codigo,Ágata,ALFA,sem grupo,");
    EXPECT_TRUE(t.bof());
    EXPECT_EQ(t.campo("Codigo").inteiro(), 9); // stays on the first row
    t.ultimo();
    t.proximo();
    EXPECT_TRUE(t.eof());
    EXPECT_EQ(t.campo("Nome").texto(), "alfa");
}

TEST_F(Navegacao, CaseInsensitiveIndexOrdersAndFindsByName) {
    t.setIndice("Nome");
    QStringList nomes;
    for (t.primeiro(); !t.eof(); t.proximo())
        nomes << t.campo("Nome").texto();
    // The file folds ASCII letters only, so the accented name sorts by its
    // code point; the server folds case and accents alike.
    EXPECT_EQ(nomes.join(','), TestesNoServidor() ? ",Ágata,ALFA,beta,sem codigo,sem grupo,alfa"
                                                  : ",ALFA,beta,sem codigo,sem grupo,Ágata,alfa");
    EXPECT_TRUE(t.localizarChave({1, "alfa"}));
    EXPECT_EQ(t.campo("Codigo").inteiro(), 1);
    EXPECT_EQ(t.campo("Grupo").texto(), "A");
}

TEST_F(Navegacao, ExactAndNearestKeyOnLeadingFields) {
    EXPECT_TRUE(t.localizarChave({1, "B"}));
    EXPECT_TRUE(t.campo("Codigo").ehNulo()); // first of the group: blank code
    EXPECT_FALSE(t.localizarChave({1, "C"}));
    EXPECT_TRUE(t.campo("Codigo").ehNulo()); // a miss does not move
    t.localizarProximo({1, "AA"});
    EXPECT_EQ(t.campo("Nome").texto(), "sem codigo");
    t.localizarProximo({1, "A", 2});
    EXPECT_EQ(t.campo("Nome").texto(), "Ágata");
    t.localizarProximo({3});
    EXPECT_TRUE(t.eof());
    t.localizarProximo({1, QVariant()});
    EXPECT_EQ(t.campo("Nome").texto(), "sem grupo");
}

TEST_F(Navegacao, RangeFilterAndLocateRestrictTheWalk) {
    t.definirFaixa({1, "A"}, {1, "B"});
    EXPECT_EQ(t.contarRegistros(), 4);
    EXPECT_EQ(t.campo("Nome").texto(), "ALFA");
    t.definirFaixa({1}, {1});
    EXPECT_EQ(t.contarRegistros(), 5);
    t.cancelarFaixa();
    t.setFiltro("Filial = 1 and Grupo = 'A'");
    EXPECT_EQ(conteudo(t), "1|A|1|ALFA\n1|A|3|Ágata");
    t.setFiltro("");
    EXPECT_TRUE(t.localizar({"Filial", "Nome"}, {2, "ALFA"}, true));
    EXPECT_EQ(t.campo("Nome").texto(), "alfa");
    EXPECT_TRUE(t.localizar({"Nome"}, {"sem"}, false, true));
    EXPECT_EQ(t.campo("Nome").texto(), "sem grupo");
    EXPECT_FALSE(t.localizar({"Nome"}, {"SEM"}, false, true));
}

TEST_F(Navegacao, BookmarkReturnsToTheRow) {
    t.localizarChave({1, "A", 3});
    const Marcador m = t.marcador();
    t.ultimo();
    t.irPara(m);
    EXPECT_EQ(t.campo("Nome").texto(), "Ágata");
    t.excluir();
    EXPECT_EQ(t.campo("Nome").texto(), "sem codigo"); // the next row
    EXPECT_THROW(t.irPara(m), ErroBanco);
}

TEST_F(Navegacao, DetailFollowsMaster) {
    Tabela itens("TesteItem");
    itens.abrir();
    inserir(itens, {1, 2, 1, 1.5});
    inserir(itens, {1, 2, 2, 2.5});
    inserir(itens, {1, 3, 1, 7.0});
    itens.setMestre(&t, "Filial;Codigo");
    t.localizarChave({1, "B", 2});
    EXPECT_EQ(itens.contarRegistros(), 2);
    EXPECT_EQ(itens.campo("Qtd").numero(), 1.5);
    t.localizarChave({1, "A", 3});
    EXPECT_EQ(itens.contarRegistros(), 1);
    EXPECT_EQ(itens.campo("Qtd").numero(), 7.0);
    t.localizarChave({1, "A", 1});
    EXPECT_TRUE(itens.vazio());
    EXPECT_TRUE(itens.eof());
    itens.incluir();
    itens.campo("Ordem").definir(1);
    itens.gravar();
    EXPECT_EQ(itens.campo("Filial").inteiro(), 1);
    EXPECT_EQ(itens.campo("Codigo").inteiro(), 1);
    EXPECT_EQ(itens.contarRegistros(), 1);
}

TEST_F(Navegacao, WalkCrossesManyBatches) {
    Tabela itens("TesteItem");
    itens.abrir();
    for (int i = 1000; i >= 1; --i)
        inserir(itens, {1, i % 7, i, double(i)});
    int n = 0;
    int anteriorCod = -1, anteriorOrdem = -1;
    bool emOrdem = true;
    for (itens.primeiro(); !itens.eof(); itens.proximo(), ++n) {
        const int c = itens.campo("Codigo").inteiro(), o = itens.campo("Ordem").inteiro();
        emOrdem = emOrdem && (c > anteriorCod || (c == anteriorCod && o > anteriorOrdem));
        anteriorCod = c;
        anteriorOrdem = o;
    }
    EXPECT_EQ(n, 1000);
    EXPECT_TRUE(emOrdem);
}

TEST_F(Navegacao, UnknownNamesFailClearly) {
    Tabela x("NaoExiste.DB");
    try {
        x.abrir();
        FAIL();
    } catch (const ErroBanco& e) {
        EXPECT_EQ(e.texto(), "Table does not exist: NaoExiste");
    }
    try {
        t.campo("Xyz");
        FAIL();
    } catch (const ErroBanco& e) {
        EXPECT_EQ(e.texto(), "TesteNav.DB: Field 'Xyz' not found");
    }
    EXPECT_THROW(t.setIndice("Inexistente"), ErroBanco);
}

} // namespace
