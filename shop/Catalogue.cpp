#include "shop/Catalogue.h"

#include "shop/Item.h"
#include "shop/Weapon.h"

namespace {

struct ItemSetup {
    int clicks;
    int maxClicks;
    int percentage;
    bool showPercentage;
    // Lines 0..10; null leaves a line empty.
    const char* lines[Item::kLines];
};

// One row per item, in index order. HULL, CARGO CAPACITY and CANNON ROTATE start at level 1:
// the base already has some of each.
const ItemSetup kItemSetups[Catalogue::kItems] = {
    {0, 10, 10, true,
     {"ACTIVATE RADAR", nullptr, nullptr, "INCREASE RADAR", "RANGE +", nullptr, "MAXIMUM RANGE",
      "REACHED!", nullptr, "SHOW ENEMIES POSITION", "TO PREVENT ATTACKS"}},
    {0, 9, 10, true,
     {"ACTIVATE SHIELDS", "PROTECTION", nullptr, "RESTORE 100% POWER", "SHIELDS ENERGY +",
      "RECHARGE SPEED +1/MIN.", "MAXIMUM REACHED!", nullptr, nullptr,
      "SHILDS PROTECT THE BASE", "FROM ENEMIES FIRE"}},
    {1, 10, 10, true,
     {nullptr, nullptr, nullptr, "DAMAGE 100% REPAIRED", "HULL ARMOUR +", nullptr,
      "MAXIMUM REACHED!", nullptr, nullptr, "INCREASE HULL ARMOUR AND",
      "REPAIR ALL HULL DAMAGE"}},
    {0, 10, 50, true,
     {"ACTIVATE TARGETTING", "SYSTEM FOR ALL", "CANNONS", "TARGETTING", "RANGE +", nullptr,
      "MAXIMUM REACHED!", nullptr, nullptr, "A LASER SIGHTS HELPS YOU", "TO KILL ENEMIES"}},
    {1, 10, 8, true,
     {nullptr, nullptr, nullptr, "DECAY RATE -1/SECOND", "CARGO CAPACITY +", nullptr, nullptr,
      nullptr, nullptr, "MORE IS CARGO CAPACITY", "MORE COINS CAN BE EARNED"}},
    {0, 2, 10, false,
     {"SHOW REMAINING", "ENEMIES", nullptr, "SHOW ENEMIES", "HEALTH", nullptr, "SCAN COMPLETE!",
      nullptr, nullptr, "SCAN ENEMIES TO SHOW", "USEFUL INFORMATIONS"}},
    {0, 10, 10, true,
     {"REPAIR DAMAGED HULL", "+100 UNITS", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
      nullptr, "REPAIR SOME DAMAGE FOR", "BASE HULL"}},
    {0, 10, 10, true,
     {"RESTORE SHIELD", "POWER +80", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
      nullptr, "RESTORE SOME SHIELD", "POWER"}},
    {1, 11, 25, true,
     {nullptr, nullptr, nullptr, "CANNONS ROTATION", "SPEED +", nullptr, nullptr, nullptr,
      nullptr, "INCREASE ROTATION SPEED", "FOR ALL CANNONS"}},
    {0, 10, 10, false,
     {"ACTIVATE MISSILE", "LAUNCHER", nullptr, "MISSILE RECHARGE", "SPEED +1", nullptr,
      "MISSILE AT", "MAXIMUM!", nullptr, "LAUNCH HEAVY AND FIRE AND", "FORGET MISSILE"}},
};

}  // namespace

namespace Catalogue {

Weapon** createWeapons()
{
    Weapon** weapons = new Weapon*[kWeapons];
    // name, cost, fire rate per minute, bullet frame, bullet damage, power, icon frame
    weapons[0] = new Weapon("BASIC CANNON", 500, 200, 9, 1, 5.0f, 1);
    weapons[1] = new Weapon("FAST CANNON", 2000, 400, 9, 1, 9.0f, 2);
    weapons[2] = new Weapon("LASER CANNON", 6000, 600, 8, 1, 9.5f, 3);
    weapons[3] = new Weapon("TRIPLE CANNON", 7000, 450, 9, 1, 9.0f, 4);
    weapons[4] = new Weapon("PLASMA CANNON", 10000, 1400, 11, 1, 10.0f, 5);
    weapons[5] = new Weapon("FLAME  CANNON", 15000, 3600, 10, 1, 4.4f, 6);
    weapons[6] = new Weapon("SHELL CANNON", 12000, 400, 9, 1, 8.6f, 7);
    return weapons;
}

Item** createItems()
{
    Item** items = new Item*[kItems];
    // name, base cost, icon frame
    items[RADAR] = new Item("RADAR", 500, 8);
    items[SHIELDS] = new Item("SHIELDS", 2000, 9);
    items[HULL] = new Item("HULL", 2000, 10);
    items[TARGETTING] = new Item("TARGETTING", 2000, 11);
    items[CARGO_CAPACITY] = new Item("CARGO CAPACITY", 1000, 12);
    items[ENEMIES_SCAN] = new Item("ENEMIES SCAN", 2000, 13);
    items[REPAIR_HULL] = new Item("REPAIR HULL", 1500, 14);
    items[REPAIR_SHIELDS] = new Item("REPAIR SHIELDS", 1000, 15);
    items[CANNON_ROTATE] = new Item("CANNON ROTATE", 500, 16);
    items[MISSILE_LAUNCHER] = new Item("MISSILE LAUNCHER", 8000, 17);
    return items;
}

void reset(Weapon** weapons, Item** items)
{
    for (int i = 0; i < kWeapons; ++i)
        weapons[i]->reset();
    weapons[0]->setDescription(0, "BASIC CHEAP CANNON, SHORT");
    weapons[0]->setDescription(1, "RANGE AND VERY LOW POWER");
    weapons[1]->setDescription(0, "FAST CANNON WITH A GOOD");
    weapons[1]->setDescription(1, "RANGE");
    weapons[2]->setDescription(0, "LASER CANNON VERY FAST");
    weapons[2]->setDescription(1, "AND GOOD POWER");

    for (int i = 0; i < kItems; ++i)
        items[i]->reset();
    for (int i = 0; i < kItems; ++i) {
        const ItemSetup& setup = kItemSetups[i];
        items[i]->setClicks(setup.clicks);
        items[i]->setMaxClicks(setup.maxClicks);
        items[i]->setPercentage(setup.percentage);
        items[i]->setEnablePercentage(setup.showPercentage);
        for (int line = 0; line < Item::kLines; ++line)
            if (setup.lines[line])
                items[i]->setDescription(line, setup.lines[line]);
    }
}

}  // namespace Catalogue
