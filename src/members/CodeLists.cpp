#include "members/CodeLists.h"

#include "datastore/Query.h"

namespace CodeLists {
namespace {
QList<Item> items(Query& query)
{
    query.open();
    QList<Item> list;
    for (bool more = query.first(); more; more = query.next())
        list << Item{query.value(0).toString(), query.value(1).toString()};
    return list;
}

QList<Item> items(Session& session, const QString& sql)
{
    Query query(session, sql);
    return items(query);
}
}

QList<Item> divisions(Session& session)
{
    return items(session, QStringLiteral("SELECT 부별코드, 부명 FROM T_부별코드 ORDER BY 부별코드"));
}

QList<Item> grades(Session& session)
{
    return items(session, QStringLiteral("SELECT 급품코드, 급품명 FROM T_급품코드 ORDER BY 급품코드"));
}

QList<Item> areas(Session& session)
{
    return items(session, QStringLiteral("SELECT 지역코드, 지역명 FROM T_지역코드 ORDER BY 지역명"));
}

QList<Item> motives(Session& session)
{
    return items(session, QStringLiteral("SELECT 사유코드, 사유명 FROM T_입관동기 ORDER BY 사유코드"));
}

QList<Item> courses(Session& session)
{
    return items(session, QStringLiteral("SELECT 코스코드, 코스이름 FROM T_코스코드 ORDER BY 코스이름"));
}

QList<Item> places(Session& session, const QString& courseCode)
{
    Query query(session, QStringLiteral(" SELECT 장소코드, 장소 FROM  T_장소코드 \n WHERE    코스코드 =:코스코드  \n ORDER BY 장소코드"));
    query.setText(QStringLiteral("코스코드"), courseCode);
    return items(query);
}

QList<Item> schoolYears(Session& session)
{
    return items(session, QStringLiteral("SELECT 학년코드, 학년 FROM T_학년코드 ORDER BY 학년코드"));
}

QStringList postalEntries(Session& session)
{
    Query query(session, QStringLiteral("SELECT 우편번호 || ')  ' || 동 FROM T_우편번호 ORDER BY 우편번호, 동"));
    query.open();
    QStringList list;
    list.reserve(query.recordCount());
    for (bool more = query.first(); more; more = query.next())
        list << query.value(0).toString();
    return list;
}

qint64 divisionFee(Session& session, const QString& divisionCode)
{
    Query query(session, QStringLiteral("SELECT 수련비 FROM T_부별코드 WHERE 부별코드 = :부별코드"));
    query.setText(QStringLiteral("부별코드"), divisionCode);
    return query.scalar().toLongLong();
}

QString firstTime(Session& session, const QString& courseCode, const QString& placeCode)
{
    Query query(session);
    query.add(QStringLiteral(" SELECT * FROM  T_시간코드 "));
    query.add(QStringLiteral(" WHERE    코스코드 =:코스코드  "));
    query.add(QStringLiteral(" AND      장소코드 =:장소코드  "));
    query.add(QStringLiteral(" ORDER BY 시간"));
    query.setText(QStringLiteral("코스코드"), courseCode).setText(QStringLiteral("장소코드"), placeCode);
    query.open();
    return query.first() ? query.text(QStringLiteral("시간")) : QString();
}

}
