#include "DemoClifor.h"

#include "Relogio.h"
#include "Tabela.h"
#include "services/TabelasReferencia.h"

#include <algorithm>
#include <initializer_list>
#include <utility>

namespace {

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
    const char* documento; // CNPJ base (12 characters) or CPF base (9 digits)
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
     "BELA VISTA", "SÃO PAULO", "SP", "01310100", "3550308", "11", "32851000"},
    {2, 1, "CONSTRUTORA HORIZONTE LTDA", "HORIZONTE", "234567890001", "RUA BARAO DE JAGUARA", 455,
     "CENTRO", "CAMPINAS", "SP", "13015001", "3509502", "19", "32324455"},
    {3, 1, "MARIA APARECIDA DOS SANTOS", "", "123456789", "RUA XV DE NOVEMBRO", 210, "CENTRO",
     "CURITIBA", "PR", "80020310", "4106902", "41", "33221100"},
    // Companies that receive samples: their trade names begin with "*".
    {4, 1, "COMPANHIA PAULISTA DE REVESTIMENTOS S/A", "*CIA PAULISTA", "901234560001",
     "AV. DAS NACOES UNIDAS", 12901, "BROOKLIN", "SÃO PAULO", "SP", "04578000", "3550308", "11",
     "55093300"},
    {5, 1, "COMPANHIA MINEIRA DE TINTAS LTDA", "*CIA MINEIRA", "912345670001", "AV. DO CONTORNO",
     4520, "FUNCIONARIOS", "BELO HORIZONTE", "MG", "30110039", "3106200", "31", "32614800"},
    // A company of the alphanumeric CNPJs given out since July 2026.
    {6, 1, "TINTAS NOVA ERA LTDA", "NOVA ERA", "12ABC34501DE", "RUA BARAO DE JAGUARA", 1200,
     "CENTRO", "CAMPINAS", "SP", "13015002", "3509502", "19", "32315566"},
    {5001, 2, "CARLOS EDUARDO PEREIRA", "", "987654321", "RUA DO ROSARIO", 88, "CENTRO", "JUNDIAÍ",
     "SP", "13201000", "3525904", "11", "45821010"},
    {5101, 3, "QUIMICA PIGMENTOS DO BRASIL S/A", "QUIPIBRA", "345678900001",
     "ROD. PRESIDENTE DUTRA", 2300, "BONSUCESSO", "GUARULHOS", "SP", "07178000", "3518800", "11",
     "24650000"},
    {5102, 3, "RESINAS SUL IND. E COM. LTDA", "RESINAS SUL", "456789010001", "AV. ASSIS BRASIL",
     3970, "SARANDI", "PORTO ALEGRE", "RS", "91010003", "4314902", "51", "33640200"},
    {5103, 3, "SOLVENTES MINAS DISTRIBUIDORA LTDA", "SOLMINAS", "567890120001", "AV. AMAZONAS",
     5855, "GAMELEIRA", "BELO HORIZONTE", "MG", "30510000", "3106200", "31", "33710900"},
    {7001, 5, "BANCO CAPITAL PAULISTA S/A", "BANCO CAPITAL", "678901230001", "RUA BOA VISTA", 254,
     "CENTRO", "SÃO PAULO", "SP", "01014000", "3550308", "11", "31075000"},
    {7101, 4, "TRANSPORTADORA RAPIDO PAULISTA LTDA", "RAPIDO PAULISTA", "789012340001",
     "RUA DOS TRANSPORTES", 77, "VILA GUILHERME", "SÃO PAULO", "SP", "02065000", "3550308", "11",
     "29091234"},
    {8501, 6, "ESCRITORIO CONTABIL EXATO LTDA", "EXATO", "890123450001", "RUA DO PRINCIPE", 330,
     "CENTRO", "JOINVILLE", "SC", "89201001", "4209102", "47", "34226600"},
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

using Valores = std::initializer_list<std::pair<const char*, QVariant>>;

// Appends each row whose leading `chave` values are not in the table yet.
void inserir(const QString& banco, const QString& tabela, int chave,
             std::initializer_list<Valores> linhas) {
    Tabela t(tabela);
    abrir(t, banco);
    for (const Valores& linha : linhas) {
        QVariantList valores;
        for (const auto& v : linha)
            valores << v.second;
        if (t.localizarChave(valores.mid(0, chave)))
            continue;
        t.incluir();
        for (const auto& [campo, valor] : linha)
            t.campo(campo).definir(valor);
        t.gravar();
    }
}

void criarCadastrosAuxiliares(const QString& banco) {
    inserir(banco, "PAISES", 1, {{{"CODIGO", "1058"}, {"NOME", "BRASIL"}}});
    inserir(banco, "Conceito", 1,
            {{{"Cod_Conc", 1}, {"DESC_CONC", "OTIMO"}},
             {{"Cod_Conc", 2}, {"DESC_CONC", "BOM"}},
             {{"Cod_Conc", 3},
              {"DESC_CONC", "REGULAR"},
              {"MSG_TELA", "Cliente com restrição: consulte o financeiro"}},
             {{"Cod_Conc", 4}, {"DESC_CONC", "BLOQUEADO"}}});
    inserir(banco, "Regiao", 1,
            {{{"Cod_Regiao", 1}, {"Descricao", "GRANDE SÃO PAULO"}},
             {{"Cod_Regiao", 2}, {"Descricao", "INTERIOR PAULISTA"}},
             {{"Cod_Regiao", 3}, {"Descricao", "SUL"}},
             {{"Cod_Regiao", 4}, {"Descricao", "MINAS GERAIS"}}});
    inserir(banco, "Vencto", 1,
            {{{"Vct_Codigo", 1}, {"Descricao", "À VISTA"}},
             {{"Vct_Codigo", 2}, {"Descricao", "30 DIAS"}},
             {{"Vct_Codigo", 3}, {"Descricao", "30/60/90 DIAS"}}});
    inserir(banco, "Vendedor", 1,
            {{{"Cod_Vende", 1}, {"Nome_Vende", "CARLOS EDUARDO PEREIRA"}},
             {{"Cod_Vende", 2}, {"Nome_Vende", "ANA LUCIA FERREIRA"}}});
    // A framing whose services a party takes when it is given that framing.
    inserir(banco, "ENQUADRA", 1,
            {{{"Cod_Enq", 1}, {"Descricao", "INDUSTRIA COM ASSISTENCIA TECNICA"}}});
    inserir(banco, "SERVENQ", 2,
            {{{"Cod_Enq", 1}, {"Cod_Serv", 101}, {"Quantidade", 1.0}},
             {{"Cod_Enq", 1}, {"Cod_Serv", 102}, {"Quantidade", 2.0}}});
}

// Commercial data of the first clients; sellers per product group, further
// addresses, contacts, remarks and e-mails of the first two.
void criarDadosClientes(const QString& banco, int filial) {
    Tabela t("CLIFOR");
    abrir(t, banco);
    const struct {
        int codigo, conceito, regiao, vencimento;
        double limite;
        const char* email;
    } comerciais[] = {{1, 1, 1, 3, 50000.0, "compras@boacor.com.br"},
                      {2, 2, 2, 2, 20000.0, nullptr},
                      {3, 3, 3, 1, 1500.0, nullptr}};
    for (const auto& c : comerciais) {
        if (!t.localizarChave({filial, c.codigo}) || !t.campo("Cod_Conc").ehNulo())
            continue;
        t.editar();
        t.campo("Cod_Conc").definir(c.conceito);
        t.campo("Cod_Regiao").definir(c.regiao);
        t.campo("Vct_Codigo").definir(c.vencimento);
        t.campo("LIMITCRED").definir(c.limite);
        if (c.email)
            t.campo("E_Mail").definir(c.email);
        if (c.codigo == 2)
            t.campo("CodEnquadra").definir(1);
        t.gravar();
    }
    inserir(banco, "SERVCLIE", 3,
            {{{"Filial", filial}, {"Cod_Clifor", 2}, {"Cod_Serv", 101}, {"Quantidade", 1.0}},
             {{"Filial", filial}, {"Cod_Clifor", 2}, {"Cod_Serv", 102}, {"Quantidade", 2.0}}});
    inserir(banco, "CLPRVEND", 3,
            {{{"Filial", filial}, {"Cod_Clifor", 1}, {"Nivel2", "101"}, {"Cod_Vende", 1}},
             {{"Filial", filial}, {"Cod_Clifor", 1}, {"Nivel2", "102"}, {"Cod_Vende", 2}}});
    inserir(banco, "Endereco", 3,
            {{{"Filial", filial},
              {"Cod_Clifor", 1},
              {"Codigo", 1},
              {"Endereco", "AV. DOS BANDEIRANTES"},
              {"Numero", 4500},
              {"Bairro", "VILA OLIMPIA"},
              {"Cep", "04553000"},
              {"Cidade", "SÃO PAULO"},
              {"Estado", "SP"},
              {"Horario", "08:00 às 17:00"},
              {"Obra", "EDIFICIO TORRE NORTE"},
              {"Responsavel", "ENG. ROBERTO LIMA"},
              {"Fone1", "1130456000"}},
             {{"Filial", filial},
              {"Cod_Clifor", 1},
              {"Codigo", 2},
              {"Endereco", "RUA DOS PINHEIROS"},
              {"Numero", 1200},
              {"Bairro", "PINHEIROS"},
              {"Cep", "05422001"},
              {"Cidade", "SÃO PAULO"},
              {"Estado", "SP"},
              {"Horario", "07:00 às 16:00"},
              {"Obra", "RESIDENCIAL JARDINS"},
              {"Responsavel", "MESTRE JOAO SILVA"}},
             {{"Filial", filial},
              {"Cod_Clifor", 2},
              {"Codigo", 1},
              {"Endereco", "RUA DR. QUIRINO"},
              {"Numero", 1500},
              {"Bairro", "CENTRO"},
              {"Cep", "13015082"},
              {"Cidade", "CAMPINAS"},
              {"Estado", "SP"},
              {"Obra", "HOSPITAL REGIONAL - ALA B"},
              {"Responsavel", "ENG. PAULA MENDES"}}});
    inserir(banco, "CttCliFo", 3,
            {{{"Filial", filial},
              {"Cod_CliFor", 1},
              {"Sequencia", 1},
              {"Nome", "JULIANA PRADO"},
              {"Cargo", "COMPRADORA"},
              {"Telefone", "1132851010"},
              {"Celular", "11987651234"},
              {"Email", "juliana.prado@boacor.com.br"},
              {"Aniversario", "1503"}},
             {{"Filial", filial},
              {"Cod_CliFor", 1},
              {"Sequencia", 2},
              {"Nome", "MARCOS TEIXEIRA"},
              {"Cargo", "FINANCEIRO"},
              {"Telefone", "1132851020"},
              {"Email", "financeiro@boacor.com.br"}},
             {{"Filial", filial},
              {"Cod_CliFor", 2},
              {"Sequencia", 1},
              {"Nome", "PAULA MENDES"},
              {"Cargo", "ENGENHEIRA"},
              {"Celular", "19991234567"},
              {"Email", "paula.mendes@horizonte.com.br"}}});
    inserir(banco, "ObserCli", 3,
            {{{"Filial", filial},
              {"Cod_CliFor", 1},
              {"Sequencia", 1},
              {"Observacao", "Entregas somente com agendamento prévio."}}});
    const QDate hoje = Relogio::atual().hoje();
    inserir(banco, "Nfe_email_clientes", 3,
            {{{"Filial", filial},
              {"Cliente", 1},
              {"Ordem", 1},
              {"Tipo", "0"},
              {"Nome", "COMPRAS BOA COR"},
              {"Email", "compras@boacor.com.br"},
              {"Dt_manutencao", hoje}},
             {{"Filial", filial},
              {"Cliente", 1},
              {"Ordem", 2},
              {"Tipo", "1"},
              {"Nome", "ESCRITORIO CONTABIL"},
              {"Email", "nfe@contabilexato.com.br"},
              {"Dt_manutencao", hoje}},
             {{"Filial", filial},
              {"Cliente", 2},
              {"Ordem", 1},
              {"Tipo", "3"},
              {"Nome", "PAULA MENDES"},
              {"Email", "paula.mendes@horizonte.com.br"},
              {"Dt_manutencao", hoje}}});
}

// Receivable titles of the first two clients with their write-offs: paid
// early, on time, late, partly paid, open and one written off under a
// history that is not registered; the credit in use shows from these.
void criarTitulos(const QString& banco, int filial) {
    inserir(banco, "Histcc", 1,
            {{{"Cod_Histo", 1}, {"Descricao", "RECEBIMENTO"}, {"Tipo_Histo", "1"}},
             {{"Cod_Histo", 2}, {"Descricao", "DESCONTO CONCEDIDO"}, {"Tipo_Histo", "1"}},
             {{"Cod_Histo", 3}, {"Descricao", "PRORROGACAO"}, {"Tipo_Histo", "2"}}});
    const QDate hoje = Relogio::atual().hoje();
    const struct {
        int cliente;
        const char* duplicata;
        int entrada, vencimento, pagamento; // days from today; pagamento 0: open
        double valor;
        int nota;
    } titulos[] = {
        {1, "001001/1", -120, -90, -92, 4200.0, 1001},
        {1, "001001/2", -120, -60, -60, 4200.0, 1001},
        {1, "001002/1", -45, -15, -5, 3150.0, 1002},
        {1, "001003/1", -20, 10, 0, 5800.0, 1003},
        {1, "001003/2", -20, 40, 0, 5800.0, 1003},
        {2, "002001/1", -60, -30, 0, 2750.0, 2001},
        {2, "002002/1", -10, 20, 0, 1980.0, 2002},
    };
    for (const auto& t : titulos) {
        Valores linha{{"Filial", filial},
                      {"Sistema", "0"},
                      {"Cod_Clifor", t.cliente},
                      {"DUPLICATA", t.duplicata},
                      {"DATA_ENT", hoje.addDays(t.entrada)},
                      {"Data_Ven", hoje.addDays(t.vencimento)},
                      {"DATA_PAG", t.pagamento ? QVariant(hoje.addDays(t.pagamento)) : QVariant()},
                      {"Valor", t.valor},
                      {"Nota", t.nota},
                      {"TIPO_VCTO", "1"}};
        Tabela d("Duplicat");
        abrir(d, banco);
        if (d.localizarChave({filial, "0", t.cliente, t.duplicata, hoje.addDays(t.entrada)}))
            continue;
        d.incluir();
        for (const auto& [campo, valor] : linha)
            d.campo(campo).definir(valor);
        d.gravar();
        const auto baixa = [&](int sequencia, int historico, double valor) {
            Tabela b("BAIXADPL");
            abrir(b, banco);
            b.incluir();
            b.campo("Filial").definir(filial);
            b.campo("SISTEMA").definir("0");
            b.campo("Cod_Clifor").definir(t.cliente);
            b.campo("DUPLICATA").definir(t.duplicata);
            b.campo("DATA_ENT").definir(hoje.addDays(t.entrada));
            b.campo("Sequencia").definir(sequencia);
            b.campo("Data_Baixa").definir(hoje.addDays(t.pagamento ? t.pagamento : -1));
            b.campo("Cod_Histo").definir(historico);
            b.campo("Valor").definir(valor);
            b.gravar();
        };
        if (t.pagamento) {
            baixa(1, 1, t.valor - 50.0);
            baixa(2, 2, 50.0);
        }
        if (QString(t.duplicata) == "002001/1") {
            baixa(1, 1, 1000.0);
            baixa(2, 9, 250.0); // history 9 is not registered
        }
    }
}

} // namespace

void CriarDemoClifor(const QString& banco, int filial) {
    criarFaixas(banco, filial);
    criarPartes(banco, filial);
    criarCadastrosAuxiliares(banco);
    criarDadosClientes(banco, filial);
    criarTitulos(banco, filial);
    inserir(banco, "Clifor_MedidasConfec", 4,
            {{{"Filial", filial},
              {"Cod_clifor", 3},
              {"Data", Relogio::atual().hoje()},
              {"Numero", 1},
              {"Jqt_Modelo", "RACING"},
              {"Jqt_OmbroaOmbro", "44"},
              {"Jqt_ComprimentoManga", "62"},
              {"Jqt_Peito", "96"},
              {"Jqt_Cintura", "78"},
              {"Jqt_Biceps", "31"},
              {"Calca_Modelo", "TOURING"},
              {"Calca_Cintura", "76"},
              {"Calca_Quadril", "98"},
              {"Calca_EntrePerna", "80"},
              {"Feira", "SALAO DUAS RODAS"},
              {"Cores", "PRETO / VERMELHO"},
              {"ObsJaqueta", "Proteções de ombro e cotovelo removíveis."}}});
    const QString pasta = PastaDados();
    if (!pasta.isEmpty())
        CarregarTabelasReferencia(banco, pasta);
}
