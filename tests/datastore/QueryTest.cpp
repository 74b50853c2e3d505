#include "datastore/DbError.h"
#include "datastore/NamedParameters.h"
#include "datastore/Query.h"
#include "support/TestData.h"

#include <gtest/gtest.h>

namespace {

TEST(NamedParameters, KoreanNamesBecomePositionalOutsideLiterals)
{
    const PositionalStatement s = toPositional(QStringLiteral(
        "SELECT '14:30', \"a:b\" FROM T_회원 WHERE 회원번호 =:회원번호 AND 입관일 >= :from_1 -- :주석\n"
        "AND 회원명 = :회원번호 AND x = 'it''s :no'"));
    EXPECT_EQ(s.names, (QStringList{QStringLiteral("회원번호"), QStringLiteral("from_1"), QStringLiteral("회원번호")}));
    EXPECT_EQ(s.sql, QStringLiteral("SELECT '14:30', \"a:b\" FROM T_회원 WHERE 회원번호 =? AND 입관일 >= ? -- :주석\n"
                                    "AND 회원명 = ? AND x = 'it''s :no'"));
}

class QueryTest : public ::testing::Test {
protected:
    TestData data;
};

TEST_F(QueryTest, BindsKoreanNamedParametersOfEveryType)
{
    Query insert(data.session());
    insert.add(QStringLiteral("INSERT INTO T_회원 (회원번호, 회원명, 생년월일, 수련비, 지역코드, 주소)"))
        .add(QStringLiteral("VALUES (:회원번호, :회원명, :생년월일, :수련비, :지역코드, :주소)"));
    insert.setText(QStringLiteral("회원번호"), QStringLiteral("200903001"))
        .setText(QStringLiteral("회원명"), QStringLiteral("홍길동'; DROP TABLE T_회원; --"))
        .setDate(QStringLiteral("생년월일"), QDate(2002, 5, 7))
        .setInt(QStringLiteral("수련비"), 120000)
        .setDouble(QStringLiteral("지역코드"), 3)
        .setNull(QStringLiteral("주소"));
    EXPECT_EQ(insert.exec(), 1);

    Query select(data.session(), QStringLiteral("SELECT * FROM T_회원 WHERE 회원번호 = :회원번호 OR 회원번호 = :회원번호"));
    select.setText(QStringLiteral("회원번호"), QStringLiteral("200903001"));
    select.open();
    ASSERT_EQ(select.recordCount(), 1);
    EXPECT_EQ(select.text(QStringLiteral("회원명")), QStringLiteral("홍길동'; DROP TABLE T_회원; --"));
    EXPECT_EQ(select.text(QStringLiteral("생년월일")), QStringLiteral("2002-05-07"));
    EXPECT_EQ(select.integer(QStringLiteral("수련비")), 120000);
    EXPECT_TRUE(select.isNull(QStringLiteral("주소")));
    EXPECT_EQ(select.text(QStringLiteral("주소")), QString());
}

TEST_F(QueryTest, WalksRowsAndReadsFieldsByNameOrPosition)
{
    Query query(data.session(), QStringLiteral("SELECT 학년코드 AS Code, 학년 FROM T_학년코드 ORDER BY 학년코드"));
    query.open();
    EXPECT_EQ(query.recordCount(), 18);
    ASSERT_TRUE(query.first());
    EXPECT_EQ(query.integer(QStringLiteral("code")), 1);   // names ignore case
    EXPECT_EQ(query.value(1).toString(), QStringLiteral("유치 4"));
    int seen = 1;
    while (query.next())
        ++seen;
    EXPECT_EQ(seen, 18);
    EXPECT_TRUE(query.eof());
    EXPECT_FALSE(query.value(0).isValid());
    EXPECT_THROW(query.value(QStringLiteral("없는필드")), DbError);
}

TEST_F(QueryTest, EngineRefusalsAndMissingValuesThrowWithAMessage)
{
    Query missingTable(data.session(), QStringLiteral("SELECT * FROM T_없음"));
    try {
        missingTable.open();
        FAIL() << "no error";
    } catch (const DbError& error) {
        EXPECT_TRUE(error.message().contains(QStringLiteral("T_없음"))) << error.message().toStdString();
    }
    Query unbound(data.session(), QStringLiteral("SELECT * FROM T_회원 WHERE 회원번호 = :회원번호"));
    EXPECT_THROW(unbound.open(), DbError);
}

TEST_F(QueryTest, SumsOverNoRowsReadAsZeroWithCoalesce)
{
    Query sum(data.session(), QStringLiteral("SELECT COALESCE(SUM(납부액),0) AS total FROM T_수련비납부"));
    sum.open();
    EXPECT_FALSE(sum.isNull(QStringLiteral("total")));
    EXPECT_EQ(sum.integer(QStringLiteral("total")), 0);
}

TEST_F(QueryTest, AFailingStatementInsideATransactionRollsEverythingBack)
{
    const QString insertDivision = QStringLiteral("INSERT INTO T_부별코드 (부별코드, 부명, 수련비) VALUES (:code, '시험부', 1)");
    {
        Transaction transaction(data.session());
        Query insert(data.session(), insertDivision);
        insert.setText(QStringLiteral("code"), QStringLiteral("90")).exec();
        data.exec(QStringLiteral("UPDATE T_도장정보 SET 상장발부 = 77"));
        EXPECT_THROW(insert.setText(QStringLiteral("code"), QStringLiteral("01")).exec(), DbError);   // key taken
    }
    EXPECT_EQ(data.scalar(QStringLiteral("SELECT COUNT(*) FROM T_부별코드 WHERE 부별코드 = '90'")).toInt(), 0);
    EXPECT_EQ(data.scalar(QStringLiteral("SELECT 상장발부 FROM T_도장정보")).toInt(), 0);
    EXPECT_FALSE(data.session().inTransaction());

    Transaction committed(data.session());
    Query(data.session(), insertDivision).setText(QStringLiteral("code"), QStringLiteral("91")).exec();
    committed.commit();
    EXPECT_EQ(data.scalar(QStringLiteral("SELECT COUNT(*) FROM T_부별코드 WHERE 부별코드 = '91'")).toInt(), 1);
}

TEST_F(QueryTest, AnInnerSaveThatRollsBackDoomsTheOuterOne)
{
    Transaction outer(data.session());
    data.exec(QStringLiteral("UPDATE T_도장정보 SET 상장발부 = 5"));
    {
        Transaction inner(data.session());
        data.exec(QStringLiteral("UPDATE T_도장정보 SET 급증발부 = 6"));
    }   // left without commit
    EXPECT_THROW(outer.commit(), DbError);
    EXPECT_EQ(data.scalar(QStringLiteral("SELECT 상장발부 FROM T_도장정보")).toInt(), 0);
    EXPECT_EQ(data.scalar(QStringLiteral("SELECT 급증발부 FROM T_도장정보")).toInt(), 0);
}

}
