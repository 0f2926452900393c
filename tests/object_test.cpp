#include "combat/Bullet.h"
#include "combat/Cannon.h"
#include "combat/Object.h"
#include "combat/Shield.h"
#include "engine/ZE_Actions.h"
#include "engine/ZE_Light.h"
#include "engine/ZE_ParticleGenerator.h"

#include "support/CombatFixture.h"

#include <gtest/gtest.h>

namespace {

class ObjectTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        sheets = new combat::Sheets();
        craft = new Object(sheets->hunter, sheets->screen, sheets->particles, sheets->cannons,
                           sheets->shieldsLittle, sheets->lights, nullptr, 2, 3, 3);
    }
    void TearDown() override
    {
        delete craft;
        delete sheets;
    }
    combat::Sheets* sheets = nullptr;
    Object* craft = nullptr;
};

}  // namespace

TEST_F(ObjectTest, ConstructionBuildsThePartsAndLeavesTheCraftInert)
{
    EXPECT_EQ(craft->getTotalCannons(), 2);
    EXPECT_EQ(craft->getTotalParticleGenerators(), 3);
    EXPECT_EQ(craft->getTotalBullets(0), 100);
    EXPECT_EQ(craft->getTotalBullets(1), 100);
    EXPECT_EQ(craft->getParticleGenerator(2)->getTotalParticles(), 50);
    ASSERT_NE(craft->getShield(), nullptr);
    EXPECT_EQ(craft->getShield()->getCollisionType(), 2);
    EXPECT_EQ(craft->getCollisionType(), 3);
    EXPECT_FALSE(craft->getEnable());
    EXPECT_EQ(craft->getHealth(), 0);
    EXPECT_EQ(craft->getCenterX(), combat::SheetSizes::kEnemy / 2);
    EXPECT_EQ(craft->getSamplesP(), nullptr);
}

TEST_F(ObjectTest, SharingABodyReadsNoFileAndShowsTheSameFrames)
{
    Object twin("", sheets->screen, sheets->particles, sheets->cannons, sheets->shieldsLittle,
                sheets->lights, craft, 1, 3, 3);
    EXPECT_EQ(twin.getFrame(0), craft->getFrame(0));
    EXPECT_EQ(twin.getWidth(), craft->getWidth());
}

TEST_F(ObjectTest, HullDamageFloorsAtZero)
{
    Bullet bullet("", sheets->screen, sheets->cannons);
    struct Case {
        int health, damage, left;
    };
    const Case cases[] = {{10, 3, 7}, {10, 10, 0}, {10, 25, 0}, {10, 0, 10}, {0, 4, 0}};
    for (const Case& c : cases) {
        craft->setHealth(c.health);
        bullet.setDamage(c.damage);
        craft->hit(&bullet);
        EXPECT_EQ(craft->getHealth(), c.left) << c.health << " - " << c.damage;
    }
    craft->setHealth(-5);
    EXPECT_EQ(craft->getHealth(), 0) << "never negative";
}

TEST_F(ObjectTest, ADisabledCraftDoesNotRunItsParts)
{
    Cannon* cannon = craft->getCannon(0);
    cannon->setWeapon(0);
    cannon->setReloadTime(5);
    cannon->shoot();
    Shield* shield = craft->getShield();
    shield->setMaxHealth(10);
    shield->setHealth(5);
    shield->setEnable(true);
    shield->setRechargeEnable(true);
    shield->setRechargeStep(1);
    const float bulletY = cannon->getBulletsP()[0]->getY();
    for (int i = 0; i < 20; ++i)
        craft->run();
    EXPECT_FALSE(cannon->isReady());
    EXPECT_EQ(cannon->getReloadCount(), 0);
    EXPECT_FLOAT_EQ(cannon->getBulletsP()[0]->getY(), bulletY) << "bullets freeze";
    EXPECT_EQ(shield->getHealth(), 5);

    craft->setEnable(true);
    for (int i = 0; i < 5; ++i)
        craft->run();
    EXPECT_TRUE(cannon->isReady());
    EXPECT_NE(cannon->getBulletsP()[0]->getY(), bulletY);
    EXPECT_EQ(shield->getHealth(), 10);
}

TEST_F(ObjectTest, ResetDisablesAndResetsThePartsButNotTheLight)
{
    craft->setEnable(true);
    craft->setHealth(30);
    craft->getCannon(1)->setWeapon(0);
    craft->getCannon(1)->shoot();
    craft->getParticleGenerator(0)->start(0, 0, 1, 0);
    craft->getShield()->setHealth(7);
    craft->getShield()->setEnable(true);
    craft->getLight()->startFlash();
    craft->reset();
    EXPECT_FALSE(craft->getEnable());
    EXPECT_EQ(craft->getHealth(), 0);
    EXPECT_EQ(craft->getCannon(1)->getWeapon(), -1);
    EXPECT_EQ(craft->getCannon(1)->getBulletsP()[0]->getAction(), 0);
    EXPECT_EQ(craft->getParticleGenerator(0)->getStatus(), 0);
    EXPECT_EQ(craft->getShieldHealth(), 0);
    EXPECT_FALSE(craft->getShield()->getEnable());
    EXPECT_EQ(craft->getLight()->getAction(), ACTION_FLASH) << "the light keeps its state";
}

TEST_F(ObjectTest, BadCannonIndexesReadNothing)
{
    EXPECT_EQ(craft->getCannon(2), nullptr);
    EXPECT_EQ(craft->getCannon(-1), nullptr);
    EXPECT_FLOAT_EQ(craft->getCannonAngle(5), 0);
    EXPECT_EQ(craft->getTotalBullets(-3), 0);
    craft->getCannon(1)->setAngle(123);
    EXPECT_FLOAT_EQ(craft->getCannonAngle(1), 123);
}

TEST_F(ObjectTest, ScrollPointersReachEveryPart)
{
    float sx = 5, sy = 6;
    craft->setScrollXYP(&sx, &sy);
    EXPECT_FLOAT_EQ(craft->getScrollX(), 5);
    EXPECT_FLOAT_EQ(craft->getScrollY(), 6);
    for (int c = 0; c < 2; ++c)
        EXPECT_EQ(craft->getCannon(c)->getBulletsP()[99]->getScrollXP(), &sx);
    EXPECT_EQ(craft->getParticleGenerator(1)->getParticle(49)->getScrollYP(), &sy);
    EXPECT_EQ(craft->getLight()->getScrollXP(), &sx);
    EXPECT_EQ(craft->getShield()->getScrollYP(), &sy);
}

TEST_F(ObjectTest, BarsShowOnePixelPerPointAboveTheFrame)
{
    world::Canvas canvas;
    craft->setEnable(true);
    craft->setX(200);
    craft->setY(300);
    craft->setHealth(8);
    craft->getShield()->setHealth(25);
    craft->drawHealthbar();
    craft->drawShieldsbar();
    const int left = 200 - 16, top = 300 - 16;
    unsigned char r, g, b, a;
    // Health: green, 4 pixels high, 6 to 2 above the frame.
    canvas.read(left, top - 4, r, g, b, a);
    EXPECT_EQ(g, 200);
    EXPECT_EQ(r, 0);
    canvas.read(left + 7, top - 6, r, g, b, a);
    EXPECT_EQ(g, 200);
    EXPECT_EQ(canvas.alphaAt(left + 8, top - 4), 0) << "8 points, 8 pixels";
    EXPECT_EQ(canvas.alphaAt(left, top - 1), 0);
    EXPECT_EQ(canvas.alphaAt(left, top - 7), 0);
    // Shield: blue, 12 to 8 above.
    canvas.read(left + 24, top - 10, r, g, b, a);
    EXPECT_EQ(b, 230);
    EXPECT_EQ(g, 50);
    EXPECT_EQ(canvas.alphaAt(left + 25, top - 10), 0);

    // With a camera the bars move with the craft; a disabled craft draws none.
    canvas.clear();
    float sx = 100, sy = 50;
    craft->setScrollXYP(&sx, &sy);
    craft->drawHealthbar();
    canvas.read(left - 100, top - 50 - 4, r, g, b, a);
    EXPECT_EQ(g, 200);
    EXPECT_EQ(canvas.alphaAt(left, top - 4), 0);
    canvas.clear();
    craft->setEnable(false);
    craft->drawHealthbar();
    craft->drawShieldsbar();
    EXPECT_EQ(canvas.alphaAt(left - 100, top - 54), 0);
}
