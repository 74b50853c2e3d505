#include "support/TestData.h"

#include "common/ProgramFolder.h"
#include "datastore/Query.h"

TestData::TestData()
{
    ProgramFolder::setPath(dir_.path());
    ProgramFolder::ensureFolders();
    session_ = std::make_unique<Session>(ProgramFolder::dataFile());
    session_->open();
}

TestData::~TestData()
{
    session_.reset();
    ProgramFolder::setPath(QString());
}

void TestData::exec(const QString& sql)
{
    Query(*session_, sql).exec();
}

QVariant TestData::scalar(const QString& sql)
{
    return Query(*session_, sql).scalar();
}

int TestData::count(const QString& table)
{
    return scalar(QStringLiteral("SELECT COUNT(*) FROM ") + table).toInt();
}

QStringList TestData::column(const QString& sql)
{
    Query query(*session_, sql);
    query.open();
    QStringList values;
    for (bool more = query.first(); more; more = query.next())
        values << query.value(0).toString();
    return values;
}
