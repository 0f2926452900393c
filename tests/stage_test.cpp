#include "game/Stage.h"

#include "world_support.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

using testsupport::TempDir;
using testsupport::writeFile;

namespace {

// Craft numbers per type and wave; shields are wave % 2.
using Table = std::vector<std::vector<int>>;

Table plainTable(int waves)
{
    Table t(4, std::vector<int>(static_cast<size_t>(waves), 1));
    t[0][0] = 5;
    t[1][0] = 0;
    t[2][0] = 2;
    t[3][0] = 1;
    return t;
}

std::string dataText(int types, int waves, int stride, const std::string& name, const Table& t)
{
    static const char* labels[] = {"hunters", "armadillos", "bandits", "cruisers", "extra"};
    std::ostringstream out;
    out << types << " " << waves << " " << stride << name << "\n";
    for (size_t type = 0; type < t.size(); ++type) {
        out << labels[type < 4 ? type : 4] << "\n";
        for (size_t w = 0; w < t[type].size(); ++w)
            out << t[type][w] << " " << (w % 2) << "\n";
    }
    return out.str();
}

std::string mapText(int rows, int columns, int tile)
{
    std::ostringstream out;
    out << rows << " rows " << columns << " columns 16 tile_width 16 tile_height "
        << "1 tileset_rows 2 tileset_columns 2 total_tiles grid\n";
    for (int k = 0; k < rows * columns; ++k)
        out << tile << ((k + 1) % columns == 0 ? "\n" : " ");
    return out.str();
}

// A stage directory: a 1 x 600 background, layers of 16-pixel tiles (tile 0 coloured
// numbered(0), tile 1 numbered(1)), the main layer `columns` x `rows` tiles, and data.dat.
void makeStage(const std::string& dir, int columns, int rows, const std::string& data)
{
    world::savePicture(dir + "bg.png", 1, 600, [] {
        al_draw_filled_rectangle(0, 0, 1, 600, al_map_rgb(0, 0, 90));
    });
    for (const char* name : {"l0", "l1", "lh"})
        world::saveGridSheet(dir + name + ".png", 1, 2, 16, 16);
    writeFile(dir + "l0.map", mapText(10, 20, 0));
    writeFile(dir + "l1.map", mapText(rows, columns, 1));
    writeFile(dir + "lh.map", mapText(2, 3, 0));
    writeFile(dir + "data.dat", data);
}

class StageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        world::display();
        path = dir.path() + "/";
    }
    TempDir dir;
    std::string path;
};

}  // namespace

TEST_F(StageTest, NameKeepsItsLeadingBlankAndTheTableReads)
{
    Table t = plainTable(12);
    t[0][7] = 25;
    t[3][11] = 5;
    makeStage(path, 100, 50, dataText(4, 12, 2, " Desert Dawn", t));
    Stage stage(path, world::display());
    EXPECT_EQ(stage.getStageName(), " Desert Dawn");
    EXPECT_EQ(stage.getEnemyTypes(), 4);
    EXPECT_EQ(stage.getWaves(), 12);
    EXPECT_EQ(stage.getTotalEnemies(0), 5 + 0 + 2 + 1);
    EXPECT_EQ(stage.getTotalEnemies(7), 25 + 1 + 1 + 1);
    EXPECT_EQ(stage.getEnemiesNumber(3, 11), 5);
    EXPECT_EQ(stage.getEnemiesNumber(1, 0), 0);
    for (int w = 0; w < 12; ++w)
        EXPECT_EQ(stage.getEnemiesShield(2, w), w % 2) << w;
    EXPECT_EQ(stage.getScrollX(), 0);
    EXPECT_EQ(stage.getScrollY(), 0);
    EXPECT_EQ(stage.getScaleX(), 1024) << "the background is stretched over the screen";
    EXPECT_EQ(stage.getScaleY(), 1);
}

TEST_F(StageTest, NameIsTheRestOfTheThirdNumbersLine)
{
    struct Case {
        const char* header;
        const char* name;
    };
    const Case cases[] = {
        {"4 10 2 The Long Night\n", " The Long Night"},
        {"4\n10\n2  Two blanks\r\n", "  Two blanks"},  // numbers on their own lines, CRLF
        {"4 10 2\n", ""},
        {"4 10 2\tTabbed\n", "\tTabbed"},
    };
    for (const Case& c : cases) {
        const std::string body = dataText(4, 10, 2, "", plainTable(10));
        makeStage(path, 100, 50, c.header + body.substr(body.find('\n') + 1));
        Stage stage(path, world::display());
        EXPECT_EQ(stage.getStageName(), c.name) << c.header;
        EXPECT_EQ(stage.getTotalEnemies(0), 8);
    }
}

TEST_F(StageTest, RunClampsTheCameraInsideTheMainLayer)
{
    // Field 1600 x 800; screen width 1024, background height 600.
    makeStage(path, 100, 50, dataText(4, 10, 2, " Field", plainTable(10)));
    Stage stage(path, world::display());
    EXPECT_EQ(stage.getMapWidth(1), 1600);
    EXPECT_EQ(stage.getMapHeight(1), 800);
    struct Case {
        float x, y;
        float expectedX, expectedY;
    };
    const Case cases[] = {
        {-10, 0, 0, 0},       {10000, 0, 576, 0},   {300, -5, 300, 0},
        {300, 1000, 300, 200}, {576, 200, 576, 200}, {12.5f, 7.25f, 12.5f, 7.25f},
    };
    for (const Case& c : cases) {
        stage.setScrollX(c.x);
        stage.setScrollY(c.y);
        EXPECT_EQ(stage.getScrollX(), c.x) << "unclamped until run()";
        stage.run();
        EXPECT_EQ(stage.getScrollX(), c.expectedX) << c.x;
        EXPECT_EQ(stage.getScrollY(), c.expectedY) << c.y;
    }
    EXPECT_EQ(stage.getScrollXP(), stage.getScrollXP());
    *stage.getScrollXP() = 99;
    *stage.getScrollYP() = 98;
    EXPECT_EQ(stage.getScrollX(), 99);
    EXPECT_EQ(stage.getScrollY(), 98);
}

TEST_F(StageTest, NarrowFieldEndsWithANegativeCamera)
{
    makeStage(path, 40, 50, dataText(4, 10, 2, " Narrow", plainTable(10)));
    Stage stage(path, world::display());
    stage.setScrollX(-10);
    stage.run();
    EXPECT_EQ(stage.getScrollX(), 640 - 1024) << "the upper bound is applied last";
    // The main layer is then drawn shifted right.
    world::Canvas canvas;
    stage.drawLayer1();
    EXPECT_EQ(canvas.alphaAt(383, 8), 0);
    EXPECT_EQ(canvas.redAt(384, 8), 20);
    EXPECT_EQ(canvas.redAt(1023, 8), 20);
}

TEST_F(StageTest, LayersFollowTheStageCameraWithTheirParallax)
{
    makeStage(path, 100, 50, dataText(4, 10, 2, " Field", plainTable(10)));
    Stage stage(path, world::display());
    stage.setScrollX(100);
    stage.setScrollY(40);
    world::Canvas canvas;
    stage.drawLayer0();  // 20 x 10 tiles: 320 x 160, at parallax 2 shifted by (50, 20)
    EXPECT_EQ(canvas.redAt(269, 139), 10);
    EXPECT_EQ(canvas.alphaAt(270, 100), 0);
    EXPECT_EQ(canvas.alphaAt(100, 140), 0);
    canvas.clear();
    stage.drawLayerH();  // 3 x 2 tiles: 48 x 32 at parallax 1 shifted by (100, 40): off
    EXPECT_EQ(canvas.alphaAt(0, 0), 0);
    stage.setScrollX(0);
    stage.setScrollY(0);
    stage.drawLayerH();
    EXPECT_EQ(canvas.redAt(47, 31), 10);
    EXPECT_EQ(canvas.alphaAt(48, 31), 0);
}

TEST_F(StageTest, BackgroundCoversTheScreenWidthAndDoesNotScroll)
{
    makeStage(path, 100, 50, dataText(4, 10, 2, " Field", plainTable(10)));
    Stage stage(path, world::display());
    stage.setScrollX(300);
    world::Canvas canvas;
    stage.draw();
    unsigned char r, g, b, a;
    for (int x : {0, 500, 1023}) {
        canvas.read(x, 599, r, g, b, a);
        EXPECT_EQ(b, 90) << x;
        EXPECT_EQ(a, 255) << x;
    }
    EXPECT_EQ(canvas.alphaAt(1024, 10), 0);
    EXPECT_EQ(canvas.alphaAt(10, 600), 0);
}

TEST_F(StageTest, LayerNumbersOutsideZeroToTwo)
{
    makeStage(path, 100, 50, dataText(4, 10, 2, " Field", plainTable(10)));
    Stage stage(path, world::display());
    EXPECT_EQ(stage.getMapWidth(0), 320);
    EXPECT_EQ(stage.getMapHeight(0), 160);
    EXPECT_EQ(stage.getMapWidth(2), 48);
    EXPECT_EQ(stage.getMapHeight(2), 32);
    EXPECT_EQ(stage.getMapWidth(3), 0);
    EXPECT_EQ(stage.getMapHeight(-1), 0);
    EXPECT_FALSE(stage.getEnableLayer(3));
    stage.setEnableLayer(5, false);
    stage.setEnableLayer(-1, false);
    for (int layer : {0, 1, 2})
        EXPECT_TRUE(stage.getEnableLayer(layer)) << layer;
    stage.setEnableLayer(1, false);
    EXPECT_FALSE(stage.getEnableLayer(1));
    EXPECT_TRUE(stage.getEnableLayer(0));
    world::Canvas canvas;
    stage.drawLayer1();
    EXPECT_EQ(canvas.alphaAt(8, 8), 0) << "a disabled layer draws nothing";
    stage.setEnableLayer(1, true);
    stage.drawLayer1();
    EXPECT_EQ(canvas.redAt(8, 8), 20);
}

TEST_F(StageTest, DisabledStageDrawsNothingAndKeepsItsCamera)
{
    makeStage(path, 100, 50, dataText(4, 10, 2, " Field", plainTable(10)));
    Stage stage(path, world::display());
    stage.setEnable(false);
    stage.setScrollX(-50);
    stage.setScrollY(5000);
    stage.run();
    EXPECT_EQ(stage.getScrollX(), -50);
    EXPECT_EQ(stage.getScrollY(), 5000);
    stage.setScrollX(0);
    stage.setScrollY(0);
    world::Canvas canvas;
    stage.draw();
    stage.drawLayer0();
    stage.drawLayer1();
    stage.drawLayerH();
    for (int x : {0, 8, 500})
        EXPECT_EQ(canvas.alphaAt(x, 8), 0) << x;
    EXPECT_TRUE(stage.getEnableLayer(1)) << "the layers keep their own flags";
}

TEST_F(StageTest, FullPoolsAndExtraRowsAreAccepted)
{
    Table t = plainTable(10);
    t[0][4] = 25;
    t[1][4] = 20;
    t[2][4] = 15;
    t[3][4] = 5;
    t.push_back(std::vector<int>(10, 99));  // a fifth row has no pool and no limit
    makeStage(path, 100, 50, dataText(5, 10, 2, " Five rows", t));
    Stage stage(path, world::display());
    EXPECT_EQ(stage.getEnemyTypes(), 5);
    EXPECT_EQ(stage.getTotalEnemies(4), 25 + 20 + 15 + 5) << "always the first four rows";
    EXPECT_EQ(stage.getEnemiesNumber(4, 9), 99);
}

namespace {

struct BadStage {
    std::string data;
    const char* why;
};

void expectRejectedStage(const BadStage& c)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            const std::string dir = world::childDirectory() + "/";
            makeStage(dir, 100, 50, c.data);
            Stage stage(dir, nullptr);
        },
        ::testing::ExitedWithCode(1),
        "File '/tmp/twinguard-world-[^']*/data\\.dat' is malformed!")
        << c.why;
}

Table withCount(int type, int count)
{
    Table t = plainTable(10);
    t[static_cast<size_t>(type)][4] = count;
    return t;
}

}  // namespace

TEST(StageDeath, MalformedStageDataIsRejected)
{
    const std::string good = dataText(4, 10, 2, " Good", plainTable(10));
    // All but the last line: the cruisers' pair of wave 9.
    const std::string lastPairCut = good.substr(0, good.rfind('\n', good.size() - 2) + 1);
    Table three = plainTable(10);
    three.pop_back();
    Table nine = plainTable(10);
    for (auto& row : nine)
        row.pop_back();
    const BadStage cases[] = {
        {dataText(4, 10, 3, " Stride", plainTable(10)), "third number not 2"},
        {dataText(3, 10, 2, " Three", three), "fewer than four enemy types"},
        {dataText(4, 9, 2, " Nine", nine), "fewer than ten waves"},
        {dataText(4, 10, 2, " Hunters", withCount(0, 26)), "26 hunters"},
        {dataText(4, 10, 2, " Armadillos", withCount(1, 21)), "21 armadillos"},
        {dataText(4, 10, 2, " Bandits", withCount(2, 16)), "16 bandits"},
        {dataText(4, 10, 2, " Cruisers", withCount(3, 6)), "6 cruisers"},
        {dataText(4, 10, 2, " Negative", withCount(1, -1)), "a negative count"},
        {"four 10 2 Words\n" + good.substr(good.find('\n') + 1), "non-numeric header"},
        {lastPairCut + "x 1\n", "non-numeric count"},
        {lastPairCut + "1\n", "the last shield missing"},
        {lastPairCut, "the last pair missing"},
        {dataText(4, 1000000, 2, " Huge", plainTable(10)), "waves the file does not hold"},
        {"", "empty file"},
    };
    for (const BadStage& c : cases)
        expectRejectedStage(c);
}

TEST(StageDeath, MissingFilesEndWithTheirNames)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const char* missing[] = {"data.dat", "lh.map", "bg.png", "l0.png"};
    for (const char* name : missing) {
        EXPECT_EXIT(
            {
                const std::string dir = world::childDirectory() + "/";
                makeStage(dir, 100, 50, dataText(4, 10, 2, " Field", plainTable(10)));
                std::filesystem::remove(dir + name);
                Stage stage(dir, nullptr);
            },
            ::testing::ExitedWithCode(1),
            std::string("File '/tmp/twinguard-world-[^']*/") + name + "' not found!")
            << name;
    }
}
