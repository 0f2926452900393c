#include "engine/ZE_Map.h"

#include "world_support.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

using testsupport::TempDir;
using testsupport::writeFile;

namespace {

std::string mapText(int rows, int columns, int tw, int th, int tsRows, int tsColumns, int total,
                    const std::vector<int>& cells)
{
    std::ostringstream out;
    out << rows << " rows\n"
        << columns << " columns\n"
        << tw << " tile_width\n"
        << th << " tile_height\n"
        << tsRows << " tileset_rows\n"
        << tsColumns << " tileset_columns\n"
        << total << " total_tiles\n"
        << "grid:\n";
    for (size_t k = 0; k < cells.size(); ++k)
        out << cells[k] << ((k + 1) % columns == 0 ? "\n" : " ");
    return out.str();
}

// A tileset of 2 x 3 tiles of 16 x 16, tile k coloured world::numbered(k), and its ".map".
std::string makeLayer(const TempDir& dir, int rows, int columns, int total,
                      const std::vector<int>& cells, const std::string& name = "layer")
{
    const std::string png = dir.file(name + ".png");
    world::saveGridSheet(png, 2, 3, 16, 16);
    writeFile(dir.file(name + ".map"), mapText(rows, columns, 16, 16, 2, 3, total, cells));
    return png;
}

std::vector<int> filled(int count, int tile)
{
    return std::vector<int>(static_cast<size_t>(count), tile);
}

}  // namespace

TEST(Map, ReadsTheHeaderAndTheGrid)
{
    TempDir dir;
    const std::vector<int> cells = {0, 1, 2, 3, 4, 5, 5, 4, 3, 2, 1, 0};
    ZE_Map map(makeLayer(dir, 3, 4, 6, cells), world::display(), 2);
    EXPECT_EQ(map.getRows(), 3);
    EXPECT_EQ(map.getColumns(), 4);
    EXPECT_EQ(map.getTileWidth(), 16);
    EXPECT_EQ(map.getTileHeight(), 16);
    EXPECT_EQ(map.getTotalTiles(), 6);
    EXPECT_EQ(map.getParallax(), 2);
    EXPECT_EQ(map.getMapWidth(), 64);
    EXPECT_EQ(map.getMapHeight(), 48);
    for (int j = 0; j < 3; ++j)
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(map.getCell(i, j), cells[4 * j + i]);
    EXPECT_EQ(map.getBitmap(), nullptr) << "the tileset is not drawn directly";
}

TEST(Map, TilesAreTheTilesetRegionsRowMajorUpToTheTotal)
{
    TempDir dir;
    ZE_Map map(makeLayer(dir, 1, 4, 4, {0, 1, 2, 3}), world::display(), 1);
    ASSERT_EQ(map.getTotalTiles(), 4) << "fewer than the grid's 6";
    for (int n = 0; n < 4; ++n) {
        ALLEGRO_BITMAP* tile = map.getTile(n);
        EXPECT_EQ(al_get_bitmap_width(tile), 16);
        EXPECT_EQ(al_get_bitmap_x(tile), 16 * (n % 3)) << n;
        EXPECT_EQ(al_get_bitmap_y(tile), 16 * (n / 3)) << n;
        EXPECT_EQ(al_get_parent_bitmap(tile), al_get_parent_bitmap(map.getTile(0)));
    }
    world::Canvas canvas;
    map.draw();
    for (int n = 0; n < 4; ++n)
        EXPECT_EQ(canvas.redAt(16 * n + 8, 8), 10 * (n + 1)) << "tile " << n;
}

TEST(Map, NarrowMapDrawsAllItsCellsAndNothingBeyond)
{
    TempDir dir;
    const std::vector<int> cells = {5, 4, 3, 2, 1, 0};
    ZE_Map map(makeLayer(dir, 2, 3, 6, cells), world::display(), 1);
    world::Canvas canvas;
    map.draw();
    for (int j = 0; j < 2; ++j)
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(canvas.redAt(16 * i + 8, 16 * j + 8), 10 * (cells[3 * j + i] + 1));
    EXPECT_EQ(canvas.alphaAt(48, 8), 0);
    EXPECT_EQ(canvas.alphaAt(8, 32), 0);
}

TEST(Map, CameraShiftDividedByTheParallax)
{
    TempDir dir;
    const std::string png = makeLayer(dir, 1, 30, 6, filled(30, 2));
    struct Case {
        int parallax;
        float camX, camY;
        int firstX, firstY;  // where the map's top-left corner lands
    };
    const Case cases[] = {
        {1, 0, 0, 0, 0}, {2, 100, 0, -50, 0}, {1, 100, 0, -100, 0}, {2, 0, 20, 0, -10},
        {1, -30, -10, 30, 10},
    };
    for (const Case& c : cases) {
        ZE_Map map(png, world::display(), c.parallax);
        float sx = c.camX, sy = c.camY;
        map.setScrollXP(&sx);
        map.setScrollYP(&sy);
        world::Canvas canvas;
        map.draw();
        const int right = c.firstX + 30 * 16;  // one past the map's last pixel
        EXPECT_EQ(canvas.redAt(right - 1, c.firstY + 8), 30) << c.parallax << " " << c.camX;
        EXPECT_EQ(canvas.alphaAt(right, c.firstY + 8), 0) << c.parallax << " " << c.camX;
        if (c.firstY > 0) {
            EXPECT_EQ(canvas.alphaAt(100, c.firstY - 1), 0);
        }
        EXPECT_EQ(canvas.alphaAt(100, c.firstY + 16), 0);
    }
}

TEST(Map, TileVisibilityAtTheScreenEdges)
{
    TempDir dir;
    // 70 columns of 16: the tile at 1024 is just beyond the right edge and still drawn, the
    // one at 1040 is not; on the left a tile whose right edge is at 0 is not drawn.
    const std::string wide = makeLayer(dir, 1, 70, 6, filled(70, 0), "wide");
    ZE_Map row(wide, world::display(), 1);
    float sx = 0, sy = 0;
    row.setScrollXP(&sx);
    row.setScrollYP(&sy);
    struct Case {
        float camX;
        int probeX;
        bool drawn;
    };
    const Case cases[] = {
        {16, -8, false},     // tile 0 at tx = -16
        {15, -8, true},      // tile 0 at tx = -15
        {0, 1030, true},     // tile 64 at tx = 1024
        {0, 1045, false},    // tile 65 at tx = 1040
        {1, 1040, true},     // tile 65 at tx = 1039
    };
    for (const Case& c : cases) {
        sx = c.camX;
        world::Canvas canvas;
        row.draw();
        EXPECT_EQ(canvas.alphaAt(c.probeX, 8) != 0, c.drawn) << c.camX << " @" << c.probeX;
    }

    // The same vertically: 50 rows, the tile at 768 drawn, the one at 784 not.
    const std::string tall = makeLayer(dir, 50, 1, 6, filled(50, 0), "tall");
    ZE_Map column(tall, world::display(), 1);
    column.setScrollXP(&sx);
    column.setScrollYP(&sy);
    sx = 0;
    const Case vertical[] = {{16, -8, false}, {15, -8, true}, {0, 770, true}, {0, 790, false}};
    for (const Case& c : vertical) {
        sy = c.camX;
        world::Canvas canvas;
        column.draw();
        EXPECT_EQ(canvas.alphaAt(8, c.probeX) != 0, c.drawn) << c.camX << " @" << c.probeX;
    }
}

TEST(Map, DisabledDrawsNothingAndDebugMarksCellCorners)
{
    TempDir dir;
    ZE_Map map(makeLayer(dir, 2, 2, 6, {0, 1, 2, 3}), world::display(), 2);
    float sx = 20, sy = 0;  // shifted by 10 at parallax 2
    map.setScrollXP(&sx);
    map.setScrollYP(&sy);
    {
        world::Canvas canvas;
        map.debug();
        // A pixel at a pixel corner may land on any of the four pixels that touch it: look
        // for exactly one yellow pixel around each cell corner and none elsewhere.
        auto yellow = [&](int x, int y) {
            unsigned char r, g, b, a;
            canvas.read(x, y, r, g, b, a);
            return r == 255 && g == 255 && b == 0 && a == 255;
        };
        int total = 0;
        for (int y = -8; y < 40; ++y)
            for (int x = -20; x < 40; ++x)
                total += yellow(x, y);
        EXPECT_EQ(total, 4);
        for (int j = 0; j < 2; ++j)
            for (int i = 0; i < 2; ++i) {
                const int cx = 16 * i - 10, cy = 16 * j;
                const int near = yellow(cx - 1, cy - 1) + yellow(cx, cy - 1) +
                                 yellow(cx - 1, cy) + yellow(cx, cy);
                EXPECT_EQ(near, 1) << "cell " << i << "," << j;
            }
    }
    map.setEnable(false);
    world::Canvas canvas;
    map.draw();
    map.debug();
    EXPECT_EQ(canvas.alphaAt(-10, 0), 0);
    EXPECT_EQ(canvas.alphaAt(0, 8), 0);
}

TEST(Map, OpacityAppliesToEveryTile)
{
    TempDir dir;
    ZE_Map map(makeLayer(dir, 1, 2, 6, {0, 0}), world::display(), 1);
    map.setAlpha(100);
    world::Canvas canvas;
    map.draw();
    EXPECT_NEAR(canvas.alphaAt(8, 8), 100, 1);
    EXPECT_NEAR(canvas.alphaAt(24, 8), 100, 1);
    map.setAlpha(255);
    map.reset();
    EXPECT_EQ(map.getAlpha(), 255);
}

TEST(Map, EmptyTilesChangeNothingAndANearlyEmptyTileStillShows)
{
    TempDir dir;
    const std::string png = dir.file("sparse.png");
    // Tile 0 empty, tile 1 a single opaque pixel at (5, 7), tile 2 faint everywhere.
    world::savePicture(png, 48, 16, [] {
        al_draw_filled_rectangle(16 + 5, 7, 16 + 6, 8, al_map_rgb(255, 255, 255));
        al_draw_filled_rectangle(32, 0, 48, 16, al_map_rgba(0, 0, 0, 8));
    });
    writeFile(dir.file("sparse.map"), mapText(1, 3, 16, 16, 1, 3, 3, {0, 1, 2}));
    ZE_Map map(png, world::display(), 1);
    world::Canvas canvas;
    al_clear_to_color(al_map_rgb(0, 0, 200));
    map.setAlpha(255);
    map.draw();
    unsigned char r, g, b, a;
    canvas.read(8, 8, r, g, b, a);
    EXPECT_EQ(b, 200) << "under the empty tile";
    canvas.read(16 + 5, 7, r, g, b, a);
    EXPECT_EQ(r, 255) << "the one pixel of tile 1";
    canvas.read(16 + 4, 7, r, g, b, a);
    EXPECT_EQ(r, 0);
    canvas.read(40, 8, r, g, b, a);
    EXPECT_EQ(a, 255);
    EXPECT_LT(b, 200) << "the faint tile darkens the blue a little";
    EXPECT_GT(b, 180);
}

namespace {

struct BadMap {
    std::string text;
    const char* why;
};

void expectRejectedMap(const BadMap& c)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            const std::string dir = world::childDirectory();
            world::saveGridSheet(dir + "/l1.png", 2, 3, 16, 16);  // 48 x 32
            writeFile(dir + "/l1.map", c.text);
            ZE_Map map(dir + "/l1.png", nullptr, 1);
        },
        ::testing::ExitedWithCode(1), "File '/tmp/twinguard-world-[^']*/l1\\.map' is malformed!")
        << c.why;
}

}  // namespace

TEST(MapDeath, MalformedMapFilesAreRejected)
{
    const std::string good = mapText(2, 2, 16, 16, 2, 3, 6, {0, 1, 2, 5});
    const BadMap cases[] = {
        {"two rows" + good.substr(1), "non-numeric rows"},
        {mapText(0, 2, 16, 16, 2, 3, 6, {}), "zero rows"},
        {mapText(2, -2, 16, 16, 2, 3, 6, {0, 1, 2, 3}), "negative columns"},
        {mapText(2, 2, 0, 16, 2, 3, 6, {0, 1, 2, 3}), "zero tile width"},
        {mapText(2, 2, 16, 16, 2, 3, 0, {0, 1, 2, 3}), "no tiles"},
        {mapText(2, 2, 16, 16, 2, 3, 7, {0, 1, 2, 3}), "more tiles than the grid"},
        {mapText(2, 2, 16, 16, 2, 4, 6, {0, 1, 2, 3}), "grid wider than the tileset"},
        {mapText(2, 2, 16, 17, 2, 3, 6, {0, 1, 2, 3}), "grid taller than the tileset"},
        {mapText(2, 2, 16, 16, 2, 3, 6, {0, 1, 2}), "too few cells"},
        {mapText(2000, 2000, 16, 16, 2, 3, 6, {0, 1, 2}), "a huge grid the file does not hold"},
        {mapText(2, 2, 16, 16, 2, 3, 6, {0, 1, 2, 6}), "tile number past the set"},
        {mapText(2, 2, 16, 16, 2, 3, 6, {0, -1, 2, 3}), "negative tile number"},
        {good.substr(0, good.size() - 2) + "x\n", "non-numeric cell"},
        {"2 rows 2 columns 16", "header cut short"},
        {"2 rows 2 columns 16 w 16 h 2 r 3 c 6 total", "no heading before the grid"},
    };
    for (const BadMap& c : cases)
        expectRejectedMap(c);
}

TEST(MapDeath, AWellFormedMapLoadsInTheSameSetting)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            const std::string dir = world::childDirectory();
            world::saveGridSheet(dir + "/l1.png", 2, 3, 16, 16);
            writeFile(dir + "/l1.map", mapText(2, 2, 16, 16, 2, 3, 6, {0, 1, 2, 5}));
            ZE_Map map(dir + "/l1.png", nullptr, 1);
            std::exit(map.getCell(1, 1) == 5 ? 0 : 2);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST(MapDeath, MissingMapFileEndsWithItsName)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            const std::string dir = world::childDirectory();
            world::saveGridSheet(dir + "/l0.png", 1, 1, 16, 16);
            ZE_Map map(dir + "/l0.png", nullptr, 2);
        },
        ::testing::ExitedWithCode(1), "File '/tmp/twinguard-world-[^']*/l0\\.map' not found!");
}
