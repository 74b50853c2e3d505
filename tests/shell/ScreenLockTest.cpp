#include "shell/InputMode.h"
#include "shell/ScreenLock.h"
#include "support/TestData.h"

#include <gtest/gtest.h>

namespace {

struct LockCase {
    const char* name;
    const char* setup;     // statement on the delivered dojang row
    bool locked;
};

TEST(ScreenLock, LockedOnlyWithARowAPasswordAndTheSwitchOn)
{
    const LockCase cases[] = {
        {"no row", "DELETE FROM T_도장정보", false},
        {"password NULL", "UPDATE T_도장정보 SET 메인화면 = NULL, 메인화면체크유무 = '1'", false},
        {"switch 0", "UPDATE T_도장정보 SET 메인화면 = '1234', 메인화면체크유무 = '0'", false},
        {"switch NULL", "UPDATE T_도장정보 SET 메인화면 = '1234', 메인화면체크유무 = NULL", false},
        {"switch 1", "UPDATE T_도장정보 SET 메인화면 = '1234', 메인화면체크유무 = '1'", true},
    };
    for (const auto& c : cases) {
        TestData data;
        data.exec(QString::fromUtf8(c.setup));
        EXPECT_EQ(ScreenLock::mainScreen().isLocked(data.session()), c.locked) << c.name;
    }
}

TEST(ScreenLock, AcceptsOnlyTheStoredPasswordOfItsOwnScreen)
{
    TestData data;
    data.exec(QStringLiteral("UPDATE T_도장정보 SET 메인화면 = 'ab12', 메인화면체크유무 = '1', "
                             "수련비화면 = 'fee1', 수련비화면체크유무 = '0', 금전출납화면 = 'cash', 금전출납화면체크유무 = '1'"));
    EXPECT_TRUE(ScreenLock::mainScreen().accepts(data.session(), QStringLiteral("ab12")));
    EXPECT_FALSE(ScreenLock::mainScreen().accepts(data.session(), QStringLiteral("AB12")));
    EXPECT_FALSE(ScreenLock::mainScreen().accepts(data.session(), QStringLiteral("' OR '1'='1")));
    EXPECT_FALSE(ScreenLock::mainScreen().accepts(data.session(), QString()));
    EXPECT_FALSE(ScreenLock::mainScreen().accepts(data.session(), QStringLiteral("cash")));
    EXPECT_TRUE(ScreenLock::cashBook().accepts(data.session(), QStringLiteral("cash")));
    EXPECT_TRUE(ScreenLock::cashBook().isLocked(data.session()));
    // The fee screen's check also wants its switch on.
    EXPECT_FALSE(ScreenLock::feeScreen().isLocked(data.session()));
    EXPECT_FALSE(ScreenLock::feeScreen().accepts(data.session(), QStringLiteral("fee1")));
    data.exec(QStringLiteral("UPDATE T_도장정보 SET 수련비화면체크유무 = '1'"));
    EXPECT_TRUE(ScreenLock::feeScreen().accepts(data.session(), QStringLiteral("fee1")));
}

TEST(InputMode, SwitchesOnlyFromTheOppositeState)
{
    InputMode mode;
    EXPECT_EQ(mode.conversion(), InputMode::Latin);
    EXPECT_FALSE(mode.apply(QStringLiteral("ENGLISH")));
    EXPECT_TRUE(mode.apply(QStringLiteral("KOREA")));
    EXPECT_EQ(mode.conversion(), InputMode::Hangul);
    EXPECT_FALSE(mode.apply(QStringLiteral("KOREA")));
    EXPECT_FALSE(mode.apply(QStringLiteral("korea")));
    EXPECT_TRUE(mode.apply(QStringLiteral("ENGLISH")));
    EXPECT_EQ(mode.conversion(), InputMode::Latin);
}

}
