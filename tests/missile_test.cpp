#include "combat/Missile.h"
#include "combat/MissileLauncher.h"
#include "engine/ZE_Actions.h"

#include "support/CombatFixture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

namespace {

class MissileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        sheets = new combat::Sheets();
        launcher = new MissileLauncher("", sheets->screen, 10, sheets->playerCannon);
    }
    void TearDown() override
    {
        delete launcher;
        delete sheets;
    }
    // The player's launcher settings, armed.
    void armLikeTheBase()
    {
        launcher->reset();
        launcher->setHullFrame(13);
        launcher->setBulletFrame(15);
        launcher->setBulletDamage(20);
        launcher->setReloadTime(1200);
        launcher->setFriction(0.003f, 0.003f);
        launcher->setPower(1.6f);
        launcher->setLife(1000);
        launcher->setX(915);
        launcher->setY(574);
        launcher->setWeapon(-2);
        launcher->restart();
    }
    int airborne() const
    {
        int n = 0;
        for (int i = 0; i < launcher->getTotalMissiles(); ++i)
            n += launcher->getMissilesP()[i]->getAction() != 0 ? 1 : 0;
        return n;
    }
    combat::Sheets* sheets = nullptr;
    MissileLauncher* launcher = nullptr;
    float targetX = 0, targetY = 0;
};

}  // namespace

TEST_F(MissileTest, LauncherIsReadyOnItsFirstRunAfterRestart)
{
    // Fired late in a wave: still reloading when the next wave starts.
    armLikeTheBase();
    launcher->shoot(&targetX, &targetY);
    ASSERT_EQ(launcher->getBulletsFired(), 1);
    for (int i = 0; i < 30; ++i)
        launcher->run();
    ASSERT_FALSE(launcher->isReady());
    launcher->restart();
    EXPECT_FALSE(launcher->isReady()) << "restart keeps readiness";
    EXPECT_EQ(launcher->getReloadCount(), 1200);
    EXPECT_EQ(airborne(), 0);
    launcher->run();
    EXPECT_TRUE(launcher->isReady());
    launcher->shoot(&targetX, &targetY);
    EXPECT_EQ(launcher->getBulletsFired(), 1) << "counted afresh since the restart";
    EXPECT_EQ(airborne(), 1);
}

TEST_F(MissileTest, LauncherComparesBeforeItCounts)
{
    // Ready again reloadTime + 1 runs after a shot.
    for (int reload : {0, 1, 5, 1200}) {
        armLikeTheBase();
        launcher->setReloadTime(reload);
        launcher->run();
        ASSERT_TRUE(launcher->isReady());
        launcher->shoot(&targetX, &targetY);
        ASSERT_FALSE(launcher->isReady());
        int runs = 0;
        while (!launcher->isReady() && runs < 5000) {
            launcher->run();
            ++runs;
        }
        EXPECT_EQ(runs, reload + 1) << "reload " << reload;
    }
}

TEST_F(MissileTest, UnarmedLauncherNeverFiresButIsStillDrawn)
{
    armLikeTheBase();
    launcher->setWeapon(-1);
    launcher->run();
    launcher->shoot(&targetX, &targetY);
    EXPECT_EQ(airborne(), 0);
    EXPECT_TRUE(launcher->isReady());
    launcher->draw();  // the launcher and its hull frame, no missiles
    EXPECT_EQ(launcher->getCurrentFrame(), 0) << "drawing the hull restores the frame";
}

TEST_F(MissileTest, ALaunchedMissileTakesTheLaunchersSettingsAndScatters)
{
    std::srand(3);
    armLikeTheBase();
    std::set<int> angles;
    for (int k = 0; k < 300; ++k) {
        launcher->restart();
        launcher->run();
        launcher->shoot(&targetX, &targetY);
        const Missile* m = launcher->getMissilesP()[0];
        ASSERT_EQ(m->getAction(), ACTION_MISSILE_LAUNCH);
        const int a = static_cast<int>(m->getAngle());
        ASSERT_FLOAT_EQ(m->getAngle(), static_cast<float>(a)) << "whole degrees";
        ASSERT_GE(a, 266);
        ASSERT_LE(a, 274);
        angles.insert(a);
        ASSERT_EQ(m->getCurrentFrame(), 15);
        ASSERT_EQ(m->getDamage(), 20);
        ASSERT_EQ(m->getLife(), 1000);
        ASSERT_FLOAT_EQ(m->getX(), 915);
        ASSERT_FLOAT_EQ(m->getFrictionY(), 0.003f);
        ASSERT_EQ(m->getTargetXP(), &targetX);
        ASSERT_EQ(m->getTargetYP(), &targetY);
    }
    EXPECT_EQ(angles.size(), 9u) << "-4 .. +4 whole degrees";
}

TEST_F(MissileTest, WithEveryMissileAirborneTheShotIsSpentSilently)
{
    combat::Samples samples;
    ZE_Sample sound("", samples.audio, samples.table[0]);
    armLikeTheBase();
    launcher->setSampleShoot(&sound);
    launcher->setReloadTime(0);
    for (int i = 0; i < 10; ++i) {
        launcher->run();
        launcher->shoot(&targetX, &targetY);
    }
    ASSERT_EQ(airborne(), 10);
    launcher->run();
    ASSERT_TRUE(launcher->isReady());
    launcher->shoot(&targetX, &targetY);
    EXPECT_FALSE(launcher->isReady());
    EXPECT_EQ(launcher->getReloadCount(), 0);
    EXPECT_EQ(launcher->getBulletsFired(), 10);
    EXPECT_EQ(samples.playing(), 0) << "a launcher plays no sound";
}

TEST_F(MissileTest, ResetKeepsMissilesInFlightRestartClearsThem)
{
    armLikeTheBase();
    launcher->run();
    launcher->shoot(&targetX, &targetY);
    ASSERT_EQ(airborne(), 1);
    launcher->reset();
    EXPECT_EQ(airborne(), 1);
    launcher->restart();
    EXPECT_EQ(airborne(), 0);
    EXPECT_FLOAT_EQ(launcher->getAngle(), 270);
    EXPECT_EQ(launcher->getBulletsFired(), 0);
}

TEST_F(MissileTest, AMissileClimbsThenHomes)
{
    // Straight up at 1.6 with friction 0.003 and gravity: it slows, thrusts upward once slower
    // than 0.3, and homes only once faster than 2.1.
    targetX = 2000;
    targetY = 300;
    Missile m("", sheets->screen, launcher);
    m.shoot(915, 574, 270, 1.6f, 1000, 0.003f, 0.003f, 0, 0, 0, -0.0098f, &targetX, &targetY);
    ASSERT_EQ(m.getAction(), ACTION_MISSILE_LAUNCH);
    bool thrusting = false;
    int run = 0;
    for (; run < 2000 && m.getAction() == ACTION_MISSILE_LAUNCH; ++run) {
        m.run();
        const float vy = m.getSpeedY();
        if (!thrusting && vy < 0.3f)
            thrusting = true;
        if (m.getAction() == ACTION_MISSILE_LAUNCH) {
            ASSERT_LE(vy, 2.1f) << run;
            ASSERT_FLOAT_EQ(m.getAccelerationY(), thrusting ? 0.1f : 0.0f) << run;
        } else {
            ASSERT_GT(vy, 2.1f) << "homes in the run its upward speed passes 2.1";
        }
    }
    EXPECT_TRUE(thrusting);
    EXPECT_EQ(m.getAction(), ACTION_MISSILE_HOMING);
    EXPECT_GT(run, 50) << "it does not home at once";
    EXPECT_EQ(m.getLife(), 1000) << "a missile's life never counts down";
}

TEST_F(MissileTest, HomingThrustPushesEachAxisTowardFourTimesTheDirection)
{
    struct Case {
        float dx, dy;      // target relative to the missile, screen directions
        float vx, vy;      // speeds before the run
        float ax, ay;      // accelerations expected after it
    };
    const float k = 0.70710678f;  // cos 45
    const Case cases[] = {
        {1000, 0, 3.0f, 0.0f, 0.08f, 0.0f},    // right, below the limit
        {1000, 0, 5.0f, 0.0f, -0.08f, 0.0f},   // right, above it
        {-1000, 0, -3.0f, 0.0f, -0.08f, 0.0f}, // left, slower than -4: push on
        {-1000, 0, -5.0f, 0.0f, 0.08f, 0.0f},  // left, faster than -4: brake
        {0, -1000, 0.0f, 3.0f, 0.0f, 0.1f},    // above
        {0, -1000, 0.0f, 5.0f, 0.0f, -0.1f},
        {0, 1000, 0.0f, -5.0f, 0.0f, 0.1f},    // below, falling too fast
        {1000, -1000, 1.0f, 1.0f, 0.08f * k, 0.1f * k},
        {1000, -1000, 3.5f, 3.5f, -0.08f * k, -0.1f * k},
    };
    for (const Case& c : cases) {
        Missile m("", sheets->screen, launcher);
        // Launched fast and straight up, so the first run already switches to homing.
        m.shoot(0, 0, 270, 3, 10, 0, 0, 0, 0, 0, 0, &targetX, &targetY);
        m.run();
        ASSERT_EQ(m.getAction(), ACTION_MISSILE_HOMING);
        m.setSpeedX(c.vx);
        m.setSpeedY(c.vy);
        m.setAccelerationX(0);
        m.setAccelerationY(0);
        // Aim from where the next step leaves the missile.
        targetX = m.getX() + c.vx + c.dx;
        targetY = m.getY() - c.vy + c.dy;
        m.run();
        EXPECT_NEAR(m.getAccelerationX(), c.ax, 1e-5) << c.dx << "," << c.dy << " " << c.vx;
        EXPECT_NEAR(m.getAccelerationY(), c.ay, 1e-5) << c.dx << "," << c.dy << " " << c.vy;
    }
}

TEST_F(MissileTest, AHomingMissileFollowsAMovingTargetAndStaysUp)
{
    Missile m("", sheets->screen, launcher);
    m.shoot(0, 0, 270, 3, 10, 0.003f, 0.003f, 0, 0, 0, -0.0098f, &targetX, &targetY);
    targetX = 800;
    targetY = -600;
    for (int i = 0; i < 900; ++i) {
        targetX += 0.5f;  // the target drifts right
        m.run();
    }
    const float dx = targetX - m.getX();
    const float dy = targetY - m.getY();
    EXPECT_LT(dx * dx + dy * dy, 150.0f * 150.0f) << "closes in on the target";
    EXPECT_NE(m.getAction(), 0) << "no flight time: still up";
    m.hit();
    EXPECT_EQ(m.getAction(), 0);
}

TEST_F(MissileTest, ScrollPointersReachEveryMissile)
{
    float sx = 1, sy = 2;
    launcher->setScrollXYP(&sx, &sy);
    EXPECT_EQ(launcher->getScrollXP(), &sx);
    for (int i = 0; i < launcher->getTotalMissiles(); ++i) {
        EXPECT_EQ(launcher->getMissilesP()[i]->getScrollXP(), &sx);
        EXPECT_EQ(launcher->getMissilesP()[i]->getScrollYP(), &sy);
    }
}
