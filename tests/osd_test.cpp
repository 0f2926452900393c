// The panel along the bottom: what it shows of the base, and its radar.
#include "combat/Cruiser.h"
#include "combat/Hunter.h"
#include "combat/MissileLauncher.h"
#include "combat/Bullet.h"
#include "combat/Cannon.h"
#include "combat/Player.h"
#include "combat/Shield.h"
#include "engine/ZE_Display.h"
#include "game/Game.h"
#include "game/Osd.h"
#include "game/Stage.h"

#include "support/GameHarness.h"

#include <allegro5/allegro.h>
#include <gtest/gtest.h>

#include <map>
#include <utility>

using testsupport::GameHarness;

namespace {

// The panel's texts by their place on it.
std::map<std::pair<int, int>, std::string> textsOf(Osd& osd)
{
    osd.layout();
    std::map<std::pair<int, int>, std::string> texts;
    for (int i = 0; i < osd.getTextCount(); ++i)
        texts[std::make_pair(osd.getText(i).dx, osd.getText(i).dy)] = osd.getText(i).text;
    return texts;
}

// A new game's base, not yet in a wave.
void freshBase(GameHarness& h)
{
    h.game().setState(STATE_START);
    h.frames();
}

struct Rgb {
    int r, g, b;
};

Rgb pixelAt(int x, int y)
{
    unsigned char r, g, b;
    al_unmap_rgb(al_get_pixel(al_get_backbuffer(al_get_current_display()), x, y), &r, &g, &b);
    return {r, g, b};
}

bool isWhite(Rgb p) { return p.r == 255 && p.g == 255 && p.b == 255; }

// A dot drawn at whole-number coordinates lands on one of the pixels meeting at that corner.
bool whiteNear(int x, int y)
{
    for (int dy = -1; dy <= 0; ++dy)
        for (int dx = -1; dx <= 0; ++dx)
            if (isWhite(pixelAt(x + dx, y + dy)))
                return true;
    return false;
}

}  // namespace

TEST(Osd, AFreshBaseShowsItsReadings)
{
    GameHarness h;
    freshBase(h);
    Osd& osd = *h.game().getOsd();
    const auto texts = textsOf(osd);
    const int L = 23;  // the panel font's 20-pixel lines plus 3
    struct Item {
        int dx, dy;
        const char* text;
    };
    const Item items[] = {
        {3, 5, "SCORE 0"},           {228, 5, "COINS 0"},
        {984, 5, "---"},             {984, L + 5, "---"},
        {984, 2 * L + 5, "OFF"},     {984, 3 * L + 5, "OFF"},
        {363, 5, "1. BASIC CANNON"}, {429, L + 3, "*32"},
        {497, L + 3, "---"},         {547, 5, "2. NO CANNON"},
        {228, L + 5, "500/500"},     {168, 2 * L + 5, "---/---"},
        {292, 2 * L + 5, "-/MIN"},   {168, 3 * L + 5, "1000/1000"},
        {292, 3 * L + 5, "13/SEC"},  {518, 3 * L + 5, "---"},
    };
    for (const Item& item : items) {
        const auto found = texts.find({item.dx, item.dy});
        ASSERT_NE(found, texts.end()) << "nothing at " << item.dx << ", " << item.dy;
        EXPECT_EQ(found->second, item.text) << "at " << item.dx << ", " << item.dy;
    }
    EXPECT_EQ(texts.size(), sizeof items / sizeof items[0])
        << "the empty second cannon shows no turn rate or sight";
    EXPECT_EQ(osd.getIconFrame(0), 1);
    EXPECT_EQ(osd.getIconFrame(1), -1);

    struct BarCase {
        int dx, dy, width, r, g, b;
    };
    const BarCase bars[] = {{25, 27, 200, 0, 200, 0}, {25, 73, 140, 180, 0, 0}};
    ASSERT_EQ(osd.getBarCount(), 2) << "no shield and no launcher: only hull and cargo";
    for (int i = 0; i < 2; ++i) {
        const Osd::Bar& bar = osd.getBar(i);
        EXPECT_EQ(bar.dx, bars[i].dx);
        EXPECT_EQ(bar.dy, bars[i].dy);
        EXPECT_EQ(bar.width, bars[i].width);
        EXPECT_EQ(bar.r, bars[i].r);
        EXPECT_EQ(bar.g, bars[i].g);
        EXPECT_EQ(bar.b, bars[i].b);
    }
}

TEST(Osd, BoughtEquipmentShowsOnThePanel)
{
    GameHarness h;
    freshBase(h);
    Game& game = h.game();
    Player* player = game.getPlayer();
    Osd& osd = *game.getOsd();
    const int L = 23;

    player->setRadarEnable(true);
    player->incRadarRange();
    player->setScanEnemiesRemaining(true);
    game.setRemainingEnemies(17);
    player->activateShield(true);
    player->setShieldRechargeStep(1800);
    player->setShieldHealth(150);
    player->setHealth(250);
    player->getMissileLauncher()->setWeapon(-2);
    player->getMissileLauncher()->setReloadCount(600);
    auto texts = textsOf(osd);
    EXPECT_EQ(texts[std::make_pair(984, 5)], "*1.1");
    EXPECT_EQ(texts[std::make_pair(984, L + 5)], "17");
    EXPECT_EQ(texts[std::make_pair(168, 2 * L + 5)], "150/200");
    EXPECT_EQ(texts[std::make_pair(292, 2 * L + 5)], "2/MIN");
    EXPECT_EQ(texts[std::make_pair(228, L + 5)], "250/500");
    EXPECT_EQ(texts[std::make_pair(518, 3 * L + 5)], "*2");  // 14 - 1200 / 100
    ASSERT_EQ(osd.getBarCount(), 4);
    EXPECT_EQ(osd.getBar(0).width, 100);  // hull 250 of 500 over 200 pixels
    EXPECT_EQ(osd.getBar(1).width, 105);  // shield 150 of 200 over 140
    EXPECT_EQ(osd.getBar(3).width, 55);   // reload 600 of 1200 over 110
    EXPECT_EQ(osd.getBar(3).b, 200);

    // A collapsed shield: no bar, 0 of its maximum, and "0/MIN" a pixel further right.
    Shield* shield = player->getShield();
    Bullet* bullet = player->getCannon(0)->getBulletsP()[0];
    bullet->setDamage(1000);
    shield->hit(bullet);
    for (int i = 0; i < 100 && !shield->getDown(); ++i)
        shield->run();
    ASSERT_TRUE(player->getShieldDown());
    ASSERT_FALSE(player->isShieldEnable());
    texts = textsOf(osd);
    EXPECT_EQ(texts[std::make_pair(168, 2 * L + 5)], "0/200");
    EXPECT_EQ(texts[std::make_pair(293, 2 * L + 5)], "0/MIN");
    EXPECT_EQ(texts.count(std::make_pair(292, 2 * L + 5)), 0u);
    ASSERT_EQ(osd.getBarCount(), 3);
    EXPECT_EQ(osd.getBar(1).dy, 73) << "the second bar is the cargo's";
}


TEST(Osd, RadarOffShowsADarkScreenWithItsMarks)
{
    GameHarness h;
    freshBase(h);
    Osd& osd = *h.game().getOsd();
    ZE_Display* display = h.game().getDisplay();
    display->restoreTarget();
    al_clear_to_color(al_map_rgb(255, 0, 0));
    osd.drawRadar();
    struct Spot {
        int x, y;
        Rgb colour;
    };
    const Spot spots[] = {
        {731, 678, {6, 6, 6}},       {957, 765, {6, 6, 6}},       {800, 720, {6, 6, 6}},
        {735, 682, {160, 160, 160}}, {736, 721, {160, 160, 160}}, {735, 729, {160, 160, 160}},
        {954, 750, {160, 160, 160}}, {729, 700, {255, 0, 0}},     {960, 700, {255, 0, 0}},
    };
    for (const Spot& s : spots) {
        const Rgb p = pixelAt(s.x, s.y);
        EXPECT_EQ(p.r, s.colour.r) << s.x << ", " << s.y;
        EXPECT_EQ(p.g, s.colour.g) << s.x << ", " << s.y;
        EXPECT_EQ(p.b, s.colour.b) << s.x << ", " << s.y;
    }
}

TEST(Osd, RadarMapsTheStageIntoItsBox)
{
    GameHarness h;
    freshBase(h);
    Game& game = h.game();
    Player* player = game.getPlayer();
    Osd& osd = *game.getOsd();
    Stage* stage = game.getStage(0);
    const float mapW = static_cast<float>(stage->getMapWidth(1));
    const float mapH = static_cast<float>(stage->getMapHeight(1));
    player->setRadarEnable(true);
    for (int i = 0; i < Game::kHunters; ++i)
        game.getHunter(i)->setEnable(false);
    for (int i = 0; i < Game::kCruisers; ++i)
        game.getCruiser(i)->setEnable(false);
    Hunter* corner = game.getHunter(3);
    Hunter* above = game.getHunter(7);
    Cruiser* parked = game.getCruiser(4);
    corner->setEnable(true);
    corner->setX(mapW);
    corner->setY(mapH);
    above->setEnable(true);
    above->setX(mapW / 2);
    above->setY(-40);
    parked->setEnable(false);  // disabled craft are not shown wherever they are
    parked->setX(mapW / 4);
    parked->setY(mapH / 2);
    player->setX(-500);  // outside the box: its dot is drawn all the same
    player->setY(mapH / 2);

    ZE_Display* display = game.getDisplay();
    auto drawRadar = [&]() {
        display->restoreTarget();
        al_clear_to_color(al_map_rgb(0, 0, 0));
        osd.drawRadar();
    };
    drawRadar();
    EXPECT_TRUE(whiteNear(958, 766)) << "the map's bottom-right corner at range 1.0";
    EXPECT_FALSE(whiteNear(730 + 114, 677 - 1)) << "craft above the map are not shown";
    EXPECT_FALSE(whiteNear(730 + 57, 677 + 44)) << "disabled craft are not shown";
    int dots = 0;
    for (int y = 600; y < 768; ++y)
        for (int x = 0; x < 1024; ++x)
            dots += isWhite(pixelAt(x, y)) ? 1 : 0;
    EXPECT_EQ(dots, 2) << "the corner craft and the base";
    // The view frame: green, from the mapped scroll, as wide as the screen's share.
    const float sx = 228.0f / mapW;
    const int frameLeft = static_cast<int>(730 + stage->getScrollX() * sx + 0.5f);
    const Rgb frame = pixelAt(frameLeft, 700);
    EXPECT_EQ(frame.g, 200) << "the view frame's left side at x " << frameLeft;

    player->incRadarRange();
    drawRadar();
    EXPECT_FALSE(whiteNear(958, 766));
    // About 21 pixels left of the box's right edge now.
    int found = -1;
    const int cornerY = static_cast<int>(677 + 89 / 1.1f);
    for (int x = 930; x < 958 && found < 0; ++x)
        if (whiteNear(x, cornerY) || whiteNear(x, cornerY + 1))
            found = x;
    EXPECT_NEAR(found, 958 - 21, 2);
}
