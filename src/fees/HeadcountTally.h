#pragma once
#include <QDate>
#include <QString>
#include <QStringList>

class Session;

// The monthly headcount table, one row per year with a count per kind of
// event and month (입관01 … 퇴관12). A count is either raised by one for an
// event, or recounted for a month from its event log (leavings and rests).
// A year without a row gets one holding just that count.
namespace HeadcountTally {
enum class Kind { Joining, Return, Rest, Leaving };   // 입관, 복관, 휴관, 퇴관

QString column(Kind kind, int month);                  // "입관03"
void addOne(Session& session, Kind kind, const QDate& eventDate);
// Rest and leaving only: sets the month's count to the rows of its log.
void recount(Session& session, Kind kind, int year, int month);
int count(Session& session, Kind kind, int year, int month);   // NULL and missing rows read 0
}
