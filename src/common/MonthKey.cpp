#include "common/MonthKey.h"

#include "common/DateText.h"

namespace MonthKey {
namespace {
QDate firstDay(const QString& key)
{
    return isValid(key) ? QDate(key.left(4).toInt(), key.mid(4, 2).toInt(), 1) : QDate();
}
}

QString fromDate(const QDate& date)
{
    return date.isValid() ? date.toString(QStringLiteral("yyyyMM")) : QString();
}

bool isValid(const QString& key)
{
    if (key.size() != 6)
        return false;
    for (const QChar c : key)
        if (!c.isDigit() || c.unicode() > 127)
            return false;
    const int month = key.mid(4, 2).toInt();
    return month >= 1 && month <= 12;
}

QString add(const QString& key, int months)
{
    return fromDate(firstDay(key).addMonths(months));
}

QString next(const QString& key)
{
    return add(key, 1);
}

QString previous(const QString& key)
{
    return add(key, -1);
}

QString firstDayText(const QString& key)
{
    return DateText::fromDate(firstDay(key));
}

QString lastDayText(const QString& key)
{
    const QDate first = firstDay(key);
    return first.isValid() ? DateText::fromDate(first.addMonths(1).addDays(-1)) : QString();
}

QString monthBefore(const QDate& date)
{
    return date.isValid() ? date.addMonths(-1).toString(QStringLiteral("yyyy-MM")) : QString();
}

}
