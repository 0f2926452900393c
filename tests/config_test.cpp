#include "engine/ZE_Game.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using testsupport::TempDir;

namespace {

const char* const kDefaultFile =
    "[screen_resolution]\n2\n[fullscreen]\n1\n[key_left]\n82\n[key_right]\n83\n"
    "[key_up]\n84\n[key_down]\n85\n[key_fire1]\n26\n[key_fire2]\n24\n[key_fire3]\n3";

// Runs the start-up configuration step in a directory of its own.
class ConfigTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(getcwd(oldDir, sizeof oldDir), oldDir);
        ASSERT_EQ(chdir(dir.path().c_str()), 0);
    }
    void TearDown() override { ASSERT_EQ(chdir(oldDir), 0); }

    ZE_Game configured()
    {
        ZE_Game game(2, true, ZE_Game::NoLibrary{});
        game.config();
        return game;
    }

    TempDir dir;
    char oldDir[4096] = {};
};

struct Settings {
    int resolution, width, height;
    bool fullscreen, debug;
    int left, right, up, down, fire1, fire2, fire3;
};

void expectSettings(const ZE_Game& game, const Settings& s, const std::string& label)
{
    SCOPED_TRACE(label);
    EXPECT_EQ(game.getScreenResolution(), s.resolution);
    EXPECT_EQ(game.getScreenWidth(), s.width);
    EXPECT_EQ(game.getScreenHeight(), s.height);
    EXPECT_EQ(game.isFullscreen(), s.fullscreen);
    EXPECT_EQ(game.isDebugEnabled(), s.debug);
    EXPECT_EQ(game.getKeyLeft(), s.left);
    EXPECT_EQ(game.getKeyRight(), s.right);
    EXPECT_EQ(game.getKeyUp(), s.up);
    EXPECT_EQ(game.getKeyDown(), s.down);
    EXPECT_EQ(game.getKeyFire1(), s.fire1);
    EXPECT_EQ(game.getKeyFire2(), s.fire2);
    EXPECT_EQ(game.getKeyFire3(), s.fire3);
}

const Settings kDefaults = {2, 1024, 768, true, false, 82, 83, 84, 85, 26, 24, 3};

}  // namespace

TEST_F(ConfigTest, MissingFileIsWrittenWithTheEighteenDefaultLines)
{
    ZE_Game game = configured();
    expectSettings(game, kDefaults, "defaults");
    EXPECT_EQ(testsupport::readFile("config.cfg"), kDefaultFile);
    EXPECT_FALSE(testsupport::fileExists("config.cfg.new"));
}

TEST_F(ConfigTest, FilesAreReadAndLeftUnchanged)
{
    struct Case {
        const char* label;
        const char* content;
        Settings expected;
    };
    const Case cases[] = {
        {"only fullscreen 0 opens a window", "[fullscreen]\n0\n",
         {2, 1024, 768, false, false, 82, 83, 84, 85, 26, 24, 3}},
        {"every section as written, all seven keys applied",
         "[screen_resolution]\n1\n[fullscreen]\n0\n[key_left]\n1\n[key_right]\n4\n"
         "[key_up]\n23\n[key_down]\n19\n[key_fire1]\n10\n[key_fire2]\n11\n[key_fire3]\n12",
         {1, 800, 600, false, false, 1, 4, 23, 19, 10, 11, 12}},
        {"capitalised section skipped with its value", "[Fullscreen] 0 [SCREEN_RESOLUTION] 0",
         kDefaults},
        {"a bad value stops reading there",
         "[key_left] 1 [fullscreen] 7 [key_right] 2 [screen_resolution] 0",
         {2, 1024, 768, true, false, 1, 83, 84, 85, 26, 24, 3}},
        {"a non-numeric value stops reading there", "[key_up] abc [fullscreen] 0", kDefaults},
        {"duplicates: the last wins", "[screen_resolution] 0 [screen_resolution] 3 [key_fire1] 5 "
                                      "[key_fire1] 6",
         {3, 1152, 864, true, false, 82, 83, 84, 85, 6, 24, 3}},
        {"section and value on one line, blank lines between",
         "[screen_resolution] 0\n\n\n[debug]\n\n1\n", {0, 640, 480, true, true, 82, 83, 84, 85, 26,
                                                       24, 3}},
        {"resolution index outside 0..3 becomes 2", "[screen_resolution] 9 [fullscreen] 0",
         {2, 1024, 768, false, false, 82, 83, 84, 85, 26, 24, 3}},
        {"negative resolution index becomes 2", "[screen_resolution] -1", kDefaults},
        {"key codes outside 1..226 keep the default",
         "[key_left] 0 [key_right] 227 [key_up] -5 [key_down] 226 [key_fire1] 9999",
         {2, 1024, 768, true, false, 82, 83, 84, 226, 26, 24, 3}},
        {"an empty file keeps every default", "", kDefaults},
        {"unknown tokens are skipped", "hello 12 [unknown] 3 [fullscreen] 0 trailing",
         {2, 1024, 768, false, false, 82, 83, 84, 85, 26, 24, 3}},
    };
    for (const Case& c : cases) {
        testsupport::writeFile("config.cfg", c.content);
        ZE_Game game = configured();
        expectSettings(game, c.expected, c.label);
        EXPECT_EQ(testsupport::readFile("config.cfg"), c.content) << c.label;
    }
}

TEST_F(ConfigTest, ReadAndWriteReportWhetherTheFileOpened)
{
    ZE_Game game(2, true, ZE_Game::NoLibrary{});
    EXPECT_FALSE(game.readConfig("absent.cfg"));
    EXPECT_TRUE(game.writeConfig("written.cfg"));
    EXPECT_EQ(testsupport::readFile("written.cfg"), kDefaultFile);
    EXPECT_TRUE(game.readConfig("written.cfg"));
    EXPECT_FALSE(game.writeConfig("no/such/dir/config.cfg"));
}

TEST_F(ConfigTest, AnUnreadableFileIsNeverReplaced)
{
    // A directory in the file's place cannot be read as settings; it must survive untouched.
    ASSERT_EQ(mkdir("config.cfg", 0755), 0);
    testsupport::writeFile("config.cfg/keep", "mine");
    ZE_Game game = configured();
    expectSettings(game, kDefaults, "defaults");
    EXPECT_EQ(testsupport::readFile("config.cfg/keep"), "mine");
}
