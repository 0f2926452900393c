#include "engine/ZE_Actions.h"
#include "engine/ZE_Light.h"
#include "engine/ZE_ParticleGenerator.h"
#include "engine/ZE_Sprite.h"

#include "world_support.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

using testsupport::TempDir;

namespace {

// A sheet of 1 x 4 frames of 8 x 6, each its own colour.
class EffectsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        world::display();
        sheet = dir.file("fx.png");
        world::saveGridSheet(sheet, 1, 4, 8, 6);
        world::writeDat(dir.file("fx.dat"), 1, 4, 8, 6);
    }
    TempDir dir;
    std::string sheet;
};

// Runs the generator `runs` times and returns the runs (1-based) in which particles came alive.
std::vector<int> emissionRuns(ZE_ParticleGenerator& g, int runs)
{
    std::vector<int> at;
    for (int run = 1; run <= runs; ++run) {
        const int before = g.countLive();
        g.run();
        if (g.countLive() > before)
            at.push_back(run);
    }
    return at;
}

}  // namespace

TEST_F(EffectsTest, GeneratorPoolSharesOneSheet)
{
    ZE_ParticleGenerator g(sheet, world::display(), 50, nullptr);
    ASSERT_EQ(g.getTotalParticles(), 50);
    for (int i = 0; i < 50; ++i) {
        ZE_Sprite* p = g.getParticle(i);
        EXPECT_EQ(p->getFrame(0), g.getParticle(0)->getFrame(0)) << i;
        EXPECT_FALSE(p->getEnable()) << "idle after reset";
        EXPECT_EQ(p->getCenterX(), 4);
        EXPECT_EQ(p->getCenterY(), 3);
        EXPECT_EQ(p->getCollisionType(), 1);
    }
    // Sharing a sheet from another sprite reads no file.
    ZE_Sprite source(sheet, world::display(), 0, 0, nullptr, 1);
    ZE_ParticleGenerator shared(dir.file("absent.png"), world::display(), 3, &source);
    EXPECT_EQ(shared.getParticle(2)->getFrame(1), source.getFrame(1));
    EXPECT_EQ(g.getStatus(), 0);
    EXPECT_TRUE(g.isReady());
}

TEST_F(EffectsTest, EmissionsOnSchedule)
{
    struct Case {
        int generateTime;
        int emissions;
        int runs;
        std::vector<int> expected;
        int statusAfter;
    };
    const Case cases[] = {
        {5, 3, 20, {1, 6, 11}, 0},
        {2, 0, 12, {1, 3, 5, 7, 9, 11}, GENERATING},
        {1, 4, 10, {1, 2, 3, 4}, 0},
        {3, -1, 10, {1, 4, 7, 10}, GENERATING},
        {0, 0, 10, {1}, GENERATING},   // never due again after an emission
    };
    for (const Case& c : cases) {
        ZE_ParticleGenerator g(sheet, world::display(), 50, nullptr);
        g.setStartLife(1000);  // no fading during the count
        g.start(10, 20, c.generateTime, c.emissions);
        EXPECT_EQ(g.getStatus(), GENERATING);
        EXPECT_EQ(emissionRuns(g, c.runs), c.expected) << "every " << c.generateTime;
        EXPECT_EQ(g.getStatus(), c.statusAfter) << "every " << c.generateTime;
        EXPECT_EQ(g.countLive(), static_cast<int>(c.expected.size())) << "one per emission";
    }
}

TEST_F(EffectsTest, StatusGoesIdleInTheRunOfTheLastEmission)
{
    ZE_ParticleGenerator g(sheet, world::display(), 50, nullptr);
    g.setStartLife(1000);
    g.start(0, 0, 5, 3);
    for (int run = 1; run <= 10; ++run) {
        g.run();
        EXPECT_EQ(g.getStatus(), GENERATING) << run;
    }
    g.run();  // run 11: the third emission
    EXPECT_EQ(g.getStatus(), 0);
    EXPECT_EQ(g.getEmissionsLeft(), 0);
    // A new start keeps the count of the last emission: due again after two runs.
    g.start(0, 0, 2, 0);
    g.run();
    EXPECT_EQ(g.countLive(), 3);
    g.run();
    EXPECT_EQ(g.countLive(), 4);
    // Reset stops an endless generator and idles its particles.
    g.reset();
    EXPECT_EQ(g.getStatus(), 0);
    EXPECT_EQ(g.countLive(), 0);
}

TEST_F(EffectsTest, ParticlesPerEmissionAndThePoolLimit)
{
    struct Case {
        int pool;
        int perEmission;
        int emitted;
    };
    const Case cases[] = {{4, 10, 4}, {50, 3, 3}, {50, 0, 50}, {20, -2, 20}, {4, 4, 4}};
    for (const Case& c : cases) {
        ZE_ParticleGenerator g(sheet, world::display(), c.pool, nullptr);
        g.setParticleATime(c.perEmission);
        g.start(0, 0, 1, 1);
        g.run();
        EXPECT_EQ(g.countLive(), c.emitted) << c.pool << " / " << c.perEmission;
    }
    // With some particles still live, only the idle ones are used, lowest index first.
    ZE_ParticleGenerator g(sheet, world::display(), 4, nullptr);
    g.setStartLife(1000);
    g.setParticleATime(3);
    g.start(0, 0, 1, 2);
    g.run();
    EXPECT_EQ(g.countLive(), 3);
    EXPECT_FALSE(g.getParticle(3)->getEnable());
    g.run();
    EXPECT_EQ(g.countLive(), 4) << "only one was idle";
}

TEST_F(EffectsTest, EmittedParticleTakesTheStartValues)
{
    ZE_ParticleGenerator g(sheet, world::display(), 5, nullptr);
    g.setStartSpeed(2, 1);
    g.setAcceleration(0.5f, 0);
    g.setStartScale(0.5f, 0.25f);
    g.setScaleStep(0.1f, 0.2f);
    g.setStartAlpha(200);
    g.setStartLife(30);
    g.setCurrentFrame(2);
    g.start(40, 50, 100, 1);
    g.run();
    ZE_Sprite* p = g.getParticle(0);
    ASSERT_TRUE(p->getEnable());
    EXPECT_EQ(p->getX(), 40);
    EXPECT_EQ(p->getY(), 50);
    EXPECT_EQ(p->getSpeedX(), 2);
    EXPECT_EQ(p->getSpeedY(), 1);
    EXPECT_EQ(p->getAccelerationX(), 0.5f);
    EXPECT_EQ(p->getCurrentFrame(), 2);
    EXPECT_EQ(p->getAlpha(), 200);
    EXPECT_EQ(p->getLife(), 30);
    EXPECT_EQ(p->getScaleX(), 0.5f);
    EXPECT_EQ(p->getScaleY(), 0.25f);
    g.setSource(0, 0);  // the next emissions come from here; this particle flies on
    g.run();
    EXPECT_EQ(p->getX(), 42);
    EXPECT_EQ(p->getY(), 49);
    EXPECT_EQ(p->getSpeedX(), 2.5f);
    EXPECT_EQ(p->getLife(), 29);
    EXPECT_FLOAT_EQ(p->getScaleX(), 0.6f);
    EXPECT_FLOAT_EQ(p->getScaleY(), 0.45f);

    // Drawn in its frame, opacity and place, less the camera.
    float sx = 10, sy = 0;
    g.setScrollXYP(&sx, &sy);
    p->setScaleX(1);
    p->setScaleY(1);
    world::Canvas canvas;
    g.draw();
    EXPECT_NEAR(canvas.redAt(32, 49), 30 * 200 / 255, 1);  // frame 2, premultiplied
    EXPECT_NEAR(canvas.alphaAt(32, 49), 200, 1);
    EXPECT_EQ(canvas.alphaAt(42, 49), 0);
}

TEST_F(EffectsTest, ParticlesFadeAfterTheirLife)
{
    ZE_ParticleGenerator g(sheet, world::display(), 5, nullptr);
    g.setStartLife(0);
    g.setStartAlpha(250);
    g.setAlphaStep(10);
    g.start(0, 0, 1000, 1);
    g.run();
    ZE_Sprite* p = g.getParticle(0);
    EXPECT_EQ(p->getAlpha(), 250) << "drawn with its start opacity in the emission frame";
    for (int k = 1; k <= 24; ++k) {
        g.run();
        ASSERT_TRUE(p->getEnable()) << k;
        EXPECT_EQ(p->getAlpha(), 250 - 10 * k) << k;
    }
    g.run();  // the 25th run after the emission
    EXPECT_FALSE(p->getEnable());

    // A life of 3 keeps the start opacity for three runs, then fades.
    ZE_ParticleGenerator kept(sheet, world::display(), 5, nullptr);
    kept.setStartLife(3);
    kept.setStartAlpha(255);
    kept.setAlphaStep(51);
    kept.start(0, 0, 1000, 1);
    kept.run();
    std::vector<int> alphas;
    for (int k = 0; k < 9; ++k) {
        kept.run();
        alphas.push_back(kept.getParticle(0)->getEnable() ? kept.getParticle(0)->getAlpha() : -1);
    }
    EXPECT_EQ(alphas, (std::vector<int>{255, 255, 255, 204, 153, 102, 51, -1, -1}));

    // Start opacity 0 (with some life, so it does not wrap round): gone in its first run.
    ZE_ParticleGenerator clear(sheet, world::display(), 5, nullptr);
    clear.setStartLife(5);
    clear.setStartAlpha(0);
    clear.start(0, 0, 1000, 1);
    clear.run();
    ASSERT_EQ(clear.countLive(), 1);
    clear.run();
    EXPECT_EQ(clear.countLive(), 0);
}

TEST_F(EffectsTest, StoppedGeneratorKeepsRunningItsLiveParticles)
{
    ZE_ParticleGenerator g(sheet, world::display(), 10, nullptr);
    g.setStartLife(2);
    g.setStartAlpha(100);
    g.setAlphaStep(50);
    g.setStartSpeed(1, 0);
    g.start(0, 0, 1, 1);
    g.run();
    ASSERT_EQ(g.getStatus(), 0);
    ZE_Sprite* p = g.getParticle(0);
    g.run();
    g.run();
    EXPECT_EQ(p->getX(), 2) << "still moving";
    g.run();
    EXPECT_EQ(p->getAlpha(), 50) << "still fading";
    g.run();
    EXPECT_FALSE(p->getEnable());
    EXPECT_EQ(g.countLive(), 0) << "and no new emissions";
}

TEST_F(EffectsTest, SetGenerateTimeMakesTheNextRunEmit)
{
    ZE_ParticleGenerator g(sheet, world::display(), 50, nullptr);
    g.setStartLife(1000);
    g.start(0, 0, 10, 0);
    g.run();  // run 1 emits; the next would be run 11
    g.run();
    ASSERT_EQ(g.countLive(), 1);
    g.setGenerateTime(4);
    EXPECT_TRUE(g.isReady());
    EXPECT_EQ(emissionRuns(g, 9), (std::vector<int>{1, 5, 9}));
    // start() leaves ready and the counter alone: a fresh start mid-count keeps counting.
    g.start(0, 0, 4, 0);
    EXPECT_FALSE(g.isReady());
}

TEST_F(EffectsTest, RandomSpeedStaysWithinAHundredthOfTheStartSpeed)
{
    ZE_ParticleGenerator g(sheet, world::display(), 50, nullptr);
    g.setRandomEnable(true);
    g.setStartSpeed(100, 100);
    g.setStartLife(0);
    g.setStartAlpha(1);  // each particle lives one run, so the pool never runs dry
    g.setParticleATime(0);
    std::set<float> seen;
    float low = 0, high = 0;
    g.start(0, 0, 1, 0);
    for (int run = 0; run < 40; ++run) {
        g.run();
        for (int i = 0; i < 50; ++i) {
            ZE_Sprite* p = g.getParticle(i);
            if (!p->getEnable())
                continue;
            ASSERT_GE(p->getSpeedX(), -1.0f);
            ASSERT_LE(p->getSpeedX(), 1.0f);
            ASSERT_GE(p->getSpeedY(), -1.0f);
            ASSERT_LE(p->getSpeedY(), 1.0f);
            seen.insert(p->getSpeedX());
            low = std::min(low, p->getSpeedX());
            high = std::max(high, p->getSpeedX());
        }
    }
    EXPECT_GT(seen.size(), 50u) << "the speeds spread";
    EXPECT_LT(low, -0.5f);
    EXPECT_GT(high, 0.5f);
    // Without randomEnable every particle gets exactly the start speed.
    g.reset();
    g.setStartSpeed(100, 100);
    g.start(0, 0, 1, 1);
    g.run();
    EXPECT_EQ(g.getParticle(0)->getSpeedX(), 100);
}

TEST_F(EffectsTest, LightTimelineOfFiftyOneRuns)
{
    ZE_Light light(sheet, world::display(), nullptr);
    EXPECT_EQ(light.getAction(), 0);
    EXPECT_EQ(light.getMotionMode(), 0);
    EXPECT_EQ(light.getCenterX(), 4);
    EXPECT_EQ(light.getCenterY(), 3);
    light.setSpeedX(5);  // motion is off: ignored
    light.startFlash();
    EXPECT_EQ(light.getAction(), ACTION_FLASH);
    EXPECT_EQ(light.getScaleX(), 0.5f);
    EXPECT_EQ(light.getAlpha(), 255);
    const float scales[] = {0.4f, 0.3f, 0.2f, 0.1f};
    for (int run = 1; run <= 51; ++run) {
        light.run();
        if (run <= 4) {
            EXPECT_NEAR(light.getScaleX(), scales[run - 1], 1e-5) << run;
        } else if (run == 5) {
            EXPECT_NEAR(light.getScaleX(), 0, 1e-5);
        } else {
            EXPECT_EQ(light.getScaleX(), 0) << run;
        }
        EXPECT_EQ(light.getAlpha(), 255 - 5 * run) << run;
        EXPECT_EQ(light.getAction(), run < 51 ? ACTION_FLASH : 0) << run;
        if (run == 50) {
            light.startFlash();  // still running: ignored
            EXPECT_EQ(light.getAlpha(), 5);
        }
    }
    EXPECT_EQ(light.getX(), 0) << "lights do not move by themselves";
    light.startFlash();  // dark again: a new flash
    EXPECT_EQ(light.getAction(), ACTION_FLASH);
    EXPECT_EQ(light.getScaleX(), 0.5f);
    EXPECT_EQ(light.getAlpha(), 255);
}

TEST_F(EffectsTest, LightDrawsOnlyWhileFlashingAndEnabled)
{
    ZE_Light light(sheet, world::display(), nullptr);
    light.setX(100);
    light.setY(100);
    float sx = 50, sy = 0;
    light.setScrollXYP(&sx, &sy);
    world::Canvas canvas;
    light.draw();
    EXPECT_EQ(canvas.alphaAt(50, 100), 0) << "dark";
    light.startFlash();
    light.draw();  // half size about the centre: 4 x 3 around (50, 100)
    EXPECT_EQ(canvas.alphaAt(50, 100), 255);
    EXPECT_EQ(canvas.redAt(50, 100), 10);
    EXPECT_EQ(canvas.alphaAt(53, 100), 0);

    // A disabled light neither advances nor draws.
    canvas.clear();
    light.setEnable(false);
    light.run();
    EXPECT_EQ(light.getAlpha(), 255);
    EXPECT_EQ(light.getScaleX(), 0.5f);
    light.draw();
    EXPECT_EQ(canvas.alphaAt(50, 100), 0);

    // reset() during a flash: dark, full scale, nothing drawn until the next trigger.
    light.setEnable(true);
    light.run();
    light.reset();
    EXPECT_EQ(light.getAction(), 0);
    EXPECT_EQ(light.getScaleX(), 1);
    EXPECT_EQ(light.getMotionMode(), 0);
    light.setScrollXYP(&sx, &sy);
    light.setX(100);
    light.setY(100);
    light.draw();
    EXPECT_EQ(canvas.alphaAt(50, 100), 0);
    light.startFlash();
    EXPECT_EQ(light.getScaleX(), 0.5f);
}
