#include "datastore/Query.h"
#include "fees/DocumentCounter.h"
#include "fees/FeePayments.h"
#include "fees/HeadcountTally.h"
#include "support/TestData.h"

#include <gtest/gtest.h>

namespace {

using FeePayments::Payment;

class FeePaymentsTest : public ::testing::Test {
protected:
    Payment payment(const char* member, const char* month, QDate day, qint64 amount = 120000)
    {
        return {QLatin1String(member), QStringLiteral("홍길동"), QLatin1String(month), day, amount, QStringLiteral("현금")};
    }
    // "day/daySequence/link/amount" of every cash line.
    QStringList cashLines()
    {
        return data.column(QStringLiteral("SELECT 일자 || '/' || 순번 || '/' || COALESCE(수련비순번, '-') || '/' || 입금액 "
                                          "FROM T_금전출납 ORDER BY 일자, 순번"));
    }
    TestData data;
};

TEST_F(FeePaymentsTest, APaymentAndItsCashLineAreWrittenTogether)
{
    EXPECT_EQ(FeePayments::add(data.session(), payment("200903001", "200903", QDate(2009, 3, 5))), 1);
    EXPECT_EQ(FeePayments::add(data.session(), payment("200903002", "200903", QDate(2009, 3, 5), 100000)), 2);
    EXPECT_EQ(FeePayments::add(data.session(), payment("200903001", "200904", QDate(2009, 4, 1))), 1);
    EXPECT_EQ(FeePayments::add(data.session(), payment("200903003", "200903", QDate(2009, 3, 6), 0)), 3);   // waived
    EXPECT_EQ(cashLines(), (QStringList{"2009-03-05/1/200903001-0001/120000", "2009-03-05/2/200903002-0002/100000",
                                        "2009-04-01/1/200903001-0001/120000"}));
    EXPECT_EQ(data.scalar(QStringLiteral("SELECT 대항목 || '/' || 소항목 || '/' || 출금액 || '/' || 적요 FROM T_금전출납 LIMIT 1")).toString(),
              QStringLiteral("수련비/홍길동/0/현금"));
}

// One member paying two fee months on one day would get the same link
// twice under the plain "next number of the month" rule.
TEST_F(FeePaymentsTest, TwoMonthsPaidTheSameDayGetDistinctLinks)
{
    FeePayments::add(data.session(), payment("200903009", "200903", QDate(2009, 3, 2)));   // 200903 #1
    FeePayments::add(data.session(), payment("200903001", "200904", QDate(2009, 4, 9)));   // 200904 #1
    FeePayments::add(data.session(), payment("200903001", "200903", QDate(2009, 4, 9)));   // 200903 #2
    // 200904's next number would be 2, whose link the day already holds.
    EXPECT_EQ(FeePayments::add(data.session(), payment("200903001", "200905", QDate(2009, 4, 9))), 3);
    EXPECT_EQ(data.scalar(QStringLiteral("SELECT COUNT(DISTINCT 수련비순번) FROM T_금전출납 WHERE 일자 = '2009-04-09'")).toInt(), 3);

    FeePayments::remove(data.session(), QStringLiteral("200903001"), QStringLiteral("200903"));
    EXPECT_EQ(data.count(QStringLiteral("T_수련비납부")), 3);
    EXPECT_EQ(cashLines(), (QStringList{"2009-03-02/1/200903009-0001/120000", "2009-04-09/1/200903001-0001/120000",
                                        "2009-04-09/3/200903001-0003/120000"}));
}

// A waived month has no cash line; it must neither share a number with a
// paid month of the same day nor take that month's line when it changes.
TEST_F(FeePaymentsTest, AWaivedPaymentNeverTouchesAnotherPaymentsLine)
{
    EXPECT_EQ(FeePayments::add(data.session(), payment("200903001", "200902", QDate(2009, 3, 5), 0)), 1);
    EXPECT_EQ(FeePayments::add(data.session(), payment("200903001", "200903", QDate(2009, 3, 5), 80000)), 2);
    const QStringList line{"2009-03-05/1/200903001-0002/80000"};
    FeePayments::correct(data.session(), payment("200903001", "200902", QDate(2009, 3, 5), 0));
    EXPECT_EQ(cashLines(), line);
    FeePayments::correct(data.session(), payment("200903001", "200902", QDate(2009, 3, 5), 50000));
    EXPECT_EQ(cashLines(), (QStringList{"2009-03-05/1/200903001-0002/80000", "2009-03-05/2/200903001-0001/50000"}));
    FeePayments::removeCashLine(data.session(), QStringLiteral("2009-03-05"), 2);
    EXPECT_EQ(data.column(QStringLiteral("SELECT 년월분 FROM T_수련비납부")), QStringList{"200903"});
    FeePayments::add(data.session(), payment("200903001", "200901", QDate(2009, 3, 5), 0));
    FeePayments::remove(data.session(), QStringLiteral("200903001"), QStringLiteral("200901"));
    EXPECT_EQ(cashLines(), line);
}

TEST_F(FeePaymentsTest, CorrectingMovesTheCashLineWithThePayment)
{
    FeePayments::add(data.session(), payment("200903001", "200903", QDate(2009, 3, 5)));
    Query(data.session(), QStringLiteral("INSERT INTO T_금전출납 (일자, 순번, 대항목, 입금액, 출금액) VALUES ('2009-03-07', 1, '기타', 5, 0)")).exec();
    FeePayments::correct(data.session(), payment("200903001", "200903", QDate(2009, 3, 7), 110000));
    EXPECT_EQ(cashLines(), (QStringList{"2009-03-07/1/-/5", "2009-03-07/2/200903001-0001/110000"}));
    EXPECT_EQ(data.scalar(QStringLiteral("SELECT 납부일자 || '/' || 납부액 FROM T_수련비납부")).toString(), QStringLiteral("2009-03-07/110000"));

    FeePayments::correct(data.session(), payment("200903001", "200903", QDate(2009, 3, 7), 0));
    EXPECT_EQ(cashLines(), QStringList{"2009-03-07/1/-/5"});
}

TEST_F(FeePaymentsTest, DeletingEitherSideDeletesTheOther)
{
    FeePayments::add(data.session(), payment("200903001", "200903", QDate(2009, 3, 5)));
    FeePayments::add(data.session(), payment("200903002", "200903", QDate(2009, 3, 5)));
    Query(data.session(), QStringLiteral("INSERT INTO T_금전출납 (일자, 순번, 대항목, 입금액, 출금액) VALUES ('2009-03-05', 3, '기타', 5, 0)")).exec();

    FeePayments::removeCashLine(data.session(), QStringLiteral("2009-03-05"), 3);   // a typed line: no payment touched
    EXPECT_EQ(data.count(QStringLiteral("T_수련비납부")), 2);
    FeePayments::removeCashLine(data.session(), QStringLiteral("2009-03-05"), 1);
    EXPECT_EQ(data.scalar(QStringLiteral("SELECT group_concat(회원번호) FROM T_수련비납부")).toString(), QStringLiteral("200903002"));
    FeePayments::remove(data.session(), QStringLiteral("200903002"), QStringLiteral("200903"));
    EXPECT_EQ(data.count(QStringLiteral("T_수련비납부")), 0);
    EXPECT_EQ(data.count(QStringLiteral("T_금전출납")), 0);
}

TEST_F(FeePaymentsTest, AFailedCashLineLeavesNoPayment)
{
    data.exec(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON T_금전출납 BEGIN SELECT RAISE(ABORT, 'disk full'); END"));
    EXPECT_ANY_THROW(FeePayments::add(data.session(), payment("200903001", "200903", QDate(2009, 3, 5))));
    EXPECT_EQ(data.count(QStringLiteral("T_수련비납부")), 0);
}

TEST_F(FeePaymentsTest, DocumentNumbersRestartEveryMonth)
{
    using DocumentCounter::Kind;
    EXPECT_EQ(DocumentCounter::take(data.session(), Kind::Receipt, QDate(2009, 3, 5)), QStringLiteral("03-0001"));
    EXPECT_EQ(DocumentCounter::take(data.session(), Kind::Receipt, QDate(2009, 3, 31)), QStringLiteral("03-0002"));
    EXPECT_EQ(DocumentCounter::take(data.session(), Kind::PaymentNotice, QDate(2009, 3, 31)), QStringLiteral("03-0001"));
    EXPECT_EQ(DocumentCounter::take(data.session(), Kind::Receipt, QDate(2009, 4, 1)), QStringLiteral("04-0001"));
    EXPECT_EQ(DocumentCounter::take(data.session(), Kind::Receipt, QDate(2010, 3, 1)), QStringLiteral("03-0001"));
    EXPECT_EQ(data.scalar(QStringLiteral("SELECT 일련번호 FROM T_영수증발급번호 WHERE 발부년도 = '2009' AND 발부월 = '03'")).toString(),
              QStringLiteral("0002"));
}

TEST_F(FeePaymentsTest, TallyAddsOneOrRecountsAMonth)
{
    using HeadcountTally::Kind;
    HeadcountTally::addOne(data.session(), Kind::Joining, QDate(2009, 3, 5));
    EXPECT_EQ(data.scalar(QStringLiteral("SELECT 입관03 || '/' || 입관04 || '/' || 퇴관03 FROM T_인원현황 WHERE 년도 = 2009")).toString(),
              QStringLiteral("1/0/0"));
    HeadcountTally::addOne(data.session(), Kind::Joining, QDate(2009, 3, 6));
    HeadcountTally::addOne(data.session(), Kind::Return, QDate(2009, 12, 6));
    EXPECT_EQ(HeadcountTally::count(data.session(), Kind::Joining, 2009, 3), 2);
    EXPECT_EQ(HeadcountTally::count(data.session(), Kind::Return, 2009, 12), 1);
    EXPECT_EQ(HeadcountTally::count(data.session(), Kind::Joining, 2010, 1), 0);

    // An older file may hold NULL counts: one more still counts.
    data.exec(QStringLiteral("CREATE TABLE t AS SELECT * FROM T_인원현황"));
    data.exec(QStringLiteral("DROP TABLE T_인원현황"));
    data.exec(QStringLiteral("CREATE TABLE T_인원현황 (년도 INTEGER PRIMARY KEY, 입관03 INTEGER, 퇴관03 INTEGER, 휴관03 INTEGER)"));
    data.exec(QStringLiteral("INSERT INTO T_인원현황 (년도) VALUES (2009)"));
    HeadcountTally::addOne(data.session(), Kind::Joining, QDate(2009, 3, 7));
    EXPECT_EQ(HeadcountTally::count(data.session(), Kind::Joining, 2009, 3), 1);

    data.exec(QStringLiteral("INSERT INTO T_퇴관사유별현황 VALUES ('1', '2009-03-01', '01'), ('2', '2009-03-31', '02'), "
                             "('3', '2009-04-01', '01'), ('4', '2009-02-28', '01')"));
    HeadcountTally::recount(data.session(), Kind::Leaving, 2009, 3);
    EXPECT_EQ(HeadcountTally::count(data.session(), Kind::Leaving, 2009, 3), 2);
    HeadcountTally::recount(data.session(), Kind::Rest, 2011, 3);   // a year without a row
    EXPECT_EQ(data.scalar(QStringLiteral("SELECT COALESCE(휴관03, -1) FROM T_인원현황 WHERE 년도 = 2011")).toInt(), 0);
}

}
