#include "datastore/MemberNumber.h"
#include "datastore/Query.h"
#include "support/TestData.h"

#include <gtest/gtest.h>

namespace {

class MemberNumberTest : public ::testing::Test {
protected:
    void enrol(const QString& number)
    {
        Query(data.session(), QStringLiteral("INSERT INTO T_회원 (회원번호) VALUES (:n)")).setText(QStringLiteral("n"), number).exec();
    }
    void pay(const QString& number)
    {
        Query(data.session(), QStringLiteral("INSERT INTO T_수련비납부 (회원번호, 년월분, 순번) VALUES (:n, '200903', 1)"))
            .setText(QStringLiteral("n"), number)
            .exec();
    }
    QString next() { return MemberNumber::next(data.session(), QDate(2009, 3, 15)); }

    TestData data;
};

TEST_F(MemberNumberTest, SerialCountsWithinTheMonthOfToday)
{
    EXPECT_EQ(next(), QStringLiteral("200903001"));
    enrol(QStringLiteral("200902017"));   // another month does not count
    enrol(QStringLiteral("200904001"));
    EXPECT_EQ(next(), QStringLiteral("200903001"));

    for (int serial = 1; serial <= 9; ++serial)
        enrol(next());
    EXPECT_EQ(next(), QStringLiteral("200903010"));
    enrol(next());
    EXPECT_EQ(next(), QStringLiteral("200903011"));
}

TEST_F(MemberNumberTest, FollowsTheHighestNumberEvenAfterGaps)
{
    enrol(QStringLiteral("200903001"));
    enrol(QStringLiteral("200903009"));
    EXPECT_EQ(next(), QStringLiteral("200903010"));
}

TEST_F(MemberNumberTest, PassesOverANumberWithLeftoverPaymentsOnce)
{
    enrol(QStringLiteral("200903004"));
    pay(QStringLiteral("200903005"));
    EXPECT_EQ(next(), QStringLiteral("200903006"));
    pay(QStringLiteral("200903006"));
    EXPECT_EQ(next(), QStringLiteral("200903006"));   // the second skip is not made

    pay(QStringLiteral("200903001"));
    EXPECT_EQ(MemberNumber::next(data.session(), QDate(2009, 3, 1)), QStringLiteral("200903006"));
    EXPECT_EQ(MemberNumber::next(data.session(), QDate(2010, 1, 1)), QStringLiteral("201001001"));
}

}
