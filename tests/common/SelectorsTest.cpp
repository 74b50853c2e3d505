#include "common/Ladders.h"
#include "common/Selectors.h"

#include <gtest/gtest.h>

namespace {

QString param(const SqlCondition& condition, const QString& name)
{
    for (const auto& [key, value] : condition.params)
        if (key == name)
            return value.toString();
    return QStringLiteral("<unbound>");
}

TEST(DivisionSelector, ItemsStartWithTheGroupsThenEveryDivision)
{
    const QStringList items = DivisionSelector::items({{QStringLiteral("01"), QStringLiteral("유치1부")},
                                                      {QStringLiteral("12"), QStringLiteral("중등부")}});
    const QStringList expected{QString(),
                               QStringLiteral("     전체"),
                               QStringLiteral("     유치부"),
                               QStringLiteral("     초등부"),
                               QStringLiteral("     중고/일반"),
                               QStringLiteral("01)  유치1부"),
                               QStringLiteral("12)  중등부")};
    EXPECT_EQ(items, expected);
}

struct DivisionCase {
    const char* item;
    const char* sql;
    const char* caption;
};

TEST(DivisionSelector, EachItemGivesItsConditionAndCaption)
{
    const DivisionCase cases[] = {
        {"", "", "전체"},
        {"     전체", "", "전체"},
        {"   전체", "", "전체"},   // screens that write fewer blanks
        {"     유치부", "a.부별코드 <= :div", "유치부"},
        {"     초등부", "a.부별코드 BETWEEN :div_from AND :div_to", "초등부"},
        {"     중고/일반", "a.부별코드 >= :div", "중고/일반"},
        {"03)  초등1부", "a.부별코드 LIKE :div ESCAPE '\\'", "  초등1부"},
    };
    for (const auto& c : cases) {
        const QString item = QString::fromUtf8(c.item);
        const SqlCondition condition = DivisionSelector::condition(item, QStringLiteral("a.부별코드"), QStringLiteral("div"));
        EXPECT_EQ(condition.sql, QString::fromUtf8(c.sql)) << c.item;
        EXPECT_EQ(DivisionSelector::caption(item), QString::fromUtf8(c.caption)) << c.item;
    }
    EXPECT_EQ(param(DivisionSelector::condition(QStringLiteral("     유치부"), QStringLiteral("c"), QStringLiteral("d")),
                    QStringLiteral("d")),
              QStringLiteral("02"));
    const SqlCondition elementary =
        DivisionSelector::condition(QStringLiteral("     초등부"), QStringLiteral("c"), QStringLiteral("d"));
    EXPECT_EQ(param(elementary, QStringLiteral("d_from")), QStringLiteral("03"));
    EXPECT_EQ(param(elementary, QStringLiteral("d_to")), QStringLiteral("11"));
    EXPECT_EQ(param(DivisionSelector::condition(QStringLiteral("     중고/일반"), QStringLiteral("c"), QStringLiteral("d")),
                    QStringLiteral("d")),
              QStringLiteral("12"));
    EXPECT_EQ(param(DivisionSelector::condition(QStringLiteral("03)  초등1부"), QStringLiteral("c"), QStringLiteral("d")),
                    QStringLiteral("d")),
              QStringLiteral("03%"));
}

TEST(SchoolYearSelector, GroupsBecomeListsAndYearsBecomeLikes)
{
    EXPECT_EQ(SchoolYearSelector::items({QStringLiteral("유치 4"), QStringLiteral("일반")}).mid(4),
              (QStringList{QStringLiteral("     중고/일반"), QStringLiteral("유치 4"), QStringLiteral("일반")}));

    EXPECT_TRUE(SchoolYearSelector::condition(QString(), QStringLiteral("학년"), QStringLiteral("y")).isEmpty());
    EXPECT_TRUE(SchoolYearSelector::condition(QStringLiteral("     전체"), QStringLiteral("학년"), QStringLiteral("y")).isEmpty());

    const SqlCondition kindergarten =
        SchoolYearSelector::condition(QStringLiteral("     유치부"), QStringLiteral("학년"), QStringLiteral("y"));
    EXPECT_EQ(kindergarten.sql, QStringLiteral("학년 IN (:y1,:y2,:y3,:y4)"));
    EXPECT_EQ(param(kindergarten, QStringLiteral("y4")), QStringLiteral("유치 7"));

    const SqlCondition older =
        SchoolYearSelector::condition(QStringLiteral("     중고/일반"), QStringLiteral("학년"), QStringLiteral("y"));
    EXPECT_EQ(older.params.size(), 8);
    EXPECT_EQ(param(older, QStringLiteral("y1")), QStringLiteral("중등 1"));
    EXPECT_EQ(param(older, QStringLiteral("y8")), QStringLiteral("일반"));
    EXPECT_EQ(SchoolYearSelector::condition(QStringLiteral("     초등부"), QStringLiteral("학년"), QStringLiteral("y")).params.size(), 6);

    const SqlCondition year = SchoolYearSelector::condition(QStringLiteral("초등 3 "), QStringLiteral("학년"), QStringLiteral("y"));
    EXPECT_EQ(year.sql, QStringLiteral("학년 LIKE :y ESCAPE '\\'"));
    EXPECT_EQ(param(year, QStringLiteral("y")), QStringLiteral("초등 3"));

    EXPECT_EQ(SchoolYearSelector::caption(QString()), QStringLiteral("전체"));
    EXPECT_EQ(SchoolYearSelector::caption(QStringLiteral("     초등부")), QStringLiteral("초등부"));
    EXPECT_EQ(SchoolYearSelector::caption(QStringLiteral("중등 2")), QStringLiteral("중등 2"));
}

TEST(SqlText, LikeEscapesWildcardsTypedByTheUser)
{
    EXPECT_EQ(SqlText::likeContains(QStringLiteral("50%_할인\\")), QStringLiteral("%50\\%\\_할인\\\\%"));
    EXPECT_EQ(SqlText::likePrefix(QStringLiteral("김")), QStringLiteral("김%"));
}

TEST(Ladders, NextGradeAndSchoolYearPromotion)
{
    EXPECT_EQ(Ladders::nextGradeCode(QStringLiteral("01")), QStringLiteral("02"));
    EXPECT_EQ(Ladders::nextGradeCode(QStringLiteral("09")), QStringLiteral("10"));
    EXPECT_EQ(Ladders::nextGradeCode(QStringLiteral("22")), QStringLiteral("23"));
    EXPECT_EQ(Ladders::nextGradeCode(QString()), QString());
    EXPECT_EQ(Ladders::nextGradeCode(QStringLiteral("22"), QStringLiteral("23")), QStringLiteral("23"));
    EXPECT_EQ(Ladders::nextGradeCode(QStringLiteral("23"), QStringLiteral("23")), QString());

    EXPECT_EQ(Ladders::promotedSchoolYear(1), 2);
    EXPECT_EQ(Ladders::promotedSchoolYear(17), 18);
    EXPECT_EQ(Ladders::promotedSchoolYear(18), 18);
}

}
