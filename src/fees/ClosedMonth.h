#pragma once
#include <QDate>
#include <QString>

class Session;

// The latest closed month of the cash book, "yyyymm": empty while no month
// has ever been closed, "000000"
// when a cancellation left none. A month is closed when it is <= this value.
namespace ClosedMonth {
QString latest(Session& session);
// After a cancellation: the same, but "000000" when no closed month remains.
QString latestAfterCancellation(Session& session);
bool isClosed(const QString& month, const QString& lastClosed);

// The refusals of screens that write payments or joinings: an empty text
// lets the action go on; otherwise the text is shown with kRefusalCaption.
inline const QString kRefusalCaption = QStringLiteral("오류");
QString paymentRefusal(const QDate& paidOn, const QString& lastClosed);
QString deletionRefusal(const QDate& paidOn, const QString& lastClosed);
QString enrolmentRefusal(const QDate& joined, const QString& lastClosed);
}
