#include "combat/Bullet.h"
#include "combat/Shield.h"
#include "engine/ZE_Actions.h"

#include "support/CombatFixture.h"

#include <gtest/gtest.h>

namespace {

class ShieldTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        sheets = new combat::Sheets();
        shield = new Shield("", sheets->screen, sheets->shieldsLittle, 2);
        bullet = new Bullet("", sheets->screen, sheets->cannons);
        shield->setX(400);
        shield->setY(300);
    }
    void TearDown() override
    {
        delete bullet;
        delete shield;
        delete sheets;
    }
    void give(int points)
    {
        shield->setHealth(points);
        shield->setMaxHealth(points);
        shield->setEnable(true);
    }
    void strike(int damage, float dx, float dy)
    {
        bullet->setDamage(damage);
        bullet->setX(400 + dx);
        bullet->setY(300 + dy);
        shield->hit(bullet);
    }
    combat::Sheets* sheets = nullptr;
    Shield* shield = nullptr;
    Bullet* bullet = nullptr;
};

}  // namespace

TEST_F(ShieldTest, ResetLeavesItOffWithOnePointAMinute)
{
    give(40);
    shield->setRechargeEnable(true);
    strike(40, 5, 0);
    for (int i = 0; i < 70; ++i)
        shield->run();
    ASSERT_TRUE(shield->getDown());
    shield->reset();
    EXPECT_FALSE(shield->getDown());
    EXPECT_FALSE(shield->getEnable());
    EXPECT_EQ(shield->getHealth(), 0);
    EXPECT_EQ(shield->getMaxHealth(), 0);
    EXPECT_EQ(shield->getRechargeStep(), 3600);
    EXPECT_EQ(shield->getRechargeCount(), 3600);
    EXPECT_FALSE(shield->getRechargeEnable());
    EXPECT_EQ(shield->getCurrentFrame(), 1);
    EXPECT_EQ(shield->getAlpha(), 255);
    EXPECT_EQ(shield->getAction(), 0);
    EXPECT_EQ(shield->getCenterX(), combat::SheetSizes::kShieldLittle / 2);
}

TEST_F(ShieldTest, AHitTakesItsDamageAndTurnsTheFlashToTheImpact)
{
    struct Case {
        float dx, dy, angle;
    };
    const Case cases[] = {{10, 10, 45}, {-10, 0, 180}, {0, -10, -90}, {0, 10, 90}};
    for (const Case& c : cases) {
        give(5);
        strike(3, c.dx, c.dy);
        EXPECT_EQ(shield->getHealth(), 2);
        EXPECT_EQ(shield->getAction(), ACTION_SHIELD_HIT);
        EXPECT_NEAR(shield->getAngle(), c.angle, 1e-3);
        EXPECT_TRUE(shield->getEnable());
        EXPECT_FALSE(shield->getDown());
    }
}

TEST_F(ShieldTest, TheFlashFadesInTwentyFourFramesAndEndsInTheTwentyFifth)
{
    give(5);
    strike(1, 5, 5);
    for (int n = 1; n <= 26; ++n) {
        shield->run();
        if (n < 25) {
            ASSERT_EQ(shield->getAction(), ACTION_FADE) << n;
            ASSERT_EQ(shield->getAlpha(), 250 - 10 * n) << n;
            ASSERT_EQ(shield->getCurrentFrame(), 3) << n;
            shield->draw();  // frame 3, then 2 over it, then back to 3
            ASSERT_EQ(shield->getCurrentFrame(), 3) << n;
        } else if (n == 25) {
            ASSERT_EQ(shield->getAction(), 0);
            ASSERT_EQ(shield->getAlpha(), 0);
        } else {
            ASSERT_EQ(shield->getCurrentFrame(), 1) << "steady again, drawn invisible";
            ASSERT_EQ(shield->getAlpha(), 0);
        }
    }
    // A new hit restarts the flash.
    strike(1, 5, 5);
    shield->run();
    EXPECT_EQ(shield->getAlpha(), 240);
}

TEST_F(ShieldTest, AnEmptyingHitCollapsesItInSixtyThreeFrames)
{
    give(5);
    shield->setRechargeEnable(true);
    strike(5, 0, 8);
    EXPECT_EQ(shield->getHealth(), 0);
    EXPECT_EQ(shield->getAlpha(), 252);
    EXPECT_EQ(shield->getCurrentFrame(), 2);
    EXPECT_EQ(shield->getAction(), ACTION_SHIELD_DOWN);
    EXPECT_FALSE(shield->getRechargeEnable());
    for (int n = 1; n <= 63; ++n) {
        shield->run();
        if (n < 63) {
            ASSERT_TRUE(shield->getEnable()) << n;
            ASSERT_EQ(shield->getAlpha(), 252 - 4 * n) << n;
            ASSERT_NEAR(shield->getScaleX(), 1 - 0.018f * n, 1e-4) << n;
            ASSERT_FALSE(shield->getDown());
        }
    }
    EXPECT_FALSE(shield->getEnable());
    EXPECT_TRUE(shield->getDown());
    EXPECT_EQ(shield->getAction(), 0);
    EXPECT_FLOAT_EQ(shield->getScaleX(), 1);
    EXPECT_FLOAT_EQ(shield->getScaleY(), 1);
    // Down stays set when the shield is switched on again, until a reset.
    give(10);
    EXPECT_TRUE(shield->getDown());
}

TEST_F(ShieldTest, DamageBeyondThePointsEmptiesItExactly)
{
    give(3);
    strike(50, 1, 1);
    EXPECT_EQ(shield->getHealth(), 0);
    EXPECT_EQ(shield->getAction(), ACTION_SHIELD_DOWN);
}

TEST_F(ShieldTest, RechargeAddsAPointEveryStepUpToTheMaximum)
{
    give(10);
    shield->setHealth(5);
    shield->setRechargeEnable(true);
    for (int n = 1; n <= 3600; ++n) {
        shield->run();
        if (n < 3600) {
            ASSERT_EQ(shield->getHealth(), 5) << n;
        }
    }
    EXPECT_EQ(shield->getHealth(), 6);
    for (int n = 0; n < 3600 * 10; ++n)
        shield->run();
    EXPECT_EQ(shield->getHealth(), 10) << "never above the maximum";
}

TEST_F(ShieldTest, AShortenedStepTakesEffectAtOnce)
{
    give(10);
    shield->setHealth(5);
    shield->setRechargeEnable(true);
    for (int n = 0; n < 600; ++n)
        shield->run();
    ASSERT_EQ(shield->getRechargeCount(), 3000);
    shield->setRechargeStep(1800);
    for (int n = 1; n <= 1800; ++n) {
        shield->run();
        if (n < 1800) {
            ASSERT_EQ(shield->getHealth(), 5) << n;
        }
    }
    EXPECT_EQ(shield->getHealth(), 6);
    EXPECT_EQ(shield->getRechargeCount(), 1800);
}

TEST_F(ShieldTest, LoweringTheMaximumCutsThePointsAtTheNextRun)
{
    give(10);
    shield->setRechargeEnable(true);
    shield->setMaxHealth(4);
    shield->run();
    EXPECT_EQ(shield->getHealth(), 4);
}

TEST_F(ShieldTest, AnEmptyOrDisabledShieldNeitherRechargesNorFades)
{
    give(10);
    shield->setHealth(0);
    shield->setRechargeEnable(true);
    shield->setRechargeStep(1);
    for (int n = 0; n < 10; ++n)
        shield->run();
    EXPECT_EQ(shield->getHealth(), 0) << "0 points never recharge";

    give(10);
    shield->setHealth(5);
    strike(1, 3, 3);
    shield->setEnable(false);
    for (int n = 0; n < 10; ++n)
        shield->run();
    EXPECT_EQ(shield->getHealth(), 4);
    EXPECT_EQ(shield->getAction(), ACTION_SHIELD_HIT);
    EXPECT_EQ(shield->getAlpha(), 255);
}

TEST_F(ShieldTest, TheMaskOfTheFirstFrameDecidesAHit)
{
    give(5);
    const int half = combat::SheetSizes::kShieldLittle / 2;
    EXPECT_TRUE(shield->hitTest(400, 300));
    EXPECT_TRUE(shield->hitTest(400 + half - 1, 300));
    EXPECT_FALSE(shield->hitTest(400 + half + 2, 300));
}
