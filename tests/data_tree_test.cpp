// Checks the data tree the generator writes into the build: every file the game loads is
// there and loads, the sprite descriptions fit their sheets, the tile maps and wave tables
// are consistent, and the fonts fit the fixed layouts of the menus, the shop and the panel.
#include "support/TestSupport.h"

#include <allegro5/allegro.h>
#include <allegro5/allegro_acodec.h>
#include <allegro5/allegro_audio.h>
#include <allegro5/allegro_font.h>
#include <allegro5/allegro_image.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cctype>
#include <cmath>
#include <fstream>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

const std::string kData = std::string(DATA_DIR) + "/";
constexpr int kStages = 12;

void startAllegro()
{
    static bool started = false;
    if (started)
        return;
    ASSERT_TRUE(al_init());
    ASSERT_TRUE(al_init_image_addon());
    ASSERT_TRUE(al_init_font_addon());
    ASSERT_TRUE(al_init_acodec_addon());
    // Samples register with the audio add-on, so it must be up even to load them; on a
    // machine without a sound card the null ALSA device stands in.
    setenv("ALSA_CONFIG_PATH", SOURCE_DIR "/tests/alsa-null.conf", 1);
    ASSERT_TRUE(al_install_audio());
    started = true;
}

class DataTree : public ::testing::Test {
protected:
    void SetUp() override
    {
        startAllegro();
        al_set_new_bitmap_flags(ALLEGRO_MEMORY_BITMAP);
    }
};

struct BitmapDeleter {
    void operator()(ALLEGRO_BITMAP* b) const { al_destroy_bitmap(b); }
};
struct FontDeleter {
    void operator()(ALLEGRO_FONT* f) const { al_destroy_font(f); }
};
using Bitmap = std::unique_ptr<ALLEGRO_BITMAP, BitmapDeleter>;
using Font = std::unique_ptr<ALLEGRO_FONT, FontDeleter>;

Bitmap loadPicture(const std::string& path)
{
    return Bitmap(al_load_bitmap(path.c_str()));
}

std::vector<std::string> tokens(const std::string& path)
{
    std::ifstream in(path);
    std::vector<std::string> out;
    std::string t;
    while (in >> t)
        out.push_back(t);
    return out;
}

bool isNumber(const std::string& s)
{
    if (s.empty())
        return false;
    size_t i = s[0] == '-' ? 1 : 0;
    if (i == s.size())
        return false;
    for (; i < s.size(); ++i)
        if (!std::isdigit(static_cast<unsigned char>(s[i])))
            return false;
    return true;
}

// A sprite description: rows, columns, frame width, frame height, each followed by a label.
struct Grid {
    int rows = 0, columns = 0, width = 0, height = 0;
};

bool readGrid(const std::string& path, Grid* grid)
{
    const std::vector<std::string> t = tokens(path);
    if (t.size() < 7 || !isNumber(t[0]) || !isNumber(t[2]) || !isNumber(t[4]) || !isNumber(t[6]))
        return false;
    if (isNumber(t[1]) || isNumber(t[3]) || isNumber(t[5]))
        return false;  // the labels between the numbers
    *grid = {std::stoi(t[0]), std::stoi(t[2]), std::stoi(t[4]), std::stoi(t[6])};
    return true;
}

// Pixels of a frame that are not fully transparent, and their bounding box.
struct Coverage {
    int pixels = 0;
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
    int spanX() const { return right - left + 1; }
    int spanY() const { return bottom - top + 1; }
};

Coverage coverage(ALLEGRO_BITMAP* sheet, const Grid& g, int frame)
{
    Coverage c;
    const int x0 = (frame % g.columns) * g.width;
    const int y0 = (frame / g.columns) * g.height;
    for (int y = 0; y < g.height; ++y)
        for (int x = 0; x < g.width; ++x) {
            unsigned char r, gr, b, a;
            al_unmap_rgba(al_get_pixel(sheet, x0 + x, y0 + y), &r, &gr, &b, &a);
            if (a == 0)
                continue;
            ++c.pixels;
            c.left = std::min(c.left, x);
            c.right = std::max(c.right, x);
            c.top = std::min(c.top, y);
            c.bottom = std::max(c.bottom, y);
        }
    return c;
}

struct SheetCase {
    const char* name;        // under data/objects/, without ".png"
    std::vector<int> roles;  // frames the game shows or tests
};

const std::vector<SheetCase>& sheetCases()
{
    static const std::vector<SheetCase> cases = {
        {"player/base", {0, 1, 2, 3}},
        {"player/cannon", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 15}},
        {"cannons", {0, 1, 2, 4, 8, 10}},
        {"enemies/hunter", {0, 1, 2}},
        {"enemies/bandit", {0, 1, 2, 3}},
        {"enemies/cruiser", {0, 1, 2, 3}},
        {"enemies/armadillo", {0, 1, 2, 3}},
        {"shields_big", {0, 1, 2, 3}},
        {"shields_medium", {0, 1, 2, 3}},
        {"shields_little", {0, 1, 2, 3}},
        {"particles", {1, 2, 5}},
        {"lights", {0}},
        {"icons", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17}},
        {"cursor", {0, 1, 2, 3, 4, 5, 6}},
        {"stagemap", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}},
    };
    return cases;
}

}  // namespace

TEST_F(DataTree, FullScreenPicturesLoadAtTheirSizes)
{
    struct Case {
        const char* file;
        int width, height;
    };
    const Case cases[] = {
        {"loader.png", 1024, 768},
        {"menu.png", 1024, 768},
        {"shop.png", 1024, 768},
        {"osd.png", 1024, 96},
    };
    for (const Case& c : cases) {
        Bitmap b = loadPicture(kData + c.file);
        ASSERT_TRUE(b) << c.file;
        EXPECT_EQ(al_get_bitmap_width(b.get()), c.width) << c.file;
        EXPECT_EQ(al_get_bitmap_height(b.get()), c.height) << c.file;
    }
}

TEST_F(DataTree, EverySheetLoadsAndItsGridFitsThePicture)
{
    for (const SheetCase& c : sheetCases()) {
        const std::string png = kData + "objects/" + c.name + ".png";
        Bitmap sheet = loadPicture(png);
        ASSERT_TRUE(sheet) << png;
        Grid g;
        ASSERT_TRUE(readGrid(kData + "objects/" + c.name + ".dat", &g)) << c.name;
        EXPECT_GT(g.rows, 0) << c.name;
        EXPECT_GT(g.columns, 0) << c.name;
        EXPECT_GT(g.width, 0) << c.name;
        EXPECT_GT(g.height, 0) << c.name;
        ASSERT_GE(al_get_bitmap_width(sheet.get()), g.columns * g.width) << c.name;
        ASSERT_GE(al_get_bitmap_height(sheet.get()), g.rows * g.height) << c.name;
        const int highest = *std::max_element(c.roles.begin(), c.roles.end());
        ASSERT_GT(g.rows * g.columns, highest) << c.name << " lacks frame " << highest;
        for (int frame : c.roles)
            EXPECT_GT(coverage(sheet.get(), g, frame).pixels, 0)
                << c.name << " frame " << frame << " is empty";
    }
}

TEST_F(DataTree, FramesFitThePlacesTheGameDrawsThemIn)
{
    Grid icons, stageMap, cursor;
    ASSERT_TRUE(readGrid(kData + "objects/icons.dat", &icons));
    ASSERT_TRUE(readGrid(kData + "objects/stagemap.dat", &stageMap));
    ASSERT_TRUE(readGrid(kData + "objects/cursor.dat", &cursor));
    // Shop and panel texts start 47 pixels right of an icon's corner.
    EXPECT_LE(icons.width, 46);
    EXPECT_GE(icons.width, 32);
    // Stage slots are 256 x 220 with the name at +190.
    EXPECT_LE(stageMap.width, 256);
    EXPECT_LE(stageMap.height, 190);
    EXPECT_GE(stageMap.width, 200);
    // The cursor sits on the two leading blanks of a menu line.
    Font menu(al_load_font((kData + "font_menu.png").c_str(), 0, 0));
    ASSERT_TRUE(menu);
    const int blanks = al_get_text_width(menu.get(), "  ");
    EXPECT_LE(cursor.width, blanks + 2);
    EXPECT_GE(cursor.width, blanks - 4);
    EXPECT_LE(cursor.height, al_get_font_line_height(menu.get()) + 2);
}

TEST_F(DataTree, ShieldsCoverTheirCraft)
{
    struct Case {
        const char* shield;
        const char* craft;
        int frame;
    };
    const Case cases[] = {
        {"shields_big", "player/base", 1},
        {"shields_medium", "enemies/cruiser", 1},
        {"shields_little", "enemies/hunter", 1},
        {"shields_little", "enemies/bandit", 1},
        {"shields_little", "enemies/armadillo", 1},
    };
    for (const Case& c : cases) {
        Grid gs, gc;
        ASSERT_TRUE(readGrid(kData + "objects/" + c.shield + ".dat", &gs));
        ASSERT_TRUE(readGrid(kData + "objects/" + c.craft + ".dat", &gc));
        Bitmap shield = loadPicture(kData + "objects/" + c.shield + ".png");
        Bitmap craft = loadPicture(kData + "objects/" + c.craft + ".png");
        ASSERT_TRUE(shield && craft) << c.shield << " " << c.craft;
        const Coverage disc = coverage(shield.get(), gs, 0);
        const Coverage body = coverage(craft.get(), gc, c.frame);
        // Both centred on the craft's position: the disc's radius reaches the body's corners.
        const double radius = std::min(disc.spanX(), disc.spanY()) / 2.0;
        const double cx = gc.width / 2.0, cy = gc.height / 2.0;
        double reach = 0;
        for (int x : {body.left, body.right + 1})
            for (int y : {body.top, body.bottom + 1})
                reach = std::max(reach, std::hypot(x - cx, y - cy));
        EXPECT_GE(radius, reach * 0.95) << c.shield << " does not cover " << c.craft;
    }
}

namespace {

struct TileMap {
    std::vector<int> header;  // rows, columns, tile w, tile h, tileset rows, columns, tiles
    std::vector<int> cells;
    bool wordsBetween = true;
};

bool readMap(const std::string& path, TileMap* map)
{
    const std::vector<std::string> t = tokens(path);
    if (t.size() < 15)
        return false;
    for (int k = 0; k < 7; ++k) {
        if (!isNumber(t[2 * k]))
            return false;
        map->header.push_back(std::stoi(t[2 * k]));
        if (isNumber(t[2 * k + 1]))
            map->wordsBetween = false;
    }
    if (isNumber(t[14]))
        map->wordsBetween = false;
    for (size_t i = 15; i < t.size(); ++i) {
        if (!isNumber(t[i]))
            return false;
        map->cells.push_back(std::stoi(t[i]));
    }
    return true;
}

}  // namespace

TEST_F(DataTree, EveryStageHasItsLayersAndConsistentTileMaps)
{
    const char* layers[] = {"l0", "l1", "lh"};
    for (int s = 0; s < kStages; ++s) {
        const std::string dir = kData + "stages/" + std::to_string(s) + "/";
        Bitmap sky = loadPicture(dir + "bg.png");
        ASSERT_TRUE(sky) << dir << "bg.png";
        EXPECT_EQ(al_get_bitmap_width(sky.get()), 1) << dir;
        EXPECT_EQ(al_get_bitmap_height(sky.get()), 672) << dir;
        int size[3][2] = {};
        for (int l = 0; l < 3; ++l) {
            const std::string name = dir + layers[l];
            Bitmap tileset = loadPicture(name + ".png");
            ASSERT_TRUE(tileset) << name << ".png";
            TileMap m;
            ASSERT_TRUE(readMap(name + ".map", &m)) << name << ".map";
            EXPECT_TRUE(m.wordsBetween) << name << ".map needs a word after each number";
            const int rows = m.header[0], columns = m.header[1], tw = m.header[2],
                      th = m.header[3], setRows = m.header[4], setColumns = m.header[5],
                      total = m.header[6];
            ASSERT_GT(rows * columns * tw * th, 0) << name;
            EXPECT_EQ(static_cast<int>(m.cells.size()), rows * columns) << name;
            EXPECT_GE(total, 1) << name;
            EXPECT_LE(total, setRows * setColumns) << name;
            EXPECT_GE(al_get_bitmap_width(tileset.get()), setColumns * tw) << name;
            EXPECT_GE(al_get_bitmap_height(tileset.get()), setRows * th) << name;
            for (int cell : m.cells) {
                ASSERT_GE(cell, 0) << name;
                ASSERT_LT(cell, total) << name;
            }
            size[l][0] = columns * tw;
            size[l][1] = rows * th;
        }
        // The main layer: 672 high, the base at x 915 in its middle, wider than the screen.
        EXPECT_EQ(size[1][1], 672) << dir;
        EXPECT_NEAR(size[1][0] / 2.0, 915.0, 16.0) << dir;
        // The far layer moves at half the camera: it must still fill the screen at the end.
        EXPECT_GE(size[0][0], 1024 + (size[1][0] - 1024) / 2) << dir;
        EXPECT_EQ(size[2][0], size[1][0]) << dir;
        EXPECT_EQ(size[2][1], size[1][1]) << dir;
    }
}

namespace {

struct WaveTable {
    int types = 0, waves = 0, stride = 0;
    std::string name;
    std::vector<std::string> labels;
    std::vector<std::vector<int>> rows;  // per type: count, shield, count, shield, ...
};

bool readWaveTable(const std::string& path, WaveTable* table)
{
    std::ifstream in(path);
    if (!(in >> table->types >> table->waves >> table->stride))
        return false;
    std::getline(in, table->name);
    for (int t = 0; t < table->types; ++t) {
        std::string label;
        if (!(in >> label))
            return false;
        table->labels.push_back(label);
        std::vector<int> row(static_cast<size_t>(2 * table->waves));
        for (int& v : row)
            if (!(in >> v))
                return false;
        table->rows.push_back(row);
    }
    return true;
}

}  // namespace

TEST_F(DataTree, WaveTablesStayWithinThePoolsAndRamp)
{
    const int pool[4] = {25, 20, 15, 5};
    std::set<std::string> names;
    WaveTable tables[kStages];
    for (int s = 0; s < kStages; ++s) {
        const std::string path = kData + "stages/" + std::to_string(s) + "/data.dat";
        WaveTable& w = tables[s];
        ASSERT_TRUE(readWaveTable(path, &w)) << path;
        EXPECT_EQ(w.types, 4) << path;
        EXPECT_EQ(w.waves, 10) << path;
        EXPECT_EQ(w.stride, 2) << path;
        ASSERT_GE(w.name.size(), 2u) << path;
        EXPECT_EQ(w.name[0], ' ') << path;
        names.insert(w.name);
        ASSERT_EQ(w.rows.size(), 4u) << path;
        for (int wave = 0; wave < w.waves; ++wave) {
            int total = 0;
            for (int t = 0; t < 4; ++t) {
                const int count = w.rows[t][2 * wave], shield = w.rows[t][2 * wave + 1];
                EXPECT_GE(count, 0) << path << " wave " << wave;
                EXPECT_LE(count, pool[t]) << path << " type " << t << " wave " << wave;
                EXPECT_TRUE(shield == 0 || shield == 1) << path << " wave " << wave;
                total += count;
            }
            EXPECT_GT(total, 0) << path << " wave " << wave << " is empty";
        }
    }
    EXPECT_EQ(names.size(), static_cast<size_t>(kStages)) << "stage names must differ";
    // The campaign opens with a handful of unshielded hunters ...
    const WaveTable& first = tables[0];
    EXPECT_GE(first.rows[0][0], 1);
    EXPECT_LE(first.rows[0][0], 8);
    for (int t = 1; t < 4; ++t)
        EXPECT_EQ(first.rows[t][0], 0) << "type " << t;
    EXPECT_EQ(first.rows[0][1], 0);
    // ... and the last waves of the third stage come close to the pools.
    const WaveTable& third = tables[2];
    int last = 0;
    for (int t = 0; t < 4; ++t)
        last += third.rows[t][2 * 9];
    EXPECT_GE(last, 55);
    // Counts never fall from one stage of the campaign to the next, wave by wave.
    for (int s = 1; s < 3; ++s)
        for (int wave = 0; wave < 10; ++wave) {
            int before = 0, now = 0;
            for (int t = 0; t < 4; ++t) {
                before += tables[s - 1].rows[t][2 * wave];
                now += tables[s].rows[t][2 * wave];
            }
            EXPECT_GE(now, before) << "stage " << s << " wave " << wave;
        }
}

TEST_F(DataTree, FontsCoverPrintableAsciiAndFitTheLayouts)
{
    struct FontCase {
        const char* file;
        int minLine, maxLine;
    };
    const FontCase fonts[] = {
        {"font.tga", 12, 40},
        {"font_menu.png", 20, 44},
        {"font_tiny.png", 15, 15},
        {"font_osd.png", 20, 20},
    };
    for (const FontCase& f : fonts) {
        Font font(al_load_font((kData + f.file).c_str(), 0, 0));
        ASSERT_TRUE(font) << f.file;
        int ranges[4] = {0, 0, 0, 0};
        ASSERT_EQ(al_get_font_ranges(font.get(), 2, ranges), 1) << f.file;
        EXPECT_EQ(ranges[0], 32) << f.file;
        EXPECT_EQ(ranges[1], 126) << f.file;
        for (int c = 32; c <= 126; ++c) {
            const char text[2] = {static_cast<char>(c), 0};
            EXPECT_GT(al_get_text_width(font.get(), text), 0) << f.file << " char " << c;
        }
        const int line = al_get_font_line_height(font.get());
        EXPECT_GE(line, f.minLine) << f.file;
        EXPECT_LE(line, f.maxLine) << f.file;
    }

    struct Fit {
        const char* file;
        const char* text;
        int width;
    };
    const Fit fits[] = {
        {"font_osd.png", "1. FLAME  CANNON", 184},
        {"font_osd.png", "2. MISSILE LAUNCHER", 184 + 60},
        {"font_osd.png", "COINS 100000", 135},
        {"font_osd.png", "SCORE 99999999", 225},
        {"font_tiny.png", "RECHARGE SPEED +1/MIN.", 209},
        {"font_tiny.png", "A LASER SIGHTS HELPS YOU", 250},
        {"font_menu.png", "  GAME SETUP   >>", 284},
        {"font_menu.png",
         "ENEMIES KILLED 65 BULLETS FIRED 99999 BULLETS HIT 99999 PRECISION 100%", 1024},
        {"font_menu.png", "SAVED MELANGE 1000 * 12 = 12000 COINS", 1024},
        {"font_menu.png", "  BUY FOR 15000 COINS", 250},
        {"font_menu.png", "UNKNOWN WORLD", 250},
    };
    for (const Fit& f : fits) {
        Font font(al_load_font((kData + f.file).c_str(), 0, 0));
        ASSERT_TRUE(font) << f.file;
        EXPECT_LE(al_get_text_width(font.get(), f.text), f.width) << f.file << ": " << f.text;
    }

    // The stage names under the stage map's pictures (250 pixels) in the menu font.
    Font menu(al_load_font((kData + "font_menu.png").c_str(), 0, 0));
    ASSERT_TRUE(menu);
    for (int s = 0; s < kStages; ++s) {
        WaveTable w;
        ASSERT_TRUE(readWaveTable(kData + "stages/" + std::to_string(s) + "/data.dat", &w));
        EXPECT_LE(al_get_text_width(menu.get(), w.name.c_str()), 250) << w.name;
    }
    // The menu: header at 540 - 2L and four entries from 540 inside y 480..700; the shop's
    // three inventory buttons from 590 end above the panel at 672.
    const int lm = al_get_font_line_height(menu.get());
    EXPECT_GE(540 - 2 * lm, 480);
    EXPECT_LE(540 + 4 * lm, 700);
    EXPECT_LE(590 + 3 * lm, 672);
}

TEST_F(DataTree, SoundsAndMusicLoad)
{
    struct Case {
        const char* file;
        double minSeconds, maxSeconds;
    };
    const Case cases[] = {
        {"sounds/cannon0.ogg", 0.03, 1.0}, {"sounds/cannon1.ogg", 0.03, 1.0},
        {"sounds/cannon2.ogg", 0.03, 1.0}, {"sounds/cannon3.ogg", 0.03, 1.0},
        {"sounds/cannon4.ogg", 0.03, 1.0}, {"sounds/cannon5.ogg", 0.03, 1.0},
        {"sounds/cannon6.ogg", 0.03, 1.0}, {"sounds/metal_hit.ogg", 0.03, 1.5},
        {"sounds/shield_hit.ogg", 0.03, 1.5}, {"sounds/menu.ogg", 0.01, 0.5},
        {"musics/menu.ogg", 30.0, 90.0},
    };
    std::vector<std::vector<char>> shots;
    for (const Case& c : cases) {
        ALLEGRO_SAMPLE* sample = al_load_sample((kData + c.file).c_str());
        ASSERT_NE(sample, nullptr) << c.file;
        const double seconds =
            static_cast<double>(al_get_sample_length(sample)) / al_get_sample_frequency(sample);
        EXPECT_EQ(al_get_sample_frequency(sample), 44100u) << c.file;
        EXPECT_GE(seconds, c.minSeconds) << c.file;
        EXPECT_LE(seconds, c.maxSeconds) << c.file;
        if (std::string(c.file).find("cannon") != std::string::npos) {
            const size_t bytes = al_get_sample_length(sample) *
                                 al_get_channel_count(al_get_sample_channels(sample)) *
                                 al_get_audio_depth_size(al_get_sample_depth(sample));
            const char* data = static_cast<const char*>(al_get_sample_data(sample));
            shots.emplace_back(data, data + bytes);
        }
        al_destroy_sample(sample);
    }
    ASSERT_EQ(shots.size(), 7u);
    for (size_t a = 0; a < shots.size(); ++a)
        for (size_t b = a + 1; b < shots.size(); ++b)
            EXPECT_NE(shots[a], shots[b]) << "cannon" << a << " and cannon" << b << " sound alike";
}

TEST_F(DataTree, GeneratorWritesTheSameBytesEveryRun)
{
    testsupport::TempDir out;
    int status = -1;
    testsupport::run(std::string(DATAGEN_BIN) + " " + out.path() + " 2>&1", &status);
    ASSERT_EQ(status, 0);
    const std::string list = testsupport::run("cd " + kData + " && find . -type f ! -name '.*' | sort");
    std::istringstream files(list);
    std::string file;
    int compared = 0;
    while (std::getline(files, file)) {
        EXPECT_EQ(testsupport::readFile(kData + file),
                  testsupport::readFile(out.path() + "/data/" + file))
            << file;
        ++compared;
    }
    EXPECT_GT(compared, 100);
    EXPECT_TRUE(testsupport::fileExists(out.path() + "/data-preview.png"));
}
