#pragma once
#include <QDate>
#include <QString>

// Fee and closing months are "yyyymm" text. These helpers do the calendar
// arithmetic on them so no screen slices and re-pads month numbers by hand.
namespace MonthKey {
QString fromDate(const QDate& date);             // "yyyymm"
bool isValid(const QString& key);                // six digits, month 01..12
QString next(const QString& key);                // December -> January of the next year
QString previous(const QString& key);            // January -> December of the year before
QString add(const QString& key, int months);
QString firstDayText(const QString& key);        // "YYYY-MM-01"
QString lastDayText(const QString& key);         // leap Februaries included
QString monthBefore(const QDate& date);          // the calendar month before, "yyyy-mm"
}
