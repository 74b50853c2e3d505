#include "datastore/TempTable.h"

#include "datastore/Query.h"

#include <QRegularExpression>

namespace TempTable {

QString sqliteLayout(const QString& layout)
{
    QString out = layout;
    static const QRegularExpression string(QStringLiteral("\\bString\\s*\\((\\d+)\\)"),
                                           QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression date(QStringLiteral("\\bDate\\b"), QRegularExpression::CaseInsensitiveOption);
    out.replace(string, QStringLiteral("VARCHAR(\\1)"));
    out.replace(date, QStringLiteral("CHAR(10)"));
    return out;
}

void create(Session& session, const QString& layout, bool replaceExisting)
{
    if (replaceExisting)
        drop(session);
    Query(session, QStringLiteral("Create Table T_Temp ") + sqliteLayout(layout)).exec();
}

void drop(Session& session)
{
    Query(session, QStringLiteral("DROP TABLE IF EXISTS T_Temp")).exec();
}

}
