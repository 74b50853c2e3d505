#include "fees/DocumentCounter.h"

#include "common/NumberFormat.h"
#include "datastore/Query.h"
#include "datastore/Session.h"

namespace DocumentCounter {

QString take(Session& session, Kind kind, const QDate& today)
{
    // The table name is one of the program's two constants.
    const QString table = kind == Kind::Receipt ? QStringLiteral("T_영수증발급번호") : QStringLiteral("T_통지서발급번호");
    const QString year = today.toString(QStringLiteral("yyyy"));
    const QString month = today.toString(QStringLiteral("MM"));

    Transaction transaction(session);
    Query read(session, QStringLiteral("SELECT 일련번호 FROM %1 WHERE 발부년도 = :발부년도 AND 발부월 = :발부월").arg(table));
    read.setText(QStringLiteral("발부년도"), year).setText(QStringLiteral("발부월"), month);
    const QVariant current = read.scalar();
    if (!current.isValid()) {
        Query create(session, QStringLiteral("INSERT INTO %1 (발부년도, 발부월, 일련번호) VALUES (:발부년도, :발부월, '0000')").arg(table));
        create.setText(QStringLiteral("발부년도"), year).setText(QStringLiteral("발부월"), month);
        create.exec();
    }
    const QString number = NumberFormat::format(double(current.toString().toInt() + 1), QStringLiteral("0000"));
    Query write(session, QStringLiteral("UPDATE %1 SET 일련번호 = :일련번호 WHERE 발부년도 = :발부년도 AND 발부월 = :발부월").arg(table));
    write.setText(QStringLiteral("일련번호"), number).setText(QStringLiteral("발부년도"), year).setText(QStringLiteral("발부월"), month);
    write.exec();
    transaction.commit();
    return month + QLatin1Char('-') + number;
}

}
