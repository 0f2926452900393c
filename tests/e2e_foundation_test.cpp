// The real game binary on a private X server: what a player sees on the first screens.
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <thread>

using namespace testsupport;

namespace {

struct Box {
    int x0 = 1 << 30, y0 = 1 << 30, x1 = -1, y1 = -1;
    bool empty() const { return x1 < 0; }
    int width() const { return x1 - x0 + 1; }
    int centreX() const { return (x0 + x1) / 2; }
    int centreY() const { return (y0 + y1) / 2; }
};

Box brightBox(const Image& image)
{
    Box box;
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            if (image.brightness(x, y) > 128) {
                box.x0 = std::min(box.x0, x);
                box.y0 = std::min(box.y0, y);
                box.x1 = std::max(box.x1, x);
                box.y1 = std::max(box.y1, y);
            }
    return box;
}

// Screenshots until the intro's text shows alone on black (the loading screen before it is
// bright too), up to `seconds`.
Box waitForText(const Xvfb& x, const std::string& shot, double seconds)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (std::chrono::steady_clock::now() < end) {
        screenshot(x.name(), shot);
        Image image;
        if (image.load(shot)) {
            Box box = brightBox(image);
            if (!box.empty() && box.width() < 400 && box.y1 - box.y0 < 40)
                return box;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return Box();
}

// Seconds until the screen shows the main menu's picture (above the menu's own texts), or
// -1 when it does not within `seconds`.
double secondsToMenu(const Xvfb& x, const std::string& shot, double seconds)
{
    Image menu;
    if (!menu.load(std::string(DATA_DIR) + "/menu.png"))
        return -1;
    const auto start = std::chrono::steady_clock::now();
    for (;;) {
        const double elapsed =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (elapsed > seconds)
            return -1;
        Image screen;
        screenshot(x.name(), shot);
        if (screen.load(shot) && matchShare(screen, menu, 0, 0, 480) > 0.8)
            return elapsed;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
}

const char* const kDefaultFile =
    "[screen_resolution]\n2\n[fullscreen]\n1\n[key_left]\n82\n[key_right]\n83\n"
    "[key_up]\n84\n[key_down]\n85\n[key_fire1]\n26\n[key_fire2]\n24\n[key_fire3]\n3";

}  // namespace

TEST(EndToEnd, FirstStartWritesTheDefaultsAndShowsTheIntroCentred)
{
    TempDir dir;
    linkData(dir.path());
    Xvfb x(1024, 768);
    GameProcess game(dir.path(), x.name());
    ASSERT_FALSE(waitForWindow(x.name(), "^twinguard$", 10).empty());
    const Box text = waitForText(x, dir.file("intro.png"), 40);
    ASSERT_FALSE(text.empty()) << "the intro text never showed";
    EXPECT_NEAR(text.centreX(), 512, 4);
    EXPECT_NEAR(text.centreY(), 384, 6);
    EXPECT_GT(text.width(), 120);
    EXPECT_EQ(readFile(dir.file("config.cfg")), kDefaultFile);
    // Left alone, the intro gives way to the menu after 200 ticks (3.3 s) and a fade.
    const double toMenu = secondsToMenu(x, dir.file("after.png"), 10);
    EXPECT_GT(toMenu, 2.5) << "the intro should stay for its 200 ticks";
    EXPECT_TRUE(game.running());
}

TEST(EndToEnd, WindowedConfigurationOpensA1024By768WindowAndKeepsTheFile)
{
    TempDir dir;
    linkData(dir.path());
    writeFile(dir.file("config.cfg"), "[fullscreen]\n0\n");
    Xvfb x(1280, 1024);
    GameProcess game(dir.path(), x.name());
    const std::string window = waitForWindow(x.name(), "^twinguard$", 10);
    ASSERT_FALSE(window.empty());
    const std::string geometry =
        run("DISPLAY=" + x.name() + " xdotool getwindowgeometry " + window);
    EXPECT_NE(geometry.find("1024x768"), std::string::npos) << geometry;
    const Box text = waitForText(x, dir.file("intro.png"), 40);
    ASSERT_FALSE(text.empty());
    EXPECT_GT(text.width(), 120);
    EXPECT_EQ(readFile(dir.file("config.cfg")), "[fullscreen]\n0\n");
}

TEST(EndToEnd, ConfirmKeyLeavesTheIntroAtOnce)
{
    TempDir dir;
    linkData(dir.path());
    Xvfb x(1024, 768);
    GameProcess game(dir.path(), x.name());
    const std::string window = waitForWindow(x.name(), "^twinguard$", 10);
    ASSERT_FALSE(window.empty());
    ASSERT_FALSE(waitForText(x, dir.file("intro.png"), 40).empty());
    pressKey(x.name(), window, "Return");
    const double toMenu = secondsToMenu(x, dir.file("after.png"), 10);
    EXPECT_GE(toMenu, 0) << "no menu after the intro";
    EXPECT_LT(toMenu, 2.5) << "confirm should leave the intro at once, before its 3.3 s";
}

TEST(EndToEnd, MissingEngineFontShowsTheErrorBoxAndExitsWithStatus1)
{
    TempDir dir;
    run("mkdir -p '" + dir.file("data") + "'");  // a data directory without its font
    writeFile(dir.file("config.cfg"), "[fullscreen] 0");
    Xvfb x(1024, 768);
    GameProcess game(dir.path(), x.name());
    const std::string box = waitForWindow(x.name(), "^Error$", 10);
    ASSERT_FALSE(box.empty()) << "no error box appeared";
    EXPECT_TRUE(game.running()) << "the box must block until it is closed";
    run("DISPLAY=" + x.name() + " xdotool windowfocus --sync " + box + " key Return");
    EXPECT_EQ(game.waitExit(10), 1);
    EXPECT_EQ(game.stderrText(), "Font file 'data/font.tga' not found!\n");
}

TEST(EndToEnd, WithoutAnXDisplayTheDisplayFailureEndsWithStatus1)
{
    TempDir dir;
    linkData(dir.path());
    GameProcess game(dir.path(), "");
    EXPECT_EQ(game.waitExit(10), 1);
    EXPECT_EQ(game.stderrText(), "Failed to create display!\n");
}

TEST(EndToEnd, BrokenDataStopsTheStartWithItsFilesMessage)
{
    struct Case {
        const char* label;
        const char* spoil;  // a shell command run in the copied data directory
        const char* message;
    };
    const Case cases[] = {
        {"a missing sound, after the stages and music", "rm sounds/metal_hit.ogg",
         "File 'data/sounds/metal_hit.ogg' not found or bad audio format!"},
        {"a stage table asking for more craft than a pool holds",
         "sed -i '2s/^Hunter  [0-9]*/Hunter  26/' stages/4/data.dat",
         "File 'data/stages/4/data.dat' is malformed!"},
        {"a missing tile map", "rm stages/11/lh.map", "File 'data/stages/11/lh.map' not found!"},
        {"a sheet without its description", "rm objects/icons.dat",
         "File 'data/objects/icons.dat' not found!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        TempDir dir;
        int status = 0;
        run("cp -r '" DATA_DIR "' '" + dir.file("data") + "' && cd '" + dir.file("data") +
                "' && " + c.spoil,
            &status);
        ASSERT_EQ(status, 0);
        writeFile(dir.file("config.cfg"), "[fullscreen] 0");
        Xvfb x(1024, 768);
        GameProcess game(dir.path(), x.name());
        const std::string box = waitForWindow(x.name(), "^Error$", 40);
        ASSERT_FALSE(box.empty()) << "no error box appeared";
        run("DISPLAY=" + x.name() + " xdotool windowfocus --sync " + box + " key Return");
        EXPECT_EQ(game.waitExit(10), 1);
        EXPECT_EQ(game.stderrText(), std::string(c.message) + "\n");
    }
}
