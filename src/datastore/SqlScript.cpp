#include "datastore/SqlScript.h"

#include "datastore/DbError.h"
#include "datastore/Query.h"
#include "datastore/TableColumns.h"

#include <QFile>

namespace SqlScript {

QStringList statements(const QString& scriptText)
{
    QStringList result;
    QString current;
    for (const QString& line : scriptText.split(QLatin1Char('\n'))) {
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(QStringLiteral("--")))
            continue;
        current += line + QLatin1Char('\n');
        if (trimmed.endsWith(QLatin1Char(';'))) {
            result << current.trimmed().chopped(1);
            current.clear();
        }
    }
    if (!current.trimmed().isEmpty())
        result << current.trimmed();
    return result;
}

void runResource(Session& session, const QString& resourcePath)
{
    QFile file(resourcePath);
    if (!file.open(QIODevice::ReadOnly))
        throw DbError(QStringLiteral("%1 을(를) 읽을 수 없습니다.").arg(resourcePath));
    Query query(session);
    for (const QString& statement : statements(QString::fromUtf8(file.readAll()))) {
        if (statement.startsWith(QStringLiteral("CREATE TABLE"), Qt::CaseInsensitive)) {
            TableColumns::ensure(session, statement);
            continue;
        }
        query.setSql(statement);
        query.exec();
    }
}

}
