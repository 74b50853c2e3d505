#include "fees/ClosedMonth.h"
#include "support/TestData.h"

#include <gtest/gtest.h>

namespace {

TEST(ClosedMonth, EmptyAndAllZeroCloseNothing)
{
    struct Case {
        const char* month;
        const char* last;
        bool closed;
    } const cases[] = {
        {"200903", "", false},       {"200903", "000000", false}, {"200903", "200903", true},
        {"200902", "200903", true},  {"200904", "200903", false}, {"199912", "200001", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ClosedMonth::isClosed(QLatin1String(c.month), QLatin1String(c.last)), c.closed) << c.month << " " << c.last;
}

TEST(ClosedMonth, ReadsTheLatestClosedRow)
{
    TestData data;
    EXPECT_EQ(ClosedMonth::latest(data.session()), QString());   // the cash book is not set up
    data.exec(QStringLiteral("INSERT INTO T_금전출납마감 (마감연월, 마감여부) VALUES ('200902', '0')"));
    EXPECT_EQ(ClosedMonth::latest(data.session()), QString());
    data.exec(QStringLiteral("INSERT INTO T_금전출납마감 (마감연월, 마감여부) VALUES ('200812', '1'), ('200901', '1')"));
    EXPECT_EQ(ClosedMonth::latest(data.session()), QStringLiteral("200901"));
}

}
