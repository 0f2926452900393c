#include "combat/Bullet.h"
#include "combat/Cannon.h"
#include "engine/ZE_Actions.h"

#include "support/CombatFixture.h"

#include <allegro5/allegro.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <set>
#include <utility>
#include <vector>

namespace {

class CannonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        sheets = new combat::Sheets();
        cannon = new Cannon("", sheets->screen, 100, sheets->cannons);
        cannon->setWeapon(0);
    }
    void TearDown() override
    {
        delete cannon;
        delete sheets;
    }
    // Frames (from 0) in which a fire key held from frame 0 launched a bullet, as the base
    // runs it: the cannon's run, then the shot.
    std::vector<int> heldFire(int frames)
    {
        std::vector<int> shots;
        for (int f = 0; f < frames; ++f) {
            cannon->run();
            const int before = cannon->getBulletsFired();
            cannon->shoot();
            if (cannon->getBulletsFired() > before)
                shots.push_back(f);
        }
        return shots;
    }
    combat::Sheets* sheets = nullptr;
    Cannon* cannon = nullptr;
};

}  // namespace

TEST_F(CannonTest, ResetGivesTheDocumentedValues)
{
    cannon->setReloadTime(3);
    cannon->setRotationSpeed(2);
    cannon->setBulletDamage(7);
    cannon->setEnableTargetting(true);
    cannon->incTargettingRange();
    cannon->shoot();
    cannon->reset();
    EXPECT_TRUE(cannon->isReady());
    EXPECT_FALSE(cannon->getEnableTargetting());
    EXPECT_EQ(cannon->getBulletsFired(), 0);
    EXPECT_EQ(cannon->getReloadCount(), 0);
    EXPECT_EQ(cannon->getReloadTime(), 10);
    EXPECT_FLOAT_EQ(cannon->getRotationSpeed(), 0.4f);
    EXPECT_FLOAT_EQ(cannon->getPower(), 1.0f);
    EXPECT_EQ(cannon->getWeapon(), -1);
    EXPECT_EQ(cannon->getTargettingRange(), 32);
    EXPECT_FLOAT_EQ(cannon->getTargettingRangeScale(), 1.0f);
    EXPECT_EQ(cannon->getBulletDamage(), 7) << "reset leaves the damage";
    EXPECT_EQ(cannon->getMotionMode(), 0);
    EXPECT_EQ(cannon->getCenterX(), combat::SheetSizes::kCannon / 2);
    EXPECT_EQ(cannon->getLife(), 100);
    for (int i = 0; i < cannon->getTotalBullets(); ++i)
        EXPECT_EQ(cannon->getBulletsP()[i]->getAction(), 0);
}

TEST_F(CannonTest, AHeldKeyFiresOncePerReloadTime)
{
    struct Case {
        int reload;
        std::vector<int> shots;
    };
    const Case cases[] = {
        {18, {0, 18, 36, 54}},
        {9, {0, 9, 18, 27, 36, 45, 54}},
        {25, {0, 25, 50}},
        {1, {}},  // every frame, checked below
    };
    for (const Case& c : cases) {
        cannon->reset();
        cannon->setWeapon(0);
        cannon->setReloadTime(c.reload);
        cannon->setLife(2);  // bullets free again quickly: the pool never runs dry here
        const std::vector<int> shots = heldFire(60);
        if (c.reload == 1) {
            EXPECT_EQ(shots.size(), 60u);
        } else {
            EXPECT_EQ(shots, c.shots) << "reload " << c.reload;
        }
    }
}

TEST_F(CannonTest, ASecondShotInTheSameFrameDoesNothing)
{
    cannon->shoot();
    cannon->shoot();
    EXPECT_EQ(cannon->getBulletsFired(), 1);
    EXPECT_EQ(cannon->getBulletsP()[0]->getAction(), ACTION_FLY);
    EXPECT_EQ(cannon->getBulletsP()[1]->getAction(), 0);
}

TEST_F(CannonTest, ACannonWithoutWeaponNeverFires)
{
    cannon->setWeapon(-1);
    for (int f = 0; f < 30; ++f) {
        cannon->run();
        cannon->shoot();
    }
    EXPECT_EQ(cannon->getBulletsFired(), 0);
    EXPECT_TRUE(cannon->isReady());
    cannon->setWeapon(-2);  // any value but -1 arms it
    cannon->shoot();
    EXPECT_EQ(cannon->getBulletsFired(), 1);
}

TEST_F(CannonTest, AShorterReloadMountedMidReloadDoesNotJamTheCannon)
{
    cannon->setReloadTime(100);
    cannon->shoot();
    for (int f = 0; f < 50; ++f)
        cannon->run();
    ASSERT_FALSE(cannon->isReady());
    ASSERT_EQ(cannon->getReloadCount(), 50);
    cannon->setReloadTime(18);
    cannon->run();
    EXPECT_TRUE(cannon->isReady());
}

TEST_F(CannonTest, LaunchedBulletTakesTheCannonsSettings)
{
    cannon->setX(300);
    cannon->setY(200);
    cannon->setAngle(270);
    cannon->setPower(5);
    cannon->setLife(140);
    cannon->setFriction(0.003f, 0.003f);
    cannon->setBulletFrame(9);
    cannon->setBulletDamage(3);
    cannon->shoot();
    const Bullet* b = cannon->getBulletsP()[0];
    EXPECT_EQ(b->getAction(), ACTION_FLY);
    EXPECT_FLOAT_EQ(b->getX(), 300);
    EXPECT_FLOAT_EQ(b->getY(), 200);
    EXPECT_FLOAT_EQ(b->getAngle(), 270) << "the sprite angle is not jittered";
    EXPECT_EQ(b->getAlpha(), 200);
    EXPECT_EQ(b->getLife(), 140);
    EXPECT_EQ(b->getCurrentFrame(), 9);
    EXPECT_EQ(b->getDamage(), 3);
    EXPECT_FLOAT_EQ(b->getFrictionX(), 0.003f);
    EXPECT_FLOAT_EQ(b->getGravityY(), -0.0098f);
    EXPECT_FLOAT_EQ(b->getGravityX(), 0);
    EXPECT_GT(b->getSpeedY(), 4.99f) << "upward at about the power";
    EXPECT_FALSE(cannon->isReady());
    EXPECT_EQ(cannon->getReloadCount(), 0);
}

TEST_F(CannonTest, WithEveryBulletInFlightAShotIsSpentAndStillSounded)
{
    combat::Samples samples;
    ZE_Sample sound("", samples.audio, samples.table[0]);
    cannon->setSampleShoot(&sound);
    cannon->setReloadTime(1);
    cannon->setLife(100000);
    for (int i = 0; i < 100; ++i) {
        cannon->run();
        cannon->shoot();
    }
    ASSERT_EQ(cannon->getBulletsFired(), 100);
    for (int f = 0; f < 200 && sound.isPlaying(); ++f)
        al_rest(0.02);  // let the earlier shots' sounds end
    ASSERT_FALSE(sound.isPlaying());
    for (int i = 0; i < 5; ++i)
        cannon->run();
    ASSERT_TRUE(cannon->isReady());
    cannon->shoot();
    EXPECT_EQ(cannon->getBulletsFired(), 100) << "nothing launched";
    EXPECT_FALSE(cannon->isReady()) << "the shot is spent";
    EXPECT_EQ(cannon->getReloadCount(), 0);
    EXPECT_TRUE(sound.isPlaying()) << "the sound still plays";
}

TEST_F(CannonTest, NoSoundSetFiresSilently)
{
    combat::Samples samples;
    cannon->shoot();
    EXPECT_EQ(cannon->getBulletsFired(), 1);
    EXPECT_EQ(samples.playing(), 0);
}

TEST_F(CannonTest, BulletFliesItsLifeThenFadesTwentyStepsThenIsFree)
{
    cannon->setLife(140);
    cannon->shoot();
    Bullet* b = cannon->getBulletsP()[0];
    // The countdown ends in run 140, and that run already takes the first fade step.
    for (int n = 1; n <= 170; ++n) {
        b->run();
        if (n < 140) {
            ASSERT_EQ(b->getAction(), ACTION_FLY) << n;
            ASSERT_EQ(b->getAlpha(), 200) << n;
            ASSERT_EQ(b->getLife(), 140 - n) << n;
        } else if (n < 159) {
            ASSERT_EQ(b->getAction(), ACTION_FADE) << n;
            ASSERT_EQ(b->getAlpha(), 200 - 10 * (n - 139)) << n;
        } else {
            ASSERT_EQ(b->getAction(), 0) << n;
            ASSERT_EQ(b->getAlpha(), 0) << n;
        }
    }
}

TEST_F(CannonTest, HitFreesAFlyingOrFadingBulletAtOnce)
{
    cannon->setLife(3);
    cannon->setReloadTime(1);
    cannon->shoot();
    cannon->run();
    cannon->shoot();
    Bullet* fading = cannon->getBulletsP()[0];
    Bullet* flying = cannon->getBulletsP()[1];
    for (int i = 0; i < 2; ++i)
        cannon->run();
    ASSERT_EQ(fading->getAction(), ACTION_FADE);
    ASSERT_EQ(flying->getAction(), ACTION_FLY);
    fading->hit();
    flying->hit();
    EXPECT_EQ(fading->getAction(), 0);
    EXPECT_EQ(flying->getAction(), 0);
    // A freed bullet is the next to be launched.
    cannon->run();
    cannon->shoot();
    EXPECT_EQ(fading->getAction(), ACTION_FLY);
}

TEST_F(CannonTest, EachSpeedComponentCarriesItsOwnJitterOfOneDegree)
{
    std::srand(7);
    const float angle = 300;
    const float speed = 6;
    std::set<std::pair<int, int>> seen;
    Bullet* b = cannon->getBulletsP()[0];
    for (int i = 0; i < 400; ++i) {
        b->reset();
        b->shoot(0, 0, angle, speed, 10, 0, 0, 0, 0, 0, 0);
        int jx = 99, jy = 99;
        for (int j = -1; j <= 1; ++j) {
            if (std::fabs(b->getSpeedX() - std::cos((angle + j) * M_PI / 180) * speed) < 1e-4)
                jx = j;
            if (std::fabs(b->getSpeedY() + std::sin((angle + j) * M_PI / 180) * speed) < 1e-4)
                jy = j;
        }
        ASSERT_NE(jx, 99) << "speedX " << b->getSpeedX() << " off the three jitters";
        ASSERT_NE(jy, 99) << "speedY " << b->getSpeedY() << " off the three jitters";
        seen.insert({jx, jy});
    }
    EXPECT_EQ(seen.size(), 9u) << "the two jitters are drawn independently";
}

TEST_F(CannonTest, ABulletInUseIsNeverRelaunched)
{
    Bullet* b = cannon->getBulletsP()[0];
    b->shoot(10, 20, 0, 3, 50, 0, 0, 0, 0, 0, 0);
    b->shoot(500, 500, 90, 9, 7, 0, 0, 0, 0, 0, 0);
    EXPECT_FLOAT_EQ(b->getX(), 10);
    EXPECT_EQ(b->getLife(), 50);
}

TEST_F(CannonTest, RestartFreesBulletsAndKeepsReadiness)
{
    cannon->setReloadTime(50);
    cannon->setAngle(12);
    cannon->shoot();
    for (int i = 0; i < 5; ++i)
        cannon->run();
    cannon->restart();
    EXPECT_FLOAT_EQ(cannon->getAngle(), 270);
    EXPECT_EQ(cannon->getBulletsFired(), 0);
    EXPECT_EQ(cannon->getBulletsP()[0]->getAction(), 0);
    EXPECT_FALSE(cannon->isReady());
    EXPECT_EQ(cannon->getReloadCount(), 5);
    EXPECT_EQ(cannon->getReloadTime(), 50);
}

TEST_F(CannonTest, RotationTurnsByItsSpeedInFullCircles)
{
    cannon->setAngle(0.2f);
    cannon->setRotationSpeed(0.4f);
    cannon->rotateLeft();
    EXPECT_NEAR(cannon->getAngle(), -0.2f, 1e-5);
    cannon->draw();  // drawing brings the angle back into 0..360
    EXPECT_NEAR(cannon->getAngle(), 359.8f, 1e-3);
    cannon->rotateRight();
    EXPECT_NEAR(cannon->getAngle(), 360.2f, 1e-3);
}

TEST_F(CannonTest, ScrollPointersReachEveryBulletButNotTheSight)
{
    float sx = 10, sy = 20;
    cannon->setScrollXYP(&sx, &sy);
    EXPECT_EQ(cannon->getScrollXP(), &sx);
    for (int i = 0; i < cannon->getTotalBullets(); ++i) {
        EXPECT_EQ(cannon->getBulletsP()[i]->getScrollXP(), &sx);
        EXPECT_EQ(cannon->getBulletsP()[i]->getScrollYP(), &sy);
    }
    EXPECT_EQ(cannon->getAimSprite()->getScrollXP(), nullptr);
}

namespace {

// Pixels of a target bitmap with any coverage: the sight's dots drawn on transparency.
int countCovered(ALLEGRO_BITMAP* target)
{
    ALLEGRO_LOCKED_REGION* locked =
        al_lock_bitmap(target, ALLEGRO_PIXEL_FORMAT_ABGR_8888_LE, ALLEGRO_LOCK_READONLY);
    int covered = 0;
    for (int y = 0; y < al_get_bitmap_height(target); ++y) {
        const unsigned char* row =
            static_cast<const unsigned char*>(locked->data) + y * locked->pitch;
        for (int x = 0; x < al_get_bitmap_width(target); ++x)
            covered += row[4 * x + 3] != 0 ? 1 : 0;
    }
    al_unlock_bitmap(target);
    return covered;
}

bool coveredAt(ALLEGRO_BITMAP* target, int x, int y)
{
    unsigned char r, g, b, a;
    al_unmap_rgba(al_get_pixel(target, x, y), &r, &g, &b, &a);
    return a != 0;
}

}  // namespace

TEST_F(CannonTest, LaserSightShowsOneDotPerStrideStep)
{
    // A cannon whose frames are single pixels, so each sight dot covers exactly one pixel.
    const std::string png = combat::makeSheet(sheets->dir, "dots", 8, 1, 1);
    ZE_Sprite dots(png, sheets->screen, 0, 0, nullptr, 1);
    Cannon sight("", sheets->screen, 1, &dots);
    ALLEGRO_BITMAP* target = al_create_bitmap(1024, 768);
    struct Case {
        int range, stride, dots;
    };
    const Case cases[] = {{32, 1, 32},  {48, 1, 48},  {64, 2, 32},  {80, 2, 40},
                          {96, 3, 32},  {112, 3, 38}, {128, 4, 32}, {144, 4, 36},
                          {160, 5, 32}, {176, 5, 36}, {192, 6, 32}};
    for (const Case& c : cases) {
        sight.reset();
        sight.setWeapon(0);
        sight.setEnableTargetting(true);
        sight.setAimFrame(3);
        while (sight.getTargettingRange() < c.range)
            sight.incTargettingRange();
        ASSERT_EQ(sight.getTargettingRange(), c.range);
        al_set_target_bitmap(target);
        ALLEGRO_TRANSFORM identity;
        al_identity_transform(&identity);
        al_use_transform(&identity);
        al_clear_to_color(al_map_rgba(0, 0, 0, 0));
        // Pointing right at 4 pixels a step: dot i covers the pixel at x = 20 + 4 (i + 1).
        sight.drawTargetting(20, 100, 4, 0, 0, 0, 0, 0);
        EXPECT_EQ(countCovered(target), c.dots) << "range " << c.range;
        EXPECT_TRUE(coveredAt(target, 24, 100)) << "the first step is always drawn";
        EXPECT_TRUE(coveredAt(target, 20 + 4 * (c.stride + 1), 100)) << "range " << c.range;
        if (c.stride > 1) {
            EXPECT_FALSE(coveredAt(target, 28, 100)) << "range " << c.range;
        }
        EXPECT_EQ(sight.getAimSprite()->getAlpha(), 1) << "the last dot fades to 1";
    }
    sheets->screen->restoreTarget();
    al_destroy_bitmap(target);
}

TEST_F(CannonTest, LaserSightNeedsTargettingAWeaponAndALoadedCannon)
{
    const std::string png = combat::makeSheet(sheets->dir, "dots", 8, 1, 1);
    ZE_Sprite dots(png, sheets->screen, 0, 0, nullptr, 1);
    Cannon sight("", sheets->screen, 1, &dots);
    ALLEGRO_BITMAP* target = al_create_bitmap(1024, 768);
    struct Case {
        bool targetting;
        int weapon;
        bool loaded;
        bool dotsShown;
    };
    const Case cases[] = {{true, 0, true, true},
                          {false, 0, true, false},
                          {true, -1, true, false},
                          {true, 0, false, false}};
    for (const Case& c : cases) {
        sight.reset();
        sight.setWeapon(0);
        sight.setReloadTime(1000);
        sight.setX(-50);  // barrel, hull and bullet off the target; only dots land on it
        sight.setY(300);
        sight.setAngle(0);
        sight.setPower(4);
        if (!c.loaded)
            sight.shoot();
        sight.setWeapon(c.weapon);
        sight.setEnableTargetting(c.targetting);
        al_set_target_bitmap(target);
        ALLEGRO_TRANSFORM identity;
        al_identity_transform(&identity);
        al_use_transform(&identity);
        al_clear_to_color(al_map_rgba(0, 0, 0, 0));
        sight.draw();
        al_hold_bitmap_drawing(false);
        EXPECT_EQ(countCovered(target) > 0, c.dotsShown)
            << c.targetting << " " << c.weapon << " " << c.loaded;
    }
    sheets->screen->restoreTarget();
    al_destroy_bitmap(target);
}
