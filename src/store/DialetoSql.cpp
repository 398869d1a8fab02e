#include "DialetoSql.h"

#include "Banco_interno.h"
#include "DefTabela.h"
#include "ErroBanco.h"

#include <QDate>
#include <QHash>
#include <QRegularExpression>
#include <map>
#include <vector>

namespace {

enum class Tipo { Espaco, Comentario, Texto, Aspas, Ident, Numero, Parametro, Simbolo };

struct Token {
    Tipo tipo;
    QString texto; // as written (strings without their quotes)
    QString upper() const { return texto.toUpper(); }
    bool eh(const char* palavra) const {
        return tipo == Tipo::Ident && texto.compare(palavra, Qt::CaseInsensitive) == 0;
    }
    bool simbolo(QChar c) const { return tipo == Tipo::Simbolo && texto == c; }
    bool comparacao() const {
        static const QStringList ops = {"=", "<>", "!=", "<", "<=", ">", ">=", "=="};
        return tipo == Tipo::Simbolo && ops.contains(texto);
    }
};

bool inicioIdent(QChar c) {
    return c.isLetter() || c == '_';
}
bool parteIdent(QChar c) {
    return c.isLetterOrNumber() || c == '_' || c == '$' || c == '#';
}

std::vector<Token> tokenizar(const QString& s) {
    if (s.contains(QChar(0)))
        throw ErroBanco("SQL inválido: o texto contém um caractere nulo.");
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
            r.push_back({Tipo::Comentario, s.mid(i, j - i)});
            i = j;
        } else if (c == '/' && i + 1 < n && s[i + 1] == '*') {
            const qsizetype j = s.indexOf("*/", i + 2);
            if (j < 0)
                throw ErroBanco("Unterminated comment in SQL: " + s.mid(i, 40));
            r.push_back({Tipo::Comentario, s.mid(i, j + 2 - i)});
            i = j + 2;
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

// 'dd.mm.yyyy' as a date, or an invalid one.
QDate dataLegada(const QString& s) {
    static const QRegularExpression re("^(\\d{1,2})\\.(\\d{1,2})\\.(\\d{4})$");
    const auto m = re.match(s);
    if (!m.hasMatch())
        return {};
    return QDate(m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt());
}

// Words that end a table reference instead of naming its correlation.
bool palavraReservada(const Token& k) {
    static const QSet<QString> palavras = {
        "WHERE", "INNER",   "LEFT",  "RIGHT",  "FULL",      "OUTER", "CROSS",  "JOIN",
        "ON",    "GROUP",   "ORDER", "HAVING", "UNION",     "SET",   "VALUES", "SELECT",
        "LIMIT", "NATURAL", "USING", "EXCEPT", "INTERSECT", "ADD",   "DEFAULT"};
    return k.tipo != Tipo::Ident || palavras.contains(k.upper());
}

// SQL's own words, which a field of the same name never shadows.
bool palavraSql(const Token& k) {
    static const QSet<QString> palavras = {
        "SELECT", "FROM",    "WHERE",   "AND",    "OR",    "NOT",    "NULL",   "IS",     "IN",
        "LIKE",   "BETWEEN", "ORDER",   "BY",     "GROUP", "HAVING", "AS",     "ON",     "JOIN",
        "INNER",  "LEFT",    "RIGHT",   "OUTER",  "FULL",  "CROSS",  "UNION",  "ALL",    "DISTINCT",
        "INSERT", "INTO",    "VALUES",  "UPDATE", "SET",   "DELETE", "CASE",   "WHEN",   "THEN",
        "ELSE",   "END",     "ASC",     "DESC",   "LIMIT", "EXISTS", "ESCAPE", "TRUE",   "FALSE",
        "ALTER",  "TABLE",   "ADD",     "COLUMN", "DROP",  "CREATE", "INDEX",  "OFFSET", "NULLS",
        "FIRST",  "LAST",    "COLLATE", "CAST",   "ANY",   "SOME",   "USING",  "NATURAL"};
    return palavras.contains(k.upper());
}

// What a closing parenthesis must become, per open parenthesis.
enum class Fecho { Normal, Extract, Substring };

struct Tradutor {
    const std::vector<Token>& t;
    DialetoSql::Alvo alvo = DialetoSql::Alvo::Sqlite;
    const std::function<DialetoSql::Referencia(const QString&)>* resolver = nullptr;
    QSet<QString> datasLivres;           // date fields of a cursor's filter
    QSet<QString> textosLivres;          // and its text fields
    QHash<QString, QString> nomesCampos; // upper -> stored spelling, for the server
    QStringList parametros;
    struct Escrito {
        QString nome;       // the table as written
        QString correlacao; // its correlation name, if any
    };
    std::map<size_t, Escrito> nomeTabela; // token of a table reference -> as written
    std::map<size_t, size_t> fimTabela;   // ... -> last token of the reference
    std::map<size_t, size_t> nivelTabela; // ... -> parenthesis depth it stands at
    std::map<size_t, QString> sqlTabela;  // ... -> the SQL that names it
    std::vector<DialetoSql::Referencia> referencias;
    std::map<size_t, size_t> referenciaDe; // token of a table reference -> index in referencias
    QHash<QString, size_t> porNome;        // upper alias or table name -> index

    explicit Tradutor(const std::vector<Token>& tokens) : t(tokens) {}

    size_t proximo(size_t i) const {
        while (i < t.size() && (t[i].tipo == Tipo::Espaco || t[i].tipo == Tipo::Comentario))
            ++i;
        return i;
    }
    // Index of the significant token before i, or npos.
    size_t anterior(size_t i) const {
        if (i > t.size())
            return std::string::npos;
        while (i > 0) {
            --i;
            if (t[i].tipo != Tipo::Espaco && t[i].tipo != Tipo::Comentario)
                return i;
        }
        return std::string::npos;
    }

    // Finds the table references (the same positions the translation
    // replaces) and their correlation names, before anything is translated.
    void localizarTabelas(size_t de, size_t ate) {
        bool posicaoTabela = false, emFrom = false;
        struct Nivel {
            bool emFrom;
            bool substring; // FROM and FOR inside substring() are not clauses
        };
        std::vector<Nivel> pilha;
        for (size_t i = de; i < ate; ++i) {
            const Token& k = t[i];
            if (k.tipo == Tipo::Espaco || k.tipo == Tipo::Comentario)
                continue;
            const size_t p = proximo(i + 1);
            if ((k.eh("EXTRACT") || k.eh("SUBSTRING")) && p < ate && t[p].simbolo('(')) {
                pilha.push_back({emFrom, k.eh("SUBSTRING")});
                emFrom = false;
                posicaoTabela = false;
                // extract(part FROM x): on to the x.
                i = k.eh("EXTRACT") ? proximo(proximo(p + 1) + 1) : p;
                continue;
            }
            if (!pilha.empty() && pilha.back().substring && (k.eh("FROM") || k.eh("FOR")))
                continue;
            if (posicaoTabela && (k.tipo == Tipo::Aspas || k.tipo == Tipo::Ident)) {
                QString nome = k.texto;
                size_t fim = i;
                if (k.tipo == Tipo::Ident) {
                    const size_t p = proximo(i + 1);
                    if (p < ate && t[p].simbolo('.') && p + 1 < ate && t[p + 1].eh("DB")) {
                        nome += ".DB";
                        fim = p + 1;
                    }
                }
                fimTabela[i] = fim;
                nivelTabela[i] = pilha.size();
                size_t a = proximo(fim + 1);
                if (a < ate && t[a].eh("AS"))
                    a = proximo(a + 1);
                nomeTabela[i] = {nome, a < ate && !palavraReservada(t[a]) ? t[a].texto : QString()};
                posicaoTabela = false;
                i = fim;
                continue;
            }
            posicaoTabela = false;
            if (k.tipo == Tipo::Ident) {
                const QString u = k.upper();
                if (u == "FROM" || u == "JOIN") {
                    emFrom = true;
                    posicaoTabela = true;
                } else if (u == "INTO" || u == "UPDATE" || u == "TABLE") {
                    posicaoTabela = true;
                } else if (u == "WHERE" || u == "GROUP" || u == "ORDER" || u == "HAVING" ||
                           u == "ON" || u == "UNION" || u == "SET" || u == "VALUES" ||
                           u == "SELECT" || u == "LIMIT") {
                    emFrom = false;
                }
            } else if (k.simbolo('(')) {
                pilha.push_back({emFrom, false});
                emFrom = false;
            } else if (k.simbolo(')')) {
                if (!pilha.empty()) {
                    emFrom = pilha.back().emFrom;
                    pilha.pop_back();
                }
            } else if (k.simbolo(',') && emFrom) {
                posicaoTabela = true;
            }
        }
    }

    void resolverTabelas() {
        for (const auto& [i, escrito] : nomeTabela) {
            const QString& nome = escrito.nome;
            const QString& correlacao = escrito.correlacao;
            if (!resolver || !*resolver)
                throw ErroBanco("Table references are not allowed here: " + nome);
            referencias.push_back((*resolver)(nome));
            if (alvo == DialetoSql::Alvo::Postgres)
                for (const QString& c : referencias.back().colunas)
                    nomesCampos.insert(c.toUpper(), c);
            referenciaDe[i] = referencias.size() - 1;
            sqlTabela[i] = referencias.back().sql;
            QString simples = nome.section('\\', -1).section('/', -1);
            if (simples.endsWith(".DB", Qt::CaseInsensitive))
                simples.chop(3);
            porNome.insert(simples.toUpper(), referencias.size() - 1);
            if (!correlacao.isEmpty())
                porNome.insert(correlacao.toUpper(), referencias.size() - 1);
        }
    }

    // The field a column reference names is of the kind asked for: a date
    // (`texto` false) or a text (`texto` true).
    bool campoDoTipo(const QString& qualificador, const QString& coluna, bool texto) const {
        const QString c = coluna.toUpper();
        auto doTipo = [texto, &c](const DialetoSql::Referencia& r) {
            return (texto ? r.textos : r.datas).contains(c);
        };
        if (!qualificador.isEmpty()) {
            auto it = porNome.constFind(qualificador.toUpper());
            return it != porNome.constEnd() && doTipo(referencias[it.value()]);
        }
        if ((texto ? textosLivres : datasLivres).contains(c))
            return true;
        for (const auto& r : referencias)
            if (doTipo(r))
                return true;
        return false;
    }

    // A column reference ending at token j ("Data", "N.Data", N."Data").
    bool colunaAte(size_t j, bool texto) const {
        if (j == std::string::npos || (t[j].tipo != Tipo::Ident && t[j].tipo != Tipo::Aspas))
            return false;
        const size_t p = anterior(j);
        if (p != std::string::npos && t[p].simbolo('.')) {
            const size_t q = anterior(p);
            return q != std::string::npos && t[q].tipo == Tipo::Ident &&
                   campoDoTipo(t[q].texto, t[j].texto, texto);
        }
        return t[j].tipo == Tipo::Ident && campoDoTipo(QString(), t[j].texto, texto);
    }
    // A column reference starting at token j.
    bool colunaDesde(size_t j, bool texto) const {
        if (j >= t.size() || t[j].tipo != Tipo::Ident)
            return false;
        const size_t p = proximo(j + 1);
        if (p < t.size() && t[p].simbolo('.')) {
            const size_t q = proximo(p + 1);
            return q < t.size() && (t[q].tipo == Tipo::Ident || t[q].tipo == Tipo::Aspas) &&
                   campoDoTipo(t[j].texto, t[q].texto, texto);
        }
        return campoDoTipo(QString(), t[j].texto, texto);
    }
    size_t antesDeNot(size_t j) const {
        return j != std::string::npos && t[j].eh("NOT") ? anterior(j) : j;
    }

    // The column an INSERT value at token i goes into is a date field.
    bool valorInsertDoTipo(size_t i, bool texto) const {
        // Back to the tuple's "(" counting the values before this one.
        int posicao = 0;
        int profundidade = 0;
        size_t j = i;
        while (true) {
            j = anterior(j);
            if (j == std::string::npos)
                return false;
            if (t[j].simbolo(')'))
                ++profundidade;
            else if (t[j].simbolo('(')) {
                if (profundidade == 0)
                    break;
                --profundidade;
            } else if (t[j].simbolo(',') && profundidade == 0)
                ++posicao;
        }
        // Before the tuple: VALUES, or the "," between tuples.
        size_t v = anterior(j);
        while (v != std::string::npos && t[v].simbolo(',')) {
            v = anterior(v);
            if (v == std::string::npos || !t[v].simbolo(')'))
                return false;
            int prof = 0;
            while (v != std::string::npos) {
                if (t[v].simbolo(')'))
                    ++prof;
                else if (t[v].simbolo('(') && --prof == 0)
                    break;
                v = anterior(v);
            }
            v = v == std::string::npos ? v : anterior(v);
        }
        if (v == std::string::npos || !t[v].eh("VALUES"))
            return false;
        size_t a = anterior(v);
        QStringList colunas;
        if (a != std::string::npos && t[a].simbolo(')')) {
            size_t b = a;
            while (b != std::string::npos && !t[b].simbolo('('))
                b = anterior(b);
            if (b == std::string::npos)
                return false;
            for (size_t k = b + 1; k < a; ++k)
                if (t[k].tipo == Tipo::Ident || t[k].tipo == Tipo::Aspas)
                    colunas << t[k].upper();
            a = anterior(b);
        }
        // `a` is the last token of the target table's reference.
        for (const auto& [inicio, fim] : fimTabela)
            if (fim == a) {
                const auto& ref = referencias[referenciaDe.at(inicio)];
                if (colunas.isEmpty())
                    colunas = ref.colunas;
                return posicao < colunas.size() &&
                       (texto ? ref.textos : ref.datas).contains(colunas[posicao].toUpper());
            }
        return false;
    }

    // True when the literal at token i meets a date column.
    bool contexto(size_t i, bool texto) const {
        const size_t p1 = anterior(i);
        const size_t n1 = proximo(i + 1);
        if (p1 != std::string::npos && t[p1].comparacao() && colunaAte(anterior(p1), texto))
            return true;
        if (n1 < t.size() && t[n1].comparacao() && colunaDesde(proximo(n1 + 1), texto))
            return true;
        if (p1 == std::string::npos)
            return false;
        if (t[p1].eh("BETWEEN"))
            return colunaAte(antesDeNot(anterior(p1)), texto);
        if (t[p1].eh("AND")) {
            const size_t p2 = anterior(p1);
            const size_t p3 = p2 == std::string::npos ? p2 : anterior(p2);
            if (p3 != std::string::npos && t[p3].eh("BETWEEN"))
                return colunaAte(antesDeNot(anterior(p3)), texto);
        }
        if (t[p1].simbolo('(') || t[p1].simbolo(',')) {
            // An IN list: back over its items to "(" and the IN before it.
            size_t j = p1;
            while (j != std::string::npos && t[j].simbolo(',')) {
                j = anterior(anterior(j));
            }
            if (j != std::string::npos && t[j].simbolo('(')) {
                const size_t in = anterior(j);
                if (in != std::string::npos && t[in].eh("IN"))
                    return colunaAte(antesDeNot(anterior(in)), texto);
            }
            return valorInsertDoTipo(i, texto);
        }
        return false;
    }

    // On the server every table has a hidden row id column, so "all
    // columns" must name the table's fields. The fields of a reference,
    // qualified by its correlation name or its SQL name.
    QStringList camposDe(size_t inicio, bool qualificar) const {
        const auto& ref = referencias[referenciaDe.at(inicio)];
        const QString& correlacao = nomeTabela.at(inicio).correlacao;
        const QString prefixo = (correlacao.isEmpty() ? ref.sql : correlacao) + '.';
        QStringList r;
        for (const QString& c : ref.colunas)
            r << (qualificar ? prefixo : QString()) + '"' + QString(c).replace('"', "\"\"") + '"';
        return r;
    }

    // "SELECT *" and "x.*" written as the fields of the tables they stand
    // for; false to leave the "*" as it is.
    bool expandirAsterisco(size_t i, size_t nivel, QString& out) const {
        const size_t p = anterior(i);
        if (p == std::string::npos)
            return false;
        if (t[p].simbolo('.')) {
            // "x." is already written: the fields after the first repeat it.
            const size_t q = anterior(p);
            if (q == std::string::npos || t[q].tipo != Tipo::Ident)
                return false;
            for (const auto& [inicio, escrito] : nomeTabela) {
                const QString nome = escrito.correlacao.isEmpty()
                                         ? NomeTabelaNormalizado(escrito.nome)
                                         : escrito.correlacao;
                if (nome.compare(t[q].texto, Qt::CaseInsensitive) == 0) {
                    out += camposDe(inicio, false).join(", " + t[q].texto + '.');
                    return true;
                }
            }
            return false;
        }
        if (!t[p].eh("SELECT") && !t[p].eh("DISTINCT") && !t[p].eh("ALL") && !t[p].simbolo(','))
            return false;
        // The tables of this SELECT: after the "*", at its depth, before it ends.
        QStringList campos;
        int profundidade = 0;
        for (size_t j = i + 1; j < t.size(); ++j) {
            if (t[j].simbolo('('))
                ++profundidade;
            else if (t[j].simbolo(')') && --profundidade < 0)
                break;
            else if (t[j].simbolo(';') || (profundidade == 0 && t[j].eh("UNION")))
                break;
            auto ref = nivelTabela.find(j);
            if (ref != nivelTabela.end() && ref->second == nivel)
                campos << camposDe(j, true);
        }
        if (campos.isEmpty())
            return false;
        out += campos.join(", ");
        return true;
    }

    // After the target of an INSERT without its own column list, the
    // list of the table's fields (the server's row id is not one).
    QString listaInsert(size_t inicio, size_t fim) const {
        if (alvo != DialetoSql::Alvo::Postgres)
            return QString();
        const size_t a = anterior(inicio);
        const size_t d = proximo(fim + 1);
        if (a == std::string::npos || !t[a].eh("INTO") || d >= t.size() ||
            (!t[d].eh("VALUES") && !t[d].eh("SELECT")))
            return QString();
        return " (" + camposDe(inicio, false).join(", ") + ')';
    }

    QString traduzir(size_t de, size_t ate) {
        QString out;
        struct Nivel {
            Fecho fecho;
        };
        std::vector<Nivel> pilha;
        Token anteriorTk{Tipo::Espaco, QString()};
        for (size_t i = de; i < ate; ++i) {
            const Token& k = t[i];
            if (k.tipo == Tipo::Espaco) {
                out += k.texto;
                continue;
            }
            if (k.tipo == Tipo::Comentario) {
                out += ' ';
                continue;
            }
            auto tabela = sqlTabela.find(i);
            if (tabela != sqlTabela.end()) {
                out += tabela->second;
                anteriorTk = k;
                const size_t inicio = i;
                i = fimTabela.at(i);
                out += listaInsert(inicio, i);
                continue;
            }
            const Fecho topo = pilha.empty() ? Fecho::Normal : pilha.back().fecho;
            switch (k.tipo) {
            case Tipo::Texto: {
                const QDate d = dataLegada(k.texto);
                out += d.isValid() && contexto(i, false) ? literal(d.toString(Qt::ISODate))
                                                         : literal(k.texto);
                break;
            }
            case Tipo::Aspas:
                // A quoted name after a dot is a column; otherwise a string.
                out += anteriorTk.simbolo('.') ? '"' + QString(k.texto).replace('"', "\"\"") + '"'
                                               : literal(k.texto);
                break;
            case Tipo::Parametro: {
                const QString nome = k.texto.toUpper();
                qsizetype n = parametros.indexOf(nome);
                if (n < 0) {
                    parametros << nome;
                    n = parametros.size() - 1;
                }
                out += (alvo == DialetoSql::Alvo::Postgres ? '$' : '?') + QString::number(n + 1);
                break;
            }
            case Tipo::Numero:
                // The server compares no number with a text field; the file
                // store reads the number as text there.
                out += alvo == DialetoSql::Alvo::Postgres && contexto(i, true) ? literal(k.texto)
                                                                               : k.texto;
                break;
            case Tipo::Ident: {
                const size_t p = proximo(i + 1);
                const bool abre = p < ate && t[p].simbolo('(');
                if (k.eh("TRUE") || k.eh("FALSE")) {
                    out += k.eh("TRUE") ? "1" : "0";
                } else if (k.eh("EXTRACT") && abre) {
                    const size_t parte = proximo(p + 1);
                    const size_t from = proximo(parte + 1);
                    if (parte >= ate || from >= ate || !t[from].eh("FROM"))
                        throw ErroBanco("Invalid EXTRACT in SQL");
                    const QString u = t[parte].upper();
                    const char* fmt = u == "MONTH"  ? "%m"
                                      : u == "YEAR" ? "%Y"
                                      : u == "DAY"  ? "%d"
                                                    : nullptr;
                    if (!fmt)
                        throw ErroBanco("Invalid EXTRACT part: " + t[parte].texto);
                    if (alvo == DialetoSql::Alvo::Postgres)
                        out += "CAST(EXTRACT(" + u + " FROM CAST(";
                    else
                        out += QString("CAST(strftime('%1',").arg(fmt);
                    pilha.push_back({Fecho::Extract});
                    i = from;
                } else if (k.eh("SUBSTRING") && abre) {
                    out += "substr(";
                    pilha.push_back({Fecho::Substring});
                    i = p;
                } else if (topo == Fecho::Substring && (k.eh("FROM") || k.eh("FOR"))) {
                    out += ",";
                } else if (alvo == DialetoSql::Alvo::Postgres && k.eh("ROWID") &&
                           !nomesCampos.contains("ROWID")) {
                    // A row's hidden id, by the server's name for it.
                    out += "pcp_rowid";
                } else if (alvo == DialetoSql::Alvo::Postgres && !abre && !palavraSql(k) &&
                           nomesCampos.contains(k.upper())) {
                    // The server keeps a field's spelling; SQL names it in any case.
                    out += '"' + nomesCampos.value(k.upper()) + '"';
                } else {
                    out += k.texto;
                }
                break;
            }
            case Tipo::Simbolo:
                if (k.simbolo('(')) {
                    pilha.push_back({Fecho::Normal});
                    out += '(';
                } else if (k.simbolo(')')) {
                    if (pilha.empty())
                        throw ErroBanco("Unbalanced parentheses in SQL");
                    const Nivel n = pilha.back();
                    pilha.pop_back();
                    out += n.fecho != Fecho::Extract            ? ")"
                           : alvo == DialetoSql::Alvo::Postgres ? " AS date)) AS integer)"
                                                                : ") AS INTEGER)";
                } else if (k.simbolo('*') && alvo == DialetoSql::Alvo::Postgres &&
                           expandirAsterisco(i, pilha.size(), out)) {
                    // the fields were written
                } else {
                    out += k.texto;
                }
                break;
            case Tipo::Espaco:
            case Tipo::Comentario:
                break;
            }
            anteriorTk = k;
        }
        if (!pilha.empty())
            throw ErroBanco("Unbalanced parentheses in SQL");
        return out;
    }
};

// "Y BOOLEAN" of an ALTER TABLE ... ADD: the field and the check of its type.
QString colunaComVerificacao(const QString& declaracao, DialetoSql::Alvo alvo, DefCampo& c) {
    static const QRegularExpression re("^\\s*(\"(?:[^\"]|\"\")+\"|\\w+)\\s+(.+?)\\s*$",
                                       QRegularExpression::DotMatchesEverythingOption);
    const auto m = re.match(declaracao);
    if (!m.hasMatch() || m.captured(2).contains("CHECK", Qt::CaseInsensitive))
        return declaracao.trimmed();
    c.nome = m.captured(1);
    if (c.nome.startsWith('"'))
        c.nome = c.nome.mid(1, c.nome.size() - 2).replace("\"\"", "\"");
    c.tipo = TipoDeclarado(m.captured(2), &c.tamanho, &c.obrigatorio);
    return DeclaracaoColuna(c, alvo);
}

} // namespace

DialetoSql::Traducao DialetoSql::traduzir(const QString& sql,
                                          const std::function<Referencia(const QString&)>& tabela,
                                          Alvo alvo) {
    const std::vector<Token> t = tokenizar(sql);
    Tradutor tr(t);
    tr.alvo = alvo;
    tr.resolver = &tabela;
    Traducao r;

    // ALTER TABLE x ADD a t, ADD b t: one statement per column.
    const size_t a = tr.proximo(0);
    const size_t b = tr.proximo(a + 1);
    if (a < t.size() && t[a].eh("ALTER") && b < t.size() && t[b].eh("TABLE")) {
        const size_t nome = tr.proximo(b + 1);
        if (nome >= t.size())
            throw ErroBanco("Invalid ALTER TABLE");
        size_t fimNome = nome + 1;
        QString ref = t[nome].texto;
        const size_t p = tr.proximo(nome + 1);
        if (t[nome].tipo == Tipo::Ident && p + 1 < t.size() && t[p].simbolo('.') &&
            t[p + 1].eh("DB")) {
            ref += ".DB";
            fimNome = p + 2;
        }
        if (!tabela)
            throw ErroBanco("Table references are not allowed here: " + ref);
        const QString destino = tabela(ref).sql;
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
            size_t acao = tr.proximo(de);
            if (acao >= ate || !t[acao].eh("ADD"))
                throw ErroBanco("Only ALTER TABLE ... ADD is supported");
            size_t col = tr.proximo(acao + 1);
            if (col < ate && t[col].eh("COLUMN"))
                col = tr.proximo(col + 1);
            DefCampo campo;
            r.instrucoes << "ALTER TABLE " + destino + " ADD COLUMN " +
                                colunaComVerificacao(tr.traduzir(col, ate), alvo, campo);
            r.parametrosInstrucao << QStringList();
            if (alvo == Alvo::Postgres && !campo.nome.isEmpty()) {
                // The server keeps a field's declared type as its comment.
                r.instrucoes << "COMMENT ON COLUMN " + destino + '.' + CitarNome(campo.nome) +
                                    " IS '" + TipoDeclaradoDe(campo) + '\'';
                r.parametrosInstrucao << QStringList();
            }
        }
        return r;
    }

    tr.localizarTabelas(0, t.size());
    tr.resolverTabelas();
    // Statements separated by semicolons, each numbering its own parameters.
    size_t ini = 0;
    for (size_t i = 0; i <= t.size(); ++i) {
        if (i == t.size() || t[i].simbolo(';')) {
            tr.parametros.clear();
            const QString s = tr.traduzir(ini, i).trimmed();
            if (!s.isEmpty()) {
                r.instrucoes << s;
                r.parametrosInstrucao << tr.parametros;
            }
            for (const QString& p : tr.parametros)
                if (!r.parametros.contains(p))
                    r.parametros << p;
            ini = i + 1;
        }
    }
    return r;
}

QString DialetoSql::traduzirExpressao(const QString& expressao, const Referencia& campos,
                                      Alvo alvo) {
    const std::vector<Token> t = tokenizar(expressao);
    for (const Token& k : t)
        if (k.tipo == Tipo::Comentario || k.simbolo(';') || k.tipo == Tipo::Parametro)
            throw ErroBanco("Filtro inválido (comentários, ';' e parâmetros não são aceitos): " +
                            expressao);
    Tradutor tr(t);
    tr.alvo = alvo;
    for (const QString& d : campos.datas)
        tr.datasLivres.insert(d.toUpper());
    for (const QString& d : campos.textos)
        tr.textosLivres.insert(d.toUpper());
    for (const QString& c : campos.colunas)
        tr.nomesCampos.insert(c.toUpper(), c);
    try {
        return tr.traduzir(0, t.size()).trimmed();
    } catch (const ErroBanco& e) {
        throw ErroBanco("Filtro inválido (" + e.texto() + "): " + expressao);
    }
}
