#ifndef SHOP_CATALOGUE_H
#define SHOP_CATALOGUE_H

class Item;
class Weapon;

// The base's catalogue: seven cannon types and ten upgrades with their prices, levels and shop
// texts. The base owns the arrays; these build and reset them.
namespace Catalogue {

constexpr int kWeapons = 7;
constexpr int kItems = 10;

// Indexes of the items, as the shop and the base refer to them.
enum ItemIndex {
    RADAR = 0,
    SHIELDS = 1,
    HULL = 2,
    TARGETTING = 3,
    CARGO_CAPACITY = 4,
    ENEMIES_SCAN = 5,
    REPAIR_HULL = 6,
    REPAIR_SHIELDS = 7,
    CANNON_ROTATE = 8,
    MISSILE_LAUNCHER = 9,
};

// New arrays of kWeapons and kItems entries, in index order (start-up only).
Weapon** createWeapons();
Item** createItems();
// New-game state: prices, levels, percentages and every text line.
void reset(Weapon** weapons, Item** items);

}  // namespace Catalogue

#endif
