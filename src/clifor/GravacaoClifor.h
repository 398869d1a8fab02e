// The rules of a party's save that need no window: the mandatory fields of
// each installation, the register the code belongs to, the log texts, the
// renewal record, the fiscal change record and the services of a tax
// framing.
#pragma once

#include "products/IntervalosCodigo.h"

#include <QDate>
#include <QDateTime>
#include <QString>

class ConjuntoDados;
class SessaoBanco;

// The message of the first failing check, "" when all pass: the name
// ("O campo nome deve ser preenchido!"), the country ("Código País em
// branco."), then the fields the installation `fatModNf` requires, in its
// order (51: credit limit above 1000.00, state, and, unless the code lies
// in the diverse creditors' range, document and postal code; 73, 83, 221,
// 304: state registration, region; 8, 128: document, state registration;
// 82: document, postal code; 163: document, postal code, both phones; 152:
// tax framing).
QString VerificarCamposClifor(ConjuntoDados& parte, int fatModNf, const FaixasCodigo& faixas);

// "0" (clients) for a code up to the end of the clients' range, else "1".
QString SistemaDoCodigo(int codigo, const FaixasCodigo& faixas);

// "Inclusão Cliente | " (or "Edição de Cliente | ") + code + " |" + name +
// " Cgc " + document.
QString TextoLogGravacaoClifor(ConjuntoDados& parte, bool alteracao);
// "Exclusão de Cliente |" + code + " |Cgc " + document + "|Motivo:" + reason.
QString TextoLogExclusaoClifor(int codigo, const QString& documento, const QString& motivo);
// "Conceito anterior: " + old + "|Alterado para: " + new + "|Cliente: " + code.
QString TextoLogConceito(const QString& anterior, const QString& novo, int codigo);
// The message when the rating change was not authorised.
QString MensagemConceitoMantido(const QString& conceito);

// Appends the renewal row (date, time and user of the save). Throws ErroBanco.
void RegistrarRenovacao(int filial, int codigo, const QDateTime& agora, const QString& usuario,
                        SessaoBanco* sessao = nullptr);

// The fiscal data of a party the fiscal files follow.
struct DadosFiscais {
    QString nome, cnpj, cpf, ie, municipio, suframa, endereco, numero, complemento, bairro, pais;
};
// Read from the party's current row: a 14-character document is the CNPJ,
// a shorter one the CPF.
DadosFiscais LerDadosFiscais(ConjuntoDados& parte);

// When `depois` differs from `antes` in any item, writes the party's record
// of `hoje` (inserted, or updated when today's exists): AnoMes "YYYY_MM"
// and, for each changed item, its previous value ("Vazio" for an empty
// one); items that did not change keep what an earlier change of the day
// left. Returns whether it wrote. Throws ErroBanco.
bool RegistrarAlteracaoFiscal(int filial, int codigo, const DadosFiscais& antes,
                              const DadosFiscais& depois, const QDate& hoje,
                              SessaoBanco* sessao = nullptr);

// Replaces the party's services (SERVCLIE) with those of the tax framing
// `enquadramento` (SERVENQ), in one transaction; 0 leaves it with none.
// Throws ErroBanco (nothing changed).
void SubstituirServicosEnquadramento(int filial, int codigo, int enquadramento,
                                     SessaoBanco* sessao = nullptr);
