// The public taxpayer registry consultation page of a Brazilian state,
// opened in the desktop's default browser. The addresses are data: table
// ConsultaCadEstadual (SgUf, Endereco), filled from the shipped
// consulta-cadastro-estadual.tsv (TabelasReferencia.h).
#pragma once

#include <QString>
#include <functional>

class QUrl;
class SessaoBanco;

// Asks the desktop to open the address of the state `uf` (upper-cased).
// An unknown state, or a state without an address, opens nothing and
// returns false silently. When the desktop takes no address (no browser):
// "Não foi possível abrir a página " + address + " no navegador." and
// false. Store errors are shown as their text.
bool ConsultarCadastroEstadual(const QString& uf, SessaoBanco* sessao = nullptr);

// Replaces the desktop's opener (tests); nullptr restores it.
void InstalarAbridorEndereco(std::function<bool(const QUrl&)> abrir);
