#include "Configuracao.h"

#include "clifor/ConsultaCnpj.h"
#include "services/ImpressoraTexto.h"
#include "services/LayoutGrade.h"
#include "session/Sessao.h"
#include "store/Caminhos.h"
#include "store/SessaoBanco.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>

LinhaComando LerLinhaComando(const QStringList& args) {
    LinhaComando r;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == "--config" || a == "--criar-demo") {
            if (i + 1 >= args.size() || args[i + 1].isEmpty()) {
                r.erro = "A opção " + a + " precisa de um caminho.";
                return r;
            }
            (a == "--config" ? r.arquivoConfiguracao : r.pastaDemonstracao) = args[++i];
        } else if (a == "--migrar-servidor") {
            if (i + 2 >= args.size() || args[i + 1].isEmpty() || args[i + 2].isEmpty()) {
                r.erro = "A opção --migrar-servidor precisa do diretório da empresa e da linha "
                         "do servidor (SERVER NAME=servidor:porta/banco).";
                return r;
            }
            r.migrarDiretorio = args[++i];
            r.migrarServidor = args[++i];
        } else if (a == "--importar-paradox") {
            if (i + 2 >= args.size() || args[i + 1].isEmpty() || args[i + 2].isEmpty()) {
                r.erro = "A opção --importar-paradox precisa da pasta de origem e do destino.";
                return r;
            }
            r.importarOrigem = args[++i];
            r.importarDestino = args[++i];
        } else if (a == "--substituir") {
            r.substituir = true;
        } else if (a == "--ajuda" || a == "--help" || a == "-h") {
            r.ajuda = true;
        } else {
            r.argumentos << a;
        }
    }
    if (r.substituir && r.importarOrigem.isEmpty()) {
        r.erro = "A opção --substituir só vale com --importar-paradox.";
        return r;
    }
    if (r.arquivoConfiguracao.isEmpty())
        r.arquivoConfiguracao = QString::fromLocal8Bit(qgetenv("PCP_CONFIG"));
    if (r.arquivoConfiguracao.isEmpty())
        r.arquivoConfiguracao = ArquivoConfiguracaoPadrao();
    r.arquivoConfiguracao = QFileInfo(r.arquivoConfiguracao).absoluteFilePath();
    if (!r.pastaDemonstracao.isEmpty())
        r.pastaDemonstracao = QFileInfo(r.pastaDemonstracao).absoluteFilePath();
    return r;
}

QString ArquivoConfiguracaoPadrao() {
    return QDir::homePath() + "/.config/PCP/pcp.ini";
}

namespace {
// Stored paths keep backslashes; the file may use "/" to spare the ini
// escaping of "\" (which would silently drop single backslashes).
QString caminhoArmazenado(QString s) {
    return s.trimmed().replace('/', '\\');
}

bool lerLogico(const QString& texto, bool& valor) {
    const QString t = texto.trimmed().toLower();
    if (t == "true" || t == "sim" || t == "1") {
        valor = true;
        return true;
    }
    if (t == "false" || t == "nao" || t == "não" || t == "0") {
        valor = false;
        return true;
    }
    return false;
}
} // namespace

bool Configuracao::ler(const QString& caminho, QString& erro) {
    *this = Configuracao();
    arquivo = QFileInfo(caminho).absoluteFilePath();
    const QString nome = QDir::toNativeSeparators(arquivo);
    const QFileInfo info(arquivo);
    if (!info.exists()) {
        erro = "Arquivo de configuração não encontrado: " + nome;
        return false;
    }
    if (!info.isFile() || !info.isReadable()) {
        erro = "Não foi possível ler o arquivo de configuração " + nome +
               ": verifique se é um arquivo e se há permissão de leitura.";
        return false;
    }
    const QDir pasta = info.absoluteDir();
    QSettings ini(arquivo, QSettings::IniFormat);
    if (ini.status() == QSettings::AccessError) {
        erro = "Não foi possível ler o arquivo de configuração " + nome + ".";
        return false;
    }
    if (ini.status() == QSettings::FormatError) {
        erro = "O arquivo de configuração " + nome +
               " está mal formado: cada seção deve estar entre colchetes, como [Alias], e cada "
               "linha deve ter a forma chave=valor.";
        return false;
    }

    unidades.clear();
    unidades.insert("C:", pasta.filePath("C"));
    unidades.insert("\\\\tsclient", pasta.filePath("tsclient"));
    ini.beginGroup("Unidades");
    const QStringList chaves = ini.childKeys();
    for (const QString& chave : chaves) {
        const QString valor = ini.value(chave).toString().trimmed();
        QString prefixo;
        if (chave.compare("tsclient", Qt::CaseInsensitive) == 0)
            prefixo = "\\\\tsclient";
        else if (chave.size() == 1 && chave[0].isLetter())
            prefixo = chave.toUpper() + ":";
        if (prefixo.isEmpty()) {
            erro = "Unidade desconhecida \"" + chave + "\" na seção [Unidades] de " + nome +
                   ": use uma letra de unidade (como C) ou tsclient.";
            return false;
        }
        if (valor.isEmpty()) {
            erro = "A unidade " + chave + " da seção [Unidades] de " + nome +
                   " não indica nenhuma pasta.";
            return false;
        }
        unidades.insert(prefixo, QDir::cleanPath(pasta.absoluteFilePath(valor)));
    }
    ini.endGroup();

    if (ini.contains("Alias/Orvalo")) {
        parametrosAlias.clear();
        // Only the directory line is a stored path; a server line keeps its slashes.
        for (const QString& linha : ini.value("Alias/Orvalo").toStringList())
            parametrosAlias << (linha.trimmed().startsWith("PATH=", Qt::CaseInsensitive)
                                    ? caminhoArmazenado(linha)
                                    : linha.trimmed());
    }
    static const QRegularExpression comUnidade("^PATH=[A-Za-z]:\\\\",
                                               QRegularExpression::CaseInsensitiveOption);
    const QStringList caminhos = parametrosAlias.filter(
        QRegularExpression("^PATH=", QRegularExpression::CaseInsensitiveOption));
    if (caminhos.size() != 1 || !comUnidade.match(caminhos.first()).hasMatch()) {
        erro = "O alias Orvalo de " + nome + " é inválido (" + parametrosAlias.join("; ") +
               "): uma linha deve ser PATH= seguida de um caminho com letra de unidade, "
               "como PATH=C:/EMPRESA1 (no arquivo, escreva / ou \\\\ no lugar de \\).";
        return false;
    }

    pastaPrograma = ini.value("Programa/Pasta").toString().trimmed();
    if (pastaPrograma.isEmpty())
        pastaPrograma = pasta.absolutePath();
    else if (!QDir::isAbsolutePath(pastaPrograma) &&
             !QRegularExpression("^([A-Za-z]:|\\\\\\\\|//)").match(pastaPrograma).hasMatch())
        pastaPrograma = QDir::cleanPath(pasta.absoluteFilePath(pastaPrograma));

    const QString usa = ini.value("Permissoes/UsaPermissoes", "false").toString();
    if (!lerLogico(usa, usaPermissoes)) {
        erro = "Valor inválido para UsaPermissoes em " + nome + ": \"" + usa +
               "\" (use true ou false).";
        return false;
    }
    aliasPermissoes = ini.value("Permissoes/AliasPermissoes", "Orvalo").toString().trimmed();
    if (aliasPermissoes.isEmpty())
        aliasPermissoes = "Orvalo";
    enderecoConsultaCnpj = ini.value("ConsultaCnpj/Endereco").toString().trimmed();
    const QString integra = ini.value("TecDataSoft/Integra", "false").toString();
    if (!lerLogico(integra, integraTecDataSoft)) {
        erro = "Valor inválido para Integra em [TecDataSoft] de " + nome + ": \"" + integra +
               "\" (use true ou false).";
        return false;
    }
    caminhoTecDataSoft = ini.value("TecDataSoft/Caminho").toString().trimmed();
    // A path with a drive letter is kept as the system stores paths.
    if (QRegularExpression("^[A-Za-z]:").match(caminhoTecDataSoft).hasMatch())
        caminhoTecDataSoft.replace('/', '\\');

    impressorasCompartilhadas.clear();
    for (const QString& item : ini.value("Impressoras/Compartilhadas").toStringList()) {
        const QString compartilhada = caminhoArmazenado(item.section('=', 0, 0).trimmed());
        const QString fila = item.section('=', 1).trimmed();
        if (!compartilhada.startsWith("\\\\") || fila.isEmpty()) {
            erro = "Item inválido em [Impressoras] Compartilhadas de " + nome + ": \"" + item +
                   "\" (use //SERVIDOR/IMPRESSORA=FILA).";
            return false;
        }
        impressorasCompartilhadas.insert(compartilhada.toUpper(), fila);
    }
    return true;
}

bool Configuracao::gravar(QString& erro) const {
    const QString nome = QDir::toNativeSeparators(arquivo);
    if (!QDir().mkpath(QFileInfo(arquivo).absolutePath())) {
        erro = "Não foi possível criar a pasta do arquivo de configuração " + nome + ".";
        return false;
    }
    QFile::remove(arquivo);
    QSettings ini(arquivo, QSettings::IniFormat);
    QStringList alias;
    for (const QString& linha : parametrosAlias)
        alias << QString(linha).replace('\\', '/');
    ini.setValue("Alias/Orvalo", alias.size() == 1 ? QVariant(alias.first()) : QVariant(alias));
    for (auto it = unidades.constBegin(); it != unidades.constEnd(); ++it) {
        const QString chave = it.key().startsWith("\\\\") ? "tsclient" : it.key().left(1);
        ini.setValue("Unidades/" + chave, it.value());
    }
    ini.setValue("Programa/Pasta", QString(pastaPrograma).replace('\\', '/'));
    ini.setValue("Permissoes/UsaPermissoes", usaPermissoes);
    ini.setValue("Permissoes/AliasPermissoes", aliasPermissoes);
    QStringList impressoras;
    for (auto it = impressorasCompartilhadas.constBegin();
         it != impressorasCompartilhadas.constEnd(); ++it)
        impressoras << QString(it.key()).replace('\\', '/') + '=' + it.value();
    if (!impressoras.isEmpty())
        ini.setValue("Impressoras/Compartilhadas", impressoras);
    ini.sync();
    if (ini.status() != QSettings::NoError) {
        erro = "Não foi possível gravar o arquivo de configuração " + nome + ".";
        return false;
    }
    return true;
}

void Configuracao::aplicar() const {
    Caminhos::atual().limpar();
    for (auto it = unidades.constBegin(); it != unidades.constEnd(); ++it)
        Caminhos::atual().mapear(it.key(), it.value());
    SessaoBanco::padrao().definirAlias("Orvalo", parametrosAlias);
    Sess().UsaPermissoes = usaPermissoes;
    Sess().AliasPermissoes = aliasPermissoes;
    DefinirEnderecoConsultaCnpj(enderecoConsultaCnpj);
    Sess().IntegraTecDataSoft = integraTecDataSoft;
    Sess().CaminhoTecDataSoft = caminhoTecDataSoft;
    ImpressoraTexto::definirCompartilhadas(impressorasCompartilhadas);
    DefinirPastaPrograma(pastaProgramaHost());
}

QString Configuracao::pastaProgramaHost() const {
    if (QDir::isAbsolutePath(pastaPrograma) && !pastaPrograma.contains('\\'))
        return QDir::cleanPath(pastaPrograma);
    return Caminhos::atual().resolver(caminhoArmazenado(pastaPrograma));
}
