#pragma once
#include <QString>
#include <QStringList>

// Turns ":name" placeholders (any letters, Hangul included, digits and "_")
// into positional "?" and lists the names in order of appearance. Text in
// quotes and comments is left alone, so '14:30' stays a literal.
struct PositionalStatement {
    QString sql;
    QStringList names;   // one entry per "?", repeats included
};

PositionalStatement toPositional(const QString& sql);
