// The session record: the process-wide state every window reads (current
// company, branch, installation switch, user, directories, access-log
// context). Filled by start-up, the branch window and the access check.
// Single-threaded: only the window thread touches it. Tests call Reiniciar().
#pragma once

#include <QString>
#include <array>

// The company catalogue, at its fixed installation path outside every
// company directory, and its folder, opened as a database by path.
inline constexpr char CaminhoCatalogoEmpresas[] = "C:\\Arquivos de programas\\Orvalo\\Empresa.db";
inline constexpr char PastaCatalogoEmpresas[] = "C:\\Arquivos de programas\\Orvalo\\";

struct EntradaEmpresa {
    QString Codigo; // LOJA written with two digits; empty when unused
    QString Diretorio;
    QString Nome;
};

struct DadosSessao {
    bool EmpresaDisponivel = false;
    int NumEmpresas = 0;
    int Grupo = 0;
    int Loja = 0;
    QString NomeEmpresa;
    bool MultiEmpresas = false;
    bool ClienteUnico = false;
    bool ProdutoUnico = false;
    std::array<EntradaEmpresa, 50> Empresas;
    QString DirLojaZero;
    QString DirEmpresa;
    bool Matriz = false;
    QString CaminhoAlias;
    QString SenhaEmpresaDigitada;
    int Filial = 0;
    QString FilialTexto;
    QString NomeFilial;
    QString DirCobol;
    bool TermServ = false;
    int FatModNf = 0;
    QString Modulo;
    QString Usuario;
    QString Nivel;
    bool UsaPermissoes = false;
    QString AliasPermissoes = "Orvalo";
    QString LogTabela;
    QString LogRegistro;
    QString LogOperacao;
    // The customer-data capture from the TecDataSoft program: the switch
    // that offers it and the program's stored path ([TecDataSoft]).
    bool IntegraTecDataSoft = false;
    QString CaminhoTecDataSoft;
    // Catalogue code of the company rows are copied to; chosen once.
    QString EmpresaDestino;
};

class Sessao {
public:
    static DadosSessao& dados();
    // Back to a fresh record (tests, and nothing else).
    static void Reiniciar();
};

// Shorthand used everywhere: Sess().Filial, Sess().FatModNf ...
inline DadosSessao& Sess() {
    return Sessao::dados();
}
