#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

class Query;
class Session;

// The working copy behind an editing grid: rows are read once, edited in
// memory, and written only by apply(), which runs the delete, update and
// insert statements in one transaction. Statements name the current values
// by column (":관계") and the values as loaded by ":OLD_" + column, so a
// changed key still finds its row. cancel() returns to the rows as loaded.
// A failed apply leaves the database untouched and the edits in the cache;
// an update or delete that finds no row as loaded fails the apply.
class CachedTable {
public:
    struct Statements {
        QString insert;
        QString update;
        QString remove;
    };
    enum class RowState { Unchanged, Modified, Inserted };

    CachedTable(Session& session, Statements statements);

    void load(Query& select);                 // opens the query and copies its rows
    const QStringList& columns() const { return columns_; }
    int rowCount() const { return int(rows_.size()); }
    QVariant value(int row, const QString& column) const;
    void setValue(int row, const QString& column, const QVariant& value);
    int appendRow();                           // an empty row, inserted on apply
    void removeRow(int row);                   // deleted on apply (unless it was new)
    RowState state(int row) const { return rows_[row].state; }
    bool hasChanges() const;

    void apply();
    void cancel();

private:
    struct Row {
        QVariantList original;
        QVariantList current;
        RowState state = RowState::Unchanged;
    };
    int columnIndex(const QString& column) const;
    int run(const QString& statement, const Row& row);
    void runOnLoadedRow(const QString& statement, const Row& row);

    Session& session_;
    Statements statements_;
    QStringList columns_;
    QList<Row> rows_;
    QList<Row> removed_;
    QList<Row> loaded_;
};
