#include "combat/Armadillo.h"
#include "combat/Bullet.h"
#include "combat/Cannon.h"
#include "combat/Hunter.h"
#include "combat/Missile.h"
#include "combat/MissileLauncher.h"
#include "combat/Player.h"
#include "combat/Shield.h"
#include "engine/ZE_Actions.h"
#include "engine/ZE_Light.h"
#include "engine/ZE_ParticleGenerator.h"
#include "shop/Weapon.h"

#include "support/CombatFixture.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class PlayerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        sheets = new combat::Sheets();
        samples = new combat::Samples();
        build(new ZE_Game(2, true, ZE_Game::NoLibrary{}));
    }
    void TearDown() override
    {
        delete hunter;
        delete player;
        delete game;
        delete samples;
        delete sheets;
    }
    // As the game does: built, reset for a new game, restarted for the first wave.
    void build(ZE_Game* frame)
    {
        delete hunter;
        delete player;
        delete game;
        game = frame;
        player = new Player(sheets->base, sheets->screen, game, sheets->particles,
                            sheets->playerCannon, sheets->shieldsBig, sheets->lights,
                            samples->table);
        hunter = new Hunter(sheets->hunter, sheets->screen, sheets->particles, sheets->cannons,
                            sheets->shieldsLittle, sheets->lights, nullptr);
        hunter->setPlayerP(player);
        hunters[0] = hunter;
        player->setHuntersP(hunters);
        player->setScoreP(&score);
        player->setRemainingEnemiesP(&remaining);
        player->reset();
        player->restart();
    }
    // An enemy bullet of the given damage, live, resting at (x, y).
    Bullet* enemyBullet(int index, float x, float y, int damage)
    {
        hunter->setEnable(true);
        Bullet* b = hunter->getCannon(0)->getBulletsP()[index];
        b->shoot(x, y, 0, 0, 100, 0, 0, 0, 0, 0, 0);
        b->setDamage(damage);
        return b;
    }

    combat::Sheets* sheets = nullptr;
    combat::Samples* samples = nullptr;
    ZE_Game* game = nullptr;
    Player* player = nullptr;
    Hunter* hunter = nullptr;
    Hunter* hunters[Player::kHunters] = {};
    int score = 0;
    int remaining = 0;
};

}  // namespace

TEST_F(PlayerTest, ANewGameGivesAFreshBase)
{
    EXPECT_EQ(player->getHealth(), 500);
    EXPECT_EQ(player->getMaxHealth(), 500);
    EXPECT_EQ(player->getCargo(), 1000);
    EXPECT_EQ(player->getMaxCargo(), 1000);
    EXPECT_EQ(player->getDecayStep(), 5);
    EXPECT_EQ(player->getCurrentWeapon(0), 0);
    EXPECT_EQ(player->getCurrentWeapon(1), -1);
    EXPECT_EQ(player->getMissileLauncher()->getWeapon(), -1);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(player->getInventoryP()[i], -1);
    EXPECT_FLOAT_EQ(player->getRadarRange(), 1.0f);
    EXPECT_FALSE(player->isRadarEnable());
    EXPECT_FALSE(player->getScanEnemiesRemaining());
    EXPECT_FALSE(player->getScanEnemiesHealth());
    EXPECT_FALSE(player->getScanEnemiesShields());
    EXPECT_FALSE(player->isShieldEnable());
    EXPECT_FALSE(player->getShieldDown());
    EXPECT_EQ(player->getShieldHealth(), 0);
    EXPECT_EQ(player->getShieldMaxHealth(), 0);
    EXPECT_EQ(player->getBulletsHit(), 0);
    EXPECT_EQ(player->getLife(), 240);
    EXPECT_TRUE(player->getEnable());
    EXPECT_EQ(player->getMotionMode(), 0);
    EXPECT_FLOAT_EQ(player->getX(), 915);
    EXPECT_FLOAT_EQ(player->getY(), 574);
    EXPECT_EQ(player->getCurrentFrame(), 1);
    EXPECT_FLOAT_EQ(player->getShield()->getX(), 915) << "placed by the wave start";

    const int barrel[] = {1, 2}, hull[] = {0, 3}, aim[] = {6, 7}, life[] = {140, 150};
    for (int c = 0; c < 2; ++c) {
        const Cannon* cannon = player->getCannon(c);
        EXPECT_EQ(cannon->getCurrentFrame(), barrel[c]);
        EXPECT_EQ(cannon->getHullFrame(), hull[c]);
        EXPECT_EQ(cannon->getAimFrame(), aim[c]);
        EXPECT_FLOAT_EQ(cannon->getRotationSpeed(), 0.2f);
        EXPECT_FLOAT_EQ(cannon->getX(), 915);
        EXPECT_FLOAT_EQ(cannon->getY(), 548);
        EXPECT_FLOAT_EQ(cannon->getAngle(), 270);
        EXPECT_EQ(cannon->getLife(), life[c]);
        EXPECT_FLOAT_EQ(cannon->getCannonFrictionX(), 0.003f);
    }
    const Cannon* first = player->getCannon(0);
    EXPECT_EQ(first->getReloadTime(), 18);
    EXPECT_FLOAT_EQ(first->getPower(), 5.0f);
    EXPECT_EQ(first->getBulletFrame(), 9);
    EXPECT_EQ(first->getBulletDamage(), 1);
    EXPECT_EQ(first->getSampleShoot(), player->getShootSample(0, 0));

    const MissileLauncher* launcher = player->getMissileLauncher();
    EXPECT_EQ(launcher->getHullFrame(), 13);
    EXPECT_EQ(launcher->getBulletDamage(), 20);
    EXPECT_EQ(launcher->getBulletFrame(), 15);
    EXPECT_EQ(launcher->getReloadTime(), 1200);
    EXPECT_FLOAT_EQ(launcher->getCannonFrictionX(), 0.003f);
    EXPECT_FLOAT_EQ(launcher->getPower(), 1.6f);
    EXPECT_EQ(launcher->getLife(), 1000);
    EXPECT_FLOAT_EQ(launcher->getX(), 915);
    EXPECT_FLOAT_EQ(launcher->getY(), 574);
}

TEST_F(PlayerTest, ResetUndoesEverythingBought)
{
    player->setMaxHealth(900);
    player->setMaxCargo(2000);
    player->setDecayStep(9);
    player->incRadarRange();
    player->setRadarEnable(true);
    player->setScanEnemiesShields(true);
    player->activateShield(true);
    player->addToInventory(3);
    player->changeWeapon(4, 1);
    player->getMissileLauncher()->setWeapon(-2);
    player->getCannon(0)->setEnableTargetting(true);
    player->reset();
    EXPECT_EQ(player->getMaxHealth(), 500);
    EXPECT_EQ(player->getMaxCargo(), 1000);
    EXPECT_EQ(player->getDecayStep(), 5);
    EXPECT_FLOAT_EQ(player->getRadarRange(), 1.0f);
    EXPECT_FALSE(player->isRadarEnable());
    EXPECT_FALSE(player->getScanEnemiesShields());
    EXPECT_FALSE(player->isShieldEnable());
    EXPECT_EQ(player->getShieldMaxHealth(), 0);
    EXPECT_EQ(player->countInventory(), 0);
    EXPECT_EQ(player->getCurrentWeapon(1), -1);
    EXPECT_EQ(player->getMissileLauncher()->getWeapon(), -1);
    EXPECT_FALSE(player->getCannon(0)->getEnableTargetting());
}

TEST_F(PlayerTest, InventoryStaysPackedFromTheFirstSlot)
{
    int* slots = player->getInventoryP();
    auto set = [&](std::vector<int> v) {
        for (int i = 0; i < 4; ++i)
            slots[i] = v[i];
    };
    auto get = [&] { return std::vector<int>(slots, slots + 4); };

    set({3, -1, 5, -1});
    EXPECT_EQ(player->countInventory(), 2) << "counts wherever the used slots are";
    EXPECT_TRUE(player->addToInventory(6));
    EXPECT_EQ(get(), (std::vector<int>{3, 6, 5, -1}));

    set({3, 4, 5, 6});
    EXPECT_FALSE(player->addToInventory(1)) << "full";
    EXPECT_EQ(get(), (std::vector<int>{3, 4, 5, 6}));

    struct Removal {
        std::vector<int> before;
        int slot;
        bool result;
        std::vector<int> after;
    };
    const Removal removals[] = {
        {{3, 4, 5, 6}, 1, true, {3, 5, 6, -1}},  {{3, 4, 5, 6}, 3, true, {3, 4, 5, -1}},
        {{3, 4, 5, 6}, 0, true, {4, 5, 6, -1}},  {{2, 4, 5, -1}, 1, true, {2, 5, -1, -1}},
        {{3, 4, 5, 6}, 4, false, {3, 4, 5, 6}},  {{3, 4, 5, 6}, -1, false, {3, 4, 5, 6}},
    };
    for (const Removal& r : removals) {
        set(r.before);
        EXPECT_EQ(player->removeFromInventory(r.slot), r.result) << r.slot;
        EXPECT_EQ(get(), r.after) << r.slot;
    }
    set({-1, -1, -1, -1});
    EXPECT_FALSE(player->addToInventory(7)) << "not a catalogue weapon";
    EXPECT_FALSE(player->addToInventory(-1));
    EXPECT_EQ(player->countInventory(), 0);
}

TEST_F(PlayerTest, MountingAWeaponSetsItsReloadFromTheFireRate)
{
    const int reloads[] = {18, 9, 6, 8, 2, 1, 9};
    for (int w = 0; w < 7; ++w) {
        player->changeWeapon(w, 1);
        const Cannon* cannon = player->getCannon(1);
        const Weapon* weapon = player->getWeaponsP()[w];
        EXPECT_EQ(cannon->getWeapon(), w);
        EXPECT_EQ(cannon->getReloadTime(), reloads[w]) << weapon->getName();
        EXPECT_FLOAT_EQ(cannon->getPower(), weapon->getPower());
        EXPECT_EQ(cannon->getBulletFrame(), weapon->getBulletFrame());
        EXPECT_EQ(cannon->getBulletDamage(), weapon->getBulletDamage());
        EXPECT_EQ(cannon->getSampleShoot(), player->getShootSample(1, w));
    }
    // 3600 / 7 in integers.
    Weapon** weapons = player->getWeaponsP();
    delete weapons[3];
    weapons[3] = new Weapon("SLOW", 1, 7, 9, 1, 1.0f, 4);
    player->changeWeapon(3, 0);
    EXPECT_EQ(player->getCannon(0)->getReloadTime(), 514);
}

TEST_F(PlayerTest, MountingOnOneCannonSetsBothCannonsFrictionAndBulletLife)
{
    Cannon* first = player->getCannon(0);
    first->setFriction(0.5f, 0.5f);
    first->setLife(7);
    player->getCannon(1)->setLife(9);
    player->changeWeapon(2, 1);
    EXPECT_FLOAT_EQ(first->getCannonFrictionX(), 0.003f);
    EXPECT_FLOAT_EQ(first->getCannonFrictionY(), 0.003f);
    EXPECT_EQ(first->getLife(), 140);
    EXPECT_EQ(player->getCannon(1)->getLife(), 150);
    EXPECT_EQ(first->getReloadTime(), 18) << "the other cannon keeps its weapon";
}

TEST_F(PlayerTest, EmptyingACannonKeepsItsOldSettings)
{
    player->changeWeapon(2, 1);
    Cannon* second = player->getCannon(1);
    ZE_Sample* sound = second->getSampleShoot();
    player->getCannon(0)->setFriction(0.5f, 0.5f);
    player->changeWeapon(-1, 1);
    EXPECT_EQ(second->getWeapon(), -1);
    EXPECT_EQ(second->getReloadTime(), 6);
    EXPECT_FLOAT_EQ(second->getPower(), 9.5f);
    EXPECT_EQ(second->getBulletFrame(), 8);
    EXPECT_EQ(second->getSampleShoot(), sound);
    EXPECT_FLOAT_EQ(player->getCannon(0)->getCannonFrictionX(), 0.5f) << "cannon 0 untouched";
    second->run();
    second->shoot();
    EXPECT_EQ(second->getBulletsFired(), 0) << "an empty cannon does not fire";
}

TEST_F(PlayerTest, BadCannonAndWeaponIndexesDoNothing)
{
    player->changeWeapon(3, 2);
    player->changeWeapon(3, -1);
    player->changeWeapon(7, 0);
    player->changeWeapon(-2, 0);
    EXPECT_EQ(player->getCurrentWeapon(0), 0);
    EXPECT_EQ(player->getCurrentWeapon(1), -1);
    EXPECT_EQ(player->getCannon(0)->getReloadTime(), 18);
    EXPECT_EQ(player->getCurrentWeapon(2), -1);
    EXPECT_EQ(player->getCannon(2), nullptr);
    EXPECT_FLOAT_EQ(player->getCannonAngle(9), 0);
}

TEST_F(PlayerTest, EachCannonPlaysItsOwnInstanceOfTheWeaponsSound)
{
    for (int w = 0; w < 7; ++w) {
        ZE_Sample* a = player->getShootSample(0, w);
        ZE_Sample* b = player->getShootSample(1, w);
        ASSERT_NE(a, nullptr);
        ASSERT_NE(b, nullptr);
        EXPECT_NE(a, b);
        EXPECT_NE(a, samples->table[w]);
        EXPECT_EQ(a->getSample(), samples->table[w]->getSample());
        EXPECT_EQ(b->getSample(), samples->table[w]->getSample());
    }
    ASSERT_NE(player->getHitSample(), nullptr);
    EXPECT_EQ(player->getHitSample()->getSample(), samples->table[7]->getSample());
    EXPECT_EQ(player->getShootSample(2, 0), nullptr);
    EXPECT_EQ(player->getShootSample(0, 7), nullptr);
}

TEST_F(PlayerTest, SmokeStartsBelowFourHundredAndThickensAsTheHullWeakens)
{
    struct Case {
        int health;
        bool smoking;
        int generateTime;
    };
    const Case cases[] = {{500, false, 0}, {400, false, 0}, {399, true, 400},
                          {150, true, 151}, {0, true, 1}};
    for (const Case& c : cases) {
        player->restart();  // generators idle
        player->setHealth(c.health);
        player->run();
        ZE_ParticleGenerator* smoke = player->getSmokeGenerator();
        EXPECT_EQ(smoke->getStatus() == GENERATING, c.smoking) << c.health;
        if (c.smoking) {
            EXPECT_EQ(smoke->getGenerateTime(), c.generateTime) << c.health;
        }
    }
}

TEST_F(PlayerTest, DamagePicturesFollowTheHull)
{
    struct Case {
        int health, bodyFrame, hullFrame;
    };
    const Case cases[] = {{500, 1, 3}, {200, 1, 3}, {199, 2, 4}, {100, 2, 4},
                          {99, 3, 5},  {0, 3, 5},   {250, 1, 3}};
    for (const Case& c : cases) {
        player->setHealth(c.health);
        player->run();
        EXPECT_EQ(player->getCurrentFrame(), c.bodyFrame) << c.health;
        EXPECT_EQ(player->getCannon(1)->getHullFrame(), c.hullFrame) << c.health;
        EXPECT_EQ(player->getCannon(0)->getHullFrame(), 0);
    }
}

TEST_F(PlayerTest, CargoDecaysOneUnitEveryStepDownToATenth)
{
    for (int n = 1; n <= 5; ++n) {
        player->run();
        EXPECT_EQ(player->getCargo(), n < 5 ? 1000 : 999) << n;
    }
    for (int n = 6; n <= 4500; ++n)
        player->run();
    EXPECT_EQ(player->getCargo(), 100) << "75 seconds from 1000 to 100";
    for (int n = 0; n < 100; ++n)
        player->run();
    EXPECT_EQ(player->getCargo(), 100) << "a tenth of the capacity no longer decays";

    // 101 of 1000 still decays, to 100, after decayCount frames; also while destroyed.
    player->setMaxCargo(101);
    player->restart();
    player->setMaxCargo(1000);
    ASSERT_EQ(player->getCargo(), 101);
    player->setHealth(0);
    for (int n = 1; n <= 5; ++n)
        player->run();
    EXPECT_EQ(player->getCargo(), 100);
}

TEST_F(PlayerTest, ADestroyedBaseCountsDown240FramesIncludingTheFatalOne)
{
    // The fatal hit lands in the first frame.
    player->setHealth(3);
    enemyBullet(0, 915, 574, 5);
    player->run();
    ASSERT_EQ(player->getHealth(), 0);
    EXPECT_EQ(player->getLife(), 239);
    for (int n = 2; n <= 239; ++n)
        player->run();
    EXPECT_EQ(player->getLife(), 1);
    player->run();
    EXPECT_EQ(player->getLife(), 0) << "the 240th frame";
    player->run();
    EXPECT_EQ(player->getLife(), 0);
}

TEST_F(PlayerTest, ABulletInsideShieldAndHullStrikesBoth)
{
    player->activateShield(true);
    Bullet* b = enemyBullet(0, 915, 574, 7);
    player->collisions();
    EXPECT_EQ(player->getShieldHealth(), 193);
    EXPECT_EQ(player->getHealth(), 493);
    EXPECT_EQ(b->getAction(), 0);
    EXPECT_EQ(player->getShield()->getAction(), ACTION_SHIELD_HIT);
}

TEST_F(PlayerTest, TheShieldAloneTakesABulletOutsideTheHull)
{
    player->activateShield(true);
    // 40 below the centre: inside the 128-pixel shield, outside the 48-pixel-high base.
    Bullet* b = enemyBullet(0, 915, 614, 7);
    player->collisions();
    EXPECT_EQ(player->getShieldHealth(), 193);
    EXPECT_EQ(player->getHealth(), 500);
    EXPECT_EQ(b->getAction(), 0);
    EXPECT_NEAR(player->getShield()->getAngle(), 90, 1e-3) << "the flash faces the impact";
}

TEST_F(PlayerTest, AHullHitShowsSparksFlashAndSound)
{
    Bullet* b = enemyBullet(3, 930, 580, 20);
    player->collisions();
    EXPECT_EQ(player->getHealth(), 480);
    EXPECT_EQ(b->getAction(), 0);
    ZE_ParticleGenerator* sparks = player->getSparksGenerator();
    EXPECT_EQ(sparks->getStatus(), GENERATING);
    EXPECT_EQ(sparks->getEmissionsLeft(), 1);
    EXPECT_EQ(player->getSmokeGenerator()->getGenerateTime(), 480 * 4);
    EXPECT_EQ(player->getLight()->getAction(), ACTION_FLASH);
    EXPECT_FLOAT_EQ(player->getLight()->getX(), 930);
    EXPECT_FLOAT_EQ(player->getLight()->getY(), 580);
    EXPECT_TRUE(player->getHitSample()->isPlaying());
    // The burst leaves from the point of impact: ten sparks.
    sparks->run();
    EXPECT_EQ(sparks->countLive(), 10);
    EXPECT_FLOAT_EQ(sparks->getParticle(0)->getX(), 930);
}

TEST_F(PlayerTest, BulletsOfDisabledEnemiesAndOwnMissilesAreNotTested)
{
    enemyBullet(0, 915, 574, 7);
    hunter->setEnable(false);
    player->collisions();
    EXPECT_EQ(player->getHealth(), 500);

    MissileLauncher* launcher = player->getMissileLauncher();
    Missile* m = launcher->getMissilesP()[0];
    float tx = 0, ty = 0;
    m->shoot(915, 574, 270, 0, 10, 0, 0, 0, 0, 0, 0, &tx, &ty);
    m->setDamage(20);
    player->collisions();
    EXPECT_EQ(player->getHealth(), 500);
    EXPECT_NE(m->getAction(), 0);
}

TEST_F(PlayerTest, ShieldAccessorsAndActivation)
{
    player->activateShield(false);
    EXPECT_TRUE(player->isShieldEnable());
    EXPECT_EQ(player->getShieldHealth(), 0) << "switched on, not filled";
    player->activateShield(true);
    EXPECT_EQ(player->getShieldHealth(), 200);
    EXPECT_EQ(player->getShieldMaxHealth(), 200);
    player->setShieldMaxHealth(220);
    player->setShieldHealth(150);
    player->setShieldRechargeStep(1);
    player->setShieldEnableRecharge(1);
    player->run();
    EXPECT_EQ(player->getShieldHealth(), 151);
    EXPECT_EQ(player->getShieldRechargeStep(), 1);
    player->setShieldEnableRecharge(0);
    player->run();
    EXPECT_EQ(player->getShieldHealth(), 151);
}

TEST_F(PlayerTest, RestartKeepsWhatWasEarnedAndClearsTheField)
{
    player->setHealth(123);
    player->activateShield(true);
    player->addToInventory(2);
    player->incBulletsHit();
    player->getCannon(0)->setAngle(10);
    player->getCannon(0)->shoot();
    player->getSparksGenerator()->start(0, 0, 1, 0);
    for (int n = 0; n < 30; ++n)
        player->run();
    ASSERT_LT(player->getCargo(), 1000);
    player->restart();
    EXPECT_EQ(player->getHealth(), 123);
    EXPECT_EQ(player->getShieldHealth(), 200);
    EXPECT_EQ(player->countInventory(), 1);
    EXPECT_EQ(player->getBulletsHit(), 0);
    EXPECT_EQ(player->getCargo(), 1000);
    EXPECT_EQ(player->getDecayCount(), 5);
    EXPECT_FLOAT_EQ(player->getCannonAngle(0), 270);
    EXPECT_EQ(player->getCannon(0)->getBulletsFired(), 0);
    EXPECT_EQ(player->getCannon(0)->getBulletsP()[0]->getAction(), 0);
    EXPECT_EQ(player->getSparksGenerator()->getStatus(), 0);
    EXPECT_EQ(player->totalBulletsFired(), 0);
}

TEST_F(PlayerTest, TotalBulletsFiredCountsBothCannonsAndTheMissiles)
{
    player->changeWeapon(1, 1);
    player->getCannon(0)->shoot();
    player->getCannon(1)->shoot();
    MissileLauncher* launcher = player->getMissileLauncher();
    launcher->setWeapon(-2);
    float tx = 0, ty = 0;
    launcher->shoot(&tx, &ty);
    EXPECT_EQ(player->totalBulletsFired(), 3);
}

TEST_F(PlayerTest, ScrollPointersReachTheLauncherAndItsMissiles)
{
    float sx = 3, sy = 4;
    player->setScrollXYP(&sx, &sy);
    EXPECT_FLOAT_EQ(player->getScrollX(), 3);
    EXPECT_EQ(player->getMissileLauncher()->getScrollXP(), &sx);
    EXPECT_EQ(player->getMissileLauncher()->getMissilesP()[9]->getScrollYP(), &sy);
    EXPECT_EQ(player->getCannon(1)->getBulletsP()[0]->getScrollXP(), &sx);
}

TEST_F(PlayerTest, DrawingRunsThroughEveryPart)
{
    player->activateShield(true);
    player->changeWeapon(1, 1);
    player->getCannon(0)->setEnableTargetting(true);
    player->getCannon(0)->shoot();
    player->getMissileLauncher()->setWeapon(-2);
    enemyBullet(0, 915, 574, 1);
    player->run();
    world::Canvas canvas;
    player->draw();
    EXPECT_GT(canvas.alphaAt(915, 574), 0) << "the base is drawn";
    canvas.clear();
    player->setEnable(false);
    player->draw();
    EXPECT_EQ(canvas.alphaAt(915, 574), 0) << "a disabled base draws nothing";
}

namespace {

// The base driven through the configured keys.
class PlayerKeysTest : public PlayerTest {
protected:
    void SetUp() override
    {
        sheets = new combat::Sheets();
        samples = new combat::Samples();
        keys = new combat::KeyGame();
        build(keys);
    }
    combat::KeyGame* keys = nullptr;
};

}  // namespace

TEST_F(PlayerKeysTest, HoldingFireOneFiresCannonZeroOncePerReload)
{
    keys->press(keys->getKeyFire1());
    std::vector<int> shots;
    for (int f = 1; f <= 40; ++f) {
        const int before = player->getCannon(0)->getBulletsFired();
        player->run();
        if (player->getCannon(0)->getBulletsFired() > before)
            shots.push_back(f);
    }
    EXPECT_EQ(shots, (std::vector<int>{1, 19, 37}));
    EXPECT_EQ(player->getCannon(1)->getBulletsFired(), 0);
    keys->release(keys->getKeyFire1());
    for (int f = 0; f < 40; ++f)
        player->run();
    EXPECT_EQ(player->getCannon(0)->getBulletsFired(), 3) << "released: no more shots";
}

TEST_F(PlayerKeysTest, FireTwoNeedsAWeaponOnCannonOne)
{
    keys->press(keys->getKeyFire2());
    player->run();
    EXPECT_EQ(player->getCannon(1)->getBulletsFired(), 0);
    player->changeWeapon(1, 1);
    player->run();
    EXPECT_EQ(player->getCannon(1)->getBulletsFired(), 1);
    EXPECT_EQ(player->getCannon(0)->getBulletsFired(), 0);
}

TEST_F(PlayerKeysTest, TurningKeysTurnBothCannonsTogether)
{
    keys->press(keys->getKeyLeft());
    for (int f = 0; f < 10; ++f)
        player->run();
    EXPECT_NEAR(player->getCannonAngle(0), 268, 1e-3);
    EXPECT_NEAR(player->getCannonAngle(1), 268, 1e-3);
    keys->press(keys->getKeyRight());  // both held: left then right
    for (int f = 0; f < 10; ++f)
        player->run();
    EXPECT_NEAR(player->getCannonAngle(0), 268, 1e-3);
    keys->release(keys->getKeyLeft());
    for (int f = 0; f < 5; ++f)
        player->run();
    EXPECT_NEAR(player->getCannonAngle(1), 269, 1e-3);
}

TEST_F(PlayerKeysTest, NothingAnswersTheKeysOnceDestroyed)
{
    player->changeWeapon(1, 1);
    player->setHealth(0);
    keys->press(keys->getKeyFire1());
    keys->press(keys->getKeyFire2());
    keys->press(keys->getKeyLeft());
    for (int f = 0; f < 20; ++f)
        player->run();
    EXPECT_EQ(player->totalBulletsFired(), 0);
    EXPECT_FLOAT_EQ(player->getCannonAngle(0), 270);
}

TEST_F(PlayerKeysTest, FireThreeLaunchesAMissileAtTheFirstArmadillo)
{
    Armadillo target(sheets->armadillo, sheets->screen, sheets->particles, sheets->cannons,
                     sheets->shieldsLittle, sheets->lights, nullptr);
    Armadillo* armadillos[Player::kArmadillos] = {&target};
    player->setArmadillosP(armadillos);
    keys->press(keys->getKeyFire3());
    player->run();
    MissileLauncher* launcher = player->getMissileLauncher();
    EXPECT_EQ(launcher->getBulletsFired(), 0) << "not bought: unarmed";
    launcher->setWeapon(-2);
    player->run();
    ASSERT_EQ(launcher->getBulletsFired(), 1);
    const Missile* m = launcher->getMissilesP()[0];
    EXPECT_EQ(m->getTargetXP(), target.getXP()) << "homes on the craft, in the wave or not";
    EXPECT_EQ(m->getTargetYP(), target.getYP());
    for (int f = 0; f < 100; ++f)
        player->run();
    EXPECT_EQ(launcher->getBulletsFired(), 1) << "20 seconds of reload";
}
