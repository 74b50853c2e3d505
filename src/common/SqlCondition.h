#pragma once
#include <QList>
#include <QPair>
#include <QString>
#include <QVariant>

// A piece of a WHERE clause with its bound values, so that selectors and
// search boxes never splice text into statements. `sql` is empty when the
// choice puts no condition on the rows.
struct SqlCondition {
    QString sql;
    QList<QPair<QString, QVariant>> params;   // names without the leading ':'

    bool isEmpty() const { return sql.isEmpty(); }
    QString andClause() const { return isEmpty() ? QString() : QStringLiteral(" AND ") + sql + QLatin1Char(' '); }
};

namespace SqlText {
// Escapes LIKE's wildcards in a typed text; use with "ESCAPE '\'".
QString escapeLike(const QString& text);
QString likePrefix(const QString& text);     // escaped text followed by "%"
QString likeContains(const QString& text);   // "%" + escaped text + "%"
inline const char* const kLikeEscape = " ESCAPE '\\'";
}
