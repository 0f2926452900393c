#ifndef COMBAT_BANDIT_H
#define COMBAT_BANDIT_H

#include "combat/Object.h"

#include <string>

class Bullet;
class Player;
class ZE_Display;
class ZE_ParticleGenerator;
class ZE_Sprite;

// A fast gunship: attacks a point 400 pixels above the base, aims its cannon straight at the
// base and fires often. Hit by the base's bullets and missiles; silent.
class Bandit : public Object {
public:
    static constexpr int kHealth = 20;
    static constexpr int kShieldHealth = 8;
    static constexpr int kScore = 200;
    static constexpr float kAttackSpeed = 2.0f;
    static constexpr float kRetreatSpeed = 3.0f;
    static constexpr float kAttackDistance = 300.0f;
    static constexpr float kRetreatDistance = 100.0f;

    // shareFrom null: the body picture is loaded from `name`; else its frames are shared.
    Bandit(std::string name, ZE_Display* display, ZE_Sprite* particleSheet,
           ZE_Sprite* cannonSheet, ZE_Sprite* shieldSheet, ZE_Sprite* lightSheet,
           Object* shareFrom);

    void setPlayerP(Player* value) { playerP = value; }
    void reset();
    void restart(bool active);
    void activateShield(bool on);
    void run();
    void draw();
    // The base's cannon bullets, then its missiles.
    void collisions();
    void hit(Bullet* bullet);

    Player* getPlayerP() const { return playerP; }
    float getTargetX() const { return targetX; }
    float getTargetY() const { return targetY; }
    float getMaxSpeed() const { return maxSpeed; }
    ZE_ParticleGenerator* getTrailGenerator() const { return trailGenerator; }
    ZE_ParticleGenerator* getSmokeGenerator() const { return smokeGenerator; }
    ZE_ParticleGenerator* getSparksGenerator() const { return sparksGenerator; }

private:
    void collide(Bullet* bullet);

    Player* playerP = nullptr;
    ZE_ParticleGenerator* trailGenerator;
    ZE_ParticleGenerator* smokeGenerator;
    ZE_ParticleGenerator* sparksGenerator;
    float targetX;
    float targetY;
    float maxSpeed;
};

#endif
