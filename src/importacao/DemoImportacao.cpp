#include "DemoImportacao.h"

#include "EscritorParadox.h"
#include "session/Sessao.h"
#include "store/DefTabela.h"
#include "store/ErroBanco.h"
#include "store/Tabela.h"

#include <QDate>
#include <QDir>
#include <stdexcept>

namespace {
constexpr int CodigoPaginaLegado = 850;

// The rows of a table of this program, written as a Paradox table.
void exportar(const DefTabela& def, Tabela& t, const QString& arquivo) {
    EscritorParadox px(arquivo, CamposParadoxDe(def), CodigoPaginaLegado);
    std::vector<QVariant> valores(def.campos.size());
    for (t.primeiro(); !t.eof(); t.proximo()) {
        for (size_t i = 0; i < def.campos.size(); ++i)
            valores[i] = t.campo(def.campos[i].nome).valor();
        px.adicionar(valores);
    }
}

void criarEmpresa(const QString& pasta, const QString& modelo) {
    for (const QString& nome : CatalogoTabelas::nomesAutomaticos()) {
        if (nome.compare("Matizador", Qt::CaseInsensitive) == 0)
            continue;
        Tabela t(nome);
        t.setNomeBanco(modelo);
        if (!t.existe())
            continue;
        t.abrir();
        if (t.contarRegistros() > 0)
            exportar(*CatalogoTabelas::buscar(nome), t, QDir(pasta).filePath(nome + ".DB"));
    }

    // The legacy register was wider and kept the maker.
    EscritorParadox matizador(QDir(pasta).filePath("Matizador.DB"),
                              {{"Codigo", TipoParadox::Short, 2},
                               {"Nome", TipoParadox::Alpha, 60},
                               {"Fabricante", TipoParadox::Alpha, 20}},
                              CodigoPaginaLegado);
    Tabela t("Matizador");
    t.setNomeBanco(modelo);
    t.abrir();
    for (; !t.eof(); t.proximo())
        matizador.adicionar({t.campo("Codigo").valor(), t.campo("Nome").valor(), "Dosacor"});
    matizador.adicionar({1, "Matizador repetido na digitação", "Dosacor"});
    matizador.adicionar({9, "Matizador de bancada para amostras de cores especiais", "Colorama"});

    EscritorParadox agenda(
        QDir(pasta).filePath("AGENDA.DB"),
        {{"Data", TipoParadox::Data, 4}, {"Compromisso", TipoParadox::Alpha, 60}},
        CodigoPaginaLegado);
    agenda.adicionar({QDate(2019, 3, 11), "Visita técnica à fábrica de solventes"});
    agenda.adicionar({QDate(2019, 3, 18), "Calibração das dosadoras"});
}

void criarCatalogo(const QString& pasta) {
    const DefTabela& def = *CatalogoTabelas::buscar("Empresa");
    Tabela catalogo(CaminhoCatalogoEmpresas);
    catalogo.abrir();
    EscritorParadox px(QDir(pasta).filePath("Empresa.DB"), CamposParadoxDe(def),
                       CodigoPaginaLegado);
    std::vector<QVariant> valores(def.campos.size());
    for (; !catalogo.eof(); catalogo.proximo()) {
        for (size_t i = 0; i < def.campos.size(); ++i)
            valores[i] = catalogo.campo(def.campos[i].nome).valor();
        px.adicionar(valores);
    }
    px.adicionar({4, "Tintas Legado", "EMPRESA4", QVariant(), "1", 4, false, false, false});
}
} // namespace

void CriarDemoLegado(const QString& pasta, const QString& empresaModelo) {
    const QString empresa = QDir(pasta).filePath("EMPRESA4");
    const QString catalogo = QDir(pasta).filePath("ORVALO");
    if (!QDir().mkpath(empresa) || !QDir().mkpath(catalogo))
        throw ErroBanco("não foi possível criar a pasta " + pasta);
    try {
        criarEmpresa(empresa, empresaModelo);
        criarCatalogo(catalogo);
    } catch (const std::runtime_error& e) {
        throw ErroBanco("tabelas Paradox da demonstração: " + QString::fromStdString(e.what()));
    }
}
