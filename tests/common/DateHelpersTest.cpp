#include "common/Clock.h"
#include "common/DateText.h"
#include "common/KoreanAge.h"
#include "common/MonthKey.h"

#include <gtest/gtest.h>

namespace {

struct TextToDate {
    const char* text;
    QDate expected;
};

TEST(DateText, ReadsOnlyRealDaysWrittenYearMonthDay)
{
    const TextToDate cases[] = {
        {"2009-03-05", QDate(2009, 3, 5)},
        {"2008-02-29", QDate(2008, 2, 29)},
        {"2009-02-29", QDate()},             // not a leap year
        {"2009-13-01", QDate()},
        {"2009-3-5", QDate()},
        {"20090305", QDate()},
        {"", QDate()},
        {"2009-03-05 00:00:00", QDate(2009, 3, 5)},   // a stored time part is ignored
        {" 2009-03-05 ", QDate(2009, 3, 5)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DateText::toDate(QString::fromUtf8(c.text)), c.expected) << c.text;
    EXPECT_TRUE(DateText::isDateText(QStringLiteral("2009-03-05")));
    EXPECT_FALSE(DateText::isDateText(QStringLiteral("2009-03-05 10:00")));
}

TEST(DateText, ShowsNoDateForNullEmptyAndTheZeroDate)
{
    EXPECT_EQ(DateText::display(QVariant()), QString());
    EXPECT_EQ(DateText::display(QStringLiteral("")), QString());
    EXPECT_EQ(DateText::display(QStringLiteral("1899-12-30")), QString());
    EXPECT_EQ(DateText::display(QDate(1899, 12, 30)), QString());
    EXPECT_EQ(DateText::display(QStringLiteral("2009-03-05")), QStringLiteral("2009-03-05"));
    EXPECT_EQ(DateText::display(QDate(2009, 3, 5)), QStringLiteral("2009-03-05"));
    EXPECT_EQ(DateText::fromDate(QDate(2009, 3, 5)), QStringLiteral("2009-03-05"));
    EXPECT_EQ(DateText::fromDate(QDate()), QString());
}

TEST(DateText, StorableTurnsAnEmptyEntryIntoNull)
{
    EXPECT_TRUE(DateText::storable(QString()).isNull());
    EXPECT_TRUE(DateText::storable(QStringLiteral("    -  -  ")).isNull());
    EXPECT_EQ(DateText::storable(QStringLiteral("2009-03-05")).toString(), QStringLiteral("2009-03-05"));
}

struct MonthCase {
    const char* key;
    const char* next;
    const char* previous;
    const char* first;
    const char* last;
};

TEST(MonthKey, CalendarArithmeticAcrossYearsAndLeapFebruaries)
{
    const MonthCase cases[] = {
        {"200903", "200904", "200902", "2009-03-01", "2009-03-31"},
        {"200812", "200901", "200811", "2008-12-01", "2008-12-31"},
        {"200901", "200902", "200812", "2009-01-01", "2009-01-31"},
        {"200802", "200803", "200801", "2008-02-01", "2008-02-29"},
        {"210002", "210003", "210001", "2100-02-01", "2100-02-28"},
        {"200002", "200003", "200001", "2000-02-01", "2000-02-29"},
    };
    for (const auto& c : cases) {
        const QString key = QString::fromLatin1(c.key);
        EXPECT_EQ(MonthKey::next(key), QLatin1String(c.next)) << c.key;
        EXPECT_EQ(MonthKey::previous(key), QLatin1String(c.previous)) << c.key;
        EXPECT_EQ(MonthKey::firstDayText(key), QLatin1String(c.first)) << c.key;
        EXPECT_EQ(MonthKey::lastDayText(key), QLatin1String(c.last)) << c.key;
    }
    EXPECT_EQ(MonthKey::add(QStringLiteral("200911"), 14), QStringLiteral("201101"));
}

TEST(MonthKey, RefusesWhatIsNotAMonth)
{
    for (const char* bad : {"200813", "200800", "20081", "2008011", "2008-1", "abcdef", "", "２００８０１"})
        EXPECT_FALSE(MonthKey::isValid(QString::fromUtf8(bad))) << bad;
    EXPECT_TRUE(MonthKey::isValid(QStringLiteral("200812")));
    EXPECT_EQ(MonthKey::next(QStringLiteral("200813")), QString());
    EXPECT_EQ(MonthKey::fromDate(QDate(2009, 3, 31)), QStringLiteral("200903"));
}

TEST(MonthKey, MonthBeforeADate)
{
    EXPECT_EQ(MonthKey::monthBefore(QDate(2009, 1, 15)), QStringLiteral("2008-12"));
    EXPECT_EQ(MonthKey::monthBefore(QDate(2009, 3, 31)), QStringLiteral("2009-02"));
    EXPECT_EQ(MonthKey::monthBefore(QDate(2009, 12, 1)), QStringLiteral("2009-11"));
}

TEST(KoreanAge, CountsTheYearOfBirthAsOne)
{
    const QDate today(2009, 3, 5);
    EXPECT_EQ(koreanAge(QDate(2009, 12, 31), today), 1);
    EXPECT_EQ(koreanAge(QDate(2002, 12, 31), today), 8);
    EXPECT_EQ(koreanAge(QDate(2002, 1, 1), today), 8);
    EXPECT_EQ(koreanAge(QDate(), today), 0);
}

TEST(Clock, CanBePinnedAndReleased)
{
    Clock::setToday(QDate(2009, 3, 5));
    EXPECT_EQ(Clock::today(), QDate(2009, 3, 5));
    EXPECT_EQ(Clock::todayText(), QStringLiteral("2009-03-05"));
    Clock::setToday(QDate());
    EXPECT_EQ(Clock::today(), QDate::currentDate());
}

}
