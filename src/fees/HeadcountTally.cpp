#include "fees/HeadcountTally.h"

#include "common/MonthKey.h"
#include "datastore/DbError.h"
#include "datastore/Query.h"
#include "datastore/Session.h"

namespace HeadcountTally {
namespace {

QString prefix(Kind kind)
{
    switch (kind) {
    case Kind::Joining:
        return QStringLiteral("입관");
    case Kind::Return:
        return QStringLiteral("복관");
    case Kind::Rest:
        return QStringLiteral("휴관");
    case Kind::Leaving:
        return QStringLiteral("퇴관");
    }
    return {};
}

bool yearExists(Session& session, int year)
{
    Query query(session, QStringLiteral("select count(년도) As cnt from T_인원현황 where 년도 = :년도"));
    query.setInt(QStringLiteral("년도"), year);
    return query.scalar().toInt() > 0;
}

// Column names below come from `column()`, never from typed text.
void write(Session& session, const QString& name, int year, const QString& newValueSql, qint64 value)
{
    Query query(session);
    if (yearExists(session, year))
        query.setSql(QStringLiteral("Update T_인원현황 Set %1 = %2 where 년도 = :년도").arg(name, newValueSql));
    else
        query.setSql(QStringLiteral("Insert Into T_인원현황 (년도, %1) Values (:년도, :n)").arg(name));
    query.setInt(QStringLiteral("년도"), year);
    query.setInt(QStringLiteral("n"), value);
    query.exec();
}

}

QString column(Kind kind, int month)
{
    return prefix(kind) + QStringLiteral("%1").arg(month, 2, 10, QLatin1Char('0'));
}

void addOne(Session& session, Kind kind, const QDate& eventDate)
{
    const QString name = column(kind, eventDate.month());
    write(session, name, eventDate.year(), QStringLiteral("COALESCE(%1, 0) + 1").arg(name), 1);
}

void recount(Session& session, Kind kind, int year, int month)
{
    if (kind != Kind::Rest && kind != Kind::Leaving)
        throw DbError(QStringLiteral("입관과 복관은 다시 셀 기록이 없습니다."));
    const bool rest = kind == Kind::Rest;
    const QString key = MonthKey::fromDate(QDate(year, month, 1));
    Query logged(session, QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2 BETWEEN :from AND :to")
                              .arg(rest ? QStringLiteral("T_휴관사유별현황") : QStringLiteral("T_퇴관사유별현황"),
                                   rest ? QStringLiteral("휴관일") : QStringLiteral("퇴관일")));
    logged.setText(QStringLiteral("from"), MonthKey::firstDayText(key)).setText(QStringLiteral("to"), MonthKey::lastDayText(key));
    const int n = logged.scalar().toInt();
    write(session, column(kind, month), year, QStringLiteral(":n"), n);
}

int count(Session& session, Kind kind, int year, int month)
{
    Query query(session, QStringLiteral("SELECT COALESCE(%1, 0) FROM T_인원현황 WHERE 년도 = :년도").arg(column(kind, month)));
    query.setInt(QStringLiteral("년도"), year);
    return query.scalar().toInt();
}

}
