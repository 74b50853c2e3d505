#pragma once
#include "datastore/Session.h"

#include <QStringList>
#include <QTemporaryDir>

#include <memory>
#include <ostream>

// Readable Korean in assertion messages.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

// A fresh program folder with its own data file, made the way the program
// makes it on first start.
class TestData {
public:
    TestData();
    ~TestData();
    Session& session() { return *session_; }
    QString folder() const { return dir_.path(); }
    // Runs statements of the test's own fixture.
    void exec(const QString& sql);
    QVariant scalar(const QString& sql);
    int count(const QString& table);
    QStringList column(const QString& sql);   // the first column of every row

private:
    QTemporaryDir dir_;
    std::unique_ptr<Session> session_;
};
