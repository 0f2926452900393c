#include "engine/ZE.h"
#include "engine/ZE_Util.h"

#include <gtest/gtest.h>

#include <set>

TEST(Util, CutExtensionRemovesFromTheLastDot)
{
    struct Case {
        const char* name;
        const char* expected;
    };
    const Case cases[] = {
        {"data/objects/player/base.png", "data/objects/player/base"},
        {"no_dot_here", "no_dot_here"},
        {"a.b/c", "a"},
        {"archive.tar.gz", "archive.tar"},
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ZE_Util::cutExtension(c.name), c.expected) << c.name;
}

TEST(Util, RandomStaysWithinItsInclusiveBounds)
{
    for (int i = 0; i < 1000; ++i)
        EXPECT_EQ(ZE_Util::random(0), 0);
    std::set<int> seen;
    for (int i = 0; i < 20000; ++i) {
        const int v = ZE_Util::random(100);
        ASSERT_GE(v, 0);
        ASSERT_LE(v, 100);
        seen.insert(v);
    }
    EXPECT_EQ(seen.size(), 101u) << "every value of 0..100 should come up";
}

TEST(Util, DegreesAndRadiansConvert)
{
    EXPECT_NEAR(ZE_Util::degrees(ZE_Util::radians(90.0f)), 90.0f, 1e-4f);
    EXPECT_NEAR(ZE_Util::radians(180.0f), 3.14159265f, 1e-6f);
    EXPECT_NEAR(ZE_Util::degrees(3.14159265f / 2.0f), 90.0f, 1e-4f);
    EXPECT_FLOAT_EQ(ZE_Util::radians(0.0f), 0.0f);
    EXPECT_NEAR(ZE_Util::radians(-270.0f), -4.71238898f, 1e-6f);
}

TEST(Paths, DataLayout)
{
    EXPECT_EQ(ZE::dataPath(), "data/");
    EXPECT_EQ(ZE::objectPath(), "data/objects/");
    EXPECT_EQ(ZE::soundPath(), "data/sounds/");
    EXPECT_EQ(ZE::musicPath(), "data/musics/");
    EXPECT_EQ(ZE::stagePath(0), "data/stages/0/");
    EXPECT_EQ(ZE::stagePath(11), "data/stages/11/");
    EXPECT_EQ(ZE::configFile(), "config.cfg");
    EXPECT_EQ(ZE::version(), "0.42");
    EXPECT_EQ(ZE::errNoCoins(), "INSUFFICENT COINS, YOU CAN NOT PURCHASE THE ITEM!");
}
