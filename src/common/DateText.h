#pragma once
#include <QDate>
#include <QString>
#include <QVariant>

// Dates travel through the program as "YYYY-MM-DD" text: that is how they are
// shown, typed, stored and compared in SQL. The desktop data files this
// program descends from used 1899-12-30 as "no date"; it is shown empty.
namespace DateText {
inline constexpr const char* kFormat = "yyyy-MM-dd";
QDate zeroDate();

QString fromDate(const QDate& date);            // invalid -> ""
QDate toDate(const QString& text);               // "YYYY-MM-DD" (a time part is ignored); else invalid
bool isDateText(const QString& text);            // a real calendar day written "YYYY-MM-DD"
QString display(const QVariant& stored);         // NULL, "" and the zero date -> ""
QVariant storable(const QString& typed);         // "" -> NULL, otherwise the normalised date text
}
