#include "common/Clock.h"

#include "common/DateText.h"

#include <QProcessEnvironment>

namespace {
QDate& pinnedDay()
{
    static QDate day = DateText::toDate(qEnvironmentVariable("QUENMAR_TODAY"));
    return day;
}
}

namespace Clock {

QDate today()
{
    const QDate& pinned = pinnedDay();
    return pinned.isValid() ? pinned : QDate::currentDate();
}

QString todayText()
{
    return DateText::fromDate(today());
}

void setToday(const QDate& day)
{
    pinnedDay() = day;
}

}
