// The text report engine: a report fills the page buffer (PaginaTexto) cell
// by cell and emits it page by page under the print settings
// (ConfigImpressao), as text to a device, queue or file, or drawn on the
// graphic printer.
//
// A report runs: EscolherImpressao (TfoTipoImpr.h); set Pagina (1 when it
// lays out its own pages, 0 when it starts with Cabecalho), LinhasUsadas
// and Largura; IniciarRelatorio; per page either Cabecalho + EscreverTexto
// or LimparPagina + EscreverTexto + ImprimirPagina; at the end
// ImprimirPagina and FinalizarRelatorio. Write errors surface as
// ErroSaidaTexto (ImpressoraTexto.h).
#pragma once

#include <QString>
#include <functional>

class QDateTime;
class QWidget;

void LimparPagina();
// Places `texto` from (linha, coluna) rightwards, one character per cell;
// a text beginning with a control character goes whole into that one cell.
// What falls outside the buffer is dropped.
void EscreverTexto(int linha, int coluna, const QString& texto);
// Emits the previous page, clears the buffer and writes the standard
// header; Linha is left on the header's dashed line.
void Cabecalho(const QString& titulo, const QString& subtitulo);
// Emits the buffer as one page (nothing while Pagina <= 0); Pagina + 1.
void ImprimirPagina();
// Opens the text output (text mode only); for preview and client-drive
// output first makes the temporary file name and removes earlier days'.
void IniciarRelatorio();
// Closes the text output and hands the result to the operator.
void FinalizarRelatorio();

// After a failure: closes the output without handing it over (a queue gets
// nothing) and closes the progress window.
void AbandonarRelatorio();
// Runs `emitir` (a whole report); a store or output failure abandons the
// report and shows its text. False after a failure.
bool EmitirRelatorio(const std::function<void()>& emitir);

QString RemoverCaractere(const QString& texto, QChar caractere);
QString Repetir(const QString& texto, int vezes);

// "TMP" + date serial + time fraction of `momento`, separators removed.
QString NomeTemporarioRelatorio(const QDateTime& momento);

// The progress window of a terminal-server station (nullptr when none).
QWidget* JanelaProgressoRelatorio();

// What a finished preview is handed to: by default our viewer window over
// the file. Tests replace it (nullptr restores the default).
using AbrirVisualizacao = std::function<void(const QString& arquivoHost, int linhasPorPagina)>;
void InstalarVisualizacao(AbrirVisualizacao abrir);
