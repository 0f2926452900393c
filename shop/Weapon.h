#ifndef SHOP_WEAPON_H
#define SHOP_WEAPON_H

#include <string>

// A cannon type of the catalogue that can be mounted on one of the base's cannons.
class Weapon {
public:
    Weapon(std::string name, int cost, int firerate, int bulletFrame, int bulletDamage,
           float power, int iconFrame);

    // Resale price a fifth of the cost; both text lines emptied.
    void reset();

    int getCost() const { return cost; }
    int getSell() const { return sell; }
    // Shots per minute.
    int getFirerate() const { return firerate; }
    int getBulletFrame() const { return bulletFrame; }
    int getIconFrame() const { return iconFrame; }
    int getBulletDamage() const { return bulletDamage; }
    float getPower() const { return power; }
    std::string getName() const { return name; }
    // Lines 0 and 1; any other line reads empty and is not written.
    std::string getDescription(int line) const;
    void setDescription(int line, std::string text);

private:
    int cost;
    int sell;
    int firerate;
    int bulletFrame;
    int iconFrame;
    int bulletDamage;
    float power;
    std::string name;
    std::string description[2];
};

#endif
