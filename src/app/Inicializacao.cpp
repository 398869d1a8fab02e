#include "Inicializacao.h"

#include "Modulos.h"
#include "TDMFilial.h"
#include "TMenuFilial.h"
#include "TfoMenuEmpresa.h"
#include "clifor/TDMClifor.h"
#include "products/TLimiteCodigo.h"

// Modules the program does not have yet stay listed, commented, in their
// place; each one is brought in by its own line.
void CriarModulos(Modulos& m) {
    m.criar<TDMFilial>();
    m.criar<TDMClifor>();
    // m.criar<TDMFormula>();
    m.criar<TfoMenuEmpresa>();
    // m.criar<TFoCadastroCliFor>();
    m.criar<TLimiteCodigo>();
    // m.criar<TFoCadProduto>();
    // m.criar<TfoCadFatores>();
    // m.criar<TfoConsCusto>();
    // m.criar<TFoCadastroMoedas>();
    // m.criar<TFoCadastroValores>();
    // m.criar<TfoCadResptec>();
    // m.criar<TfoCadEmbalagem>();
    // m.criar<TFormSenha>();
    // m.criar<TfoTipoImpr>();
    // m.criar<TfoQtdCopias>();
    // m.criar<TDMConsCusto>();
    // m.criar<TDMMovEst>();
    // m.criar<TDMMovPed>();
    // m.criar<TDMAS>();
    // TfoSenhaEmpresa is created anew for each company, TMenuPcp by each
    // branch OK: neither lives here.
    m.criar<TMenuFilial>();
    // Then the remaining windows of the subsystems.
}
