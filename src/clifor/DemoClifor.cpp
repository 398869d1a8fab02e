#include "DemoClifor.h"

#include "Consulta.h"
#include "ErroBanco.h"
#include "Relogio.h"
#include "Tabela.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>
#include <algorithm>

namespace {

const char* const ArquivoMunicipios = "municipios-ibge.tsv";

QString digitoVerificador(const QString& digitos, int pesoInicial, int pesoMaximo) {
    // Weights run down from the left and wrap at 2 back to 9 for the CNPJ.
    int soma = 0;
    int peso = pesoInicial;
    for (QChar c : digitos) {
        soma += c.digitValue() * peso;
        peso = peso == 2 ? pesoMaximo : peso - 1;
    }
    const int resto = soma % 11;
    return QString::number(resto < 2 ? 0 : 11 - resto);
}

struct Faixa {
    const char* sufixo;
    int de, ate;
};

// Ends of each range; the last code handed out is the highest demo party.
const Faixa faixas[] = {
    {"Cli", 1, 4999},    {"Ven", 5000, 5099}, {"For", 5100, 6999}, {"Ban", 7000, 7099},
    {"Tra", 7100, 7999}, {"Out", 8000, 8499}, {"Div", 8500, 8999},
};

struct Parte {
    int codigo;
    int tipo; // kind: 1 client ... 6 diverse creditor
    const char* nome;
    const char* fantasia;
    const char* documento; // CNPJ base (12 digits) or CPF base (9 digits)
    const char* endereco;
    int numero;
    const char* bairro;
    const char* cidade;
    const char* uf;
    const char* cep;
    const char* municipio;
    const char* ddd;
    const char* telefone;
};

const Parte partes[] = {
    {1, 1, "TINTAS BOA COR COMERCIO LTDA", "BOA COR", "123456780001", "AV. PAULISTA", 1000,
     "BELA VISTA", "SAO PAULO", "SP", "01310100", "3550308", "11", "32851000"},
    {2, 1, "CONSTRUTORA HORIZONTE LTDA", "HORIZONTE", "234567890001", "RUA BARAO DE JAGUARA", 455,
     "CENTRO", "CAMPINAS", "SP", "13015001", "3509502", "19", "32324455"},
    {3, 1, "MARIA APARECIDA DOS SANTOS", "", "123456789", "RUA XV DE NOVEMBRO", 210, "CENTRO",
     "CURITIBA", "PR", "80020310", "4106902", "41", "33221100"},
    // Companies that receive samples: their trade names begin with "*".
    {4, 1, "COMPANHIA PAULISTA DE REVESTIMENTOS S/A", "*CIA PAULISTA", "901234560001",
     "AV. DAS NACOES UNIDAS", 12901, "BROOKLIN", "SAO PAULO", "SP", "04578000", "3550308", "11",
     "55093300"},
    {5, 1, "COMPANHIA MINEIRA DE TINTAS LTDA", "*CIA MINEIRA", "912345670001", "AV. DO CONTORNO",
     4520, "FUNCIONARIOS", "BELO HORIZONTE", "MG", "30110039", "3106200", "31", "32614800"},
    {5001, 2, "CARLOS EDUARDO PEREIRA", "", "987654321", "RUA DO ROSARIO", 88, "CENTRO", "JUNDIAI",
     "SP", "13201000", "3525904", "11", "45821010"},
    {5101, 3, "QUIMICA PIGMENTOS DO BRASIL S/A", "QUIPIBRA", "345678900001",
     "ROD. PRESIDENTE DUTRA", 2300, "BONSUCESSO", "GUARULHOS", "SP", "07178000", "3518800", "11",
     "24650000"},
    {5102, 3, "RESINAS SUL IND. E COM. LTDA", "RESINAS SUL", "456789010001", "AV. ASSIS BRASIL",
     3970, "SARANDI", "PORTO ALEGRE", "RS", "91010003", "4314902", "51", "33640200"},
    {5103, 3, "SOLVENTES MINAS DISTRIBUIDORA LTDA", "SOLMINAS", "567890120001", "AV. AMAZONAS",
     5855, "GAMELEIRA", "BELO HORIZONTE", "MG", "30510000", "3106200", "31", "33710900"},
    {7001, 5, "BANCO CAPITAL PAULISTA S/A", "BANCO CAPITAL", "678901230001", "RUA BOA VISTA", 254,
     "CENTRO", "SAO PAULO", "SP", "01014000", "3550308", "11", "31075000"},
    {7101, 4, "TRANSPORTADORA RAPIDO PAULISTA LTDA", "RAPIDO PAULISTA", "789012340001",
     "RUA DOS TRANSPORTES", 77, "VILA GUILHERME", "SAO PAULO", "SP", "02065000", "3550308", "11",
     "29091234"},
    {8501, 6, "ESCRITORIO CONTABIL EXATO LTDA", "EXATO", "890123450001", "RUA DO PRINCIPE", 330,
     "CENTRO", "JOINVILLE", "SC", "89201001", "4209102", "47", "34226600"},
};

const char* const estados[][2] = {
    {"RO", "11"}, {"AC", "12"}, {"AM", "13"}, {"RR", "14"}, {"PA", "15"}, {"AP", "16"},
    {"TO", "17"}, {"MA", "21"}, {"PI", "22"}, {"CE", "23"}, {"RN", "24"}, {"PB", "25"},
    {"PE", "26"}, {"AL", "27"}, {"SE", "28"}, {"BA", "29"}, {"MG", "31"}, {"ES", "32"},
    {"RJ", "33"}, {"SP", "35"}, {"PR", "41"}, {"SC", "42"}, {"RS", "43"}, {"MS", "50"},
    {"MT", "51"}, {"GO", "52"}, {"DF", "53"},
};

// Street, city, state, postal code and district of the main, billing and
// delivery addresses; the demo parties use one address for all three.
const char* const enderecos[][5] = {
    {"ENDERECO", "CIDADE", "ESTADO", "COD_CEPEND", "BAIRRO"},
    {"END_COB", "CID_COB", "EST_COB", "COD_CEPCOB", "BAICOB"},
    {"END_ENT", "CID_ENT", "EST_ENT", "COD_CEPENT", "BAIENT"},
};

void abrir(Tabela& t, const QString& banco) {
    t.setNomeBanco(banco);
    t.abrir();
}

void criarFaixas(const QString& banco, int filial) {
    Tabela t("LIMITCOD");
    abrir(t, banco);
    if (t.localizarChave({filial}))
        return;
    t.incluir();
    t.campo("Filial").definir(filial);
    for (const Faixa& f : faixas) {
        const QString s = QString::fromLatin1(f.sufixo);
        int ultimo = 0;
        for (const Parte& p : partes)
            if (p.codigo >= f.de && p.codigo <= f.ate)
                ultimo = std::max(ultimo, p.codigo);
        t.campo("Cod_Ini" + s).definir(f.de);
        t.campo("Cod_Fim" + s).definir(f.ate);
        t.campo("UltCod_" + s).definir(ultimo);
    }
    t.gravar();
}

void criarPartes(const QString& banco, int filial) {
    const QDate hoje = Relogio::atual().hoje();
    Tabela t("CLIFOR");
    abrir(t, banco);
    for (const Parte& p : partes) {
        if (t.localizarChave({filial, p.codigo}))
            continue;
        const QString doc = QString::fromLatin1(p.documento);
        t.incluir();
        t.campo("Filial").definir(filial);
        t.campo("Cod_Clifor").definir(p.codigo);
        t.campo("Sistema").definir(p.tipo == 1 ? "0" : "1");
        t.campo("Tipo").definir(p.tipo);
        t.campo("NOME").definir(p.nome);
        t.campo("FANTASIA").definir(p.fantasia);
        t.campo("CGC").definir(doc.size() == 9 ? CompletarCPF(doc) : CompletarCNPJ(doc));
        for (const auto& f : enderecos) {
            t.campo(f[0]).definir(p.endereco);
            t.campo(f[1]).definir(p.cidade);
            t.campo(f[2]).definir(p.uf);
            t.campo(f[3]).definir(p.cep);
            t.campo(f[4]).definir(p.bairro);
        }
        t.campo("NUMERO").definir(p.numero);
        t.campo("NUM_COB").definir(p.numero);
        t.campo("NUM_ENT").definir(p.numero);
        t.campo("CodMunicipio").definir(p.municipio);
        t.campo("CodMuniEnt").definir(p.municipio);
        t.campo("DDDFone1").definir(p.ddd);
        t.campo("TELEFONE1").definir(p.telefone);
        t.campo("Cod_Pais").definir("1058");
        t.campo("Ativo").definir(true);
        t.campo("DATA_CAD").definir(hoje);
        if (p.tipo == 1) {
            t.campo("Cod_Vend1").definir(5001);
            t.campo("Cod_Transp").definir(7101);
            t.campo("Cod_Banco").definir(7001);
            t.campo("ListaPrecoPref").definir(1);
        }
        t.gravar();
    }
}

void criarLocalidades(const QString& banco) {
    Tabela uf("Uf");
    abrir(uf, banco);
    for (const auto& e : estados) {
        if (uf.localizarChave({e[0]}))
            continue;
        uf.incluir();
        uf.campo("SgUf").definir(e[0]);
        uf.campo("CoUf").definir(e[1]);
        uf.gravar();
    }
    Tabela paises("PAISES");
    abrir(paises, banco);
    if (!paises.localizarChave({"1058"})) {
        paises.incluir();
        paises.campo("CODIGO").definir("1058");
        paises.campo("NOME").definir("BRASIL");
        paises.gravar();
    }
}

QString textoSql(const QString& s) {
    return '\'' + QString(s).replace('\'', "''") + '\'';
}

} // namespace

QString CompletarCNPJ(const QString& base12) {
    QString n = base12 + digitoVerificador(base12, 5, 9);
    return n + digitoVerificador(n, 6, 9);
}

QString CompletarCPF(const QString& base9) {
    QString n = base9 + digitoVerificador(base9, 10, 10);
    return n + digitoVerificador(n, 11, 11);
}

int CarregarMunicipios(const QString& banco, const QString& pastaDados) {
    Tabela munic("MUNIC");
    abrir(munic, banco);
    if (!munic.vazio())
        return 0;
    QFile arquivo(QDir(pastaDados).filePath(ArquivoMunicipios));
    if (!arquivo.open(QIODevice::ReadOnly | QIODevice::Text))
        throw ErroBanco(arquivo.fileName() + ": " + arquivo.errorString());
    QTextStream entrada(&arquivo);
    entrada.readLine(); // header
    QStringList valores;
    while (!entrada.atEnd()) {
        const QStringList c = entrada.readLine().split('\t');
        if (c.size() < 4)
            continue;
        valores << "(" + textoSql(c[3].left(40)) + ", " + textoSql(c[2]) + ")";
    }
    if (valores.isEmpty())
        return 0;
    // One statement: the whole list lands in one transaction or not at all.
    Consulta q;
    q.setNomeBanco(banco);
    q.setSql({"INSERT INTO MUNIC (NoMunicipio, CoMunicipio) VALUES", valores.join(",\n")});
    q.executar();
    return int(valores.size());
}

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

void CriarDemoClifor(const QString& banco, int filial) {
    criarFaixas(banco, filial);
    criarPartes(banco, filial);
    criarLocalidades(banco);
    const QString pasta = PastaDados();
    if (!pasta.isEmpty())
        CarregarMunicipios(banco, pasta);
}
