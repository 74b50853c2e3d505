#include "datastore/DbError.h"
#include "datastore/Query.h"
#include "fees/ClosedMonth.h"
#include "fees/MonthClosing.h"
#include "support/TestData.h"

#include <gtest/gtest.h>

namespace {

class MonthClosingTest : public ::testing::Test {
protected:
    void setUp(const char* start, qint64 income, qint64 expense)
    {
        closing.saveOpening({QString::fromLatin1(start), QString::number(income), QString::number(expense)});
    }
    void cashLine(const char* day, int sequence, qint64 income, const QVariant& expense = 0)
    {
        Query(data.session(), QStringLiteral("INSERT INTO T_금전출납 (일자, 순번, 대항목, 입금액, 출금액) VALUES (:d, :s, '기타', :i, :e)"))
            .setText(QStringLiteral("d"), QString::fromLatin1(day))
            .setInt(QStringLiteral("s"), sequence)
            .setInt(QStringLiteral("i"), income)
            .setValue(QStringLiteral("e"), expense)
            .exec();
    }
    // "month:monthly income/expense:cumulative income/expense:closed" for every row.
    QStringList rows()
    {
        return data.column(QStringLiteral("SELECT 마감연월 || ':' || 당월차변금액 || '/' || 당월대변금액 || ':' || "
                                          "차변누계금액 || '/' || 대변누계금액 || ':' || 마감여부 FROM T_금전출납마감 ORDER BY 1"));
    }
    void closeMonths(std::initializer_list<const char*> months)
    {
        for (const char* month : months) {
            ASSERT_EQ(closing.closeRefusal(QLatin1String(month), today), QString()) << month;
            closing.close(QLatin1String(month));
        }
    }

    TestData data;
    MonthClosing closing{data.session()};
    QDate today{2009, 6, 10};
};

TEST_F(MonthClosingTest, OpeningAndClosingCarryTheCumulativeTotals)
{
    setUp("200812", 1000000, 50000);
    EXPECT_EQ(rows(), (QStringList{"200812:0/0:1000000/50000:1", "200901:0/0:1000000/50000:0"}));
    EXPECT_EQ(ClosedMonth::latest(data.session()), QStringLiteral("200812"));

    cashLine("2009-01-05", 1, 300000);
    cashLine("2009-01-20", 1, 0, 100000);
    closeMonths({"200901"});
    EXPECT_EQ(rows(), (QStringList{"200812:0/0:1000000/50000:1", "200901:300000/100000:1300000/150000:1",
                                   "200902:0/0:1300000/150000:0"}));
}

TEST_F(MonthClosingTest, AMonthsTotalsTakeItsFirstAndLastDayOnly)
{
    setUp("200801", 0, 0);
    cashLine("2008-01-31", 1, 1);       // the month before
    cashLine("2008-02-01", 1, 10);
    cashLine("2008-02-29", 1, 100, QVariant());   // leap day; a NULL expense counts as 0
    cashLine("2008-02-29", 2, 0, 7);
    cashLine("2008-03-01", 1, 1000);    // the month after
    closeMonths({"200802"});
    EXPECT_EQ(rows()[1], QStringLiteral("200802:110/7:110/7:1"));

    closeMonths({"200803"});
    EXPECT_EQ(rows()[2], QStringLiteral("200803:1000/0:1110/7:1"));
    closeMonths({"200804"});   // no lines at all: totals 0, not NULL
    EXPECT_EQ(rows()[3], QStringLiteral("200804:0/0:1110/7:1"));
}

struct CloseCase {
    const char* month;
    const char* refusal;
};

TEST_F(MonthClosingTest, ClosingRefusesInOrderAndChangesNothing)
{
    setUp("200902", 0, 0);
    closeMonths({"200903"});
    const QStringList before = rows();
    const CloseCase cases[] = {
        {"200906", "2009-05 까지만 마감 작업 가능합니다."},   // the current month
        {"200907", "2009-05 까지만 마감 작업 가능합니다."},
        {"200903", "2009-03 이미 마감되었습니다."},
        {"200902", "2009-02 이미 마감되었습니다."},
        {"200905", "이전월을 먼저 마감하세요."},             // two ahead of the open month
        {"200812", "이전월을 먼저 마감하세요."},             // before the start
        {"200904", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(closing.closeRefusal(QLatin1String(c.month), today), QString::fromUtf8(c.refusal)) << c.month;
    EXPECT_EQ(rows(), before);
}

TEST_F(MonthClosingTest, CancellingGoesBackwardsOneMonthAtATime)
{
    setUp("200812", 500, 0);
    cashLine("2009-01-10", 1, 100);
    cashLine("2009-02-10", 1, 200);
    cashLine("2009-03-10", 1, 300);
    cashLine("2009-04-10", 1, 400);
    closeMonths({"200901", "200902", "200903", "200904"});
    const QStringList before = rows();

    EXPECT_EQ(closing.cancelRefusal(QStringLiteral("200903")), QStringLiteral("2009-03 이후월부터 순차적으로 마감취소 하세요."));
    EXPECT_EQ(closing.cancelRefusal(QStringLiteral("200905")), QStringLiteral("2009-05은 마감처리된 월이 아니므로 취소할수 없습니다."));
    EXPECT_EQ(rows(), before);

    ASSERT_EQ(closing.cancelRefusal(QStringLiteral("200904")), QString());
    closing.cancel(QStringLiteral("200904"));
    ASSERT_EQ(closing.cancelRefusal(QStringLiteral("200903")), QString());
    closing.cancel(QStringLiteral("200903"));
    EXPECT_EQ(rows(), (QStringList{"200812:0/0:500/0:1", "200901:100/0:600/0:1", "200902:200/0:800/0:1",
                                   "200903:0/0:800/0:0"}));
    EXPECT_EQ(ClosedMonth::latest(data.session()), QStringLiteral("200902"));
}

TEST_F(MonthClosingTest, CancellingTheStartMonthLeavesNothingClosed)
{
    setUp("200812", 500, 20);
    closing.cancel(QStringLiteral("200812"));
    EXPECT_EQ(rows(), QStringList{"200812:0/0:500/20:0"});
    EXPECT_EQ(ClosedMonth::latestAfterCancellation(data.session()), QStringLiteral("000000"));
    // The gate then points to the reopened start month.
    const MonthClosing::Gate gate = closing.gate(today);
    EXPECT_EQ(gate.outcome, MonthClosing::Gate::Outcome::NeedsClosing);
    EXPECT_EQ(gate.month, QStringLiteral("200812"));
    EXPECT_EQ(gate.message, QStringLiteral("2008-12 마감작업을 먼저하세요."));
}

TEST_F(MonthClosingTest, AnErrorInsideTheClosingLeavesNothing)
{
    setUp("200901", 0, 0);
    cashLine("2009-02-03", 1, 900);
    // A stray row where the next open month must go makes the last insert fail.
    data.exec(QStringLiteral("INSERT INTO T_금전출납마감 (마감연월, 마감여부) VALUES ('200903', '0')"));
    const QStringList before = rows();
    EXPECT_THROW(closing.close(QStringLiteral("200902")), DbError);
    EXPECT_EQ(rows(), before);
    EXPECT_FALSE(data.session().inTransaction());
}

TEST_F(MonthClosingTest, GateAsksForTheSetUpThenForTheMonthAfterTheLatestClosed)
{
    MonthClosing::Gate gate = closing.gate(today);
    EXPECT_EQ(gate.outcome, MonthClosing::Gate::Outcome::NeedsSetUp);
    EXPECT_EQ(gate.message, QStringLiteral("금전출납 초기값설정을 먼저하세요"));

    setUp("200903", 0, 0);
    closeMonths({"200904"});
    gate = closing.gate(today);   // 10 June, April closed: May first
    EXPECT_EQ(gate.outcome, MonthClosing::Gate::Outcome::NeedsClosing);
    EXPECT_EQ(gate.month, QStringLiteral("200905"));
    EXPECT_EQ(gate.message, QStringLiteral("2009-05 마감작업을 먼저하세요."));

    closeMonths({"200905"});
    EXPECT_EQ(closing.gate(today).outcome, MonthClosing::Gate::Outcome::Pass);
    EXPECT_EQ(closing.gate(QDate(2010, 1, 2)).month, QStringLiteral("200906"));
    EXPECT_EQ(closing.gate(QDate(2009, 7, 1)).month, QStringLiteral("200906"));
}

struct OpeningCase {
    const char* start;
    const char* income;
    const char* expense;
    const char* message;
    MonthClosing::Field field;
};

TEST_F(MonthClosingTest, InitialValuesAreCheckedFieldByField)
{
    cashLine("2009-03-15", 1, 10);
    const OpeningCase cases[] = {
        {"", "0", "0", "시작년월일을 입력하세요.", MonthClosing::Field::StartMonth},
        {"20093", "0", "0", "시작년월일을 6자리로 입력하세요.", MonthClosing::Field::StartMonth},
        {"200813", "0", "0", "시작년월을 바른 년월(YYYYMM)로 입력하세요.", MonthClosing::Field::StartMonth},
        {"200812", "", "0", "입금 누계를 입력하세요.", MonthClosing::Field::Income},
        {"200812", "12a", "0", "입금 누계를 숫자로 입력하세요.", MonthClosing::Field::Income},
        {"200812", "0", " ", "출금 누계를 입력하세요.", MonthClosing::Field::Expense},
        {"200903", "0", "0", "2009-03 이전으로 입력하세요.", MonthClosing::Field::StartMonth},
        {"200902", "1,000", "0", "", MonthClosing::Field::None},
    };
    for (const auto& c : cases) {
        const MonthClosing::Refusal refusal = closing.validateOpening(
            {QString::fromUtf8(c.start), QString::fromUtf8(c.income), QString::fromUtf8(c.expense)});
        EXPECT_EQ(refusal.message, QString::fromUtf8(c.message)) << c.start << "/" << c.income;
        EXPECT_EQ(refusal.field, c.field) << c.start;
    }
    setUp("200901", 0, 0);
    closeMonths({"200902"});
    EXPECT_EQ(closing.validateOpening({QStringLiteral("200812"), QStringLiteral("0"), QStringLiteral("0")}).message,
              QStringLiteral("1회 이상 마감된 경우에는 수정 불가능 합니다."));
    const QStringList before = rows();
    EXPECT_THROW(closing.saveOpening({QStringLiteral("200812"), QStringLiteral("0"), QStringLiteral("0")}), DbError);
    EXPECT_EQ(rows(), before);
}

TEST_F(MonthClosingTest, ClosedMonthRefusalsForPaymentsAndJoinings)
{
    EXPECT_EQ(ClosedMonth::paymentRefusal(QDate(2009, 3, 31), QStringLiteral("200903")),
              QStringLiteral("납부일자는 마감월 이후 이어야 합니다.\r2009-03 월 이후로 입력하세요."));
    EXPECT_EQ(ClosedMonth::paymentRefusal(QDate(2009, 4, 1), QStringLiteral("200903")), QString());
    EXPECT_EQ(ClosedMonth::deletionRefusal(QDate(2009, 2, 1), QStringLiteral("200903")),
              QStringLiteral("마감된 자료는 삭제 할 수 없습니다.\r\r마감취소후 작업하세요."));
    EXPECT_EQ(ClosedMonth::enrolmentRefusal(QDate(2009, 3, 2), QStringLiteral("200903")),
              QStringLiteral("입관월 2009-03은 이미 마감처리된 월입니다.\r\r마감취소후 입관원서등록을 하세요."));
    EXPECT_EQ(ClosedMonth::enrolmentRefusal(QDate(2009, 3, 2), QStringLiteral("000000")), QString());
    EXPECT_EQ(ClosedMonth::enrolmentRefusal(QDate(2009, 3, 2), QString()), QString());
}

}
