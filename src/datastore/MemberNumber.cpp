#include "datastore/MemberNumber.h"

#include "common/DateText.h"
#include "datastore/DbError.h"
#include "datastore/Query.h"

namespace MemberNumber {
namespace {
bool hasPayments(Session& session, const QString& number)
{
    Query query(session, QStringLiteral("SELECT COUNT(*) FROM T_수련비납부 WHERE 회원번호 = :회원번호"));
    query.setText(QStringLiteral("회원번호"), number);
    return query.scalar().toInt() > 0;
}
}

QString next(Session& session, const QDate& today)
{
    const QString day = DateText::fromDate(today);
    const QString prefix = day.mid(0, 4) + day.mid(5, 2);

    Query highest(session, QStringLiteral("SELECT Max(회원번호) FROM T_회원 WHERE 회원번호 like :month_num"));
    highest.setText(QStringLiteral("month_num"), prefix + QLatin1Char('%'));
    const QString top = highest.scalar().toString();

    QString number;
    if (top.isEmpty()) {
        number = prefix + QStringLiteral("001");
    } else {
        const int serial = top.mid(6, 3).toInt() + 1;
        if (serial > 999)
            throw DbError(QStringLiteral("이번 달의 회원번호(999번)를 모두 사용했습니다."));
        number = top.left(6) + QStringLiteral("%1").arg(serial, 3, 10, QLatin1Char('0'));
    }
    if (hasPayments(session, number))
        number = QString::number(number.toLongLong() + 1);
    return number;
}

}
