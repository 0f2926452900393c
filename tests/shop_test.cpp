// The shop: purchases of weapons and items, equip and sell, the messages, the cursor's moves
// through the catalogue, the inventory buttons and the exit.
#include "combat/Bullet.h"
#include "combat/Cannon.h"
#include "combat/Hunter.h"
#include "combat/MissileLauncher.h"
#include "combat/Player.h"
#include "combat/Shield.h"
#include "game/Game.h"
#include "shop/Item.h"

#include "support/GameHarness.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using testsupport::GameHarness;

namespace {

enum Cell {
    BASIC = 0,
    FAST = 1,
    LASER = 2,
    SHELL_CANNON = 6,
    RADAR = 7,
    SHIELDS = 8,
    HULL = 9,
    TARGETTING = 10,
    CARGO = 11,
    SCAN = 12,
    REPAIR_HULL = 13,
    REPAIR_SHIELDS = 14,
    ROTATE = 15,
    MISSILES = 16,
};

const char* const kStored = "ITEM STORED IN THE INVENTORY!";
const char* const kFull = "INVENTORY FULL, YOU CAN NOT BUY THIS ITEM!";
const char* const kWelcome = "WELCOME TO ZAV URO SHOP!";
const char* const kNoCoins = "INSUFFICENT COINS, YOU CAN NOT PURCHASE THE ITEM!";

// A new game's base in the shop, in the middle of a stage.
Player* freshShop(GameHarness& h, int coins, const std::vector<int>& inventory)
{
    Game& game = h.game();
    game.setState(STATE_START);
    h.frames();
    game.setCurrentWave(3);
    Player* player = game.getPlayer();
    for (int weapon : inventory)
        EXPECT_TRUE(player->addToInventory(weapon));
    game.setCoins(coins);
    game.setMenuCursor(0);
    game.setState(STATE_SHOP);
    h.frames();
    return player;
}

std::vector<int> inventoryOf(Player* player)
{
    return std::vector<int>(player->getInventoryP(), player->getInventoryP() + 4);
}

// The shield emptied by an enemy bullet and faded out: collapsed, no longer shown.
void collapseShield(Game& game, Player* player)
{
    Bullet* bullet = game.getHunter(0)->getCannon(0)->getBulletsP()[0];
    bullet->setDamage(10000);
    player->getShield()->hit(bullet);
    for (int i = 0; i < 200 && !player->getShieldDown(); ++i)
        player->getShield()->run();
    ASSERT_TRUE(player->getShieldDown());
    ASSERT_FALSE(player->isShieldEnable());
}

// The cell under the cursor is bought with a confirm key.
std::string buy(GameHarness& h, int cursor, int key = ALLEGRO_KEY_ENTER)
{
    h.game().setMenuCursor(cursor);
    h.frames();
    const std::string before = h.game().getMessage();
    h.press(key);
    return before;
}

}  // namespace

// Rows: the coins and base before, the cell or button confirmed, the coins after, the message
// (none: the line keeps what it showed) and what the base holds afterwards.
TEST(Shop, PurchasesFromGivenStates)
{
    using Check = std::function<void(Game&, Player*)>;
    struct Case {
        const char* name;
        int coins;
        std::vector<int> inventory;
        Check setup;
        int cursor;
        int coinsAfter;
        const char* message;  // nullptr: no message shown
        Check check;
    };
    const Check none = [](Game&, Player*) {};
    const Case cases[] = {
        {"499 coins for the basic cannon", 499, {}, none, BASIC, 499, kNoCoins,
         [](Game&, Player* p) { EXPECT_EQ(p->countInventory(), 0); }},
        {"500 coins for the basic cannon", 500, {}, none, BASIC, 0, kStored,
         [](Game&, Player* p) {
             EXPECT_EQ(inventoryOf(p), (std::vector<int>{0, -1, -1, -1}));
         }},
        {"the same weapon twice", 4000, {1}, none, FAST, 2000, kStored,
         [](Game&, Player* p) {
             EXPECT_EQ(inventoryOf(p), (std::vector<int>{1, 1, -1, -1}));
         }},
        {"a fifth weapon", 100000, {1, 2, 3, 4}, none, FAST, 100000, kFull,
         [](Game&, Player* p) {
             EXPECT_EQ(inventoryOf(p), (std::vector<int>{1, 2, 3, 4}));
         }},
        {"equip on cannon 1 swaps with the basic cannon", 50, {2, 3}, none, 17, 50, nullptr,
         [](Game& g, Player* p) {
             EXPECT_EQ(p->getCurrentWeapon(0), 2);
             EXPECT_EQ(p->getCannon(0)->getReloadTime(), 6);
             EXPECT_EQ(inventoryOf(p), (std::vector<int>{3, 0, -1, -1}));
             EXPECT_EQ(g.getMenuCursor(), 17);
         }},
        {"equip the second slot on cannon 1", 50, {2, 3}, none, 20, 50, nullptr,
         [](Game& g, Player* p) {
             EXPECT_EQ(p->getCurrentWeapon(0), 3);
             EXPECT_EQ(inventoryOf(p), (std::vector<int>{2, 0, -1, -1}));
             EXPECT_EQ(g.getMenuCursor(), 17);
         }},
        {"equip on the empty cannon 2", 50, {2, 3}, none, 18, 50, nullptr,
         [](Game& g, Player* p) {
             EXPECT_EQ(p->getCurrentWeapon(0), 0);
             EXPECT_EQ(p->getCurrentWeapon(1), 2);
             EXPECT_EQ(p->getCannon(1)->getReloadTime(), 6);
             EXPECT_EQ(inventoryOf(p), (std::vector<int>{3, -1, -1, -1}));
             EXPECT_EQ(g.getMenuCursor(), 17);
         }},
        {"sell the only weapon", 100, {6}, none, 19, 100 + 2400, nullptr,
         [](Game& g, Player* p) {
             EXPECT_EQ(p->countInventory(), 0);
             EXPECT_EQ(g.getMenuCursor(), 17) << "now the exit";
             EXPECT_EQ(p->getCurrentWeapon(0), 0);
         }},
        {"sell the second slot", 0, {1, 2, 3}, none, 22, 1200, nullptr,
         [](Game&, Player* p) {
             EXPECT_EQ(inventoryOf(p), (std::vector<int>{1, 3, -1, -1}));
         }},
        {"repair an undamaged hull", 5000, {}, none, REPAIR_HULL, 5000, "HULL IS NOT DAMAGED!",
         [](Game&, Player* p) { EXPECT_EQ(p->getHealth(), 500); }},
        {"repair 450 of 500", 5000, {}, [](Game&, Player* p) { p->setHealth(450); },
         REPAIR_HULL, 3500, nullptr, [](Game&, Player* p) { EXPECT_EQ(p->getHealth(), 500); }},
        {"repair 300 of 500", 1500, {}, [](Game&, Player* p) { p->setHealth(300); },
         REPAIR_HULL, 0, nullptr, [](Game&, Player* p) { EXPECT_EQ(p->getHealth(), 400); }},
        {"repair a hull with too few coins", 1499, {},
         [](Game&, Player* p) { p->setHealth(300); }, REPAIR_HULL, 1499, kNoCoins,
         [](Game&, Player* p) { EXPECT_EQ(p->getHealth(), 300); }},
        {"repair shields never bought", 5000, {}, none, REPAIR_SHIELDS, 5000,
         "SHIELDS DISABLED, ENABLE SHIELDS FIRST!",
         [](Game&, Player* p) { EXPECT_FALSE(p->isShieldEnable()); }},
        {"repair full shields", 5000, {}, [](Game&, Player* p) { p->activateShield(true); },
         REPAIR_SHIELDS, 5000, "MAXIMUM SHIELDS POWER!",
         [](Game&, Player* p) { EXPECT_EQ(p->getShieldHealth(), 200); }},
        {"repair shields at 150 of 200", 5000, {},
         [](Game&, Player* p) {
             p->activateShield(true);
             p->setShieldHealth(150);
         },
         REPAIR_SHIELDS, 4000, nullptr,
         [](Game&, Player* p) { EXPECT_EQ(p->getShieldHealth(), 200); }},
        {"repair a collapsed shield", 1000, {},
         [](Game& g, Player* p) {
             p->activateShield(true);
             collapseShield(g, p);
         },
         REPAIR_SHIELDS, 0, nullptr,
         [](Game&, Player* p) {
             EXPECT_EQ(p->getShieldHealth(), 80);
             EXPECT_TRUE(p->isShieldEnable());
         }},
        {"first shields", 2000, {}, none, SHIELDS, 0, nullptr,
         [](Game&, Player* p) {
             EXPECT_TRUE(p->isShieldEnable());
             EXPECT_EQ(p->getShieldHealth(), 200);
             EXPECT_EQ(p->getShieldMaxHealth(), 200);
             EXPECT_EQ(p->getShieldRechargeStep(), 3600);
             EXPECT_TRUE(p->getShield()->getRechargeEnable());
             EXPECT_EQ(p->getItemsP()[1]->getClicks(), 1);
         }},
        {"second shields", 3000, {},
         [](Game&, Player* p) {
             p->activateShield(true);
             p->setShieldHealth(37);
             p->setShieldRechargeStep(3600);
             p->getItemsP()[1]->setClicks(1);
         },
         SHIELDS, 0, nullptr,
         [](Game&, Player* p) {
             EXPECT_EQ(p->getShieldMaxHealth(), 220);
             EXPECT_EQ(p->getShieldHealth(), 220);
             EXPECT_EQ(p->getShieldRechargeStep(), 1800);
             EXPECT_EQ(p->getItemsP()[1]->getClicks(), 2);
         }},
        {"second shields with 2999 coins", 2999, {},
         [](Game&, Player* p) {
             p->activateShield(true);
             p->getItemsP()[1]->setClicks(1);
         },
         SHIELDS, 2999, kNoCoins,
         [](Game&, Player* p) {
             EXPECT_EQ(p->getShieldMaxHealth(), 200);
             EXPECT_EQ(p->getItemsP()[1]->getClicks(), 1);
         }},
        {"first radar", 500, {}, none, RADAR, 0, nullptr,
         [](Game&, Player* p) {
             EXPECT_TRUE(p->isRadarEnable());
             EXPECT_FLOAT_EQ(p->getRadarRange(), 1.0f);
         }},
        {"second radar", 750, {}, [](Game&, Player* p) { p->getItemsP()[0]->setClicks(1); },
         RADAR, 0, nullptr,
         [](Game&, Player* p) { EXPECT_FLOAT_EQ(p->getRadarRange(), 1.1f); }},
        {"hull armour", 3000, {}, [](Game&, Player* p) { p->setHealth(120); }, HULL, 0,
         nullptr,
         [](Game&, Player* p) {
             EXPECT_EQ(p->getMaxHealth(), 550);
             EXPECT_EQ(p->getHealth(), 550);
             EXPECT_EQ(p->getItemsP()[2]->getClicks(), 2);
         }},
        {"targetting", 2000, {}, none, TARGETTING, 0, nullptr,
         [](Game&, Player* p) {
             EXPECT_TRUE(p->getCannon(0)->getEnableTargetting());
             EXPECT_TRUE(p->getCannon(1)->getEnableTargetting());
             EXPECT_EQ(p->getCannon(0)->getTargettingRange(), 32);
         }},
        {"targetting range", 3000, {},
         [](Game&, Player* p) { p->getItemsP()[3]->setClicks(1); }, TARGETTING, 0, nullptr,
         [](Game&, Player* p) {
             EXPECT_EQ(p->getCannon(0)->getTargettingRange(), 48);
             EXPECT_EQ(p->getCannon(1)->getTargettingRange(), 48);
         }},
        {"cargo capacity", 1500, {}, none, CARGO, 0, nullptr,
         [](Game&, Player* p) {
             EXPECT_EQ(p->getMaxCargo(), 1080);
             EXPECT_EQ(p->getDecayStep(), 6);
         }},
        {"cannon rotation", 750, {}, none, ROTATE, 0, nullptr,
         [](Game&, Player* p) {
             EXPECT_FLOAT_EQ(p->getCannon(0)->getRotationSpeed(), 0.28f);
             EXPECT_FLOAT_EQ(p->getCannon(1)->getRotationSpeed(), 0.28f);
         }},
        {"missile launcher", 8000, {}, none, MISSILES, 0, nullptr,
         [](Game&, Player* p) {
             EXPECT_NE(p->getMissileLauncher()->getWeapon(), -1);
             EXPECT_EQ(p->getMissileLauncher()->getReloadTime(), 1200);
         }},
    };
    GameHarness h;
    Game& game = h.game();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Player* player = freshShop(h, c.coins, c.inventory);
        c.setup(game, player);
        const std::string before = buy(h, c.cursor);
        EXPECT_EQ(game.getState(), STATE_SHOP);
        EXPECT_EQ(game.getCoins(), c.coinsAfter);
        if (c.message)
            EXPECT_EQ(game.getMessage(), c.message);
        else
            EXPECT_EQ(game.getMessage(), before) << "no message";
        c.check(game, player);
    }
}

TEST(Shop, ThreeEnemyScansCompleteTheScan)
{
    GameHarness h;
    Game& game = h.game();
    Player* player = freshShop(h, 2000 + 3000 + 4000 + 10000, {});
    Item* scan = player->getItemsP()[5];
    buy(h, SCAN);
    EXPECT_TRUE(player->getScanEnemiesRemaining());
    EXPECT_FALSE(player->getScanEnemiesHealth());
    EXPECT_EQ(scan->getDescription(1), "HEALTH");
    buy(h, SCAN);
    EXPECT_TRUE(player->getScanEnemiesHealth());
    EXPECT_FALSE(player->getScanEnemiesShields());
    EXPECT_EQ(scan->getDescription(1), "SHIELDS");
    const std::string before = buy(h, SCAN);
    EXPECT_TRUE(player->getScanEnemiesShields());
    EXPECT_EQ(game.getCoins(), 10000);
    EXPECT_EQ(game.getMessage(), before) << "a purchase shows no message";
    EXPECT_EQ(scan->getDescription(0), "SCAN COMPLETE!");
    EXPECT_GT(scan->getClicks(), scan->getMaxClicks()) << "sold out";
    // Sold out: with the coins nothing happens, without them the coins message.
    const std::string soldOut = buy(h, SCAN);
    EXPECT_EQ(game.getCoins(), 10000);
    EXPECT_EQ(game.getMessage(), soldOut);
    EXPECT_EQ(scan->getClicks(), 3);
    game.setCoins(10);
    buy(h, SCAN);
    EXPECT_EQ(game.getCoins(), 10);
    EXPECT_EQ(game.getMessage(), kNoCoins);
}

TEST(Shop, ElevenMissileLaunchersLeaveAReloadOf200Frames)
{
    GameHarness h;
    Game& game = h.game();
    int total = 0;
    for (int level = 0; level < 11; ++level)
        total += 8000 + 4000 * level;
    ASSERT_EQ(total, 308000);
    Player* player = freshShop(h, total, {});
    MissileLauncher* launcher = player->getMissileLauncher();
    ASSERT_EQ(launcher->getWeapon(), -1);
    for (int i = 0; i < 11; ++i)
        buy(h, MISSILES, ALLEGRO_KEY_C);
    EXPECT_EQ(game.getCoins(), 0);
    EXPECT_NE(launcher->getWeapon(), -1);
    EXPECT_EQ(launcher->getReloadTime(), 200);
    EXPECT_EQ(launcher->getReloadCount(), 200) << "ready on its next frame";
    EXPECT_EQ(player->getItemsP()[9]->getClicks(), 11);
    game.setCoins(1000000);
    buy(h, MISSILES);
    EXPECT_EQ(launcher->getReloadTime(), 200);
    EXPECT_EQ(game.getCoins(), 1000000);
}

TEST(Shop, TheMessageLineShowsTheWelcomeWhenTheTimerIsOff)
{
    GameHarness h;
    Game& game = h.game();
    freshShop(h, 0, {});
    // The message stays for 180 ticks (3 s), then the welcome comes back.
    const double start = al_get_time();
    buy(h, BASIC);
    EXPECT_EQ(game.getMessage(), kNoCoins);
    while (game.getMessage() != kWelcome && al_get_time() - start < 8.0) {
        h.frames();
        al_rest(0.01);
    }
    const double shown = al_get_time() - start;
    EXPECT_EQ(game.getMessage(), kWelcome);
    EXPECT_GT(shown, 180 / 60.0);
    EXPECT_LT(shown, 6.0);
}

TEST(Shop, TheExitLeadsToTheNextWaveOrStage)
{
    GameHarness h;
    Game& game = h.game();
    freshShop(h, 0, {1});
    game.setMenuCursor(20);  // the exit behind one slot
    h.press(ALLEGRO_KEY_SPACE);
    EXPECT_EQ(game.getState(), STATE_START_WAVE);
    EXPECT_EQ(game.getMenuCursor(), 0);

    freshShop(h, 0, {});
    game.setCurrentWave(0);
    game.setMenuCursor(17);
    h.press(ALLEGRO_KEY_ENTER);
    EXPECT_EQ(game.getState(), STATE_START_STAGE);
}

// Rows: the cursor before, the key, the number of weapons in the inventory, the cursor after.
TEST(Shop, CursorMovesThroughTheThreeZones)
{
    struct Move {
        int from, key, weapons, to;
    };
    const int U = ALLEGRO_KEY_UP;
    const int D = ALLEGRO_KEY_DOWN;
    const int L = ALLEGRO_KEY_LEFT;
    const int R = ALLEGRO_KEY_RIGHT;
    const Move moves[] = {
        // The catalogue.
        {0, U, 0, 0},    {0, L, 0, 0},    {0, R, 0, 1},    {0, D, 0, 4},    {5, U, 0, 1},
        {5, L, 0, 4},    {4, L, 0, 4},    {3, R, 0, 3},    {7, R, 0, 7},    {2, D, 0, 6},
        {9, D, 0, 13},   {12, D, 0, 16},  {12, D, 2, 16},  {13, D, 0, 13},  {14, D, 0, 14},
        {15, D, 0, 15},  {13, D, 2, 17},  {14, D, 1, 17},  {15, D, 4, 17},  {16, R, 0, 16},
        {16, R, 2, 17},  {16, L, 2, 16},  {16, U, 0, 12},  {16, D, 0, 17},  {16, D, 2, 23},
        {16, D, 4, 29},  {12, R, 0, 13},  {15, R, 3, 15},
        // The inventory buttons (3 per slot from 17).
        {17, L, 2, 23},  {18, L, 2, 23},  {19, L, 2, 23},  {20, L, 2, 17},  {22, L, 2, 19},
        {17, U, 2, 13},  {20, U, 2, 13},  {23, U, 4, 14},  {26, U, 4, 15},  {18, U, 2, 17},
        {19, U, 2, 18},  {17, D, 2, 18},  {18, D, 2, 19},  {19, D, 2, 19},  {17, R, 2, 20},
        {20, R, 2, 20},  {20, R, 4, 23},  {26, R, 4, 26},  {21, R, 2, 21},  {17, R, 1, 17},
        // The exit.
        {17, U, 0, 16},  {17, R, 0, 17},  {17, D, 0, 17},  {17, L, 0, 17},  {23, U, 2, 16},
        {23, R, 2, 17},  {23, D, 2, 23},  {23, L, 2, 23},  {20, U, 1, 16},
    };
    GameHarness h;
    Game& game = h.game();
    for (const Move& m : moves) {
        SCOPED_TRACE("from " + std::to_string(m.from) + " key " + std::to_string(m.key) +
                     " with " + std::to_string(m.weapons) + " weapons");
        std::vector<int> inventory;
        for (int i = 0; i < m.weapons; ++i)
            inventory.push_back(i + 1);
        freshShop(h, 0, inventory);
        game.setMenuCursor(m.from);
        h.press(m.key);
        EXPECT_EQ(game.getMenuCursor(), m.to);
        EXPECT_EQ(game.getState(), STATE_SHOP);
    }
}
