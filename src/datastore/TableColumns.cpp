#include "datastore/TableColumns.h"

#include "datastore/Query.h"
#include "datastore/Session.h"

namespace TableColumns {
namespace {
QStringList topLevelParts(const QString& list)
{
    QStringList parts;
    int depth = 0;
    QString current;
    for (const QChar c : list) {
        if (c == QLatin1Char('('))
            ++depth;
        else if (c == QLatin1Char(')'))
            --depth;
        if (c == QLatin1Char(',') && depth == 0) {
            parts << current.simplified();
            current.clear();
        } else {
            current += c;
        }
    }
    parts << current.simplified();
    return parts;
}

// A column added to a table that has rows can be neither a key nor NOT NULL
// without a default.
QString addableDefinition(QString definition)
{
    definition.remove(QStringLiteral(" PRIMARY KEY"), Qt::CaseInsensitive);
    if (!definition.contains(QStringLiteral("DEFAULT"), Qt::CaseInsensitive))
        definition.remove(QStringLiteral(" NOT NULL"), Qt::CaseInsensitive);
    return definition;
}
}

bool tableExists(Session& session, const QString& table)
{
    Query query(session, QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND lower(name) = lower(:name)"));
    query.setText(QStringLiteral("name"), table);
    query.open();
    return !query.isEmpty();
}

QStringList columns(Session& session, const QString& table)
{
    Query query(session, QStringLiteral("SELECT name FROM pragma_table_info(:table)"));
    query.setText(QStringLiteral("table"), table);
    query.open();
    QStringList names;
    for (bool row = query.first(); row; row = query.next())
        names << query.value(0).toString();
    return names;
}

void addMissing(Session& session, const QString& table, const QStringList& definitions)
{
    const QStringList present = columns(session, table);
    Query alter(session);
    for (const QString& definition : definitions) {
        const QString name = definition.section(QLatin1Char(' '), 0, 0);
        if (present.contains(name, Qt::CaseInsensitive))
            continue;
        // Names come from the program's own table definitions, never from a user.
        alter.setSql(QStringLiteral("ALTER TABLE %1 ADD COLUMN %2").arg(table, definition));
        alter.exec();
    }
}

}

namespace TableColumns {

void ensure(Session& session, const QString& createStatement)
{
    Query(session, createStatement).exec();
    const QString head = createStatement.left(createStatement.indexOf(QLatin1Char('('))).simplified();
    const QString table = head.section(QLatin1Char(' '), -1);
    const qsizetype open = createStatement.indexOf(QLatin1Char('('));
    const qsizetype close = createStatement.lastIndexOf(QLatin1Char(')'));
    QStringList definitions;
    for (const QString& part : topLevelParts(createStatement.mid(open + 1, close - open - 1))) {
        const QString first = part.section(QLatin1Char(' '), 0, 0).toUpper();
        if (first == QLatin1String("PRIMARY") || first == QLatin1String("UNIQUE") || first == QLatin1String("CONSTRAINT")
            || first == QLatin1String("FOREIGN") || first == QLatin1String("CHECK"))
            continue;
        definitions << addableDefinition(part);
    }
    addMissing(session, table, definitions);
}

}
