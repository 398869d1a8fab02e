#include "TabelasReferencia.h"

#include "store/Consulta.h"
#include "store/ErroBanco.h"
#include "store/Tabela.h"
#include "store/TransacaoBanco.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QTextStream>
#include <functional>

namespace {

const char* const ArquivoMunicipios = "municipios-ibge.tsv";
const char* const ArquivoConsultas = "consulta-cadastro-estadual.tsv";

// The lines of a tab-separated file after its header, split into fields;
// lines with fewer than `campos` fields are skipped.
QList<QStringList> LerTsv(const QString& pasta, const char* nome, int campos) {
    QFile arquivo(QDir(pasta).filePath(QString::fromLatin1(nome)));
    if (!arquivo.open(QIODevice::ReadOnly | QIODevice::Text))
        throw ErroBanco(arquivo.fileName() + ": " + arquivo.errorString());
    QTextStream entrada(&arquivo);
    entrada.readLine();
    QList<QStringList> linhas;
    while (!entrada.atEnd()) {
        const QStringList c = entrada.readLine().split('\t');
        if (c.size() >= campos)
            linhas << c;
    }
    return linhas;
}

// Writes the rows into the table when it is empty, in one transaction.
// Returns the rows written.
int EncherSeVazia(const QString& banco, const QString& tabela, SessaoBanco* sessao,
                  const std::function<QList<QStringList>()>& ler, const QStringList& campos) {
    Tabela t(tabela, sessao);
    t.setNomeBanco(banco);
    t.abrir();
    if (!t.vazio())
        return 0;
    const QList<QStringList> linhas = ler();
    TransacaoBanco tr(banco, sessao);
    for (const QStringList& linha : linhas) {
        t.incluir();
        for (int i = 0; i < campos.size(); ++i)
            t.campo(campos[i]).definir(linha[i]);
        t.gravar();
    }
    tr.confirmar();
    return int(linhas.size());
}

// Upper-cases, accents included, the names an earlier version stored as
// the official file writes them; the engine's UPPER would only fold ASCII.
int MunicipiosEmMaiusculas(const QString& banco, SessaoBanco* sessao) {
    Consulta nomes(sessao);
    nomes.setNomeBanco(banco);
    nomes.setSql({"SELECT DISTINCT NoMunicipio FROM MUNIC"});
    QStringList misturados;
    for (nomes.abrir(); !nomes.eof(); nomes.proximo()) {
        const QString nome = nomes.campo(0).texto();
        if (nome != nome.toUpper())
            misturados << nome;
    }
    nomes.fechar();
    if (misturados.isEmpty())
        return 0;
    int mudados = 0;
    TransacaoBanco tr(banco, sessao);
    Consulta trocar(sessao);
    trocar.setNomeBanco(banco);
    trocar.setSql({"UPDATE MUNIC SET NoMunicipio = :NOVO WHERE NoMunicipio = :ANTIGO"});
    for (const QString& nome : misturados) {
        trocar.definirParametro("NOVO", nome.toUpper());
        trocar.definirParametro("ANTIGO", nome);
        trocar.executar();
        mudados += trocar.linhasAfetadas();
    }
    tr.confirmar();
    return mudados;
}

} // namespace

QString PastaDados() {
    const QString programa = QCoreApplication::applicationDirPath();
    for (const QString& pasta :
         {programa + "/data", programa + "/" PCP_PASTA_DADOS_INSTALADA, programa + "/../data",
          programa + "/../../data", QStringLiteral(PCP_PASTA_FONTES "/data")}) {
        if (QFile::exists(QDir(pasta).filePath(ArquivoMunicipios)))
            return QDir(pasta).absolutePath();
    }
    return QString();
}

CargaReferencia CarregarTabelasReferencia(const QString& banco, const QString& pastaDados,
                                          SessaoBanco* sessao) {
    CargaReferencia c;
    QList<QStringList> ibge;
    bool lido = false;
    auto municipios = [&] {
        if (!lido)
            ibge = LerTsv(pastaDados, ArquivoMunicipios, 4);
        lido = true;
        return ibge;
    };
    c.estados = EncherSeVazia(banco, "Uf", sessao,
                              [&] {
                                  QMap<QString, QString> estados; // SgUf -> CoUf
                                  for (const QStringList& l : municipios())
                                      estados.insert(l[1], l[0]);
                                  QList<QStringList> linhas;
                                  for (auto it = estados.begin(); it != estados.end(); ++it)
                                      linhas << QStringList{it.key(), it.value()};
                                  return linhas;
                              },
                              {"SgUf", "CoUf"});
    c.municipios = EncherSeVazia(banco, "MUNIC", sessao,
                                 [&] {
                                     QList<QStringList> linhas;
                                     for (const QStringList& l : municipios())
                                         linhas << QStringList{l[3].toUpper(), l[2]};
                                     return linhas;
                                 },
                                 {"NoMunicipio", "CoMunicipio"});
    c.maiusculas = MunicipiosEmMaiusculas(banco, sessao);
    c.consultas = EncherSeVazia(banco, "ConsultaCadEstadual", sessao,
                                [&] { return LerTsv(pastaDados, ArquivoConsultas, 2); },
                                {"SgUf", "Endereco"});
    return c;
}
