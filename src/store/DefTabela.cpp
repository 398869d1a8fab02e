#include "DefTabela.h"

#include <QHash>

int DefTabela::indiceCampo(const QString& campo) const {
    for (size_t i = 0; i < campos.size(); ++i)
        if (campos[i].nome.compare(campo, Qt::CaseInsensitive) == 0)
            return int(i);
    return -1;
}

const DefIndice* DefTabela::indice(const QString& nomeIndice) const {
    for (const auto& ind : indices)
        if (ind.nome.compare(nomeIndice, Qt::CaseInsensitive) == 0)
            return &ind;
    return nullptr;
}

QString NomeTabelaNormalizado(const QString& nomeArquivo) {
    QString nome = nomeArquivo.trimmed();
    const qsizetype barra = std::max(nome.lastIndexOf('\\'), nome.lastIndexOf('/'));
    if (barra >= 0)
        nome = nome.mid(barra + 1);
    if (nome.endsWith(".DB", Qt::CaseInsensitive))
        nome.chop(3);
    return nome;
}

namespace {
QHash<QString, DefTabela>& registro() {
    static QHash<QString, DefTabela> r;
    return r;
}
} // namespace

void CatalogoTabelas::registrar(DefTabela def) {
    const QString chave = def.nome.toUpper();
    registro().insert(chave, std::move(def));
}

const DefTabela* CatalogoTabelas::buscar(const QString& nomeTabela) {
    auto& r = registro();
    auto it = r.constFind(NomeTabelaNormalizado(nomeTabela).toUpper());
    return it == r.constEnd() ? nullptr : &it.value();
}

QStringList CatalogoTabelas::nomesAutomaticos() {
    QStringList r;
    for (const DefTabela& d : registro())
        if (d.criarAutomaticamente)
            r << d.nome;
    r.sort(Qt::CaseInsensitive);
    return r;
}
