#include "datastore/RecordRules.h"
#include "support/TestData.h"

#include <gtest/gtest.h>

namespace {

using namespace RecordRules;

TEST(RecordRules, TheNextDojangExamCountsOnlyDojangExamsAsNumbers)
{
    TestData data;
    EXPECT_EQ(nextExamNumber(data.session()), 1);
    data.exec(QStringLiteral("INSERT INTO T_심사 (회원번호, 승급일자, 심사명, 심사구분) VALUES "
                             "('200903001', '2009-04-01', 9, '체육관'), ('200903001', '2009-05-01', 10, '체육관'), "
                             "('200903002', '2009-05-01', 57, '국기원')"));
    EXPECT_EQ(nextExamNumber(data.session()), 11);
}

TEST(RecordRules, TheZeroExamDateIsKeptWhileTheFieldStaysEmpty)
{
    EXPECT_EQ(examDateToStore(QString(), QStringLiteral("1899-12-30")).toString(), QStringLiteral("1899-12-30"));
    EXPECT_EQ(examDateToStore(QStringLiteral("    -  -  "), QStringLiteral("1899-12-30")).toString(), QStringLiteral("1899-12-30"));
    EXPECT_TRUE(examDateToStore(QString(), QVariant()).isNull());
    EXPECT_EQ(examDateToStore(QStringLiteral("2009-03-05"), QStringLiteral("1899-12-30")).toString(), QStringLiteral("2009-03-05"));
}

TEST(RecordRules, CertificateBadgeAndNoticeLookups)
{
    TestData data;
    const QString member = QStringLiteral("200903001");
    data.exec(QStringLiteral("INSERT INTO T_국기원승품 (회원번호, 급품코드, 심사일자, 단증번호) VALUES "
                             "('200903001', '11', '2009-01-10', '1234567'), ('200903001', '12', '2010-01-10', ''), "
                             "('200903001', '13', '2008-01-10', '7654321')"));
    EXPECT_EQ(latestCertificateNumber(data.session(), member), QStringLiteral("1234567"));
    EXPECT_EQ(latestCertificateNumber(data.session(), QStringLiteral("200903002")), QString());

    EXPECT_EQ(nextBadge(data.session(), member), QStringLiteral("01"));
    data.exec(QStringLiteral("INSERT INTO T_뱃지지급 (회원번호, 뱃지코드) VALUES ('200903001', '01'), ('200903001', '02')"));
    EXPECT_EQ(nextBadge(data.session(), member), QStringLiteral("03"));
    data.exec(QStringLiteral("INSERT INTO T_뱃지지급 (회원번호, 뱃지코드) SELECT '200903002', MAX(뱃지코드) FROM T_뱃지항목"));
    EXPECT_EQ(nextBadge(data.session(), QStringLiteral("200903002")), QString());

    data.exec(QStringLiteral("INSERT INTO T_심사평가공지사항 (회원번호, 순번, 공지일자, 공지사항) VALUES "
                             "('200903001', 1, '2009-03-02', '삼월 첫째'), ('200903001', 3, '2009-03-31', '삼월 마지막'), "
                             "('200903001', 4, '2009-04-01', '사월'), ('200903002', 9, '2009-03-10', '남의 것')"));
    EXPECT_EQ(noticeOfMonth(data.session(), member, QDate(2009, 3, 15)), QStringLiteral("삼월 마지막"));
    EXPECT_EQ(noticeOfMonth(data.session(), member, QDate(2009, 5, 1)), QString());
}

TEST(RecordRules, RunningNumbersPerMemberMonthAndTable)
{
    TestData data;
    const QString member = QStringLiteral("200903001");
    EXPECT_EQ(nextMemberSequence(data.session(), MemberSequence::Points, member), 1);
    data.exec(QStringLiteral("INSERT INTO T_벌점 (회원번호, 순번, 벌점일자, 벌점코드) VALUES "
                             "('200903001', 4, '2009-03-20', '01'), ('200903001', 7, '2009-03-02', '01'), "
                             "('200903001', 9, '2009-04-01', '01'), ('200903002', 20, '2009-03-05', '01')"));
    EXPECT_EQ(nextMemberSequence(data.session(), MemberSequence::Points, member), 10);
    // In date order the month's last row is the 20th's.
    EXPECT_EQ(nextPointSequenceInMonth(data.session(), member, QStringLiteral("200903")), 5);
    EXPECT_EQ(nextPointSequenceInMonth(data.session(), member, QStringLiteral("200902")), 1);

    data.exec(QStringLiteral("INSERT INTO T_상장지급 (회원번호, 지급일자, 상장코드, 순번) VALUES ('200903001', '2009-01-01', '05', 8)"));
    EXPECT_EQ(nextAwardSequence(data.session(), member), 2);

    const int phrases = nextTableNumber(data.session(), TableCounter::LifeNotePhrases);
    data.exec(QStringLiteral("INSERT INTO T_생활기록문항 (생활기록코드, 생활기록문항) VALUES (%1, '새 문항')").arg(phrases));
    EXPECT_EQ(nextTableNumber(data.session(), TableCounter::LifeNotePhrases), phrases + 1);
    EXPECT_EQ(nextTableNumber(data.session(), TableCounter::Consultations), 1);
}

}
