#include "DialetoSql.h"

#include "ErroBanco.h"

#include <QDate>
#include <QRegularExpression>
#include <vector>

namespace {

enum class Tipo { Espaco, Texto, Aspas, Ident, Numero, Parametro, Simbolo };

struct Token {
    Tipo tipo;
    QString texto; // as written (strings without their quotes)
    QString upper() const { return texto.toUpper(); }
    bool eh(const char* palavra) const {
        return tipo == Tipo::Ident && texto.compare(palavra, Qt::CaseInsensitive) == 0;
    }
    bool simbolo(QChar c) const { return tipo == Tipo::Simbolo && texto == c; }
};

bool inicioIdent(QChar c) {
    return c.isLetter() || c == '_';
}
bool parteIdent(QChar c) {
    return c.isLetterOrNumber() || c == '_' || c == '$' || c == '#';
}

std::vector<Token> tokenizar(const QString& s) {
    std::vector<Token> r;
    qsizetype i = 0;
    const qsizetype n = s.size();
    while (i < n) {
        const QChar c = s[i];
        if (c.isSpace()) {
            qsizetype j = i;
            while (j < n && s[j].isSpace())
                ++j;
            r.push_back({Tipo::Espaco, s.mid(i, j - i)});
            i = j;
        } else if (c == '-' && i + 1 < n && s[i + 1] == '-') {
            qsizetype j = s.indexOf('\n', i);
            if (j < 0)
                j = n;
            r.push_back({Tipo::Espaco, " "});
            i = j;
        } else if (c == '\'' || c == '"') {
            QString txt;
            qsizetype j = i + 1;
            bool fechou = false;
            while (j < n) {
                if (s[j] == c) {
                    if (j + 1 < n && s[j + 1] == c) {
                        txt += c;
                        j += 2;
                        continue;
                    }
                    fechou = true;
                    ++j;
                    break;
                }
                txt += s[j++];
            }
            if (!fechou)
                throw ErroBanco("Unterminated string in SQL: " + s.mid(i, 40));
            r.push_back({c == '\'' ? Tipo::Texto : Tipo::Aspas, txt});
            i = j;
        } else if (c == ':' && i + 1 < n && inicioIdent(s[i + 1])) {
            qsizetype j = i + 1;
            while (j < n &&
                   (parteIdent(s[j]) || (s[j] == '-' && j + 1 < n && s[j + 1].isLetterOrNumber())))
                ++j;
            r.push_back({Tipo::Parametro, s.mid(i + 1, j - i - 1)});
            i = j;
        } else if (inicioIdent(c)) {
            qsizetype j = i;
            while (j < n && parteIdent(s[j]))
                ++j;
            r.push_back({Tipo::Ident, s.mid(i, j - i)});
            i = j;
        } else if (c.isDigit() || (c == '.' && i + 1 < n && s[i + 1].isDigit())) {
            qsizetype j = i;
            while (j < n && (s[j].isDigit() || s[j] == '.'))
                ++j;
            if (j < n && (s[j] == 'e' || s[j] == 'E')) {
                ++j;
                if (j < n && (s[j] == '+' || s[j] == '-'))
                    ++j;
                while (j < n && s[j].isDigit())
                    ++j;
            }
            r.push_back({Tipo::Numero, s.mid(i, j - i)});
            i = j;
        } else {
            static const QStringList duplos = {"<=", ">=", "<>", "!=", "||", "=="};
            const QString dois = s.mid(i, 2);
            if (duplos.contains(dois)) {
                r.push_back({Tipo::Simbolo, dois});
                i += 2;
            } else {
                r.push_back({Tipo::Simbolo, QString(c)});
                ++i;
            }
        }
    }
    return r;
}

QString literal(const QString& s) {
    QString t = s;
    return '\'' + t.replace('\'', "''") + '\'';
}

// 'dd.mm.yyyy' -> 'yyyy-mm-dd'; other texts unchanged.
QString literalTexto(const QString& s) {
    static const QRegularExpression re("^(\\d{1,2})\\.(\\d{1,2})\\.(\\d{4})$");
    const auto m = re.match(s);
    if (m.hasMatch()) {
        const QDate d(m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt());
        if (d.isValid())
            return literal(d.toString(Qt::ISODate));
    }
    return literal(s);
}

// What a closing parenthesis must become, per open parenthesis.
enum class Fecho { Normal, Extract, Substring, Subconsulta };

struct Tradutor {
    const std::function<QString(const QString&)>* tabela = nullptr;
    QStringList parametros;

    // Index of the next significant token at or after i.
    static size_t proximo(const std::vector<Token>& t, size_t i) {
        while (i < t.size() && t[i].tipo == Tipo::Espaco)
            ++i;
        return i;
    }

    QString referencia(const QString& nome) {
        if (!tabela || !*tabela)
            throw ErroBanco("Table references are not allowed here: " + nome);
        return (*tabela)(nome);
    }

    QString traduzir(const std::vector<Token>& t, size_t de, size_t ate) {
        QString out;
        bool posicaoTabela = false;
        bool emFrom = false;
        struct Nivel {
            Fecho fecho;
            bool emFrom;
        };
        std::vector<Nivel> pilha;
        Token anterior{Tipo::Espaco, QString()};
        for (size_t i = de; i < ate; ++i) {
            const Token& k = t[i];
            if (k.tipo == Tipo::Espaco) {
                out += k.texto;
                continue;
            }
            const Fecho topo = pilha.empty() ? Fecho::Normal : pilha.back().fecho;
            if (posicaoTabela && (k.tipo == Tipo::Aspas || k.tipo == Tipo::Ident) &&
                !k.simbolo('(')) {
                QString nome = k.texto;
                if (k.tipo == Tipo::Ident) {
                    // ESTPROMA.DB written bare
                    const size_t p = proximo(t, i + 1);
                    if (p < ate && t[p].simbolo('.') && p + 1 < ate && t[p + 1].eh("DB")) {
                        nome += ".DB";
                        i = p + 1;
                    }
                }
                out += referencia(nome);
                posicaoTabela = false;
                anterior = k;
                continue;
            }
            posicaoTabela = false;
            switch (k.tipo) {
            case Tipo::Texto:
                out += literalTexto(k.texto);
                break;
            case Tipo::Aspas:
                // A quoted name after a dot is a column; otherwise a string.
                out += anterior.simbolo('.') ? '"' + QString(k.texto).replace('"', "\"\"") + '"'
                                             : literal(k.texto);
                break;
            case Tipo::Parametro: {
                const QString nome = k.texto.toUpper();
                if (!parametros.contains(nome))
                    parametros << nome;
                out += DialetoSql::nomeParametro(nome);
                break;
            }
            case Tipo::Numero:
                out += k.texto;
                break;
            case Tipo::Ident: {
                const size_t p = proximo(t, i + 1);
                const bool abre = p < ate && t[p].simbolo('(');
                if (k.eh("TRUE") || k.eh("FALSE")) {
                    out += k.eh("TRUE") ? "1" : "0";
                } else if (k.eh("EXTRACT") && abre) {
                    const size_t parte = proximo(t, p + 1);
                    const size_t from = proximo(t, parte + 1);
                    if (parte >= ate || from >= ate || !t[from].eh("FROM"))
                        throw ErroBanco("Invalid EXTRACT in SQL");
                    const QString u = t[parte].upper();
                    const char* fmt = u == "MONTH"  ? "%m"
                                      : u == "YEAR" ? "%Y"
                                      : u == "DAY"  ? "%d"
                                                    : nullptr;
                    if (!fmt)
                        throw ErroBanco("Invalid EXTRACT part: " + t[parte].texto);
                    out += QString("CAST(strftime('%1',").arg(fmt);
                    pilha.push_back({Fecho::Extract, emFrom});
                    emFrom = false;
                    i = from;
                } else if ((k.eh("SUBSTRING")) && abre) {
                    out += "substr(";
                    pilha.push_back({Fecho::Substring, emFrom});
                    emFrom = false;
                    i = p;
                } else if (topo == Fecho::Substring && (k.eh("FROM") || k.eh("FOR"))) {
                    out += ",";
                } else {
                    out += k.texto;
                    const QString u = k.upper();
                    if (u == "FROM") {
                        emFrom = true;
                        posicaoTabela = true;
                    } else if (u == "JOIN" || u == "INTO" || u == "UPDATE" || u == "TABLE") {
                        posicaoTabela = true;
                        if (u == "JOIN")
                            emFrom = true;
                    } else if (u == "WHERE" || u == "GROUP" || u == "ORDER" || u == "HAVING" ||
                               u == "ON" || u == "UNION" || u == "SET" || u == "VALUES" ||
                               u == "SELECT" || u == "LIMIT") {
                        emFrom = false;
                    }
                }
                break;
            }
            case Tipo::Simbolo:
                if (k.simbolo('(')) {
                    pilha.push_back({Fecho::Normal, emFrom});
                    emFrom = false;
                    out += '(';
                } else if (k.simbolo(')')) {
                    if (pilha.empty())
                        throw ErroBanco("Unbalanced parentheses in SQL");
                    const Nivel n = pilha.back();
                    pilha.pop_back();
                    emFrom = n.emFrom;
                    out += n.fecho == Fecho::Extract ? ") AS INTEGER)" : ")";
                } else if (k.simbolo(',') && emFrom) {
                    out += ',';
                    posicaoTabela = true;
                } else {
                    out += k.texto;
                }
                break;
            case Tipo::Espaco:
                break;
            }
            anterior = k;
        }
        if (!pilha.empty())
            throw ErroBanco("Unbalanced parentheses in SQL");
        return out;
    }
};

} // namespace

QString DialetoSql::nomeParametro(const QString& nome) {
    QString n = nome.toUpper();
    return ':' + n.replace('-', "_H_");
}

DialetoSql::Traducao DialetoSql::traduzir(const QString& sql,
                                          const std::function<QString(const QString&)>& tabela) {
    const std::vector<Token> t = tokenizar(sql);
    Tradutor tr;
    tr.tabela = &tabela;
    Traducao r;

    // ALTER TABLE x ADD a t, ADD b t: one statement per column.
    const size_t a = Tradutor::proximo(t, 0);
    const size_t b = Tradutor::proximo(t, a + 1);
    if (a < t.size() && t[a].eh("ALTER") && b < t.size() && t[b].eh("TABLE")) {
        const size_t nome = Tradutor::proximo(t, b + 1);
        if (nome >= t.size())
            throw ErroBanco("Invalid ALTER TABLE");
        size_t fimNome = nome + 1;
        QString ref = t[nome].texto;
        const size_t p = Tradutor::proximo(t, nome + 1);
        if (t[nome].tipo == Tipo::Ident && p + 1 < t.size() && t[p].simbolo('.') &&
            t[p + 1].eh("DB")) {
            ref += ".DB";
            fimNome = p + 2;
        }
        const QString alvo = tr.referencia(ref);
        // Split the rest at top-level commas.
        std::vector<std::pair<size_t, size_t>> partes;
        size_t ini = fimNome;
        int prof = 0;
        for (size_t i = fimNome; i < t.size(); ++i) {
            if (t[i].simbolo('('))
                ++prof;
            else if (t[i].simbolo(')'))
                --prof;
            else if (t[i].simbolo(',') && prof == 0) {
                partes.emplace_back(ini, i);
                ini = i + 1;
            }
        }
        partes.emplace_back(ini, t.size());
        for (auto [de, ate] : partes) {
            size_t acao = Tradutor::proximo(t, de);
            if (acao >= ate || !t[acao].eh("ADD"))
                throw ErroBanco("Only ALTER TABLE ... ADD is supported");
            size_t col = Tradutor::proximo(t, acao + 1);
            if (col < ate && t[col].eh("COLUMN"))
                col = Tradutor::proximo(t, col + 1);
            r.instrucoes << "ALTER TABLE " + alvo + " ADD COLUMN " +
                                tr.traduzir(t, col, ate).trimmed();
        }
        r.parametros = tr.parametros;
        return r;
    }

    // Statements separated by semicolons.
    size_t ini = 0;
    for (size_t i = 0; i <= t.size(); ++i) {
        if (i == t.size() || t[i].simbolo(';')) {
            const QString s = tr.traduzir(t, ini, i).trimmed();
            if (!s.isEmpty())
                r.instrucoes << s;
            ini = i + 1;
        }
    }
    r.parametros = tr.parametros;
    return r;
}

QString DialetoSql::traduzirExpressao(const QString& expressao) {
    const std::vector<Token> t = tokenizar(expressao);
    Tradutor tr;
    return tr.traduzir(t, 0, t.size()).trimmed();
}
