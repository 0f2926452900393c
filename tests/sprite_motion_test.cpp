#include "engine/ZE_Actions.h"
#include "engine/ZE_Sprite.h"

#include "world_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using testsupport::TempDir;

namespace {

// A derived object whose own reset switches motion off, as cannons and lights do.
struct Stationary : ZE_Sprite {
    using ZE_Sprite::ZE_Sprite;
    void reset()
    {
        ZE_Sprite::reset();
        motionMode = 0;
    }
};

// A sheet of 1 x 8 frames of 4 x 4 (for animations), or one opaque 20 x 10 body.
class MotionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        world::display();
        sheet = dir.file("strip.png");
        world::saveGridSheet(sheet, 1, 8, 4, 4);
        world::writeDat(dir.file("strip.dat"), 1, 8, 4, 4);
        body = dir.file("body.png");
        world::savePicture(body, 20, 10, [] {
            al_draw_filled_rectangle(0, 0, 20, 10, al_map_rgb(255, 255, 255));
        });
        world::writeDat(dir.file("body.dat"), 1, 1, 20, 10);
    }
    TempDir dir;
    std::string sheet;
    std::string body;
};

}  // namespace

TEST(Actions, SharedStateValuesAreDistinct)
{
    const int values[] = {ACTION_FLY,        ACTION_FADE,          GENERATING,
                          MOTION_FREE,       ANIMATION_LOOP,       SCALING,
                          ACTION_ATTACK,     ACTION_RETREAT,       ACTION_SHIELD_HIT,
                          ACTION_SHIELD_DOWN, ACTION_MISSILE_LAUNCH, ACTION_MISSILE_HOMING,
                          ACTION_FLASH};
    const int expected[] = {13, 14, 15, 16, 18, 20, 21, 22, 23, 24, 25, 26, 27};
    for (size_t i = 0; i < sizeof values / sizeof values[0]; ++i)
        EXPECT_EQ(values[i], expected[i]);
}

TEST_F(MotionTest, ResetGivesFreeMotionAndNoAnimation)
{
    ZE_Sprite sprite(sheet, world::display(), 0, 0, nullptr, 1);
    EXPECT_EQ(sprite.getMotionMode(), MOTION_FREE);
    EXPECT_EQ(sprite.getAnimationMode(), 0);
    EXPECT_EQ(sprite.getScaleMode(), 0);
    EXPECT_EQ(sprite.getAction(), 0);
    EXPECT_EQ(sprite.getLife(), 100);
    float sx = 0;
    sprite.setScrollXP(&sx);
    sprite.setSpeedX(4);
    sprite.startAnimation(1, 3, 2);
    sprite.scaleTo(2, 0.5f);
    sprite.setLife(3);
    sprite.reset();
    EXPECT_EQ(sprite.getSpeedX(), 0);
    EXPECT_EQ(sprite.getAnimationMode(), 0);
    EXPECT_EQ(sprite.getCurrentFrame(), 0);
    EXPECT_EQ(sprite.getScaleMode(), 0);
    EXPECT_EQ(sprite.getLife(), 100);
    EXPECT_EQ(sprite.getScrollXP(), &sx) << "scroll pointers are not touched";
    EXPECT_EQ(sprite.getCollisionType(), 1);
}

TEST_F(MotionTest, SpeedMovesThePositionAndSetsTheHeading)
{
    struct Case {
        float speedX, speedY;
        float dxPerFrame, dyPerFrame;
        float angle;  // after run(), before any draw
    };
    const Case cases[] = {
        {3, 0, 3, 0, 0},       // right
        {0, 4, 0, -4, 17},     // straight up: speedX 0 keeps the old angle
        {2, -2, 2, 2, 45},     // down-right
        {-1, 0, -1, 0, 180},   // left
        {1, 1, 1, -1, -45},    // up-right, brought into 0..360 only when drawn
    };
    for (const Case& c : cases) {
        ZE_Sprite sprite(sheet, world::display(), 100, 100, nullptr, 1);
        sprite.setAngle(17);
        sprite.setSpeedX(c.speedX);
        sprite.setSpeedY(c.speedY);
        for (int frame = 1; frame <= 3; ++frame) {
            sprite.run();
            EXPECT_FLOAT_EQ(sprite.getX(), 100 + c.dxPerFrame * frame);
            EXPECT_FLOAT_EQ(sprite.getY(), 100 + c.dyPerFrame * frame);
        }
        // Compared as headings: atan2 of -0 and -1 may answer -180 for 180.
        EXPECT_NEAR(std::fmod(sprite.getAngle() + 720.0f, 360.0f),
                    std::fmod(c.angle + 720.0f, 360.0f), 1e-3)
            << c.speedX << "," << c.speedY;
    }
}

TEST_F(MotionTest, GravityFrictionAccelerationInTheirOrder)
{
    ZE_Sprite sprite(sheet, world::display(), 0, 0, nullptr, 1);
    // Friction alone: 10, 9, 8.1, 7.29 and the position moves with the previous speed.
    sprite.setSpeedX(10);
    sprite.setFrictionX(0.1f);
    const float speeds[] = {9, 8.1f, 7.29f, 6.561f};
    const float xs[] = {10, 19, 27.1f, 34.39f};
    for (int i = 0; i < 4; ++i) {
        sprite.run();
        EXPECT_NEAR(sprite.getSpeedX(), speeds[i], 1e-4);
        EXPECT_NEAR(sprite.getX(), xs[i], 1e-4);
    }

    // One frame: position first, then gravity, friction (of the new speed), acceleration.
    ZE_Sprite other(sheet, world::display(), 0, 0, nullptr, 1);
    other.setSpeedY(10);
    other.setGravityY(-2);
    other.setFrictionY(0.5f);
    other.setAccelerationY(1);
    other.run();
    EXPECT_FLOAT_EQ(other.getY(), -10);             // moved by the old speed, upwards
    EXPECT_FLOAT_EQ(other.getSpeedY(), (10 - 2) * 0.5f + 1);
    other.run();
    EXPECT_FLOAT_EQ(other.getY(), -15);
    EXPECT_FLOAT_EQ(other.getSpeedY(), (5 - 2) * 0.5f + 1);
    EXPECT_FLOAT_EQ(other.getAngle(), 0) << "speedX 0: the angle stays";

    // Each setter touches only its own axis.
    ZE_Sprite axes(sheet, world::display(), 0, 0, nullptr, 1);
    axes.setGravityX(0.5f);
    EXPECT_EQ(axes.getGravityX(), 0.5f);
    EXPECT_EQ(axes.getGravityY(), 0);
    axes.setGravityY(-0.25f);
    EXPECT_EQ(axes.getGravityX(), 0.5f);
    EXPECT_EQ(axes.getGravityY(), -0.25f);
    axes.setFrictionY(0.3f);
    EXPECT_EQ(axes.getFrictionX(), 0);
    axes.setAccelerationX(2);
    EXPECT_EQ(axes.getAccelerationX(), 2);
    EXPECT_EQ(axes.getAccelerationY(), 0);
}

TEST_F(MotionTest, MotionSettersAreIgnoredWithMotionOff)
{
    Stationary sprite(sheet, world::display(), 0, 0, nullptr, 1);
    sprite.reset();
    sprite.setX(50);
    sprite.setY(60);
    ASSERT_EQ(sprite.getMotionMode(), 0);
    sprite.setSpeedX(5);
    sprite.setSpeedY(5);
    sprite.setGravityX(1);
    sprite.setGravityY(1);
    sprite.setFrictionX(0.5f);
    sprite.setFrictionY(0.5f);
    sprite.setAccelerationX(1);
    sprite.setAccelerationY(1);
    EXPECT_EQ(sprite.getSpeedX(), 0);
    EXPECT_EQ(sprite.getSpeedY(), 0);
    EXPECT_EQ(sprite.getGravityX(), 0);
    EXPECT_EQ(sprite.getGravityY(), 0);
    EXPECT_EQ(sprite.getFrictionX(), 0);
    EXPECT_EQ(sprite.getFrictionY(), 0);
    EXPECT_EQ(sprite.getAccelerationX(), 0);
    EXPECT_EQ(sprite.getAccelerationY(), 0);
    sprite.run();
    EXPECT_EQ(sprite.getX(), 50);
    EXPECT_EQ(sprite.getY(), 60);
}

TEST_F(MotionTest, DisabledSpriteDoesNotRun)
{
    ZE_Sprite sprite(sheet, world::display(), 0, 0, nullptr, 1);
    sprite.setSpeedX(3);
    sprite.startAnimation(2, 5, 1);
    sprite.scaleTo(2, 0.5f);
    sprite.setEnable(false);
    sprite.run();
    EXPECT_EQ(sprite.getX(), 0);
    EXPECT_EQ(sprite.getCurrentFrame(), 2);
    EXPECT_EQ(sprite.getScaleX(), 1);
}

TEST_F(MotionTest, AnimationSequenceAndTheIgnoredSecondStart)
{
    ZE_Sprite sprite(sheet, world::display(), 0, 0, nullptr, 1);
    sprite.startAnimation(2, 5, 3);
    EXPECT_EQ(sprite.getCurrentFrame(), 2);
    EXPECT_EQ(sprite.getAnimationMode(), ANIMATION_LOOP);
    const int expected[] = {3, 3, 3, 4, 4, 4, 5, 5, 5, 2, 2, 2, 3};
    std::vector<int> seen;
    for (int i = 0; i < 13; ++i) {
        sprite.run();
        seen.push_back(sprite.getCurrentFrame());
        if (i == 4) {
            sprite.startAnimation(0, 7, 1);  // ignored while running
            sprite.setCurrentFrame(7);       // ignored too
        }
    }
    EXPECT_EQ(seen, std::vector<int>(std::begin(expected), std::end(expected)));

    // Delay 1 or less steps every run.
    for (int delay : {1, 0, -2}) {
        ZE_Sprite quick(sheet, world::display(), 0, 0, nullptr, 1);
        quick.startAnimation(0, 2, delay);
        std::vector<int> frames;
        for (int i = 0; i < 5; ++i) {
            quick.run();
            frames.push_back(quick.getCurrentFrame());
        }
        EXPECT_EQ(frames, (std::vector<int>{1, 2, 0, 1, 2})) << "delay " << delay;
    }

    // The animation draws the frame it shows.
    world::Canvas canvas;
    ZE_Sprite drawn(sheet, world::display(), 0, 0, nullptr, 1);
    drawn.startAnimation(4, 6, 1);
    drawn.run();
    drawn.draw();
    EXPECT_EQ(canvas.redAt(1, 1), 10 * (5 + 1));
}

TEST_F(MotionTest, SetCurrentFrameWorksWithoutAnimation)
{
    ZE_Sprite sprite(sheet, world::display(), 0, 0, nullptr, 1);
    sprite.setCurrentFrame(6);
    EXPECT_EQ(sprite.getCurrentFrame(), 6);
    // Out of the sheet: the draw is skipped rather than reading past the frames.
    sprite.setCurrentFrame(8);
    world::Canvas canvas;
    sprite.draw();
    EXPECT_EQ(canvas.alphaAt(1, 1), 0);
}

TEST_F(MotionTest, ScaleToOvershootsOnceThenClamps)
{
    struct Case {
        float from;
        float target;
        float step;
        std::vector<float> scales;
    };
    const Case cases[] = {
        {0.5f, 1.0f, 0.25f, {0.75f, 1.0f, 1.0f}},   // 1.0 is not above: one more, clamped
        {0.5f, 0.0f, 0.1f, {0.4f, 0.3f, 0.2f, 0.1f, 0.0f, 0.0f}},
        {2.0f, 1.0f, 0.4f, {1.6f, 1.2f, 1.0f}},     // 0.8 clamped to 1.0
        {1.0f, 3.0f, 1.5f, {2.5f, 3.0f}},           // 4.0 clamped
    };
    for (const Case& c : cases) {
        ZE_Sprite sprite(sheet, world::display(), 0, 0, nullptr, 1);
        sprite.setScaleX(c.from);
        sprite.setScaleY(c.from);
        sprite.scaleTo(c.target, c.step);
        EXPECT_EQ(sprite.getScaleMode(), SCALING);
        for (size_t i = 0; i < c.scales.size(); ++i) {
            sprite.run();
            EXPECT_NEAR(sprite.getScaleX(), c.scales[i], 1e-5) << c.from << " run " << i + 1;
            EXPECT_EQ(sprite.getScaleX(), sprite.getScaleY());
        }
        EXPECT_EQ(sprite.getScaleMode(), 0) << "finished";
        EXPECT_EQ(sprite.getScaleX(), c.target) << "exactly the target";
    }
}

TEST_F(MotionTest, ScaleToIsIgnoredWhenRunningZeroStepOrAlreadyThere)
{
    ZE_Sprite sprite(sheet, world::display(), 0, 0, nullptr, 1);
    sprite.scaleTo(1.0f, 0.1f);  // already there
    EXPECT_EQ(sprite.getScaleMode(), 0);
    sprite.scaleTo(2.0f, 0);  // zero step
    EXPECT_EQ(sprite.getScaleMode(), 0);
    sprite.setScaleY(3.0f);
    sprite.scaleTo(3.0f, 0.1f);  // one axis already there
    EXPECT_EQ(sprite.getScaleMode(), 0);

    // Target between the two scales: shrinking wins.
    sprite.scaleTo(2.0f, 0.5f);
    EXPECT_EQ(sprite.getScaleMode(), SCALING);
    sprite.scaleTo(10.0f, 5.0f);  // ignored while running
    sprite.run();  // 0.5 and 2.5: scaleX is below the target, so it finishes at once
    EXPECT_EQ(sprite.getScaleMode(), 0);
    EXPECT_EQ(sprite.getScaleY(), 2.0f);
    EXPECT_EQ(sprite.getScaleX(), 2.0f);
}

TEST_F(MotionTest, BoxEdgesAreInclusive)
{
    // 20 x 10 box at (100, 50): left 90, right 110, top 45, bottom 55.
    ZE_Sprite sprite(body, world::display(), 100, 50, nullptr, 1);
    struct Case {
        float px, py;
        bool hit;
    };
    const Case cases[] = {
        {90, 45, true},   {110, 55, true},     {110, 45, true},  {90, 55, true},
        {100, 50, true},  {89.99f, 50, false}, {110.01f, 50, false},
        {100, 44.99f, false}, {100, 55.01f, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(sprite.hitTest(c.px, c.py), c.hit) << c.px << "," << c.py;

    ZE_Sprite none("", world::display(), 100, 50, &sprite, 0);
    EXPECT_FALSE(none.hitTest(100, 50));
    // A 4 x 4 box at (10, 10).
    ZE_Sprite odd(sheet, world::display(), 10, 10, nullptr, 1);  // 4 x 4
    EXPECT_TRUE(odd.hitTest(8, 8));
    EXPECT_TRUE(odd.hitTest(12, 12));
    EXPECT_FALSE(odd.hitTest(7.9f, 8));
}

TEST_F(MotionTest, FirstFrameMaskAndItsEdges)
{
    // A 20 x 10 frame whose left half is solid and right half transparent.
    const std::string half = dir.file("half.png");
    world::savePicture(half, 20, 10, [] {
        al_draw_filled_rectangle(0, 0, 10, 10, al_map_rgb(255, 255, 255));
    });
    world::writeDat(dir.file("half.dat"), 1, 1, 20, 10);
    ZE_Sprite sprite(half, world::display(), 100, 50, nullptr, 2);
    struct Case {
        float px, py;
        bool hit;
    };
    const Case cases[] = {
        {90, 45, true},     {99.9f, 54.9f, true}, {100, 50, false}, {109, 50, false},
        // On the right or bottom edge: one pixel past the mask, answered "no hit".
        {110, 50, false},   {95, 55, false},
        {200, 50, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(sprite.hitTest(c.px, c.py), c.hit) << c.px << "," << c.py;
    EXPECT_FALSE(sprite.isMaskDirty()) << "type 2 never goes stale";
    // Moving the sprite moves the mask; type 2 ignores rotation.
    sprite.setX(300);
    sprite.setAngle(90);
    EXPECT_TRUE(sprite.hitTest(291, 50));
    EXPECT_FALSE(sprite.hitTest(305, 50));
}

TEST_F(MotionTest, FullyOpaqueFrameAnswersNoHitOnlyOnTheFarEdges)
{
    ZE_Sprite sprite(body, world::display(), 100, 50, nullptr, 2);
    EXPECT_TRUE(sprite.hitTest(90, 45));
    EXPECT_TRUE(sprite.hitTest(109.99f, 54.99f));
    EXPECT_FALSE(sprite.hitTest(110, 50));
    EXPECT_FALSE(sprite.hitTest(100, 55));
    // Type 3 with its bigger silhouette picture: the same box edges.
    ZE_Sprite turned(body, world::display(), 100, 50, nullptr, 3);
    turned.setCenterX(10);
    turned.setCenterY(5);
    world::Canvas canvas;
    turned.draw();
    EXPECT_TRUE(turned.hitTest(90, 45));
    EXPECT_FALSE(turned.hitTest(110, 50));
    EXPECT_TRUE(turned.isMaskDirty()) << "a miss inside the box";
}
