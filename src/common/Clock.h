#pragma once
#include <QDate>

// The one source of "today" for the whole program. Tests (and the
// QUENMAR_TODAY environment variable, "YYYY-MM-DD") pin it to a fixed day so
// that member numbers, ages and month checks are reproducible.
namespace Clock {
QDate today();
QString todayText();
void setToday(const QDate& day);  // an invalid date returns to the system clock
}
