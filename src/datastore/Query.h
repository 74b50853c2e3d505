#pragma once
#include "common/SqlCondition.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

class Session;

// A query object on the session: SQL text set line by line, named
// parameters with Korean names (":회원번호") bound by our own parser because
// the driver accepts only Latin names, and the rows of a SELECT read into
// memory so that the record count and first/next behave like a grid's cursor.
// Every failure throws DbError with the engine's message.
class Query {
public:
    explicit Query(Session& session);
    Query(Session& session, const QString& sql);

    void clear();                                  // empties text, parameters and rows
    Query& add(const QString& line);               // one more line of the statement
    void setSql(const QString& sql);               // clear() + add()
    QString sql() const { return lines_.join(QLatin1Char('\n')); }
    QStringList parameterNames() const;            // in order of first use, without ':'

    Query& setText(const QString& name, const QString& value);
    Query& setInt(const QString& name, qint64 value);
    Query& setDouble(const QString& name, double value);
    Query& setDate(const QString& name, const QDate& value);   // as "YYYY-MM-DD"; invalid -> NULL
    Query& setNull(const QString& name);
    Query& setValue(const QString& name, const QVariant& value);
    Query& bind(const SqlCondition& condition);

    void open();                                    // runs a statement that returns rows
    int exec();                                     // runs a changing statement; rows affected
    void close();

    bool isOpen() const { return open_; }
    int recordCount() const { return int(rows_.size()); }
    bool isEmpty() const { return rows_.isEmpty(); }
    bool first();
    bool next();
    bool eof() const { return current_ >= rows_.size(); }
    int fieldCount() const { return int(fields_.size()); }
    const QStringList& fieldNames() const { return fields_; }

    QVariant value(const QString& field) const;     // of the current row; names ignore case
    QVariant value(int index) const;
    QString text(const QString& field) const;       // NULL -> ""
    qint64 integer(const QString& field) const;     // NULL -> 0
    double number(const QString& field) const;      // NULL -> 0
    bool isNull(const QString& field) const;

    // First column of the first row, or an invalid variant without rows.
    QVariant scalar();

private:
    int run(bool wantRows);
    int fieldIndex(const QString& field) const;

    Session& session_;
    QStringList lines_;
    QHash<QString, QVariant> params_;
    QStringList fields_;
    QHash<QString, int> fieldIndex_;
    QList<QVariantList> rows_;
    qsizetype current_ = 0;
    bool open_ = false;
};
