#include "engine/ZE_Sprite.h"

#include "world_support.h"

#include <gtest/gtest.h>

#include <cmath>

using testsupport::TempDir;
using testsupport::writeFile;

namespace {

struct SpriteProbe : ZE_Sprite {
    using ZE_Sprite::ZE_Sprite;
    ALLEGRO_BITMAP* maskPicture() const { return mask; }
    ALLEGRO_BITMAP** frameArray() const { return frames; }
    void setFlip(int h, int v)
    {
        flipHorizontal = h;
        flipVertical = v;
    }
};

// A sheet of 2 rows x 3 columns of 8 x 6 frames, each its own colour, with its ".dat".
std::string makeSheet(const TempDir& dir, const std::string& name = "sheet")
{
    const std::string png = dir.file(name + ".png");
    world::saveGridSheet(png, 2, 3, 8, 6);
    world::writeDat(dir.file(name + ".dat"), 2, 3, 8, 6);
    return png;
}

// One frame of w x h: an opaque rectangle (a sprite's body) on transparency, inset by `inset`.
std::string makeBody(const TempDir& dir, int w, int h, int inset)
{
    const std::string png = dir.file("body.png");
    world::savePicture(png, w, h, [&] {
        al_draw_filled_rectangle(inset, inset, w - inset, h - inset, al_map_rgb(255, 255, 255));
    });
    world::writeDat(dir.file("body.dat"), 1, 1, w, h);
    return png;
}

}  // namespace

TEST(Sprite, DescriptionFileGivesTheGridAndFramesAreTheSheetRegions)
{
    TempDir dir;
    const std::string png = dir.file("sheet.png");
    world::saveGridSheet(png, 2, 3, 8, 6);
    // Tabs, blank lines and a trailing label are all allowed.
    writeFile(dir.file("sheet.dat"), "2\trows\n\n3 columns 8 width\n6 height trailing words\n");
    SpriteProbe sprite(png, world::display(), 7, 9, nullptr, 1);
    EXPECT_EQ(sprite.getRows(), 2);
    EXPECT_EQ(sprite.getColumns(), 3);
    EXPECT_EQ(sprite.getWidth(), 8);
    EXPECT_EQ(sprite.getHeight(), 6);
    EXPECT_EQ(sprite.getX(), 7);
    EXPECT_EQ(sprite.getY(), 9);
    EXPECT_EQ(sprite.getLife(), 100);
    EXPECT_EQ(sprite.getHitWidth(), 8);
    EXPECT_EQ(sprite.getHitHeight(), 6);
    EXPECT_EQ(sprite.getBitmap(), nullptr) << "the sheet is not drawn directly any more";

    world::Canvas canvas;
    for (int k = 0; k < 6; ++k) {
        ALLEGRO_BITMAP* frame = sprite.getFrame(k);
        EXPECT_EQ(al_get_bitmap_width(frame), 8);
        EXPECT_EQ(al_get_bitmap_height(frame), 6);
        // Frames are regions of one sheet, so a held run of them is one batch.
        EXPECT_EQ(al_get_parent_bitmap(frame), al_get_parent_bitmap(sprite.getFrame(0)));
        EXPECT_EQ(al_get_bitmap_x(frame), (k % 3) * 8) << k;
        EXPECT_EQ(al_get_bitmap_y(frame), (k / 3) * 6) << k;
        sprite.setX(0);
        sprite.setY(0);
        sprite.setCurrentFrame(k);
        canvas.clear();
        sprite.draw();
        EXPECT_EQ(canvas.redAt(4, 3), 10 * (k + 1)) << "frame " << k;
        EXPECT_EQ(canvas.alphaAt(8, 3), 0) << "frame " << k << " is 8 wide";
    }
}

TEST(Sprite, OneByOneSheetIsOneFrameOfTheWholePicture)
{
    TempDir dir;
    const std::string png = dir.file("one.png");
    world::saveGridSheet(png, 1, 1, 5, 7);
    world::writeDat(dir.file("one.dat"), 1, 1, 5, 7);
    ZE_Sprite sprite(png, world::display(), 0, 0, nullptr, 1);
    EXPECT_EQ(al_get_bitmap_width(sprite.getFrame(0)), 5);
    EXPECT_EQ(al_get_bitmap_height(sprite.getFrame(0)), 7);
    world::Canvas canvas;
    sprite.draw();
    EXPECT_EQ(canvas.redAt(0, 0), 10);
    EXPECT_EQ(canvas.redAt(4, 6), 10);
    EXPECT_EQ(canvas.alphaAt(5, 6), 0);
}

TEST(Sprite, SharingReadsNoFileAndUsesTheSameFrames)
{
    TempDir dir;
    const std::string png = makeSheet(dir);
    SpriteProbe source(png, world::display(), 0, 0, nullptr, 1);
    // The files go away: a sharer must not read them.
    std::filesystem::remove(png);
    std::filesystem::remove(dir.file("sheet.dat"));
    for (int type : {0, 1, 2, 3}) {
        SpriteProbe copy("", world::display(), 3, 4, &source, type);
        EXPECT_EQ(copy.frameArray(), source.frameArray()) << "the very same array";
        EXPECT_EQ(copy.getRows(), source.getRows());
        EXPECT_EQ(copy.getColumns(), source.getColumns());
        EXPECT_EQ(copy.getWidth(), source.getWidth());
        EXPECT_EQ(copy.getHeight(), source.getHeight());
        EXPECT_EQ(copy.getCollisionType(), type);
        EXPECT_EQ(copy.getX(), 3);
    }
}

TEST(Sprite, MasksByCollisionType)
{
    TempDir dir;
    const std::string png = makeBody(dir, 20, 40, 0);
    SpriteProbe box(png, world::display(), 0, 0, nullptr, 1);
    SpriteProbe first("", world::display(), 0, 0, &box, 2);
    SpriteProbe drawn("", world::display(), 0, 0, &box, 3);
    EXPECT_EQ(box.maskPicture(), nullptr);
    EXPECT_FALSE(box.isMaskDirty());
    EXPECT_EQ(first.maskPicture(), first.getFrame(0)) << "type 2 tests the first frame";
    EXPECT_FALSE(first.isMaskDirty());
    ASSERT_NE(drawn.maskPicture(), nullptr);
    EXPECT_EQ(al_get_bitmap_width(drawn.maskPicture()), 80) << "2 x max(20, 40)";
    EXPECT_EQ(al_get_bitmap_height(drawn.maskPicture()), 80);
    EXPECT_TRUE(drawn.isMaskDirty()) << "drawn before its first test";
}

TEST(Sprite, TypeThreeHitBoxFollowsAngleAndScale)
{
    TempDir dir;
    const std::string png = makeBody(dir, 20, 40, 0);
    ZE_Sprite sprite(png, world::display(), 200, 200, nullptr, 3);
    sprite.setCenterX(10);
    sprite.setCenterY(20);
    struct Case {
        float angle;
        float scale;
        int width;
        int height;
    };
    // Within the rounding of cos and sin: truncation may lose the last pixel.
    const Case cases[] = {
        {0, 1, 20, 40}, {90, 1, 40, 20}, {180, 1, 20, 40}, {270, 1, 40, 20},
        {0, 2, 40, 80}, {45, 1, 42, 42}, {90, 0.5f, 20, 10},
    };
    world::Canvas canvas;
    for (const Case& c : cases) {
        sprite.setAngle(c.angle);
        sprite.setScaleX(c.scale);
        sprite.setScaleY(c.scale);
        sprite.draw();
        EXPECT_NEAR(sprite.getHitWidth(), c.width, 1) << c.angle << " x" << c.scale;
        EXPECT_NEAR(sprite.getHitHeight(), c.height, 1) << c.angle << " x" << c.scale;
    }
    // A disabled sprite keeps its box.
    sprite.setAngle(0);
    sprite.setScaleX(1);
    sprite.setScaleY(1);
    sprite.draw();
    const int w = sprite.getHitWidth();
    sprite.setAngle(90);
    sprite.setEnable(false);
    sprite.draw();
    EXPECT_EQ(sprite.getHitWidth(), w);
}

TEST(Sprite, ScrollPointersShiftTheDrawing)
{
    TempDir dir;
    const std::string png = makeSheet(dir);
    ZE_Sprite sprite(png, world::display(), 100, 50, nullptr, 1);
    world::Canvas canvas;
    sprite.draw();  // null pointers count as 0
    EXPECT_EQ(canvas.redAt(100, 50), 10);
    EXPECT_EQ(canvas.alphaAt(99, 50), 0);
    float sx = 30, sy = -10;
    sprite.setScrollXP(&sx);
    sprite.setScrollYP(&sy);
    canvas.clear();
    sprite.draw();
    EXPECT_EQ(canvas.redAt(70, 60), 10);
    EXPECT_EQ(canvas.alphaAt(100, 50), 0);
    sx = 0;  // read through the pointer at every draw
    canvas.clear();
    sprite.draw();
    EXPECT_EQ(canvas.redAt(100, 60), 10);
}

// The silhouette computed on the CPU must be the frame as Allegro draws it: compare it with
// a real draw into a memory bitmap, probing through the hit test.
TEST(Sprite, SilhouetteMatchesTheFrameAsDrawn)
{
    TempDir dir;
    const std::string png = dir.file("arrow.png");
    // An asymmetric shape, so flips and turns show.
    world::savePicture(png, 24, 16, [] {
        al_draw_filled_rectangle(0, 4, 16, 12, al_map_rgb(255, 255, 255));
        al_draw_filled_triangle(16, 0, 24, 8, 16, 16, al_map_rgb(255, 255, 255));
    });
    world::writeDat(dir.file("arrow.dat"), 1, 1, 24, 16);
    SpriteProbe sprite(png, world::display(), 300, 300, nullptr, 3);
    sprite.setCenterX(12);
    sprite.setCenterY(8);
    struct Case {
        float angle;
        float scale;
        int flipH;
    };
    const Case cases[] = {{0, 1, 0}, {30, 1, 0}, {90, 1.5f, 0}, {200, 0.75f, 1}, {315, 1, 1}};
    world::Canvas canvas;
    for (const Case& c : cases) {
        sprite.setAngle(c.angle);
        sprite.setScaleX(c.scale);
        sprite.setScaleY(c.scale);
        sprite.setFlip(c.flipH, 0);
        sprite.hitTest(-1000, -1000);  // outside the box: does not mark stale
        sprite.hitTest(300, 300);      // inside; marks stale unless the centre is solid
        if (!sprite.isMaskDirty()) {
            // Force a refresh: find a miss inside the box.
            sprite.hitTest(300 - sprite.getHitWidth() / 2.0f, 300 - sprite.getHitHeight() / 2.0f);
        }
        sprite.draw();
        ASSERT_FALSE(sprite.isMaskDirty());
        const int hw = sprite.getHitWidth();
        const int hh = sprite.getHitHeight();

        const int flags = al_get_new_bitmap_flags();
        al_set_new_bitmap_flags(ALLEGRO_MEMORY_BITMAP);
        ALLEGRO_BITMAP* reference = al_create_bitmap(hw, hh);
        al_set_new_bitmap_flags(flags);
        al_set_target_bitmap(reference);
        al_clear_to_color(al_map_rgba(0, 0, 0, 0));
        al_draw_tinted_scaled_rotated_bitmap(sprite.getFrame(0), al_map_rgba(0, 0, 0, 255), 12,
                                             8, hw / 2, hh / 2, c.scale, c.scale,
                                             c.angle * 3.14159265f / 180.0f, c.flipH);
        int agree = 0, solid = 0, total = 0;
        for (int my = 0; my < hh; ++my)
            for (int mx = 0; mx < hw; ++mx) {
                unsigned char r, g, b, a;
                al_unmap_rgba(al_get_pixel(reference, mx, my), &r, &g, &b, &a);
                const bool hit =
                    sprite.hitTest(300 - (hw >> 1) + mx + 0.5f, 300 - (hh >> 1) + my + 0.5f);
                agree += hit == (a != 0);
                solid += hit;
                ++total;
            }
        al_destroy_bitmap(reference);
        world::display()->restoreTarget();
        // Edge pixels may round the other way; the body must agree.
        EXPECT_GE(agree, total * 95 / 100) << "angle " << c.angle;
        // The arrow covers 16 x 8 + 8 x 16 / 2 = 192 pixels at scale 1.
        EXPECT_NEAR(solid, 192 * c.scale * c.scale, 192 * c.scale * c.scale / 10)
            << "angle " << c.angle;
    }
}

TEST(Sprite, StaleSilhouetteIsRefreshedByTheNextDraw)
{
    TempDir dir;
    const std::string png = makeBody(dir, 20, 40, 0);
    ZE_Sprite sprite(png, world::display(), 100, 100, nullptr, 3);
    sprite.setCenterX(10);
    sprite.setCenterY(20);
    world::Canvas canvas;
    sprite.draw();  // upright silhouette, box 20 x 40
    EXPECT_FALSE(sprite.isMaskDirty());
    EXPECT_TRUE(sprite.hitTest(100, 115));
    EXPECT_FALSE(sprite.hitTest(115, 100)) << "outside the upright box";
    EXPECT_FALSE(sprite.isMaskDirty()) << "a miss outside the box marks nothing";

    // Turned: the box follows at once, the silhouette not until a miss inside the box.
    sprite.setAngle(90);
    sprite.draw();
    EXPECT_EQ(sprite.getHitWidth(), 40);
    EXPECT_TRUE(sprite.hitTest(85, 95)) << "a hit on the stale silhouette stands";
    EXPECT_FALSE(sprite.isMaskDirty());
    EXPECT_FALSE(sprite.hitTest(115, 100)) << "inside the new box, outside the old shape";
    EXPECT_TRUE(sprite.isMaskDirty());
    EXPECT_FALSE(sprite.hitTest(115, 100)) << "still stale until drawn";
    sprite.draw();
    EXPECT_FALSE(sprite.isMaskDirty());
    EXPECT_TRUE(sprite.hitTest(115, 100)) << "refreshed: the turned body";
    EXPECT_FALSE(sprite.hitTest(100, 115)) << "outside the turned box";
}

TEST(Sprite, StaleSilhouetteIsNotRefreshedWhileDisabled)
{
    TempDir dir;
    const std::string png = makeBody(dir, 20, 40, 0);
    ZE_Sprite sprite(png, world::display(), 100, 100, nullptr, 3);
    sprite.setCenterX(10);
    sprite.setCenterY(20);
    world::Canvas canvas;
    sprite.draw();
    sprite.setAngle(90);
    sprite.draw();
    EXPECT_FALSE(sprite.hitTest(115, 100));
    ASSERT_TRUE(sprite.isMaskDirty());
    sprite.setEnable(false);
    sprite.draw();
    EXPECT_TRUE(sprite.isMaskDirty());
}

namespace {

struct BadDat {
    const char* text;
    const char* why;
};

// Each case in its own child process (see world::childDirectory).
void expectRejectedDat(const BadDat& c, int sheetW, int sheetH)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            const std::string dir = world::childDirectory();
            world::savePicture(dir + "/s.png", sheetW, sheetH, nullptr);
            writeFile(dir + "/s.dat", c.text);
            ZE_Sprite sprite(dir + "/s.png", nullptr, 0, 0, nullptr, 1);
        },
        ::testing::ExitedWithCode(1), "File '/tmp/twinguard-world-[^']*/s\\.dat' is malformed!")
        << c.why;
}

}  // namespace

TEST(SpriteDeath, MalformedDescriptionFilesAreRejected)
{
    const BadDat cases[] = {
        {"two rows 3 columns 8 width 6 height", "non-numeric rows"},
        {"2 rows 3 columns 8x width 6 height", "number with letters"},
        {"2 rows 3 columns 8 width", "height missing"},
        {"2 rows 3 columns 8 width height", "height not a number"},
        {"", "empty file"},
        {"0 rows 3 columns 8 width 6 height", "no rows"},
        {"2 rows -3 columns 8 width 6 height", "negative columns"},
        {"2 rows 3 columns 0 width 6 height", "zero width"},
        {"2 rows 3 columns 8 width -6 height", "negative height"},
        {"2 rows 4 columns 8 width 6 height", "grid wider than the picture"},
        {"3 rows 3 columns 8 width 6 height", "grid taller than the picture"},
        {"2 rows 3 columns 8 width 99999999999 height", "number out of range"},
    };
    for (const BadDat& c : cases)
        expectRejectedDat(c, 24, 12);
}

TEST(SpriteDeath, MissingDescriptionFileEndsWithItsName)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            const std::string dir = world::childDirectory();
            world::savePicture(dir + "/lights.png", 8, 8, nullptr);
            ZE_Sprite sprite(dir + "/lights.png", nullptr, 0, 0, nullptr, 1);
        },
        ::testing::ExitedWithCode(1), "File '/tmp/twinguard-world-[^']*/lights\\.dat' not found!");
}

TEST(SpriteDeath, MissingSheetEndsWithThePicturePath)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            const std::string dir = world::childDirectory();
            world::writeDat(dir + "/gone.dat", 1, 1, 8, 8);
            ZE_Sprite sprite(dir + "/gone.png", nullptr, 0, 0, nullptr, 1);
        },
        ::testing::ExitedWithCode(1), "File '/tmp/twinguard-world-[^']*/gone\\.png' not found!");
}

TEST(SpriteDeath, AWellFormedSheetLoadsInTheSameSetting)
{
    // The control for the cases above: the same child setting with a good file exits 0.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            const std::string dir = world::childDirectory();
            world::savePicture(dir + "/s.png", 24, 12, nullptr);
            world::writeDat(dir + "/s.dat", 2, 3, 8, 6);
            ZE_Sprite sprite(dir + "/s.png", nullptr, 0, 0, nullptr, 1);
            std::exit(sprite.getColumns() == 3 ? 0 : 2);
        },
        ::testing::ExitedWithCode(0), "");
}
