#include "fees/FeePayments.h"

#include "common/DateText.h"
#include "common/NumberFormat.h"
#include "datastore/DbError.h"
#include "datastore/Query.h"
#include "datastore/Session.h"

namespace FeePayments {
namespace {

const QString kFeeCategory = QStringLiteral("수련비");

struct Stored {
    int sequence = 0;
    QString day;
    qint64 amount = 0;
    bool found = false;
};

Stored stored(Session& session, const QString& memberNumber, const QString& feeMonth)
{
    Query query(session, QStringLiteral("SELECT 순번, 납부일자, 납부액 FROM T_수련비납부 "
                                        "WHERE 회원번호 = :회원번호 AND 년월분 = :년월분"));
    query.setText(QStringLiteral("회원번호"), memberNumber).setText(QStringLiteral("년월분"), feeMonth);
    query.open();
    if (!query.first())
        return {};
    return {int(query.integer(QStringLiteral("순번"))), query.text(QStringLiteral("납부일자")),
            query.integer(QStringLiteral("납부액")), true};
}

bool linkTaken(Session& session, const QString& day, const QString& linkText)
{
    Query query(session, QStringLiteral("SELECT COUNT(*) FROM T_금전출납 WHERE 일자 = :일자 AND 수련비순번 = :수련비순번"));
    query.setText(QStringLiteral("일자"), day).setText(QStringLiteral("수련비순번"), linkText);
    return query.scalar().toInt() > 0;
}

// Another payment of the member on that day already carries the number
// (waived payments too: they have no cash line but may get money later).
bool sequenceTaken(Session& session, const Payment& payment, int sequence)
{
    Query query(session, QStringLiteral("SELECT COUNT(*) FROM T_수련비납부 WHERE 회원번호 = :회원번호 AND 납부일자 = :납부일자 "
                                        "AND 순번 = :순번 AND 년월분 <> :년월분"));
    query.setText(QStringLiteral("회원번호"), payment.memberNumber)
        .setDate(QStringLiteral("납부일자"), payment.paidOn)
        .setInt(QStringLiteral("순번"), sequence)
        .setText(QStringLiteral("년월분"), payment.feeMonth);
    return query.scalar().toInt() > 0;
}

// The next running number of the fee month whose link is still free on the
// payment day.
int freeSequence(Session& session, const Payment& payment)
{
    Query top(session, QStringLiteral("SELECT COALESCE(MAX(순번), 0) FROM T_수련비납부 WHERE 년월분 = :년월분"));
    top.setText(QStringLiteral("년월분"), payment.feeMonth);
    int sequence = top.scalar().toInt() + 1;
    const QString day = DateText::fromDate(payment.paidOn);
    while (linkTaken(session, day, link(payment.memberNumber, sequence)) || sequenceTaken(session, payment, sequence))
        ++sequence;
    return sequence;
}

void insertCashLine(Session& session, const Payment& payment, int sequence)
{
    const QString day = DateText::fromDate(payment.paidOn);
    Query next(session, QStringLiteral("SELECT COALESCE(MAX(순번), 0) + 1 FROM T_금전출납 WHERE 일자 = :일자"));
    next.setText(QStringLiteral("일자"), day);
    const int daySequence = next.scalar().toInt();

    Query insert(session);
    insert.add(QStringLiteral("INSERT INTO T_금전출납 (일자, 순번, 대항목, 소항목, 입금액, 출금액, 적요, 수련비순번)"));
    insert.add(QStringLiteral("VALUES (:일자, :순번, :대항목, :소항목, :입금액, 0, :적요, :수련비순번)"));
    insert.setText(QStringLiteral("일자"), day)
        .setInt(QStringLiteral("순번"), daySequence)
        .setText(QStringLiteral("대항목"), kFeeCategory)
        .setText(QStringLiteral("소항목"), payment.memberName)
        .setInt(QStringLiteral("입금액"), payment.amount)
        .setText(QStringLiteral("적요"), payment.remark)
        .setText(QStringLiteral("수련비순번"), link(payment.memberNumber, sequence));
    insert.exec();
}

void deleteCashLine(Session& session, const QString& day, const QString& linkText)
{
    Query remove(session, QStringLiteral("DELETE FROM T_금전출납 WHERE 일자 = :일자 AND 수련비순번 = :수련비순번"));
    remove.setText(QStringLiteral("일자"), day).setText(QStringLiteral("수련비순번"), linkText);
    remove.exec();
}

void requireDate(const Payment& payment)
{
    if (!payment.paidOn.isValid())
        throw DbError(QStringLiteral("납부일자를 입력하세요."));
}

}

QString link(const QString& memberNumber, int sequence)
{
    return memberNumber + QLatin1Char('-') + NumberFormat::format(double(sequence), QStringLiteral("0000"));
}

int add(Session& session, const Payment& payment)
{
    requireDate(payment);
    Transaction transaction(session);
    const int sequence = freeSequence(session, payment);
    Query insert(session);
    insert.add(QStringLiteral("INSERT INTO T_수련비납부 (회원번호, 년월분, 순번, 납부일자, 납부액, 비고)"));
    insert.add(QStringLiteral("VALUES (:회원번호, :년월분, :순번, :납부일자, :납부액, :비고)"));
    insert.setText(QStringLiteral("회원번호"), payment.memberNumber)
        .setText(QStringLiteral("년월분"), payment.feeMonth)
        .setInt(QStringLiteral("순번"), sequence)
        .setDate(QStringLiteral("납부일자"), payment.paidOn)
        .setInt(QStringLiteral("납부액"), payment.amount)
        .setText(QStringLiteral("비고"), payment.remark);
    insert.exec();
    if (payment.amount != 0)
        insertCashLine(session, payment, sequence);
    transaction.commit();
    return sequence;
}

void correct(Session& session, const Payment& payment)
{
    requireDate(payment);
    Transaction transaction(session);
    const Stored before = stored(session, payment.memberNumber, payment.feeMonth);
    if (!before.found)
        throw DbError(QStringLiteral("수정할 납부 자료가 없습니다."));
    if (before.amount != 0)
        deleteCashLine(session, before.day, link(payment.memberNumber, before.sequence));

    int sequence = before.sequence;
    const QString day = DateText::fromDate(payment.paidOn);
    if (linkTaken(session, day, link(payment.memberNumber, sequence)) || sequenceTaken(session, payment, sequence))
        sequence = freeSequence(session, payment);

    Query update(session);
    update.add(QStringLiteral("UPDATE T_수련비납부 SET 순번 = :순번, 납부일자 = :납부일자, 납부액 = :납부액, 비고 = :비고"));
    update.add(QStringLiteral("WHERE 회원번호 = :회원번호 AND 년월분 = :년월분"));
    update.setInt(QStringLiteral("순번"), sequence)
        .setDate(QStringLiteral("납부일자"), payment.paidOn)
        .setInt(QStringLiteral("납부액"), payment.amount)
        .setText(QStringLiteral("비고"), payment.remark)
        .setText(QStringLiteral("회원번호"), payment.memberNumber)
        .setText(QStringLiteral("년월분"), payment.feeMonth);
    update.exec();
    if (payment.amount != 0)
        insertCashLine(session, payment, sequence);
    transaction.commit();
}

void remove(Session& session, const QString& memberNumber, const QString& feeMonth)
{
    Transaction transaction(session);
    const Stored before = stored(session, memberNumber, feeMonth);
    if (before.found && before.amount != 0)
        deleteCashLine(session, before.day, link(memberNumber, before.sequence));
    Query remove(session, QStringLiteral("DELETE FROM T_수련비납부 WHERE 회원번호 = :회원번호 AND 년월분 = :년월분"));
    remove.setText(QStringLiteral("회원번호"), memberNumber).setText(QStringLiteral("년월분"), feeMonth);
    remove.exec();
    transaction.commit();
}

void removeCashLine(Session& session, const QString& day, int daySequence)
{
    Transaction transaction(session);
    Query line(session, QStringLiteral("SELECT 수련비순번 FROM T_금전출납 WHERE 일자 = :일자 AND 순번 = :순번"));
    line.setText(QStringLiteral("일자"), day).setInt(QStringLiteral("순번"), daySequence);
    const QString linkText = line.scalar().toString();
    if (!linkText.isEmpty()) {
        // The line names its payment by member, number and day; the payment
        // itself is then deleted by its key.
        Query payment(session, QStringLiteral("SELECT 년월분 FROM T_수련비납부 WHERE 회원번호 = :회원번호 AND 순번 = :순번 "
                                              "AND 납부일자 = :납부일자 AND 납부액 <> 0"));
        payment.setText(QStringLiteral("회원번호"), linkText.mid(0, 9))
            .setInt(QStringLiteral("순번"), linkText.mid(10, 4).toInt())
            .setText(QStringLiteral("납부일자"), day);
        payment.open();
        if (payment.recordCount() > 1)
            throw DbError(QStringLiteral("이 금전출납 자료에 연결된 수련비 납부가 둘 이상입니다."));
        if (payment.first()) {
            Query remove(session, QStringLiteral("DELETE FROM T_수련비납부 WHERE 회원번호 = :회원번호 AND 년월분 = :년월분"));
            remove.setText(QStringLiteral("회원번호"), linkText.mid(0, 9)).setText(QStringLiteral("년월분"), payment.text(QStringLiteral("년월분")));
            remove.exec();
        }
    }
    Query remove(session, QStringLiteral("DELETE FROM T_금전출납 WHERE 일자 = :일자 AND 순번 = :순번"));
    remove.setText(QStringLiteral("일자"), day).setInt(QStringLiteral("순번"), daySequence);
    remove.exec();
    transaction.commit();
}

}
