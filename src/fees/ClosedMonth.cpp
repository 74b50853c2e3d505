#include "fees/ClosedMonth.h"

#include "common/MonthKey.h"
#include "datastore/Query.h"

namespace ClosedMonth {

QString latest(Session& session)
{
    Query query(session);
    query.add(QStringLiteral(" SELECT MAX(마감연월) "));
    query.add(QStringLiteral(" FROM   T_금전출납마감 "));
    query.add(QStringLiteral(" WHERE  마감여부 ='1'"));
    return query.scalar().toString();
}

QString latestAfterCancellation(Session& session)
{
    const QString month = latest(session);
    return month.isEmpty() ? QStringLiteral("000000") : month;
}

bool isClosed(const QString& month, const QString& lastClosed)
{
    if (lastClosed.isEmpty() || lastClosed == QLatin1String("000000"))
        return false;
    return month <= lastClosed;
}

namespace {
bool closed(const QDate& day, const QString& lastClosed)
{
    return day.isValid() && isClosed(MonthKey::fromDate(day), lastClosed);
}
}

QString paymentRefusal(const QDate& paidOn, const QString& lastClosed)
{
    if (!closed(paidOn, lastClosed))
        return {};
    return QStringLiteral("납부일자는 마감월 이후 이어야 합니다.\r") + lastClosed.left(4) + QLatin1Char('-')
           + lastClosed.right(2) + QStringLiteral(" 월 이후로 입력하세요.");
}

QString deletionRefusal(const QDate& paidOn, const QString& lastClosed)
{
    if (!closed(paidOn, lastClosed))
        return {};
    return QStringLiteral("마감된 자료는 삭제 할 수 없습니다.\r\r마감취소후 작업하세요.");
}

QString enrolmentRefusal(const QDate& joined, const QString& lastClosed)
{
    if (!closed(joined, lastClosed))
        return {};
    return QStringLiteral("입관월 ") + joined.toString(QStringLiteral("yyyy-MM")) + QStringLiteral("은 이미 마감처리된 월입니다.")
           + QStringLiteral("\r\r") + QStringLiteral("마감취소후 입관원서등록을 하세요.");
}

}
