#ifndef COMBAT_ENEMY_H
#define COMBAT_ENEMY_H

#include "combat/Object.h"

#include <string>

class Bullet;
class Player;
class ZE_Display;
class ZE_ParticleGenerator;
class ZE_Sample;
class ZE_Sprite;

// Everything that tells one enemy type from another. The four types fly, fire, take hits and
// fall by the same rules; only these numbers and switches differ, so they live in one table per
// type and cannot drift apart.
struct EnemyKind {
    int health;             // hull after reset
    int shieldHealth;       // given by activateShield(true)
    int score;              // added for each hit that finds the hull at 0
    float resetSpeed;       // speed limit after reset, before the first attack
    float attackSpeed;      // speed limit while attacking
    float retreatSpeed;     // speed limit while retreating
    float attackDistance;   // attack turns to retreat closer than this to the attack point
    float retreatDistance;  // retreat turns to attack closer than this to the retreat point
    float attackHeight;     // how far above the base the attack point lies
    bool aimsAtBase;        // cannon straight at the base; otherwise where the craft flies
    int lastFlightFrame;    // the flight animation alternates frames 1 .. this
    int bulletDamage;
    int cannonHullFrame;
    int bulletFrame;
    float bulletSpeed;      // the cannon's power, pixels per frame
    int reloadTime;         // frames
    int bulletLife;         // bullet flight time, frames
    bool hitByMissiles;     // whether the base's missiles are tested against it
    int hitSound;           // sample table entry played on each hull hit; -1: silent
};

// An enemy craft: one cannon, trail, smoke and sparks generators, a shield. Attack and retreat
// steer by bang-bang accelerations around a speed limit; a destroyed craft falls as a burning
// wreck and is counted off the wave only once the wreck has dropped below the world. The types
// derive from this and only hand in their EnemyKind.
class Enemy : public Object {
public:
    // shareFrom null: the body picture is loaded from `name`; else its frames are shared.
    Enemy(const EnemyKind& kind, std::string name, ZE_Display* display,
          ZE_Sprite* particleSheet, ZE_Sprite* cannonSheet, ZE_Sprite* shieldSheet,
          ZE_Sprite* lightSheet, Object* shareFrom);
    ~Enemy();

    void setPlayerP(Player* value) { playerP = value; }
    // Stores the table; a type with a hit sound also builds its own instance (start-up only).
    void setSamplesP(ZE_Sample** samples);
    void reset();
    void restart(bool active);
    void activateShield(bool on);
    void run();
    void draw();
    // The base's cannon bullets, then its missiles for the types they strike.
    void collisions();
    void hit(Bullet* bullet);

    Player* getPlayerP() const { return playerP; }
    float getTargetX() const { return targetX; }
    float getTargetY() const { return targetY; }
    float getMaxSpeed() const { return maxSpeed; }
    ZE_ParticleGenerator* getTrailGenerator() const { return trailGenerator; }
    ZE_ParticleGenerator* getSmokeGenerator() const { return smokeGenerator; }
    ZE_ParticleGenerator* getSparksGenerator() const { return sparksGenerator; }
    // Null for the silent types, and for every type before setSamplesP.
    ZE_Sample* getHitSample() const { return hitSample; }

private:
    void collide(Bullet* bullet);

    Player* playerP = nullptr;
    ZE_ParticleGenerator* trailGenerator;
    ZE_ParticleGenerator* smokeGenerator;
    ZE_ParticleGenerator* sparksGenerator;
    ZE_Sample* hitSample = nullptr;
    float targetX;
    float targetY;
    float maxSpeed;
    const EnemyKind kind;
};

#endif
