#include "datastore/DbError.h"
#include "datastore/TableColumns.h"
#include "datastore/TempTable.h"
#include "support/TestData.h"

#include <gtest/gtest.h>

namespace {

TEST(TempTable, LayoutsTranslateToTheEngineTypes)
{
    EXPECT_EQ(TempTable::sqliteLayout(TempTable::kCompletionCertificates),
              QStringLiteral("(순번 integer, 회원명 VARCHAR(10), 급품명 VARCHAR(10), 생년월일 CHAR(10), 회원번호 VARCHAR(9) )"));
}

TEST(TempTable, CreateAndDropAsPrintingScreensUseIt)
{
    TestData data;
    EXPECT_NO_THROW(TempTable::drop(data.session()));   // absent: silent

    for (const QString& layout : {TempTable::kTickedMembers, TempTable::kGradeCertificates, TempTable::kCompletionCertificates}) {
        TempTable::create(data.session(), layout);
        EXPECT_TRUE(TableColumns::tableExists(data.session(), QStringLiteral("T_Temp")));
        TempTable::drop(data.session());
        EXPECT_FALSE(TableColumns::tableExists(data.session(), QStringLiteral("T_Temp")));
    }

    TempTable::create(data.session(), TempTable::kTickedMembers);
    data.exec(QStringLiteral("INSERT INTO T_Temp VALUES ('200903001')"));
    EXPECT_THROW(TempTable::create(data.session(), TempTable::kTickedMembers), DbError);
    TempTable::create(data.session(), TempTable::kGradeCertificates, true);   // left over from an interrupted print
    EXPECT_EQ(data.count(QStringLiteral("T_Temp")), 0);
    EXPECT_TRUE(TableColumns::columns(data.session(), QStringLiteral("T_Temp")).contains(QStringLiteral("급품명")));
}

}
