#ifndef COMBAT_PLAYER_H
#define COMBAT_PLAYER_H

#include "combat/Object.h"

#include <string>

class Armadillo;
class Bandit;
class Bullet;
class Cruiser;
class Hunter;
class Item;
class MissileLauncher;
class Weapon;
class ZE_Display;
class ZE_Game;
class ZE_Keyboard;
class ZE_ParticleGenerator;
class ZE_Sample;
class ZE_Sprite;

// The player's base: two cannons turning together, a missile launcher and a shield, driven by
// the configured keys. It tests the enemies' bullets against its shield and hull, shows its
// damage, counts down once destroyed and lets its cargo decay. It also holds what the player
// buys: the weapon and item catalogue, the inventory, radar, scans and cargo capacity.
class Player : public Object {
public:
    static constexpr int kInventorySlots = 4;
    static constexpr int kWeapons = 7;
    static constexpr int kItems = 10;
    static constexpr int kHunters = 25;
    static constexpr int kArmadillos = 20;
    static constexpr int kBandits = 15;
    static constexpr int kCruisers = 5;

    Player(std::string name, ZE_Display* display, ZE_Game* game, ZE_Sprite* particleSheet,
           ZE_Sprite* cannonSheet, ZE_Sprite* shieldSheet, ZE_Sprite* lightSheet,
           ZE_Sample** samples);
    ~Player();

    // New game: everything bought is lost.
    void reset();
    // Wave start: keeps hull, shield, inventory, upgrades and catalogue.
    void restart();
    void run();
    void draw();
    void collisions();
    void hit(Bullet* bullet);

    // Builds the base's own sound instances from the game's table (start-up only).
    void setSamplesP(ZE_Sample** samples);
    void setScrollXYP(float* scrollX, float* scrollY);

    void setScoreP(int* value) { scoreP = value; }
    void setRemainingEnemiesP(int* value) { remainingEnemiesP = value; }
    void setHuntersP(Hunter** value) { huntersP = value; }
    void setArmadillosP(Armadillo** value) { armadillosP = value; }
    void setBanditsP(Bandit** value) { banditsP = value; }
    void setCruisersP(Cruiser** value) { cruisersP = value; }
    int* getScoreP() const { return scoreP; }
    int* getRemainingEnemiesP() const { return remainingEnemiesP; }
    Hunter** getHuntersP() const { return huntersP; }
    Armadillo** getArmadillosP() const { return armadillosP; }
    Bandit** getBanditsP() const { return banditsP; }
    Cruiser** getCruisersP() const { return cruisersP; }

    // weapon -1 empties the cannon; a bad cannon or weapon index does nothing.
    void changeWeapon(int weapon, int cannon);
    // -1 for no weapon or a bad cannon index.
    int getCurrentWeapon(int cannon) const;
    bool addToInventory(int weapon);
    bool removeFromInventory(int slot);
    int countInventory() const;
    int* getInventoryP() { return inventoryP; }
    Weapon** getWeaponsP() const { return weaponsP; }
    Item** getItemsP() const { return itemsP; }
    MissileLauncher* getMissileLauncher() const { return missileLauncher; }

    // full: shield points and maximum 200. In every case the shield is switched on.
    void activateShield(bool full);
    bool isShieldEnable() const;
    bool getShieldDown() const;
    void setShieldHealth(int value);
    int getShieldMaxHealth() const;
    void setShieldMaxHealth(int value);
    int getShieldRechargeStep() const;
    void setShieldRechargeStep(int value);
    void setShieldEnableRecharge(int on);

    int getMaxHealth() const { return maxHealth; }
    void setMaxHealth(int value) { maxHealth = value; }
    int getCargo() const { return cargo; }
    int getMaxCargo() const { return maxCargo; }
    void setMaxCargo(int value) { maxCargo = value; }
    int getDecayStep() const { return decayStep; }
    void setDecayStep(int value) { decayStep = value; }
    int getDecayCount() const { return decayCount; }
    int getBulletsHit() const { return bulletsHit; }
    void incBulletsHit() { ++bulletsHit; }
    float getRadarRange() const { return radarRange; }
    void incRadarRange() { radarRange += 0.1f; }
    bool isRadarEnable() const { return radarEnable; }
    void setRadarEnable(bool value) { radarEnable = value; }
    bool getScanEnemiesRemaining() const { return scanEnemiesRemaining; }
    void setScanEnemiesRemaining(bool value) { scanEnemiesRemaining = value; }
    bool getScanEnemiesHealth() const { return scanEnemiesHealth; }
    void setScanEnemiesHealth(bool value) { scanEnemiesHealth = value; }
    bool getScanEnemiesShields() const { return scanEnemiesShields; }
    void setScanEnemiesShields(bool value) { scanEnemiesShields = value; }
    // Both cannons' bullets plus the missiles launched, for the wave's precision.
    int totalBulletsFired() const;

    ZE_ParticleGenerator* getTrailGenerator() const { return trailGenerator; }
    ZE_ParticleGenerator* getSmokeGenerator() const { return smokeGenerator; }
    ZE_ParticleGenerator* getSparksGenerator() const { return sparksGenerator; }
    ZE_Sample* getHitSample() const { return hitSample; }
    ZE_Sample* getShootSample(int cannon, int weapon) const;

private:
    void configureGenerators();
    void resetCatalogue();
    void releaseSamples();
    // Shield then hull for every live bullet of one enemy; the same bullet may strike both.
    void collideWith(Object* enemy);

    ZE_Game* game;
    ZE_Keyboard* keyboard;
    ZE_Sample* hitSample = nullptr;
    ZE_Sample*** shootSamples = nullptr;
    int* scoreP = nullptr;
    int* remainingEnemiesP = nullptr;
    int bulletsHit;
    int maxHealth;
    int* inventoryP;
    int cargo;
    int maxCargo;
    int decayStep;
    int decayCount;
    float radarRange;
    bool scanEnemiesRemaining;
    bool scanEnemiesHealth;
    bool scanEnemiesShields;
    bool radarEnable;
    ZE_ParticleGenerator* trailGenerator;
    ZE_ParticleGenerator* smokeGenerator;
    ZE_ParticleGenerator* sparksGenerator;
    Weapon** weaponsP;
    Item** itemsP;
    Hunter** huntersP = nullptr;
    Armadillo** armadillosP = nullptr;
    Bandit** banditsP = nullptr;
    Cruiser** cruisersP = nullptr;
    MissileLauncher* missileLauncher;
};

#endif
