#include "datastore/CachedTable.h"

#include "datastore/DbError.h"
#include "datastore/Query.h"
#include "datastore/Session.h"

namespace {
const QString kOldPrefix = QStringLiteral("OLD_");
}

CachedTable::CachedTable(Session& session, Statements statements)
    : session_(session), statements_(std::move(statements))
{
}

void CachedTable::load(Query& select)
{
    select.open();
    columns_ = select.fieldNames();
    rows_.clear();
    removed_.clear();
    for (bool more = select.first(); more; more = select.next()) {
        Row row;
        for (int i = 0; i < columns_.size(); ++i)
            row.original << select.value(i);
        row.current = row.original;
        rows_ << row;
    }
    loaded_ = rows_;
}

int CachedTable::columnIndex(const QString& column) const
{
    for (int i = 0; i < columns_.size(); ++i)
        if (columns_[i].compare(column, Qt::CaseInsensitive) == 0)
            return i;
    throw DbError(QStringLiteral("필드 %1 을(를) 찾을 수 없습니다.").arg(column));
}

QVariant CachedTable::value(int row, const QString& column) const
{
    return rows_[row].current[columnIndex(column)];
}

void CachedTable::setValue(int row, const QString& column, const QVariant& value)
{
    Row& target = rows_[row];
    target.current[columnIndex(column)] = value;
    if (target.state == RowState::Unchanged && target.current != target.original)
        target.state = RowState::Modified;
}

int CachedTable::appendRow()
{
    Row row;
    for (int i = 0; i < columns_.size(); ++i)
        row.original << QVariant();
    row.current = row.original;
    row.state = RowState::Inserted;
    rows_ << row;
    return int(rows_.size()) - 1;
}

void CachedTable::removeRow(int row)
{
    const Row removed = rows_.takeAt(row);
    if (removed.state != RowState::Inserted)
        removed_ << removed;
}

bool CachedTable::hasChanges() const
{
    if (!removed_.isEmpty())
        return true;
    for (const Row& row : rows_)
        if (row.state != RowState::Unchanged)
            return true;
    return false;
}

int CachedTable::run(const QString& statement, const Row& row)
{
    Query query(session_, statement);
    for (const QString& name : query.parameterNames()) {
        const bool old = name.startsWith(kOldPrefix, Qt::CaseInsensitive);
        const int index = columnIndex(old ? name.mid(kOldPrefix.size()) : name);
        query.setValue(name, old ? row.original[index] : row.current[index]);
    }
    return query.exec();
}

// A row that is no longer there as it was loaded (changed or deleted
// elsewhere) must not pass for saved.
void CachedTable::runOnLoadedRow(const QString& statement, const Row& row)
{
    if (run(statement, row) != 1)
        throw DbError(QStringLiteral("다른 곳에서 바뀌었거나 지워진 자료입니다. 다시 조회하세요."));
}

void CachedTable::apply()
{
    Transaction transaction(session_);
    for (const Row& row : removed_)
        runOnLoadedRow(statements_.remove, row);
    for (const Row& row : rows_) {
        if (row.state == RowState::Modified)
            runOnLoadedRow(statements_.update, row);
        else if (row.state == RowState::Inserted)
            run(statements_.insert, row);
    }
    transaction.commit();

    removed_.clear();
    for (Row& row : rows_) {
        row.original = row.current;
        row.state = RowState::Unchanged;
    }
    loaded_ = rows_;
}

void CachedTable::cancel()
{
    rows_ = loaded_;
    removed_.clear();
}
