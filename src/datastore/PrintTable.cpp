#include "datastore/PrintTable.h"

#include "datastore/Query.h"
#include "datastore/TableColumns.h"

namespace PrintTable {
namespace {
void appendFamily(QStringList& names, const QString& prefix, int count, int width)
{
    for (int i = 1; i <= count; ++i)
        names << prefix + QStringLiteral("%1").arg(i, width, 10, QLatin1Char('0'));
}

QStringList textColumns()
{
    QStringList names{QStringLiteral("회원번호"), QStringLiteral("회원명"), QStringLiteral("발부일자"),
                      QStringLiteral("입관일자"), QStringLiteral("관장명"), QStringLiteral("당월"),
                      QStringLiteral("결석일"), QStringLiteral("미납년도"), QStringLiteral("미납월분라벨"),
                      QStringLiteral("전년도분"), QStringLiteral("mm"), QStringLiteral("dd"),
                      QStringLiteral("association")};
    appendFamily(names, QStringLiteral("구분"), 12, 1);
    appendFamily(names, QStringLiteral("가정통신"), 16, 1);
    appendFamily(names, QStringLiteral("f"), 40, 2);
    // Every lettered family runs to 13 so that the longest printout (the
    // yearly one, thirteen columns a row) fits in any of them.
    for (const char* family : {"A", "B", "C", "D", "E", "G", "H", "I", "J", "K", "L", "M", "N"})
        appendFamily(names, QString::fromLatin1(family), 13, 2);
    return names;
}

QStringList definitions()
{
    QStringList defs{QStringLiteral("seqno INTEGER")};
    for (const QString& name : textColumns())
        defs << name + QStringLiteral(" TEXT");
    return defs;
}
}

QStringList columnNames()
{
    return QStringList{QStringLiteral("seqno")} + textColumns();
}

QString createStatement()
{
    return QStringLiteral("CREATE TABLE IF NOT EXISTS Print (") + definitions().join(QStringLiteral(", "))
           + QLatin1Char(')');
}

void ensure(Session& session)
{
    TableColumns::ensure(session, createStatement());
}

void clear(Session& session)
{
    Query(session, QStringLiteral("DELETE FROM print")).exec();
}

void addEndRow(Session& session)
{
    Query(session, QStringLiteral("INSERT INTO print (seqno,G01) VALUES (100000,'999') ")).exec();
}

}
