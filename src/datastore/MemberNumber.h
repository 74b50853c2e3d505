#pragma once
#include <QDate>
#include <QString>

class Session;

// A member number is the year and month of the day it is given plus a
// three-digit serial within that month: 200903001 is the first trainee of
// March 2009. A number that still has fee payments (left behind by a deleted
// member) is passed over once.
namespace MemberNumber {
QString next(Session& session, const QDate& today);
}
