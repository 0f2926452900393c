#include "combat/Armadillo.h"
#include "combat/Bandit.h"
#include "combat/Bullet.h"
#include "combat/Cannon.h"
#include "combat/Cruiser.h"
#include "combat/Hunter.h"
#include "combat/Missile.h"
#include "combat/MissileLauncher.h"
#include "combat/Player.h"
#include "combat/Shield.h"
#include "engine/ZE_Actions.h"
#include "engine/ZE_ParticleGenerator.h"
#include "engine/ZE_Util.h"

#include "support/CombatFixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

namespace {

// What tells the four types apart.
struct HunterTraits {
    using Craft = Hunter;
    static std::string picture(const combat::Sheets& s) { return s.hunter; }
    static ZE_Sprite* shield(const combat::Sheets& s) { return s.shieldsLittle; }
    static constexpr int health = 8, shieldHealth = 4, score = 100, lastFrame = 2;
    static constexpr float resetSpeed = 2, attackSpeed = 2, retreatSpeed = 3;
    static constexpr float attackDistance = 250, retreatDistance = 200, attackOffsetY = 0;
    static constexpr bool aimsAtBase = false, missilesHit = false, hitSound = true;
    static constexpr int damage = 1, hullFrame = 0, bulletFrame = 2, reload = 100, life = 140;
    static constexpr float power = 5.5f;
};
struct BanditTraits {
    using Craft = Bandit;
    static std::string picture(const combat::Sheets& s) { return s.bandit; }
    static ZE_Sprite* shield(const combat::Sheets& s) { return s.shieldsLittle; }
    static constexpr int health = 20, shieldHealth = 8, score = 200, lastFrame = 3;
    static constexpr float resetSpeed = 3, attackSpeed = 2, retreatSpeed = 3;
    static constexpr float attackDistance = 300, retreatDistance = 100, attackOffsetY = -400;
    static constexpr bool aimsAtBase = true, missilesHit = true, hitSound = false;
    static constexpr int damage = 1, hullFrame = 8, bulletFrame = 1, reload = 25, life = 160;
    static constexpr float power = 9.0f;
};
struct CruiserTraits {
    using Craft = Cruiser;
    static std::string picture(const combat::Sheets& s) { return s.cruiser; }
    static ZE_Sprite* shield(const combat::Sheets& s) { return s.shieldsMedium; }
    static constexpr int health = 60, shieldHealth = 25, score = 200, lastFrame = 3;
    static constexpr float resetSpeed = 3, attackSpeed = 1, retreatSpeed = 2;
    static constexpr float attackDistance = 300, retreatDistance = 100, attackOffsetY = -400;
    static constexpr bool aimsAtBase = true, missilesHit = true, hitSound = false;
    static constexpr int damage = 6, hullFrame = 10, bulletFrame = 1, reload = 100, life = 160;
    static constexpr float power = 8.0f;
};
struct ArmadilloTraits {
    using Craft = Armadillo;
    static std::string picture(const combat::Sheets& s) { return s.armadillo; }
    static ZE_Sprite* shield(const combat::Sheets& s) { return s.shieldsLittle; }
    static constexpr int health = 25, shieldHealth = 10, score = 200, lastFrame = 3;
    static constexpr float resetSpeed = 3, attackSpeed = 3, retreatSpeed = 4;
    static constexpr float attackDistance = 300, retreatDistance = 100, attackOffsetY = 0;
    static constexpr bool aimsAtBase = false, missilesHit = true, hitSound = false;
    static constexpr int damage = 2, hullFrame = 0, bulletFrame = 4, reload = 60, life = 160;
    static constexpr float power = 8.0f;
};

template <class T>
class EnemyTest : public ::testing::Test {
protected:
    using Craft = typename T::Craft;
    static constexpr float kBaseX = 915, kBaseY = 574;

    void SetUp() override
    {
        sheets = new combat::Sheets();
        samples = new combat::Samples();
        game = new ZE_Game(2, true, ZE_Game::NoLibrary{});
        player = new Player(sheets->base, sheets->screen, game, sheets->particles,
                            sheets->playerCannon, sheets->shieldsBig, sheets->lights,
                            samples->table);
        player->setScoreP(&score);
        player->setRemainingEnemiesP(&remaining);
        player->reset();
        player->restart();
        craft = new Craft(T::picture(*sheets), sheets->screen, sheets->particles,
                          sheets->cannons, T::shield(*sheets), sheets->lights, nullptr);
        craft->setPlayerP(player);
        craft->setSamplesP(samples->table);
    }
    void TearDown() override
    {
        delete craft;
        delete player;
        delete game;
        delete samples;
        delete sheets;
    }
    // Puts the craft at rest at (x, y): the next run moves it by nothing.
    void place(float x, float y)
    {
        craft->setX(x);
        craft->setY(y);
        craft->setSpeedX(0);
        craft->setSpeedY(0);
    }
    // Enabled, attacking, steering at its attack point.
    void attacking()
    {
        craft->restart(true);
        place(-3000, 100);
        craft->run();
        ASSERT_EQ(craft->getAction(), ACTION_ATTACK);
    }
    // Enabled at rest on (x, y) with its shield on it (a run places it), drawn once so its
    // mask matches its picture.
    void readyForHits(float x, float y)
    {
        craft->restart(true);
        place(x, y);
        craft->run();
        place(x, y);
        craft->setAngle(0);
        craft->draw();
    }
    Bullet* playerBullet(int index, float x, float y, int damage)
    {
        Bullet* b = player->getCannon(0)->getBulletsP()[index];
        b->shoot(x, y, 0, 0, 100, 0, 0, 0, 0, 0, 0);
        b->setDamage(damage);
        return b;
    }
    Missile* playerMissile(float x, float y, int damage)
    {
        Missile* m = player->getMissileLauncher()->getMissilesP()[0];
        m->shoot(x, y, 270, 0, 10, 0, 0, 0, 0, 0, 0, &targetX, &targetY);
        m->setDamage(damage);
        return m;
    }

    combat::Sheets* sheets = nullptr;
    combat::Samples* samples = nullptr;
    ZE_Game* game = nullptr;
    Player* player = nullptr;
    Craft* craft = nullptr;
    int score = 0;
    int remaining = 0;
    float targetX = 0, targetY = 0;
};

using Types = ::testing::Types<HunterTraits, BanditTraits, CruiserTraits, ArmadilloTraits>;
TYPED_TEST_SUITE(EnemyTest, Types);

}  // namespace

TYPED_TEST(EnemyTest, ResetGivesTheTypesStartingValues)
{
    auto* c = this->craft;
    EXPECT_FALSE(c->getEnable());
    EXPECT_EQ(c->getHealth(), TypeParam::health);
    EXPECT_FLOAT_EQ(c->getMaxSpeed(), TypeParam::resetSpeed);
    EXPECT_FLOAT_EQ(c->getTargetX(), 0);
    EXPECT_FLOAT_EQ(c->getSpeedX(), -0.05f);
    EXPECT_FLOAT_EQ(c->getSpeedY(), -0.02f);
    EXPECT_FLOAT_EQ(c->getAccelerationX(), 0.0015f);
    EXPECT_FLOAT_EQ(c->getAccelerationY(), -0.00002f);
    EXPECT_EQ(c->getCollisionType(), 3);
    EXPECT_EQ(c->getTotalCannons(), 1);
    const Cannon* cannon = c->getCannon(0);
    EXPECT_EQ(cannon->getWeapon(), -2);
    EXPECT_EQ(cannon->getBulletDamage(), TypeParam::damage);
    EXPECT_EQ(cannon->getHullFrame(), TypeParam::hullFrame);
    EXPECT_EQ(cannon->getBulletFrame(), TypeParam::bulletFrame);
    EXPECT_EQ(cannon->getAimFrame(), 1);
    EXPECT_EQ(cannon->getCurrentFrame(), 0);
    EXPECT_FLOAT_EQ(cannon->getPower(), TypeParam::power);
    EXPECT_EQ(cannon->getReloadTime(), TypeParam::reload);
    EXPECT_EQ(cannon->getLife(), TypeParam::life);
    EXPECT_FLOAT_EQ(cannon->getCannonFrictionX(), 0.003f);
    EXPECT_FALSE(cannon->getEnableTargetting());
    EXPECT_EQ(c->getTrailGenerator()->getStatus(), GENERATING) << "the trail never stops";
    EXPECT_EQ(c->getTrailGenerator()->getGenerateTime(), 2);
    EXPECT_EQ(c->getSmokeGenerator()->getStatus(), 0);
    EXPECT_EQ(c->getShieldHealth(), 0);
    EXPECT_FALSE(c->getShield()->getEnable());
}

TYPED_TEST(EnemyTest, RestartPlacesAnActiveCraftOffEitherSide)
{
    auto* c = this->craft;
    c->restart(false);
    EXPECT_FALSE(c->getEnable());
    EXPECT_EQ(c->getHealth(), TypeParam::health);

    bool left = false, right = false;
    std::srand(11);
    for (int i = 0; i < 200; ++i) {
        c->restart(true);
        const float x = c->getX(), y = c->getY();
        const bool onLeft = x >= -1300 && x <= -300;
        const bool onRight = x >= 2900 && x <= 3900;
        ASSERT_TRUE(onLeft || onRight) << x;
        ASSERT_GE(y, 0);
        ASSERT_LE(y, 200);
        left |= onLeft;
        right |= onRight;
        ASSERT_TRUE(c->getEnable());
        ASSERT_EQ(c->getAction(), 0);
        ASSERT_EQ(c->getAnimationMode(), ANIMATION_LOOP);
        ASSERT_EQ(c->getCurrentFrame(), 1);
    }
    EXPECT_TRUE(left && right);
    // Side, then x, then y.
    std::srand(5);
    const int side = ZE_Util::random(1);
    const int rx = ZE_Util::random(1000);
    const int ry = ZE_Util::random(200);
    std::srand(5);
    c->restart(true);
    EXPECT_FLOAT_EQ(c->getX(), side != 0 ? rx - 1300 : rx + 2900);
    EXPECT_FLOAT_EQ(c->getY(), ry);
    // The flight animation cycles frames 1 .. last, a step every frame.
    for (int f = 2; f <= TypeParam::lastFrame + 1; ++f) {
        c->run();
        EXPECT_EQ(c->getCurrentFrame(), f <= TypeParam::lastFrame ? f : 1);
    }
}

TYPED_TEST(EnemyTest, ActivateShieldGivesTheTypesPointsWhichNeverRecharge)
{
    auto* c = this->craft;
    c->restart(true);
    c->activateShield(false);
    EXPECT_FALSE(c->getShield()->getEnable());
    EXPECT_EQ(c->getShieldHealth(), 0);
    c->activateShield(true);
    EXPECT_TRUE(c->getShield()->getEnable());
    EXPECT_EQ(c->getShieldHealth(), TypeParam::shieldHealth);
    EXPECT_EQ(c->getShield()->getMaxHealth(), 0);
    c->getShield()->setHealth(1);
    for (int f = 0; f < 200; ++f) {
        this->place(-3000, 100);
        c->run();
    }
    EXPECT_EQ(c->getShieldHealth(), 1);
    EXPECT_FLOAT_EQ(c->getShield()->getX(), c->getX()) << "the shield follows the craft";
}

TYPED_TEST(EnemyTest, AttackTurnsToRetreatJustInsideTheAttackDistance)
{
    const float ax = this->kBaseX, ay = this->kBaseY + TypeParam::attackOffsetY;
    for (float offset : {TypeParam::attackDistance, TypeParam::attackDistance - 1}) {
        this->attacking();
        EXPECT_FLOAT_EQ(this->craft->getTargetX(), ax);
        EXPECT_FLOAT_EQ(this->craft->getTargetY(), ay);
        EXPECT_FLOAT_EQ(this->craft->getMaxSpeed(), TypeParam::attackSpeed);
        this->place(ax - offset, ay);
        this->craft->run();
        if (offset < TypeParam::attackDistance) {
            EXPECT_EQ(this->craft->getAction(), ACTION_RETREAT) << offset;
            EXPECT_FLOAT_EQ(this->craft->getMaxSpeed(), TypeParam::retreatSpeed);
            EXPECT_FLOAT_EQ(this->craft->getTargetY(), 0);
            EXPECT_GE(this->craft->getTargetX(), this->kBaseX - 2000);
            EXPECT_LE(this->craft->getTargetX(), this->kBaseX + 2000);
        } else {
            EXPECT_EQ(this->craft->getAction(), ACTION_ATTACK) << offset;
        }
    }
}

TYPED_TEST(EnemyTest, RetreatTurnsToAttackInTheSameFrameJustInsideTheRetreatDistance)
{
    const float ax = this->kBaseX, ay = this->kBaseY + TypeParam::attackOffsetY;
    for (float offset : {TypeParam::retreatDistance, TypeParam::retreatDistance - 1}) {
        this->attacking();
        this->place(ax, ay);
        this->craft->run();
        ASSERT_EQ(this->craft->getAction(), ACTION_RETREAT);
        const float rx = this->craft->getTargetX(), ry = this->craft->getTargetY();
        this->place(rx + offset, ry);
        this->craft->run();
        if (offset < TypeParam::retreatDistance) {
            EXPECT_EQ(this->craft->getAction(), ACTION_ATTACK) << offset;
            EXPECT_FLOAT_EQ(this->craft->getTargetX(), ax);
            EXPECT_FLOAT_EQ(this->craft->getTargetY(), ay);
            EXPECT_FLOAT_EQ(this->craft->getMaxSpeed(), TypeParam::attackSpeed);
        } else {
            EXPECT_EQ(this->craft->getAction(), ACTION_RETREAT) << offset;
        }
    }
}

TYPED_TEST(EnemyTest, SteeringPushesEachAxisTowardTheSpeedLimit)
{
    const float ax = this->kBaseX, ay = this->kBaseY + TypeParam::attackOffsetY;
    const float limit = TypeParam::attackSpeed;
    struct Case {
        float dx, dy;  // craft relative to the attack point
        float vx, vy;
        float accX, accY;
    };
    const Case cases[] = {
        {-1000, 0, 0, 0, 0.02f, 0},               // target to the right, slower than the limit
        {-1000, 0, limit + 0.5f, 0, -0.02f, 0},   // faster than it
        {1000, 0, 0, 0, -0.02f, 0},               // target to the left
        {1000, 0, -limit - 0.5f, 0, 0.02f, 0},
        {0, 1000, 0, 0, 0, 0.03f},                // target above
        {0, 1000, 0, limit + 0.5f, 0, -0.03f},
    };
    for (const Case& c : cases) {
        this->attacking();
        // The run moves the craft by its speed first; start one step short.
        this->place(ax + c.dx - c.vx, ay + c.dy + c.vy);
        this->craft->setSpeedX(c.vx);
        this->craft->setSpeedY(c.vy);
        this->craft->run();
        EXPECT_NEAR(this->craft->getAccelerationX(), c.accX, 1e-5) << c.dx << " " << c.vx;
        EXPECT_NEAR(this->craft->getAccelerationY(), c.accY, 1e-5) << c.dy << " " << c.vy;
    }
}

TYPED_TEST(EnemyTest, CannonPointsWhereTheTypeAims)
{
    this->attacking();
    this->craft->setSpeedX(1.5f);
    this->craft->setSpeedY(-1);
    this->craft->run();
    const Cannon* cannon = this->craft->getCannon(0);
    EXPECT_FLOAT_EQ(cannon->getX(), this->craft->getX());
    EXPECT_FLOAT_EQ(cannon->getY(), this->craft->getY());
    if (TypeParam::aimsAtBase) {
        const float expected = ZE_Util::degrees(std::atan2(this->kBaseY - this->craft->getY(),
                                                           this->kBaseX - this->craft->getX()));
        EXPECT_NEAR(cannon->getAngle(), expected, 1e-3);
    } else {
        EXPECT_FLOAT_EQ(cannon->getAngle(), this->craft->getAngle());
    }
}

TYPED_TEST(EnemyTest, FiresAtRandomOnlyWhileAttackingEvenAsAWreck)
{
    auto* c = this->craft;
    auto countShots = [&](float x, float y, int frames) {
        int shots = 0;
        for (int f = 0; f < frames; ++f) {
            this->place(x, y);
            c->run();
            shots += c->getCannon(0)->isReady() ? 0 : 1;
        }
        return shots;
    };
    std::srand(21);
    this->attacking();
    c->getCannon(0)->setReloadTime(1);  // ready every frame: each shot shows
    const int attackShots = countShots(-5000, 300, 8200);
    EXPECT_GT(attackShots, 140) << "about one frame in 41";
    EXPECT_LT(attackShots, 260);

    this->place(this->kBaseX, this->kBaseY + TypeParam::attackOffsetY);
    c->run();
    ASSERT_EQ(c->getAction(), ACTION_RETREAT);
    c->getCannon(0)->run();  // reload the shot this run may have made
    EXPECT_EQ(countShots(this->kBaseX, 3000, 8200), 0) << "never while retreating";

    this->attacking();
    c->getCannon(0)->setReloadTime(1);
    c->setHealth(0);
    EXPECT_GT(countShots(-5000, 300, 2000), 0) << "a wreck that was attacking still fires";
}

TYPED_TEST(EnemyTest, AKillingHitScoresOnceAndShowsSparks)
{
    this->readyForHits(600, 300);
    Bullet* b = this->playerBullet(0, 600, 300, TypeParam::health + 2);
    this->craft->collisions();
    EXPECT_EQ(this->craft->getHealth(), 0);
    EXPECT_EQ(this->score, TypeParam::score);
    EXPECT_EQ(this->player->getBulletsHit(), 1);
    EXPECT_EQ(b->getAction(), 0);
    EXPECT_EQ(this->craft->getSparksGenerator()->getStatus(), GENERATING);
    if (TypeParam::hitSound) {
        ASSERT_NE(this->craft->getSamplesP(), nullptr);
        EXPECT_TRUE(this->samples->playing() > 0) << "the hull-hit sound plays";
    } else {
        EXPECT_EQ(this->samples->playing(), 0) << "silent type";
    }
    // From the next frame the wreck is no longer tested.
    Bullet* later = this->playerBullet(1, this->craft->getX(), this->craft->getY(), 1);
    this->craft->run();
    EXPECT_EQ(this->score, TypeParam::score);
    EXPECT_NE(later->getAction(), 0);
}

TYPED_TEST(EnemyTest, EveryHitOfTheSamePassAtZeroHealthScoresAgain)
{
    this->readyForHits(600, 300);
    this->craft->setHealth(1);
    this->playerBullet(0, 600, 300, 1);
    this->playerBullet(1, 601, 300, 1);
    this->craft->collisions();
    EXPECT_EQ(this->craft->getHealth(), 0);
    EXPECT_EQ(this->score, 2 * TypeParam::score);
    EXPECT_EQ(this->player->getBulletsHit(), 2);
}

TYPED_TEST(EnemyTest, ABulletInsideShieldAndHullStrikesBothAndCountsTwice)
{
    this->readyForHits(600, 300);
    this->craft->activateShield(true);
    this->playerBullet(0, 600, 300, 1);
    this->craft->collisions();
    EXPECT_EQ(this->craft->getShieldHealth(), TypeParam::shieldHealth - 1);
    EXPECT_EQ(this->craft->getHealth(), TypeParam::health - 1);
    EXPECT_EQ(this->player->getBulletsHit(), 2);
}

TYPED_TEST(EnemyTest, TheShieldTurnsTowardTheBulletThatStruckIt)
{
    this->readyForHits(600, 300);
    this->craft->activateShield(true);
    this->playerBullet(0, 620, 300, 1);  // inside the shield, outside the hull
    this->playerBullet(1, 300, 300, 1);  // far away, same cannon
    this->craft->collisions();
    EXPECT_EQ(this->craft->getShieldHealth(), TypeParam::shieldHealth - 1);
    EXPECT_EQ(this->craft->getHealth(), TypeParam::health);
    EXPECT_NEAR(this->craft->getShield()->getAngle(), 0, 1e-3);
    EXPECT_EQ(this->player->getBulletsHit(), 1);
}

TYPED_TEST(EnemyTest, AFadingBulletStillStrikes)
{
    this->readyForHits(600, 300);
    Bullet* b = this->playerBullet(0, 600, 300, 1);
    b->setLife(1);
    b->run();
    ASSERT_EQ(b->getAction(), ACTION_FADE);
    this->craft->collisions();
    EXPECT_EQ(this->craft->getHealth(), TypeParam::health - 1);
}

TYPED_TEST(EnemyTest, MissilesStrikeEveryTypeButTheHunter)
{
    this->readyForHits(600, 300);
    Missile* m = this->playerMissile(600, 300, 20);
    this->craft->collisions();
    if (TypeParam::missilesHit) {
        EXPECT_EQ(this->craft->getHealth(), std::max(0, TypeParam::health - 20));
        EXPECT_EQ(m->getAction(), 0);
        EXPECT_EQ(this->player->getBulletsHit(), 1);
    } else {
        EXPECT_EQ(this->craft->getHealth(), TypeParam::health);
        EXPECT_NE(m->getAction(), 0);
        EXPECT_EQ(this->player->getBulletsHit(), 0);
    }
}

TYPED_TEST(EnemyTest, TheFirstHullHitStartsDamageSmoke)
{
    this->readyForHits(600, 300);
    ZE_ParticleGenerator* smoke = this->craft->getSmokeGenerator();
    ASSERT_EQ(smoke->getStatus(), 0);
    this->playerBullet(0, 600, 300, 1);
    this->craft->collisions();
    EXPECT_EQ(smoke->getStatus(), GENERATING);
    EXPECT_EQ(smoke->getGenerateTime(), (TypeParam::health - 1) * 4);
    this->craft->run();
    EXPECT_GT(smoke->countLive(), 0) << "smoke leaves the craft";
}

TYPED_TEST(EnemyTest, TheWreckLeavesTheWaveOnlyBelowTheWorld)
{
    auto* c = this->craft;
    this->remaining = 5;
    this->attacking();
    c->setHealth(0);
    this->place(700, 4950);
    bool gone = false;
    for (int f = 0; f < 200 && !gone; ++f) {
        c->run();
        if (f == 0) {
            EXPECT_FLOAT_EQ(c->getAccelerationY(), -0.3f);
            EXPECT_EQ(c->getSparksGenerator()->getStatus(), GENERATING);
        }
        const bool below = c->getY() > 5000;
        EXPECT_EQ(c->getEnable(), !below) << f;
        EXPECT_EQ(this->remaining, below ? 4 : 5) << f;
        gone = below;
    }
    ASSERT_TRUE(gone);
    EXPECT_GT(c->getY(), 5000);
    for (int f = 0; f < 10; ++f)
        c->run();
    EXPECT_EQ(this->remaining, 4) << "counted off once";
    EXPECT_EQ(this->score, 0) << "falling scores nothing";
}

TYPED_TEST(EnemyTest, BarsAreDrawnOnlyWithTheMatchingScan)
{
    this->readyForHits(300, 300);
    this->craft->activateShield(true);
    const int left = 300 - 16, top = 300 - 16;
    struct Case {
        bool health, shields;
    };
    for (const Case& s : {Case{false, false}, Case{true, false}, Case{true, true}}) {
        this->player->setScanEnemiesHealth(s.health);
        this->player->setScanEnemiesShields(s.shields);
        world::Canvas canvas;
        this->craft->draw();
        unsigned char r, g, b, a;
        canvas.read(left, top - 4, r, g, b, a);
        EXPECT_EQ(g == 200 && r == 0 && b == 0, s.health);
        canvas.read(left, top - 10, r, g, b, a);
        EXPECT_EQ(b == 230 && g == 50, s.shields);
    }
}

TYPED_TEST(EnemyTest, SetSamplesStoresTheGamesTable)
{
    EXPECT_EQ(this->craft->getSamplesP(), this->samples->table);
}

TEST(HunterSoundTest, TheHunterPlaysItsOwnInstanceOfTheHullHit)
{
    combat::Sheets sheets;
    combat::Samples samples;
    Hunter hunter(sheets.hunter, sheets.screen, sheets.particles, sheets.cannons,
                  sheets.shieldsLittle, sheets.lights, nullptr);
    EXPECT_EQ(hunter.getHitSample(), nullptr);
    hunter.setSamplesP(samples.table);
    ASSERT_NE(hunter.getHitSample(), nullptr);
    EXPECT_NE(hunter.getHitSample(), samples.table[7]);
    EXPECT_EQ(hunter.getHitSample()->getSample(), samples.table[7]->getSample());
    Hunter twin("", sheets.screen, sheets.particles, sheets.cannons, sheets.shieldsLittle,
                sheets.lights, &hunter);
    EXPECT_EQ(twin.getFrame(1), hunter.getFrame(1)) << "the pool shares one sheet";
}
