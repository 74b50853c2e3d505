#include "datastore/CachedTable.h"
#include "datastore/DbError.h"
#include "datastore/Query.h"
#include "support/TestData.h"

#include <gtest/gtest.h>

namespace {

// The family grid of one trainee: edits stay in memory until apply().
class CachedTableTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        data.exec(QStringLiteral("INSERT INTO T_가족사항 (회원번호, 순번, 관계, 성명) VALUES "
                                 "('200903001', 1, '부', '홍판서'), ('200903001', 2, '모', '춘섬'), "
                                 "('200903002', 1, '부', '다른집')"));
        select.setSql(QStringLiteral("SELECT 회원번호, 순번, 관계, 성명 FROM T_가족사항 WHERE 회원번호 = :회원번호 ORDER BY 순번"));
        select.setText(QStringLiteral("회원번호"), QStringLiteral("200903001"));
        family.load(select);
    }

    QStringList stored()
    {
        return data.column(QStringLiteral("SELECT 회원번호 || '/' || 순번 || '/' || 관계 || '/' || 성명 FROM T_가족사항 ORDER BY 1"));
    }

    TestData data;
    Query select{data.session()};
    CachedTable family{data.session(),
                       {QStringLiteral("INSERT INTO T_가족사항 (회원번호, 순번, 관계, 성명) VALUES (:회원번호, :순번, :관계, :성명)"),
                        QStringLiteral("UPDATE T_가족사항 SET 순번 = :순번, 관계 = :관계, 성명 = :성명 "
                                       "WHERE 회원번호 = :OLD_회원번호 AND 순번 = :OLD_순번"),
                        QStringLiteral("DELETE FROM T_가족사항 WHERE 회원번호 = :OLD_회원번호 AND 순번 = :OLD_순번")}};
};

TEST_F(CachedTableTest, NothingReachesTheDatabaseBeforeApply)
{
    const QStringList before = stored();
    family.setValue(0, QStringLiteral("성명"), QStringLiteral("홍대감"));
    family.removeRow(1);
    const int added = family.appendRow();
    family.setValue(added, QStringLiteral("회원번호"), QStringLiteral("200903001"));
    family.setValue(added, QStringLiteral("순번"), 3);
    EXPECT_TRUE(family.hasChanges());
    EXPECT_EQ(stored(), before);

    family.cancel();
    EXPECT_FALSE(family.hasChanges());
    EXPECT_EQ(family.rowCount(), 2);
    EXPECT_EQ(family.value(0, QStringLiteral("성명")).toString(), QStringLiteral("홍판서"));
    EXPECT_EQ(stored(), before);
}

TEST_F(CachedTableTest, ApplyWritesDeletesUpdatesAndInsertsByTheOldKeys)
{
    family.setValue(0, QStringLiteral("순번"), 5);   // a changed key still finds its row
    family.setValue(0, QStringLiteral("성명"), QStringLiteral("홍대감"));
    family.removeRow(1);
    const int added = family.appendRow();
    family.setValue(added, QStringLiteral("회원번호"), QStringLiteral("200903001"));
    family.setValue(added, QStringLiteral("순번"), 2);
    family.setValue(added, QStringLiteral("관계"), QStringLiteral("형제"));
    family.setValue(added, QStringLiteral("성명"), QStringLiteral("홍인형"));
    const int dropped = family.appendRow();   // added and removed again: never written
    family.removeRow(dropped);
    family.apply();

    EXPECT_FALSE(family.hasChanges());
    EXPECT_EQ(stored(), (QStringList{QStringLiteral("200903001/2/형제/홍인형"), QStringLiteral("200903001/5/부/홍대감"),
                                     QStringLiteral("200903002/1/부/다른집")}));
}

TEST_F(CachedTableTest, ARowChangedElsewhereIsNotTakenAsSaved)
{
    family.setValue(1, QStringLiteral("성명"), QStringLiteral("춘향"));
    family.setValue(0, QStringLiteral("성명"), QStringLiteral("홍대감"));
    data.exec(QStringLiteral("DELETE FROM T_가족사항 WHERE 회원번호 = '200903001' AND 순번 = 2"));   // another screen
    const QStringList before = stored();
    EXPECT_THROW(family.apply(), DbError);
    EXPECT_EQ(stored(), before);
    EXPECT_TRUE(family.hasChanges());
}

TEST_F(CachedTableTest, AFailedApplyKeepsTheDatabaseAndTheEdits)
{
    family.setValue(0, QStringLiteral("성명"), QStringLiteral("홍대감"));
    const int added = family.appendRow();
    family.setValue(added, QStringLiteral("회원번호"), QStringLiteral("200903001"));
    family.setValue(added, QStringLiteral("순번"), 2);   // taken by the mother's row
    const QStringList before = stored();
    EXPECT_THROW(family.apply(), DbError);
    EXPECT_EQ(stored(), before);
    EXPECT_TRUE(family.hasChanges());
    EXPECT_EQ(family.value(0, QStringLiteral("성명")).toString(), QStringLiteral("홍대감"));
}

}
