#include "datastore/Session.h"

#include "datastore/DbError.h"
#include "datastore/Query.h"
#include "datastore/SchemaUpgrade.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

namespace {
QString engineMessage(const QSqlError& error)
{
    return error.databaseText().isEmpty() ? error.text() : error.databaseText();
}
}

Session::Session(const QString& filePath, const QString& connectionName)
    : filePath_(filePath), connectionName_(connectionName)
{
}

Session::~Session()
{
    close();
}

void Session::open()
{
    if (isOpen())
        return;
    QDir().mkpath(QFileInfo(filePath_).absolutePath());
    {
        QSqlDatabase db = QSqlDatabase::contains(connectionName_)
                              ? QSqlDatabase::database(connectionName_, false)
                              : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName_);
        db.setDatabaseName(filePath_);
        if (!db.open())
            throw DbError(engineMessage(db.lastError()));
    }
    applyDurabilitySettings();
    SchemaUpgrade::run(*this);
}

// A rollback journal with full syncs: a save that returned is on the disk
// even after a power cut, and the data file alone is always complete, so a
// plain file copy (the backup) never misses committed rows.
void Session::applyDurabilitySettings()
{
    Query pragma(*this);
    for (const char* statement : {"PRAGMA journal_mode = DELETE", "PRAGMA synchronous = FULL",
                                  "PRAGMA foreign_keys = OFF", "PRAGMA busy_timeout = 5000"}) {
        pragma.setSql(QString::fromLatin1(statement));
        pragma.open();
    }
}

void Session::close()
{
    if (!QSqlDatabase::contains(connectionName_))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(connectionName_, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(connectionName_);
    depth_ = 0;
    doomed_ = false;
}

bool Session::isOpen() const
{
    return QSqlDatabase::contains(connectionName_) && QSqlDatabase::database(connectionName_, false).isOpen();
}

QSqlDatabase Session::database() const
{
    if (!isOpen())
        throw DbError(QStringLiteral("데이터베이스가 열려 있지 않습니다."));
    return QSqlDatabase::database(connectionName_, false);
}

void Session::beginTransaction()
{
    if (depth_ == 0) {
        QSqlDatabase db = database();
        if (!db.transaction())
            throw DbError(engineMessage(db.lastError()));
        doomed_ = false;
    }
    ++depth_;
}

void Session::commitTransaction()
{
    if (depth_ == 0)
        return;
    if (depth_ > 1) {
        --depth_;
        return;
    }
    if (doomed_) {
        rollbackTransaction();
        throw DbError(QStringLiteral("저장이 취소되었습니다."));
    }
    QSqlDatabase db = database();
    if (!db.commit()) {
        const QString message = engineMessage(db.lastError());
        rollbackTransaction();
        throw DbError(message);
    }
    depth_ = 0;
}

void Session::rollbackTransaction()
{
    if (depth_ == 0)
        return;
    if (depth_ > 1) {
        --depth_;
        doomed_ = true;
        return;
    }
    depth_ = 0;
    doomed_ = false;
    if (isOpen())
        database().rollback();
}

Transaction::Transaction(Session& session) : session_(session)
{
    session_.beginTransaction();
}

Transaction::~Transaction()
{
    if (!finished_)
        session_.rollbackTransaction();
}

void Transaction::commit()
{
    finished_ = true;
    session_.commitTransaction();
}
