#pragma once
#include <QString>
#include <QStringList>

class Session;

// Statements kept as files in the program (table definitions, delivered
// rows): each statement ends with ";" at the end of a line, and lines
// starting with "--" are comments.
namespace SqlScript {
QStringList statements(const QString& scriptText);
void runResource(Session& session, const QString& resourcePath);
}
