#include "MigracaoServidor.h"

#include "Banco_interno.h"
#include "DefTabela.h"
#include "ErroBanco.h"
#include "SessaoBanco.h"
#include "Tabela.h"
#include "TransacaoBanco.h"

namespace {
// The definition of a table as the source holds it: a table the program
// defines is created from its definition, one made at run time (a month's
// log) from what the file says of it.
DefTabela definicaoDe(const InfoTabela& info) {
    if (const DefTabela* def = CatalogoTabelas::buscar(info.nome))
        return *def;
    DefTabela def;
    def.nome = info.nome;
    def.campos = info.colunas;
    for (const InfoIndice& ind : info.indices) {
        QStringList campos;
        for (int c : ind.colunas)
            campos << info.colunas[size_t(c)].nome;
        if (ind.nome.isEmpty())
            def.chavePrimaria = campos;
        else
            def.indices.push_back({ind.nome, campos, ind.unico, ind.ignoraCaixa});
    }
    return def;
}
} // namespace

std::vector<TabelaMigrada>
MigrarParaServidor(const QString& dirArmazenado, const QStringList& linhasServidor,
                   const std::function<void(const TabelaMigrada&)>& relatar) {
    SessaoBanco origem;
    origem.definirAlias("Orvalo", {"PATH=" + dirArmazenado});
    SessaoBanco destino;
    destino.definirAlias("Orvalo", QStringList(linhasServidor) << "PATH=" + dirArmazenado);
    if (!destino.noServidor())
        throw ErroBanco("A linha do servidor deve ter a forma SERVER NAME=servidor:porta/banco.");
    if (!origem.existeDiretorio(dirArmazenado))
        throw ErroBanco("Directory does not exist: " + dirArmazenado);
    destino.criarDiretorio(dirArmazenado);

    for (const QString& nome : destino.tabelas("Orvalo")) {
        Tabela t(nome, &destino);
        t.abrir();
        if (const int n = t.contarRegistros(); n > 0)
            throw ErroBanco("O diretório " + dirArmazenado + " já tem dados no servidor (" + nome +
                            ": " + QString::number(n) +
                            " linhas); nada foi copiado. Para copiar de novo, apague antes o " +
                            destino.localDiretorio(dirArmazenado) + ".");
    }

    std::vector<TabelaMigrada> feitas;
    Banco& bancoOrigem = origem.banco(dirArmazenado);
    Banco& bancoDestino = destino.banco(dirArmazenado);
    for (const QString& nome : origem.tabelas("Orvalo")) {
        const DefTabela def = definicaoDe(*bancoOrigem.tabela(nome));
        if (!bancoDestino.existe(def.nome))
            bancoDestino.criar(def);
        Tabela de(nome, &origem);
        Tabela para(def.nome, &destino);
        de.abrir();
        para.abrir();
        std::vector<std::pair<int, int>> pares; // source field -> destination field
        for (int i = 0; i < de.quantidadeCampos(); ++i) {
            const int j = para.indiceCampo(de.campo(i).nome());
            if (j >= 0)
                pares.emplace_back(i, j);
        }
        TabelaMigrada r{nome, 0, 0};
        try {
            TransacaoBanco transacao("Orvalo", &destino);
            for (de.primeiro(); !de.eof(); de.proximo(), ++r.linhasOrigem) {
                para.incluir();
                for (auto [i, j] : pares)
                    para.campo(j).definir(de.campo(i).valor());
                para.gravar();
            }
            transacao.confirmar();
        } catch (const ErroBanco& e) {
            para.cancelar();
            throw ErroBanco("Tabela " + nome + ", linha " + QString::number(r.linhasOrigem + 1) +
                            ": " + e.texto());
        }
        para.primeiro();
        r.linhasDestino = para.contarRegistros();
        feitas.push_back(r);
        if (relatar)
            relatar(r);
    }
    return feitas;
}
