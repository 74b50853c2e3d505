#include "common/NumberFormat.h"

#include <gtest/gtest.h>

namespace {

struct FormatCase {
    double value;
    const char* mask;
    const char* expected;
};

TEST(NumberFormat, MasksRoundHalfAwayFromZeroOnTheDecimalValue)
{
    const FormatCase cases[] = {
        {1234567, ",##0", "1,234,567"},
        {0, ",##0", "0"},
        {999, ",##0", "999"},
        {-1500, ",##0", "-1,500"},
        {1234.5, ",##0", "1,235"},
        {74.5, "##0", "75"},
        {-74.5, "##0", "-75"},
        {0.4, "##0", "0"},
        {-0.4, "##0", "0"},
        {12.35, "##0.0", "12.4"},
        {12.25, "##0.0", "12.3"},
        {-12.35, "##0.0", "-12.4"},
        {0.05, "##0.0", "0.1"},
        {7, "##0.0", "7.0"},
        {0.45, "#0.0", "0.5"},
        {1.005, "#0.0", "1.0"},
        {3, "0000", "0003"},
        {12345, "0000", "12345"},
        {12.35, "##0.#", "12.4"},
        {12, "##0.#", "12."},
        {9.96, "##0.0", "10.0"},
        {999.95, "#,##0.0", "1,000.0"},
        {0.5, "###.0", ".5"},
        {123456789.35, "##0.0", "123456789.4"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NumberFormat::format(c.value, QString::fromLatin1(c.mask)), QLatin1String(c.expected))
            << c.value << " " << c.mask;
}

TEST(NumberFormat, VariantsFormatNumbersAndLeaveTheRestEmpty)
{
    EXPECT_EQ(NumberFormat::format(QVariant(), QStringLiteral(",##0")), QString());
    EXPECT_EQ(NumberFormat::format(QVariant(QStringLiteral("abc")), QStringLiteral(",##0")), QString());
    EXPECT_EQ(NumberFormat::format(QVariant(QStringLiteral(" 120000")), QStringLiteral(",##0")),
              QStringLiteral("120,000"));
    EXPECT_EQ(NumberFormat::format(QVariant(qlonglong(50000)), QStringLiteral(",##0")), QStringLiteral("50,000"));
}

TEST(NumberFormat, RoundAndWon)
{
    EXPECT_DOUBLE_EQ(NumberFormat::round(12.35, 1), 12.4);
    EXPECT_DOUBLE_EQ(NumberFormat::round(-2.5, 0), -3);
    EXPECT_DOUBLE_EQ(NumberFormat::round(2.675, 2), 2.68);
    EXPECT_EQ(NumberFormat::won(120000), QStringLiteral("120,000원"));
    EXPECT_EQ(NumberFormat::won(0), QStringLiteral("0원"));
}

TEST(NumberFormat, StrWritesABlankForThePlusSign)
{
    EXPECT_EQ(NumberFormat::str(5), QStringLiteral(" 5"));
    EXPECT_EQ(NumberFormat::str(0), QStringLiteral(" 0"));
    EXPECT_EQ(NumberFormat::str(-5), QStringLiteral("-5"));
    EXPECT_EQ(NumberFormat::str(12.5), QStringLiteral(" 12.5"));
    EXPECT_EQ(NumberFormat::str(10).trimmed(), QStringLiteral("10"));
}

}
