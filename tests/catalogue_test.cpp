#include "shop/Catalogue.h"
#include "shop/Item.h"
#include "shop/Weapon.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The catalogue as a new game leaves it.
class CatalogueTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        weapons = Catalogue::createWeapons();
        items = Catalogue::createItems();
        Catalogue::reset(weapons, items);
    }
    void TearDown() override
    {
        for (int i = 0; i < Catalogue::kWeapons; ++i)
            delete weapons[i];
        delete[] weapons;
        for (int i = 0; i < Catalogue::kItems; ++i)
            delete items[i];
        delete[] items;
    }
    Weapon** weapons = nullptr;
    Item** items = nullptr;
};

struct WeaponRow {
    const char* name;
    int cost, sell, firerate;
    float power;
    int bulletFrame, damage, icon;
    const char* line0;
    const char* line1;
};

const WeaponRow kWeaponRows[] = {
    {"BASIC CANNON", 500, 100, 200, 5.0f, 9, 1, 1, "BASIC CHEAP CANNON, SHORT",
     "RANGE AND VERY LOW POWER"},
    {"FAST CANNON", 2000, 400, 400, 9.0f, 9, 1, 2, "FAST CANNON WITH A GOOD", "RANGE"},
    {"LASER CANNON", 6000, 1200, 600, 9.5f, 8, 1, 3, "LASER CANNON VERY FAST",
     "AND GOOD POWER"},
    {"TRIPLE CANNON", 7000, 1400, 450, 9.0f, 9, 1, 4, "", ""},
    {"PLASMA CANNON", 10000, 2000, 1400, 10.0f, 11, 1, 5, "", ""},
    {"FLAME  CANNON", 15000, 3000, 3600, 4.4f, 10, 1, 6, "", ""},
    {"SHELL CANNON", 12000, 2400, 400, 8.6f, 9, 1, 7, "", ""},
};

}  // namespace

TEST_F(CatalogueTest, WeaponsCarryTheirPricesRatesFramesAndTexts)
{
    for (int i = 0; i < Catalogue::kWeapons; ++i) {
        const WeaponRow& row = kWeaponRows[i];
        const Weapon* w = weapons[i];
        SCOPED_TRACE(row.name);
        EXPECT_EQ(w->getName(), row.name);
        EXPECT_EQ(w->getCost(), row.cost);
        EXPECT_EQ(w->getSell(), row.sell);
        EXPECT_EQ(w->getFirerate(), row.firerate);
        EXPECT_FLOAT_EQ(w->getPower(), row.power);
        EXPECT_EQ(w->getBulletFrame(), row.bulletFrame);
        EXPECT_EQ(w->getBulletDamage(), row.damage);
        EXPECT_EQ(w->getIconFrame(), row.icon);
        EXPECT_EQ(w->getDescription(0), row.line0);
        EXPECT_EQ(w->getDescription(1), row.line1);
    }
    // Two blanks in the flame cannon's name.
    EXPECT_EQ(weapons[5]->getName().size(), std::string("FLAME  CANNON").size());
}

TEST_F(CatalogueTest, WeaponTextLinesOutsideZeroAndOneReadEmptyAndAreNotWritten)
{
    weapons[0]->setDescription(2, "X");
    weapons[0]->setDescription(-1, "X");
    EXPECT_EQ(weapons[0]->getDescription(2), "");
    EXPECT_EQ(weapons[0]->getDescription(-1), "");
    EXPECT_EQ(weapons[0]->getDescription(0), "BASIC CHEAP CANNON, SHORT");
}

TEST_F(CatalogueTest, ItemsStartAtTheirLevelsWithTheirPercentages)
{
    struct Row {
        const char* name;
        int cost, icon, clicks, maxClicks, percentage;
        bool shown;
        int purchases;  // from the starting level until sold out
    };
    const Row rows[] = {
        {"RADAR", 500, 8, 0, 10, 10, true, 11},
        {"SHIELDS", 2000, 9, 0, 9, 10, true, 10},
        {"HULL", 2000, 10, 1, 10, 10, true, 10},
        {"TARGETTING", 2000, 11, 0, 10, 50, true, 11},
        {"CARGO CAPACITY", 1000, 12, 1, 10, 8, true, 10},
        {"ENEMIES SCAN", 2000, 13, 0, 2, 10, false, 3},
        {"REPAIR HULL", 1500, 14, 0, 10, 10, true, 11},
        {"REPAIR SHIELDS", 1000, 15, 0, 10, 10, true, 11},
        {"CANNON ROTATE", 500, 16, 1, 11, 25, true, 11},
        {"MISSILE LAUNCHER", 8000, 17, 0, 10, 10, false, 11},
    };
    for (int i = 0; i < Catalogue::kItems; ++i) {
        const Row& row = rows[i];
        Item* item = items[i];
        SCOPED_TRACE(row.name);
        EXPECT_EQ(item->getName(), row.name);
        EXPECT_EQ(item->getIconFrame(), row.icon);
        EXPECT_EQ(item->getClicks(), row.clicks);
        EXPECT_EQ(item->getMaxClicks(), row.maxClicks);
        EXPECT_EQ(item->getPercentage(), row.percentage);
        EXPECT_EQ(item->getEnablePercentage(), row.shown);
        EXPECT_EQ(item->getCost(), row.cost + (row.cost / 2) * row.clicks);
        int purchases = 0;
        while (item->getClicks() <= item->getMaxClicks()) {
            item->click();
            ++purchases;
        }
        EXPECT_EQ(purchases, row.purchases);
        item->click();
        EXPECT_EQ(item->getClicks(), row.maxClicks + 1) << "sold out stays sold out";
    }
}

TEST_F(CatalogueTest, RadarPriceRisesByHalfItsBaseUpToTheEleventhPurchase)
{
    Item* radar = items[Catalogue::RADAR];
    std::vector<int> prices;
    for (int k = 0; k < 11; ++k) {
        prices.push_back(radar->getCost());
        radar->click();
    }
    const std::vector<int> expected = {500, 750, 1000, 1250, 1500, 1750,
                                       2000, 2250, 2500, 2750, 3000};
    EXPECT_EQ(prices, expected);
    EXPECT_EQ(radar->getClicks(), 11);
    EXPECT_EQ(radar->getPercentageString(), "");
    EXPECT_EQ(radar->getDescription(0), "MAXIMUM RANGE");
    EXPECT_EQ(radar->getDescription(1), "REACHED!");
    EXPECT_EQ(radar->getDescription(2), "");
    EXPECT_EQ(radar->getDescription(9), "SHOW ENEMIES POSITION");
    radar->click();
    EXPECT_EQ(radar->getClicks(), 11);
    EXPECT_EQ(radar->getCost(), 500 + 250 * 11);
}

TEST_F(CatalogueTest, TextGroupsFollowTheLevel)
{
    struct Row {
        int item, clicks;
        const char* lines[3];
        const char* percent;
    };
    const Row rows[] = {
        {Catalogue::RADAR, 0, {"ACTIVATE RADAR", "", ""}, ""},
        {Catalogue::RADAR, 4, {"INCREASE RADAR", "RANGE +", ""}, "40%"},
        {Catalogue::SHIELDS, 0, {"ACTIVATE SHIELDS", "PROTECTION", ""}, ""},
        {Catalogue::SHIELDS, 9,
         {"RESTORE 100% POWER", "SHIELDS ENERGY +", "RECHARGE SPEED +1/MIN."}, "90%"},
        {Catalogue::SHIELDS, 10, {"MAXIMUM REACHED!", "", ""}, ""},
        {Catalogue::HULL, 1, {"DAMAGE 100% REPAIRED", "HULL ARMOUR +", ""}, "10%"},
        {Catalogue::TARGETTING, 0, {"ACTIVATE TARGETTING", "SYSTEM FOR ALL", "CANNONS"}, ""},
        {Catalogue::TARGETTING, 3, {"TARGETTING", "RANGE +", ""}, "150%"},
        {Catalogue::CARGO_CAPACITY, 1, {"DECAY RATE -1/SECOND", "CARGO CAPACITY +", ""}, "8%"},
        {Catalogue::CARGO_CAPACITY, 11, {"", "", ""}, ""},
        {Catalogue::ENEMIES_SCAN, 0, {"SHOW REMAINING", "ENEMIES", ""}, ""},
        {Catalogue::ENEMIES_SCAN, 1, {"SHOW ENEMIES", "HEALTH", ""}, ""},
        {Catalogue::ENEMIES_SCAN, 3, {"SCAN COMPLETE!", "", ""}, ""},
        {Catalogue::REPAIR_HULL, 0, {"REPAIR DAMAGED HULL", "+100 UNITS", ""}, ""},
        {Catalogue::REPAIR_SHIELDS, 0, {"RESTORE SHIELD", "POWER +80", ""}, ""},
        {Catalogue::CANNON_ROTATE, 1, {"CANNONS ROTATION", "SPEED +", ""}, "25%"},
        {Catalogue::MISSILE_LAUNCHER, 0, {"ACTIVATE MISSILE", "LAUNCHER", ""}, ""},
        {Catalogue::MISSILE_LAUNCHER, 2, {"MISSILE RECHARGE", "SPEED +1", ""}, ""},
        {Catalogue::MISSILE_LAUNCHER, 11, {"MISSILE AT", "MAXIMUM!", ""}, ""},
    };
    for (const Row& row : rows) {
        Item* item = items[row.item];
        SCOPED_TRACE(item->getName() + " at " + std::to_string(row.clicks));
        item->setClicks(row.clicks);
        for (int line = 0; line < 3; ++line)
            EXPECT_EQ(item->getDescription(line), row.lines[line]) << "line " << line;
        EXPECT_EQ(item->getPercentageString(), row.percent);
    }
}

TEST_F(CatalogueTest, HelpLinesAreFixedAtEveryLevel)
{
    const char* help[Catalogue::kItems][2] = {
        {"SHOW ENEMIES POSITION", "TO PREVENT ATTACKS"},
        {"SHILDS PROTECT THE BASE", "FROM ENEMIES FIRE"},
        {"INCREASE HULL ARMOUR AND", "REPAIR ALL HULL DAMAGE"},
        {"A LASER SIGHTS HELPS YOU", "TO KILL ENEMIES"},
        {"MORE IS CARGO CAPACITY", "MORE COINS CAN BE EARNED"},
        {"SCAN ENEMIES TO SHOW", "USEFUL INFORMATIONS"},
        {"REPAIR SOME DAMAGE FOR", "BASE HULL"},
        {"RESTORE SOME SHIELD", "POWER"},
        {"INCREASE ROTATION SPEED", "FOR ALL CANNONS"},
        {"LAUNCH HEAVY AND FIRE AND", "FORGET MISSILE"},
    };
    for (int i = 0; i < Catalogue::kItems; ++i)
        for (int clicks : {0, 1, 20}) {
            items[i]->setClicks(clicks);
            EXPECT_EQ(items[i]->getDescription(9), help[i][0]) << i;
            EXPECT_EQ(items[i]->getDescription(10), help[i][1]) << i;
        }
    EXPECT_EQ(items[0]->getDescription(11), "");
    EXPECT_EQ(items[0]->getDescription(-1), "");
}

TEST_F(CatalogueTest, ResetUndoesPurchasesAndTheScanTextChange)
{
    items[Catalogue::ENEMIES_SCAN]->setDescription(4, "SHIELDS");
    items[Catalogue::ENEMIES_SCAN]->setClicks(2);
    items[Catalogue::RADAR]->click();
    items[Catalogue::RADAR]->click();
    EXPECT_EQ(items[Catalogue::ENEMIES_SCAN]->getDescription(1), "SHIELDS");
    Catalogue::reset(weapons, items);
    items[Catalogue::ENEMIES_SCAN]->setClicks(1);
    EXPECT_EQ(items[Catalogue::ENEMIES_SCAN]->getDescription(1), "HEALTH");
    EXPECT_EQ(items[Catalogue::RADAR]->getClicks(), 0);
    EXPECT_EQ(items[Catalogue::RADAR]->getCost(), 500);
}

TEST(ItemTest, ResetGivesTenLevelsTenPercentAndEmptyTexts)
{
    Item item("THING", 300, 4);
    item.setDescription(0, "A");
    item.setClicks(5);
    item.setMaxClicks(2);
    item.setPercentage(33);
    item.setEnablePercentage(false);
    item.reset();
    EXPECT_EQ(item.getClicks(), 0);
    EXPECT_EQ(item.getMaxClicks(), 10);
    EXPECT_EQ(item.getPercentage(), 10);
    EXPECT_TRUE(item.getEnablePercentage());
    EXPECT_EQ(item.getDescription(0), "");
    EXPECT_EQ(item.getCost(), 300);
    EXPECT_EQ(item.getIconFrame(), 4);
    item.setClicks(3);
    EXPECT_EQ(item.getCost(), 300 + 150 * 3);
    EXPECT_EQ(item.getPercentageString(), "30%");
}

TEST(WeaponTest, ResetSellsForAFifthAndEmptiesTheTexts)
{
    Weapon weapon("W", 999, 60, 1, 2, 3.0f, 4);
    weapon.setDescription(0, "A");
    weapon.setDescription(1, "B");
    weapon.reset();
    EXPECT_EQ(weapon.getSell(), 199);
    EXPECT_EQ(weapon.getDescription(0), "");
    EXPECT_EQ(weapon.getDescription(1), "");
}
