#include "engine/ZE_Bitmap.h"

#include "world_support.h"

#include <gtest/gtest.h>

using testsupport::TempDir;

namespace {

// Exposes the protected tint switches and flips for the draw tests.
struct BitmapProbe : ZE_Bitmap {
    using ZE_Bitmap::ZE_Bitmap;
    void setTint(unsigned char r, unsigned char g, unsigned char b)
    {
        tintRed = r;
        tintGreen = g;
        tintBlue = b;
    }
    void setFlip(int h, int v)
    {
        flipHorizontal = h;
        flipVertical = v;
    }
};

// A 4 x 2 picture: left half white, right half blue, all opaque.
std::string savePicture(const TempDir& dir)
{
    const std::string png = dir.file("pic.png");
    world::savePicture(png, 4, 2, [] {
        al_draw_filled_rectangle(0, 0, 2, 2, al_map_rgb(255, 255, 255));
        al_draw_filled_rectangle(2, 0, 4, 2, al_map_rgb(0, 0, 255));
    });
    return png;
}

}  // namespace

TEST(Bitmap, CheckValuesTakesOneStepEachWay)
{
    world::display();
    TempDir dir;
    ZE_Bitmap bitmap(savePicture(dir), world::display(), nullptr);
    struct Case {
        float angle;
        float expected;
    };
    const Case cases[] = {
        {-30, 330}, {370, 10}, {360, 360}, {-400, -40}, {0, 0}, {720, 360}, {-360, 0},
    };
    for (const Case& c : cases) {
        bitmap.setAngle(c.angle);
        EXPECT_FLOAT_EQ(bitmap.getAngle(), c.angle) << "the setter stores any value";
        bitmap.checkValues();
        EXPECT_FLOAT_EQ(bitmap.getAngle(), c.expected) << c.angle;
    }
    // draw() normalises before drawing.
    bitmap.setAngle(-30);
    bitmap.draw();
    EXPECT_FLOAT_EQ(bitmap.getAngle(), 330);
}

TEST(Bitmap, ResetRestoresPlacementAndKeepsDisplayAndPicture)
{
    TempDir dir;
    ZE_Bitmap bitmap(savePicture(dir), world::display(), nullptr);
    ALLEGRO_BITMAP* picture = bitmap.getBitmap();
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(bitmap.getHeight(), 2);
    bitmap.setX(5);
    bitmap.setY(6);
    bitmap.setScaleX(3);
    bitmap.setScaleY(4);
    bitmap.setAngle(45);
    bitmap.setCenterX(2);
    bitmap.setCenterY(1);
    bitmap.setLife(9);
    bitmap.setAlpha(7);
    bitmap.setEnable(false);
    bitmap.reset();
    EXPECT_EQ(bitmap.getX(), 0);
    EXPECT_EQ(bitmap.getY(), 0);
    EXPECT_EQ(bitmap.getScaleX(), 1.0f);
    EXPECT_EQ(bitmap.getScaleY(), 1.0f);
    EXPECT_EQ(bitmap.getAngle(), 0);
    EXPECT_EQ(bitmap.getCenterX(), 0);
    EXPECT_EQ(bitmap.getCenterY(), 0);
    EXPECT_EQ(bitmap.getLife(), 0);
    EXPECT_EQ(bitmap.getAlpha(), 255);
    EXPECT_TRUE(bitmap.getEnable());
    EXPECT_EQ(bitmap.getBitmap(), picture);
    EXPECT_EQ(bitmap.getDisplay(), world::display());
}

TEST(Bitmap, PositionPointersFollowTheFields)
{
    TempDir dir;
    ZE_Bitmap bitmap(savePicture(dir), world::display(), nullptr);
    float* px = bitmap.getXP();
    float* py = bitmap.getYP();
    bitmap.setX(12.5f);
    bitmap.setY(-3);
    EXPECT_EQ(*px, 12.5f);
    EXPECT_EQ(*py, -3.0f);
    *px = 40;
    EXPECT_EQ(bitmap.getX(), 40.0f);
}

TEST(Bitmap, SharingTakesThePictureAndKeepsItsOwnPlacement)
{
    TempDir dir;
    ZE_Bitmap source(savePicture(dir), world::display(), nullptr);
    // The path of the sharer does not exist: sharing must not touch the disk.
    ZE_Bitmap copy(dir.file("missing.png"), world::display(), &source);
    EXPECT_EQ(copy.getBitmap(), source.getBitmap());
    copy.setX(100);
    copy.setAlpha(10);
    copy.setEnable(false);
    copy.setAngle(90);
    EXPECT_EQ(source.getX(), 0);
    EXPECT_EQ(source.getAlpha(), 255);
    EXPECT_TRUE(source.getEnable());
    EXPECT_EQ(source.getAngle(), 0);
}

TEST(Bitmap, DrawPlacesScalesFadesAndFlips)
{
    TempDir dir;
    BitmapProbe bitmap(savePicture(dir), world::display(), nullptr);
    world::Canvas canvas;

    // Pivot (0, 0) at (10, 20), scale 2: white covers x 10..13, blue 14..17.
    bitmap.setX(10);
    bitmap.setY(20);
    bitmap.setScaleX(2);
    bitmap.setScaleY(2);
    bitmap.draw();
    unsigned char r, g, b, a;
    canvas.read(11, 21, r, g, b, a);
    EXPECT_EQ(r, 255);
    EXPECT_EQ(a, 255);
    canvas.read(15, 23, r, g, b, a);
    EXPECT_EQ(r, 0);
    EXPECT_EQ(b, 255);
    EXPECT_EQ(canvas.alphaAt(18, 21), 0);
    EXPECT_EQ(canvas.alphaAt(11, 24), 0);

    // Horizontal flip swaps the halves.
    canvas.clear();
    bitmap.setFlip(ALLEGRO_FLIP_HORIZONTAL, 0);
    bitmap.draw();
    canvas.read(11, 21, r, g, b, a);
    EXPECT_EQ(b, 255);
    EXPECT_EQ(r, 0);
    bitmap.setFlip(0, 0);

    // Premultiplied fade: alpha 128 scales every channel.
    canvas.clear();
    bitmap.setAlpha(128);
    bitmap.draw();
    canvas.read(11, 21, r, g, b, a);
    EXPECT_NEAR(r, 128, 1);
    EXPECT_NEAR(a, 128, 1);

    // Tint switch 0 removes a channel.
    canvas.clear();
    bitmap.setAlpha(255);
    bitmap.setTint(0, 1, 1);
    bitmap.draw();
    canvas.read(11, 21, r, g, b, a);
    EXPECT_EQ(r, 0);
    EXPECT_EQ(g, 255);
    bitmap.setTint(1, 1, 1);

    // Alpha 0 draws nothing visible; a disabled bitmap draws nothing at all.
    canvas.clear();
    bitmap.setAlpha(0);
    bitmap.draw();
    EXPECT_EQ(canvas.alphaAt(11, 21), 0);
    bitmap.setAlpha(255);
    bitmap.setEnable(false);
    bitmap.setAngle(-30);
    bitmap.draw();
    EXPECT_EQ(canvas.alphaAt(11, 21), 0);
    EXPECT_EQ(bitmap.getAngle(), -30) << "a disabled bitmap is not normalised either";
}

TEST(Bitmap, RotationTurnsClockwiseAboutThePivot)
{
    TempDir dir;
    ZE_Bitmap bitmap(savePicture(dir), world::display(), nullptr);
    world::Canvas canvas;
    // 90 degrees clockwise about (0, 0): the picture's +x axis points down the screen, so
    // the blue half (x 2..3) lands at y 2..3, x -1..0 relative to the pivot.
    bitmap.setX(100);
    bitmap.setY(100);
    bitmap.setAngle(90);
    bitmap.draw();
    unsigned char r, g, b, a;
    canvas.read(99, 103, r, g, b, a);
    EXPECT_EQ(b, 255);
    EXPECT_EQ(r, 0);
    canvas.read(99, 100, r, g, b, a);
    EXPECT_EQ(r, 255);
    EXPECT_EQ(canvas.alphaAt(102, 100), 0) << "nothing stays to the right of the pivot";
}

TEST(BitmapDeath, MissingPictureEndsWithItsMessage)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            const std::string dir = world::childDirectory();
            ZE_Bitmap bitmap(dir + "/nothing.png", nullptr, nullptr);
        },
        ::testing::ExitedWithCode(1), "File '/tmp/twinguard-world-[^']*/nothing\\.png' not found!");
}

TEST(Bitmap, DestroyPictureReleasesOnlyAnOwnedPicture)
{
    TempDir dir;
    ZE_Bitmap source(savePicture(dir), world::display(), nullptr);
    ZE_Bitmap sharer("", world::display(), &source);
    sharer.destroyPicture();
    EXPECT_EQ(sharer.getBitmap(), nullptr);
    ASSERT_NE(source.getBitmap(), nullptr);
    EXPECT_EQ(al_get_bitmap_width(source.getBitmap()), 4) << "the source's picture lives on";
    world::Canvas canvas;
    sharer.draw();  // nothing to draw: no crash, nothing drawn
    EXPECT_EQ(canvas.alphaAt(1, 1), 0);
    source.destroyPicture();
    EXPECT_EQ(source.getBitmap(), nullptr);
    source.draw();
    EXPECT_EQ(canvas.alphaAt(1, 1), 0);
    source.destroyPicture();  // twice is harmless
}
