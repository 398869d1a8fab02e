// Copy of one row of a table of the current company into the same table of
// another company of the catalogue: inserted there, or, after the
// operator's confirmation, written over the row with the same key.
//
// The target company is chosen once through the multi-selection dialog on
// the catalogue (one row at most) and remembered in EmpresaDestino of the
// session; its directory is the drive root of DirEmpresa followed by the
// company's Diretorio. Key values are bound by their field types (texts,
// dates "dd/mm/yyyy", numbers); an empty value matches a NULL column.
// Auto-increment columns take no part in the key and are not copied.
#pragma once

#include <QString>

// `camposChave` and `valoresChave` hold the key column names and values,
// each joined by "|", in the same order. `perguntarEmpresa` asks for the
// target company again even when one is remembered. Every outcome is shown
// to the operator: "Você deve selecionar ao menos um registro !" (no
// target), "Erro ao selecionar empresa de destino!!!" (a code the
// catalogue lacks), "Registro não encontrado na empresa de origem!",
// "O registro ja existe na base de destino. Deseja atualizar?" (No leaves
// the target as it was), or the store's text; nothing is half-written.
void CopiarRegistroParaEmpresa(const QString& camposChave, const QString& valoresChave,
                               const QString& tabela, bool perguntarEmpresa);
