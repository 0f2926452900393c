// A whole game with the real binary and real key presses: from the intro through a wave, the
// results, the shop and back to the menu's exit. Every screen is kept as a screenshot in
// build/e2e-shots/ for a look.
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <thread>

using namespace testsupport;

namespace {

const std::string kShots = std::string(DATA_DIR) + "/../e2e-shots/";

// Bands of rows holding bright pixels: the text lines of a black screen.
int textBands(const Image& image, int* firstRow = nullptr)
{
    int bands = 0;
    bool inBand = false;
    for (int y = 0; y < image.height; ++y) {
        bool bright = false;
        for (int x = 0; x < image.width && !bright; ++x)
            bright = image.brightness(x, y) > 160;
        if (bright && !inBand) {
            ++bands;
            if (firstRow && bands == 1)
                *firstRow = y;
        }
        inBand = bright;
    }
    return bands;
}

double darkShare(const Image& image)
{
    long dark = 0;
    for (int y = 0; y < image.height; y += 2)
        for (int x = 0; x < image.width; x += 2)
            dark += image.brightness(x, y) < 20 ? 1 : 0;
    return static_cast<double>(dark) / ((image.height / 2) * (image.width / 2));
}

class WholeGame : public ::testing::Test {
protected:
    void SetUp() override
    {
        run("mkdir -p '" + kShots + "'");
        linkData(dir.path());
        writeFile(dir.file("config.cfg"), "[fullscreen] 0\n[debug] 1\n");
        ASSERT_TRUE(menu.load(std::string(DATA_DIR) + "/menu.png"));
        ASSERT_TRUE(shop.load(std::string(DATA_DIR) + "/shop.png"));
        ASSERT_TRUE(panel.load(std::string(DATA_DIR) + "/osd.png"));
        ASSERT_TRUE(loader.load(std::string(DATA_DIR) + "/loader.png"));
    }

    // Screenshots until the screen passes the check; the last one is kept under `name`.
    bool waitFor(const std::string& name, const std::function<bool(const Image&)>& check,
                 double seconds = 8)
    {
        const auto end =
            std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
        const std::string path = kShots + name + ".png";
        while (std::chrono::steady_clock::now() < end) {
            screenshot(x.name(), path);
            if (last.load(path) && check(last))
                return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(150));
        }
        return false;
    }

    void key(const std::string& name) { pressKey(x.name(), window, name); }

    TempDir dir;
    Xvfb x{1024, 768};
    Image menu, shop, panel, loader, last;
    std::string window;
};

}  // namespace

TEST_F(WholeGame, FromTheIntroThroughAWaveAndTheShopToTheExit)
{
    GameProcess game(dir.path(), x.name());
    window = waitForWindow(x.name(), "^twinguard$", 15);
    ASSERT_FALSE(window.empty());

    // The loading screen: its picture under a white progress bar and the text below it.
    auto isLoading = [&](const Image& s) {
        return matchShare(s, loader, 0, 120, 768) > 0.8 && s.brightness(4, 10) > 240 &&
               s.countBright(0, 25, 300, 45, 200) > 50;
    };
    auto isIntro = [&](const Image& s) {
        int top = 0;
        return textBands(s, &top) == 1 && top > 360 && top < 390;
    };
    auto isMenu = [&](const Image& s) { return matchShare(s, menu, 0, 0, 480) > 0.8; };
    auto isPrologue = [&](const Image& s) { return darkShare(s) > 0.9 && textBands(s) == 5; };
    auto isStageMap = [&](const Image& s) {
        const int p = (s.width * 300 + 1) * 3;  // x 1, y 300: between the slots
        return s.rgb[p] == 69 && s.rgb[p + 1] == 78 && s.rgb[p + 2] == 91;
    };
    auto isBanner = [&](const Image& s) {
        int top = 0;
        return darkShare(s) > 0.95 && textBands(s, &top) == 1 && top > 300 && top < 340;
    };
    auto isPlay = [&](const Image& s) { return matchShare(s, panel, 672, 672, 768) > 0.6; };
    auto isResults = [&](const Image& s) { return darkShare(s) > 0.9 && textBands(s) >= 6; };
    auto isShop = [&](const Image& s) { return matchShare(s, shop, 0, 0, 500) > 0.5; };

    ASSERT_TRUE(waitFor("00-loading", isLoading, 40));
    ASSERT_TRUE(waitFor("01-intro", isIntro, 40));
    key("Return");
    ASSERT_TRUE(waitFor("02-menu", isMenu));
    key("Down");
    key("Down");
    key("Return");
    ASSERT_TRUE(waitFor("03-prologue", isPrologue));
    key("Return");
    ASSERT_TRUE(waitFor("04-stage-map", isStageMap));
    key("Return");
    ASSERT_TRUE(waitFor("05-banner", isBanner));
    key("Return");
    ASSERT_TRUE(waitFor("06-play", isPlay));
    key("F6");  // debug: the wave ends at once
    ASSERT_TRUE(waitFor("07-results", isResults));
    key("Down");
    key("Return");
    ASSERT_TRUE(waitFor("08-shop", isShop));

    // Buy the basic cannon (the cursor starts on it): its name appears in the inventory's
    // first slot, where "EMPTY!" stood.
    const int emptySlot = last.countBright(300, 525, 450, 580, 128);
    key("Return");
    ASSERT_TRUE(waitFor("09-shop-bought", [&](const Image& s) {
        return isShop(s) && s.countBright(300, 525, 450, 580, 128) > emptySlot + 100;
    }));
    for (int i = 0; i < 5; ++i)
        key("Down");  // four rows down to cell 16, then the exit
    key("Return");
    ASSERT_TRUE(waitFor("10-banner-wave-2", isBanner));
    key("Return");
    ASSERT_TRUE(waitFor("11-play-wave-2", isPlay));
    key("Escape");
    ASSERT_TRUE(waitFor("12-menu-again", isMenu));
    key("Down");
    key("Down");
    key("Down");
    key("Return");
    EXPECT_EQ(game.waitExit(10), 0) << game.stderrText();
}
