#include "Inicializacao.h"

#include "Modulos.h"
#include "TDMFilial.h"
#include "TMenuFilial.h"
#include "TfoMenuEmpresa.h"
#include "clifor/TDMClifor.h"
#include "costs/TFoCadastroMoedas.h"
#include "costs/TFoCadastroValores.h"
#include "costs/TfoCadFatores.h"
#include "formulas/TDMFormula.h"
#include "formulas/TFoCadMatizador.h"
#include "formulas/TfoCadEmbalagem.h"
#include "formulas/TfoCadFormula.h"
#include "formulas/TfoCadResptec.h"
#include "formulas/TfoParametrizacao.h"
#include "products/TLimiteCodigo.h"
#include "stock/TDMAS.h"
#include "stock/TDMMovEst.h"
#include "stock/TDMMovPed.h"
#include "stock/TfoAtuCustoMedio.h"

// The order is the system's: the three data modules, then the company
// window (the main window), then the registers and shared dialogs, the
// branch window, and the remaining windows of the subsystems. Dialogs made
// on first use (print options, copies) and windows made per use (company
// password, main menu) are not listed.
void CriarModulos(Modulos& m) {
    m.criar<TDMFilial>();
    m.criar<TDMClifor>();
    TDMFormula& formulas = m.criar<TDMFormula>();
    m.criar<TfoMenuEmpresa>();
    m.criar<TLimiteCodigo>();
    m.criar<TfoCadFatores>();
    m.criar<TFoCadastroMoedas>();
    m.criar<TFoCadastroValores>();
    m.criar<TfoCadResptec>();
    m.criar<TfoCadEmbalagem>();
    m.criar<TDMMovEst>();
    m.criar<TDMMovPed>();
    m.criar<TDMAS>();
    m.criar<TMenuFilial>();
    m.criar<TFoCadMatizador>();
    m.criar<TfoParametrizacao>();
    m.criar<TfoCadFormula>(formulas);
    m.criar<TfoAtuCustoMedio>();
}
