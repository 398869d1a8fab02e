#include "Inicializacao.h"

#include "Modulos.h"
#include "TDMFilial.h"
#include "TMenuFilial.h"
#include "TfoMenuEmpresa.h"
#include "clifor/TDMClifor.h"
#include "clifor/TFoCadEmailsClifor.h"
#include "clifor/TFoCadastroCliFor.h"
#include "clifor/TFoCadastroCliFor_MedidasConfec.h"
#include "clifor/TFoRelCadCliFor.h"
#include "clifor/TfoCadEnderecos.h"
#include "clifor/TfoInfCadastrais.h"
#include "clifor/TfoRelClientesPorCidade.h"
#include "costs/TDMConsCusto.h"
#include "costs/TFoCadastroMoedas.h"
#include "costs/TFoCadastroValores.h"
#include "costs/TfoCadFatores.h"
#include "costs/TfoConsCusto.h"
#include "costs/TfoCorrigeCustoFormula.h"
#include "formulas/TDMFormula.h"
#include "formulas/TDMOrdemServico.h"
#include "formulas/TFoCadMatizador.h"
#include "formulas/TfoBaixaEstoqueMatPrima.h"
#include "formulas/TfoCadEmbalagem.h"
#include "formulas/TfoCadFormula.h"
#include "formulas/TfoCadResptec.h"
#include "formulas/TfoConsFormula.h"
#include "formulas/TfoMovOrdemServico.h"
#include "formulas/TfoParametrizacao.h"
#include "formulas/TfoRelAmostraparacias.h"
#include "formulas/TfoRelFormula.h"
#include "formulas/TfoRelRotuloFormula.h"
#include "formulas/TfoSubstComponentes.h"
#include "products/TFoCadImpostoImportacaoPorOrigem.h"
#include "products/TFoCadProduto.h"
#include "products/TLimiteCodigo.h"
#include "products/TfoRecebeObsFornProd.h"
#include "stock/TDMAS.h"
#include "stock/TDMMovEst.h"
#include "stock/TDMMovPed.h"
#include "stock/TFoFichadeEstoque.h"
#include "stock/TfoAtuCustoMedio.h"
#include "stock/TfoConsFichaEstoque2.h"
#include "stock/TfoConsSaldosPorProduto.h"
#include "stock/TfoConsultaMovProduto.h"

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
    TFoCadastroCliFor& cadClifor = m.criar<TFoCadastroCliFor>();
    TLimiteCodigo& limites = m.criar<TLimiteCodigo>();
    TFoCadProduto& cadProduto = m.criar<TFoCadProduto>();
    m.criar<TfoCadFatores>();
    TfoConsCusto& consCusto = m.criar<TfoConsCusto>();
    m.criar<TFoCadastroMoedas>();
    m.criar<TFoCadastroValores>();
    m.criar<TfoCadResptec>();
    m.criar<TfoCadEmbalagem>();
    // The cost window comes before its data module; it is given the
    // module once that exists.
    consCusto.ligarModulo(m.criar<TDMConsCusto>());
    m.criar<TDMMovEst>();
    m.criar<TDMMovPed>();
    m.criar<TDMAS>();
    m.criar<TMenuFilial>();
    m.criar<TFoCadMatizador>();
    m.criar<TfoParametrizacao>();
    TfoCadFormula& cadFormula = m.criar<TfoCadFormula>(formulas);
    m.criar<TfoCorrigeCustoFormula>();
    m.criar<TfoConsFormula>();
    m.criar<TfoRelAmostraparacias>();
    m.criar<TfoRelFormula>();
    TfoRelRotuloFormula& rotulo = m.criar<TfoRelRotuloFormula>();
    // A saved formula goes on to its sample labels.
    cadFormula.definirAposGravar(
        [&rotulo](const QString& numero) { rotulo.abrirDoCadastro(numero); });
    m.criar<TfoAtuCustoMedio>();
    // The stock consultations, opened from the product register.
    TFoFichadeEstoque& ficha = m.criar<TFoFichadeEstoque>();
    TfoConsFichaEstoque2& fichaPorCor = m.criar<TfoConsFichaEstoque2>();
    TfoConsultaMovProduto& movimentos = m.criar<TfoConsultaMovProduto>();
    TfoConsSaldosPorProduto& saldos = m.criar<TfoConsSaldosPorProduto>();
    cadProduto.ligarConsultasEstoque(&ficha, &fichaPorCor, &movimentos, &saldos);
    cadClifor.ligarMovimentos(&movimentos);
    m.criar<TfoMovOrdemServico>(m.criar<TDMOrdemServico>());
    m.criar<TfoBaixaEstoqueMatPrima>();
    m.criar<TfoSubstComponentes>();
    // The product register opens these two on its product.
    cadProduto.ligarJanelas(&m.criar<TFoCadImpostoImportacaoPorOrigem>(),
                            &m.criar<TfoRecebeObsFornProd>());
    // The party register opens the code ranges, addresses and e-mails.
    cadClifor.ligarJanelas(&limites, &m.criar<TfoCadEnderecos>(), &m.criar<TFoCadEmailsClifor>());
    cadClifor.ligarRelatorios(&m.criar<TFoRelCadCliFor>(), &m.criar<TfoRelClientesPorCidade>());
    cadClifor.ligarInformacoes(&m.criar<TfoInfCadastrais>());
    cadClifor.ligarMedidas(&m.criar<TFoCadastroCliFor_MedidasConfec>());
}
