#pragma once
#include <QDate>
#include <QString>

class Session;

// Running numbers of receipts and payment notices: one counter row per
// calendar month of issue, starting again at 0001 every month. The printed
// number is the two-digit month, "-", and four digits ("03-0001").
namespace DocumentCounter {
enum class Kind { Receipt, PaymentNotice };
QString take(Session& session, Kind kind, const QDate& today);
}
