#include "datastore/NamedParameters.h"

namespace {
bool isNameChar(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}

// Index just past the quoted text or comment starting at `i`, or `i` itself.
qsizetype skipLiteral(const QString& sql, qsizetype i)
{
    const QChar c = sql[i];
    if (c == QLatin1Char('\'') || c == QLatin1Char('"') || c == QLatin1Char('[')) {
        const QChar close = c == QLatin1Char('[') ? QLatin1Char(']') : c;
        qsizetype j = i + 1;
        while (j < sql.size()) {
            if (sql[j] == close) {
                if (close != QLatin1Char(']') && j + 1 < sql.size() && sql[j + 1] == close) {
                    j += 2;
                    continue;
                }
                return j + 1;
            }
            ++j;
        }
        return sql.size();
    }
    if (c == QLatin1Char('-') && i + 1 < sql.size() && sql[i + 1] == QLatin1Char('-')) {
        const qsizetype end = sql.indexOf(QLatin1Char('\n'), i);
        return end < 0 ? sql.size() : end;
    }
    return i;
}
}

PositionalStatement toPositional(const QString& sql)
{
    PositionalStatement out;
    out.sql.reserve(sql.size());
    qsizetype i = 0;
    while (i < sql.size()) {
        const qsizetype past = skipLiteral(sql, i);
        if (past != i) {
            out.sql += sql.mid(i, past - i);
            i = past;
            continue;
        }
        const bool placeholder = sql[i] == QLatin1Char(':') && i + 1 < sql.size() && isNameChar(sql[i + 1])
                                 && (i == 0 || sql[i - 1] != QLatin1Char(':'));
        if (!placeholder) {
            out.sql += sql[i++];
            continue;
        }
        qsizetype end = i + 1;
        while (end < sql.size() && isNameChar(sql[end]))
            ++end;
        out.names << sql.mid(i + 1, end - i - 1);
        out.sql += QLatin1Char('?');
        i = end;
    }
    return out;
}
