#include "ImportarPelaLinhaDeComando.h"

#include "ImportacaoParadox.h"
#include "store/Caminhos.h"

#include <QDir>
#include <QRegularExpression>

namespace {
void escrever(FILE* f, const QString& texto) {
    std::fprintf(f, "%s\n", qUtf8Printable(texto));
    std::fflush(f);
}
} // namespace

QString DestinoArmazenado(const QString& argumento) {
    const QString a = argumento.trimmed();
    static const QRegularExpression armazenado(R"(^([A-Za-z]:[\\/]|\\\\|//))");
    if (armazenado.match(a).hasMatch())
        return QString(a).replace('/', '\\');
    if (!QDir::isAbsolutePath(a))
        return QString();
    const QString caminho = QDir::cleanPath(a);
    const QMap<QString, QString> mapa = Caminhos::atual().mapeamentos();
    for (auto it = mapa.constBegin(); it != mapa.constEnd(); ++it) {
        const QString pasta = QDir::cleanPath(it.value());
        if (caminho == pasta)
            return it.key() + '\\';
        if (caminho.startsWith(pasta + '/'))
            return it.key() + '\\' + caminho.mid(pasta.size() + 1).replace('/', '\\');
    }
    return QString();
}

int ImportarPelaLinhaDeComando(const QString& origem, const QString& destino, bool substituir,
                               FILE* saida, FILE* erros) {
    const QString armazenado = DestinoArmazenado(destino);
    if (armazenado.isEmpty()) {
        escrever(erros, "O destino " + destino +
                            " não está em nenhuma unidade da configuração: indique-o como a "
                            "empresa o guarda, por exemplo C:\\EMPRESA4.");
        return 1;
    }
    ImportacaoParadox importacao(QDir(origem).absolutePath(), armazenado);
    importacao.setSubstituir(substituir);
    importacao.aoAvancar = [saida](int i, int n, const QString& arquivo, int feitas, int linhas) {
        if (feitas == 0)
            escrever(saida, QString("Tabela %1 de %2: %3 (%4 linhas)...")
                                .arg(i + 1)
                                .arg(n)
                                .arg(arquivo)
                                .arg(linhas));
    };
    QString erro;
    if (!importacao.executar(erro)) {
        escrever(erros, erro);
        return 1;
    }
    bool inteira = true;
    for (const ResultadoTabela& r : importacao.resultados()) {
        escrever(saida, r.arquivo + ": " + r.texto());
        inteira = inteira && r.situacao == ResultadoTabela::Importada && r.recusadas == 0;
    }
    escrever(saida, importacao.resumo());
    escrever(saida, "Relatório: " + importacao.arquivoRelatorio());
    return inteira ? 0 : 3;
}
