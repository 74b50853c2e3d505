#pragma once
#include <QDate>
#include <QString>

class Session;

// A monthly fee payment and its line in the cash book are one fact: they are
// written, corrected and deleted together, in one transaction. The cash line
// carries the link member number + "-" + the payment's running number in
// four digits; the running number is chosen so that no two cash lines of one
// day carry the same link, and a payment is always addressed by its key
// (member number, fee month).
namespace FeePayments {

struct Payment {
    QString memberNumber;
    QString memberName;     // written as the cash line's item
    QString feeMonth;       // "yyyymm"
    QDate paidOn;
    qint64 amount = 0;      // 0: waived or settled, no cash line
    QString remark;
};

QString link(const QString& memberNumber, int sequence);   // "200903001-0003"

// Saves a new payment (and its cash line when it carries money); returns its
// running number within the fee month.
int add(Session& session, const Payment& payment);
// Rewrites the payment keyed by (member, fee month) with the new date,
// amount and remark, and its cash line with it.
void correct(Session& session, const Payment& payment);
// Deletes the payment and its cash line.
void remove(Session& session, const QString& memberNumber, const QString& feeMonth);
// Deletes a cash-book line; a fee line takes its payment with it.
void removeCashLine(Session& session, const QString& day, int daySequence);

}
