#pragma once
#include <QString>
#include <QStringList>

class Session;

// Column-level schema upkeep: a data file written by an older program gets
// the columns it lacks; its rows stay as they are.
namespace TableColumns {
bool tableExists(Session& session, const QString& table);
QStringList columns(Session& session, const QString& table);
// `definitions` are "name TYPE ..." as in CREATE TABLE; missing ones are added.
void addMissing(Session& session, const QString& table, const QStringList& definitions);
// Creates the table of a "CREATE TABLE IF NOT EXISTS" statement, or adds the
// columns an existing table of that name lacks.
void ensure(Session& session, const QString& createStatement);
}
