// The branch of JanelaFormulaTeste ready for the printouts: text output
// to preview, the print options window passed through without change, and
// the previewed file read back page by page.
#pragma once

#include "JanelaFormulaTeste.h"

#include "services/ConfigImpressao.h"
#include "services/JanelaModal.h"
#include "services/RelatorioTexto.h"

#include <QDialog>
#include <QFile>
#include <QFileInfo>

class RelatorioFormulaTeste : public JanelaFormulaTeste {
protected:
    void SetUp() override {
        JanelaFormulaTeste::SetUp();
        Sess().Modulo = "PCP";
        Sess().NomeFilial = "FABRICA";
        Sess().FilialTexto = "1";
        CfgImpressao() = ConfigImpressao();
        CfgImpressao().Destino = 'V';
        InstalarExibirModal([this](QDialog& d) {
            janelasModais << d.objectName();
            return d.result();
        });
        InstalarVisualizacao([this](const QString& arquivo, int linhas) {
            previas << QFileInfo(arquivo).fileName() + "|" + QString::number(linhas);
            ultimaPrevia = arquivo;
        });
    }
    void TearDown() override {
        InstalarVisualizacao(nullptr);
        InstalarExibirModal(nullptr);
        JanelaFormulaTeste::TearDown();
    }

    // The pages of the last preview, `linhas` lines each, without the
    // line ends.
    QList<QStringList> paginas(int linhas) const {
        QFile f(ultimaPrevia);
        if (!f.open(QIODevice::ReadOnly))
            return {};
        QStringList todas = QString::fromLatin1(f.readAll()).split("\r\n");
        todas.removeLast();
        QList<QStringList> resultado;
        for (int i = 0; i < todas.size(); i += linhas)
            resultado << todas.mid(i, linhas);
        return resultado;
    }
    QByteArray arquivoPrevia() const {
        QFile f(ultimaPrevia);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static QString esperado(const QString& nome) {
        QFile f(QFileInfo(QStringLiteral(__FILE__)).dir().filePath("esperado/" + nome));
        return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()) : "<ausente>";
    }

    QStringList janelasModais;
    QStringList previas;
    QString ultimaPrevia;
};
