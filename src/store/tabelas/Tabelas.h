// Registration of every table definition, one function per subsystem.
#pragma once

#include "DefTabela.h"

#include <QString>

// Registers all tables; a second call does nothing.
void RegistrarTodasTabelas();

void RegistrarTabelasSessao();
void RegistrarTabelasProdutos();
void RegistrarTabelasClifor();
void RegistrarTabelasFormulas();
void RegistrarTabelasCustos();
void RegistrarTabelasEstoque();
void RegistrarTabelasServicos();

// Tables the program creates on purpose when missing; opening them by name
// never creates them.

// Monthly access log ("Log" + YYMM).
DefTabela DefLogAcesso(const QString& nome);
// Monthly system log ("LogSys_" + MM + "_" + YYYY).
DefTabela DefLogSistema(const QString& nome);
// Dictionary of the names written to the system log.
DefTabela DefLogSysTipos();
