#pragma once
#include <QSqlDatabase>
#include <QString>

// The one database session, `dbMain`, on the SQLite data file. Every query
// object names it. Transactions nest by joining the outermost one: only the
// outermost commit writes, and any inner rollback dooms the whole save.
class Session {
public:
    explicit Session(const QString& filePath, const QString& connectionName = QStringLiteral("dbMain"));
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Opens (creating the file and its folder when absent) and brings the
    // schema up to date. Throws DbError with the engine's message.
    void open();
    void close();
    bool isOpen() const;
    const QString& filePath() const { return filePath_; }
    QSqlDatabase database() const;

    void beginTransaction();
    void commitTransaction();
    void rollbackTransaction();
    bool inTransaction() const { return depth_ > 0; }

private:
    void applyDurabilitySettings();

    QString filePath_;
    QString connectionName_;
    int depth_ = 0;
    bool doomed_ = false;
};

// Runs the statements of one save together. Without commit() the destructor
// rolls back, so an exception anywhere in the save leaves nothing behind.
class Transaction {
public:
    explicit Transaction(Session& session);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit();

private:
    Session& session_;
    bool finished_ = false;
};
