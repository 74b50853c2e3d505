#include "datastore/Query.h"

#include "common/DateText.h"
#include "datastore/DbError.h"
#include "datastore/NamedParameters.h"
#include "datastore/Session.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {
QString key(const QString& name)
{
    return name.toLower();
}

QString engineMessage(const QSqlError& error)
{
    if (!error.databaseText().isEmpty())
        return error.databaseText();
    return error.text().trimmed().isEmpty() ? QStringLiteral("데이터베이스 오류입니다.") : error.text();
}
}

Query::Query(Session& session) : session_(session) {}

Query::Query(Session& session, const QString& sql) : session_(session)
{
    setSql(sql);
}

void Query::clear()
{
    close();
    lines_.clear();
    params_.clear();
}

Query& Query::add(const QString& line)
{
    close();
    lines_ << line;
    return *this;
}

void Query::setSql(const QString& sql)
{
    clear();
    add(sql);
}

QStringList Query::parameterNames() const
{
    QStringList unique;
    for (const QString& name : toPositional(sql()).names)
        if (!unique.contains(name, Qt::CaseInsensitive))
            unique << name;
    return unique;
}

Query& Query::setValue(const QString& name, const QVariant& value)
{
    params_.insert(key(name), value);
    return *this;
}

Query& Query::setText(const QString& name, const QString& value)
{
    return setValue(name, value);
}

Query& Query::setInt(const QString& name, qint64 value)
{
    return setValue(name, value);
}

Query& Query::setDouble(const QString& name, double value)
{
    return setValue(name, value);
}

Query& Query::setDate(const QString& name, const QDate& value)
{
    return value.isValid() ? setValue(name, DateText::fromDate(value)) : setNull(name);
}

Query& Query::setNull(const QString& name)
{
    return setValue(name, QVariant(QMetaType(QMetaType::QString)));
}

Query& Query::bind(const SqlCondition& condition)
{
    for (const auto& [name, value] : condition.params)
        setValue(name, value);
    return *this;
}

void Query::open()
{
    run(true);
}

int Query::exec()
{
    return run(false);
}

int Query::run(bool wantRows)
{
    close();
    if (sql().trimmed().isEmpty())
        throw DbError(QStringLiteral("실행할 SQL 문장이 없습니다."));
    const PositionalStatement statement = toPositional(sql());
    QSqlQuery query(session_.database());
    query.setForwardOnly(true);
    if (!query.prepare(statement.sql))
        throw DbError(engineMessage(query.lastError()));
    for (const QString& name : statement.names) {
        const auto found = params_.constFind(key(name));
        if (found == params_.constEnd())
            throw DbError(QStringLiteral("매개변수 :%1 의 값이 없습니다.").arg(name));
        query.addBindValue(*found);
    }
    if (!query.exec())
        throw DbError(engineMessage(query.lastError()));

    if (wantRows) {
        const QSqlRecord record = query.record();
        for (int i = 0; i < record.count(); ++i) {
            fields_ << record.fieldName(i);
            fieldIndex_.insert(key(record.fieldName(i)), i);
        }
        while (query.next()) {
            QVariantList row;
            row.reserve(record.count());
            for (int i = 0; i < record.count(); ++i)
                row << query.value(i);
            rows_ << row;
        }
        if (query.lastError().isValid())
            throw DbError(engineMessage(query.lastError()));
        open_ = true;
    }
    return query.numRowsAffected();
}

void Query::close()
{
    fields_.clear();
    fieldIndex_.clear();
    rows_.clear();
    current_ = 0;
    open_ = false;
}

bool Query::first()
{
    current_ = 0;
    return !eof();
}

bool Query::next()
{
    if (current_ < rows_.size())
        ++current_;
    return !eof();
}

int Query::fieldIndex(const QString& field) const
{
    const auto found = fieldIndex_.constFind(key(field));
    if (found == fieldIndex_.constEnd())
        throw DbError(QStringLiteral("필드 %1 을(를) 찾을 수 없습니다.").arg(field));
    return *found;
}

QVariant Query::value(int index) const
{
    if (eof() || index < 0 || index >= fields_.size())
        return {};
    return rows_[current_][index];
}

QVariant Query::value(const QString& field) const
{
    return value(fieldIndex(field));
}

QString Query::text(const QString& field) const
{
    return value(field).toString();
}

qint64 Query::integer(const QString& field) const
{
    return value(field).toLongLong();
}

double Query::number(const QString& field) const
{
    return value(field).toDouble();
}

bool Query::isNull(const QString& field) const
{
    return value(field).isNull();
}

QVariant Query::scalar()
{
    open();
    return isEmpty() ? QVariant() : value(0);
}
