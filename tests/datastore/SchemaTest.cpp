#include "datastore/DbError.h"
#include "datastore/PrintTable.h"
#include "datastore/Query.h"
#include "datastore/SchemaUpgrade.h"
#include "datastore/TableColumns.h"
#include "support/TestData.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(Schema, AFreshDataFileHoldsEveryTableAndTheDeliveredRows)
{
    TestData data;
    for (const char* table : {"T_회원", "T_가족사항", "T_도장정보", "T_부별코드", "T_급품코드", "T_학년코드",
                              "T_지역코드", "T_우편번호", "T_입관동기", "T_휴퇴사유", "T_코스코드", "T_장소코드",
                              "T_시간코드", "T_수련비납부", "Print"})
        EXPECT_TRUE(TableColumns::tableExists(data.session(), QString::fromUtf8(table))) << table;

    EXPECT_EQ(data.count(QStringLiteral("T_도장정보")), 1);
    EXPECT_EQ(data.column(QStringLiteral("SELECT 학년 FROM T_학년코드 ORDER BY 학년코드")),
              (QStringList{"유치 4", "유치 5", "유치 6", "유치 7", "초등 1", "초등 2", "초등 3", "초등 4", "초등 5",
                           "초등 6", "중등 1", "중등 2", "중등 3", "고등 1", "고등 2", "고등 3", "대학교", "일반"}));

    const QStringList divisions = data.column(QStringLiteral("SELECT 부별코드 FROM T_부별코드 WHERE 수련비 > 0 ORDER BY 1"));
    for (int code = 1; code <= 15; ++code)
        EXPECT_TRUE(divisions.contains(QStringLiteral("%1").arg(code, 2, 10, QLatin1Char('0')))) << code;

    // The grade ladder climbs one code at a time from 01, with a belt colour on every step.
    const QStringList grades = data.column(QStringLiteral("SELECT 급품코드 FROM T_급품코드 ORDER BY 1"));
    ASSERT_GE(grades.size(), 20);
    for (int i = 0; i < grades.size(); ++i)
        EXPECT_EQ(grades[i].toInt(), i + 1);
    EXPECT_EQ(data.scalar(QStringLiteral("SELECT COUNT(*) FROM T_급품코드 WHERE COALESCE(띠색,'') = ''")).toInt(), 0);

    for (const char* table : {"T_지역코드", "T_우편번호", "T_입관동기", "T_휴퇴사유", "T_코스코드", "T_장소코드", "T_시간코드"})
        EXPECT_GT(data.count(QString::fromUtf8(table)), 0) << table;
    EXPECT_EQ(SchemaUpgrade::currentVersion(data.session()), SchemaUpgrade::latestVersion());
}

TEST(Schema, AFileThatIsNoDataFileStopsTheOpeningWithTheEnginesMessage)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Quenmar2000.db"));
    QFile garbage(file);
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write(QByteArray(4096, 'x'));
    garbage.close();
    Session session(file, QStringLiteral("garbage"));
    try {
        session.open();
        FAIL() << "opened";
    } catch (const DbError& error) {
        EXPECT_TRUE(error.message().contains(QStringLiteral("not a database"))) << error.message().toStdString();
    }
}

TEST(Schema, SavesAreWrittenForAPowerCut)
{
    TestData data;
    EXPECT_EQ(data.scalar(QStringLiteral("PRAGMA journal_mode")).toString(), QStringLiteral("delete"));
    EXPECT_EQ(data.scalar(QStringLiteral("PRAGMA synchronous")).toInt(), 2);   // FULL
}

TEST(Schema, PrintHasEveryColumnFamilyIgnoringCase)
{
    TestData data;
    const QStringList columns = TableColumns::columns(data.session(), QStringLiteral("Print"));
    for (const char* name : {"seqno", "회원번호", "association", "구분12", "가정통신16", "f40", "A13", "E13", "G13",
                             "H13", "I13", "J13", "K13", "L13", "M13", "N13"})
        EXPECT_TRUE(columns.contains(QString::fromUtf8(name), Qt::CaseInsensitive)) << name;
    EXPECT_EQ(columns.size(), PrintTable::columnNames().size());

    data.exec(QStringLiteral("INSERT INTO print (SeqNo, F01, g01) VALUES (1, 'x', 'y')"));
    PrintTable::addEndRow(data.session());
    EXPECT_EQ(data.scalar(QStringLiteral("SELECT G01 FROM Print WHERE seqno = 100000")).toString(), QStringLiteral("999"));
    PrintTable::clear(data.session());
    EXPECT_EQ(data.count(QStringLiteral("Print")), 0);
}

// A data file written before any schema version existed: some tables, with
// the dojang's own rows, and an older Print without the later columns.
TEST(Schema, AnOlderDataFileIsCompletedWithoutLosingRows)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Quenmar2000.db"));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("raw"));
        db.setDatabaseName(file);
        ASSERT_TRUE(db.open());
        QSqlQuery sql(db);
        for (const char* statement :
             {"CREATE TABLE T_부별코드 (부별코드 VARCHAR(2) PRIMARY KEY, 부명 VARCHAR(20), 수련비 INTEGER)",
              "INSERT INTO T_부별코드 VALUES ('01', '우리유치부', 99000)",
              "CREATE TABLE T_도장정보 (도장명 VARCHAR(50), 메인화면 VARCHAR(8), 메인화면체크유무 VARCHAR(1),"
              " 상장발부 INTEGER DEFAULT 0 NOT NULL)",
              "INSERT INTO T_도장정보 (도장명, 상장발부) VALUES ('우리도장', 41)",
              "CREATE TABLE Print (seqno INTEGER, f01 TEXT, G01 TEXT)",
              "INSERT INTO Print (seqno, f01) VALUES (3, 'kept')"})
            ASSERT_TRUE(sql.exec(QString::fromUtf8(statement))) << statement;
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("raw"));

    Session upgraded(file, QStringLiteral("upgraded"));
    upgraded.open();
    EXPECT_EQ(SchemaUpgrade::currentVersion(upgraded), SchemaUpgrade::latestVersion());
    EXPECT_EQ(Query(upgraded, QStringLiteral("SELECT 부명 FROM T_부별코드 WHERE 부별코드 = '01'")).scalar().toString(),
              QStringLiteral("우리유치부"));
    EXPECT_GT(Query(upgraded, QStringLiteral("SELECT COUNT(*) FROM T_부별코드")).scalar().toInt(), 1);
    EXPECT_EQ(Query(upgraded, QStringLiteral("SELECT COUNT(*) FROM T_도장정보")).scalar().toInt(), 1);
    EXPECT_EQ(Query(upgraded, QStringLiteral("SELECT 상장발부 FROM T_도장정보")).scalar().toInt(), 41);
    EXPECT_EQ(Query(upgraded, QStringLiteral("SELECT f01 FROM Print")).scalar().toString(), QStringLiteral("kept"));
    EXPECT_TRUE(TableColumns::columns(upgraded, QStringLiteral("Print")).contains(QStringLiteral("N13")));
    EXPECT_TRUE(TableColumns::tableExists(upgraded, QStringLiteral("T_회원")));
}

// A later program adds its step; a file of the previous version keeps its
// rows, gets the new table, and a step that fails leaves the file as it was.
TEST(Schema, LaterStepsRunOnceEachInTheirOwnTransaction)
{
    TestData data;
    data.exec(QStringLiteral("INSERT INTO T_회원 (회원번호, 회원명) VALUES ('200903001', '홍길동')"));
    const int base = SchemaUpgrade::latestVersion();
    QList<SchemaUpgrade::Step> steps = SchemaUpgrade::steps();
    int runs = 0;
    steps.append({base + 1, [&runs](Session& s) {
                      ++runs;
                      Query(s, QStringLiteral("CREATE TABLE IF NOT EXISTS T_새표 (순번 INTEGER DEFAULT 0 NOT NULL)")).exec();
                  }});
    SchemaUpgrade::run(data.session(), steps);
    SchemaUpgrade::run(data.session(), steps);
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(SchemaUpgrade::currentVersion(data.session()), base + 1);
    EXPECT_EQ(data.count(QStringLiteral("T_회원")), 1);

    steps.append({base + 2, [](Session& s) {
                      Query(s, QStringLiteral("CREATE TABLE T_반쪽 (a INTEGER)")).exec();
                      Query(s, QStringLiteral("INSERT INTO T_없는표 VALUES (1)")).exec();
                  }});
    EXPECT_THROW(SchemaUpgrade::run(data.session(), steps), DbError);
    EXPECT_EQ(SchemaUpgrade::currentVersion(data.session()), base + 1);
    EXPECT_FALSE(TableColumns::tableExists(data.session(), QStringLiteral("T_반쪽")));
}

TEST(Schema, RunningTheFirstStepAgainDuplicatesNothing)
{
    TestData data;
    const int postal = data.count(QStringLiteral("T_우편번호"));
    const int divisions = data.count(QStringLiteral("T_부별코드"));
    data.exec(QStringLiteral("PRAGMA user_version = 0"));
    data.session().close();
    data.session().open();
    EXPECT_EQ(data.count(QStringLiteral("T_우편번호")), postal);
    EXPECT_EQ(data.count(QStringLiteral("T_부별코드")), divisions);
    EXPECT_EQ(data.count(QStringLiteral("T_도장정보")), 1);
    EXPECT_EQ(SchemaUpgrade::currentVersion(data.session()), SchemaUpgrade::latestVersion());
}

}
