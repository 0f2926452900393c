#ifndef COMBAT_CRUISER_H
#define COMBAT_CRUISER_H

#include "combat/Object.h"

#include <string>

class Bullet;
class Player;
class ZE_Display;
class ZE_ParticleGenerator;
class ZE_Sprite;

// A slow, heavy craft with a medium shield: attacks a point 400 pixels above the base, aims
// straight at the base and fires heavy bullets. Hit by the base's bullets and missiles; silent.
class Cruiser : public Object {
public:
    static constexpr int kHealth = 60;
    static constexpr int kShieldHealth = 25;
    static constexpr int kScore = 200;
    static constexpr float kAttackSpeed = 1.0f;
    static constexpr float kRetreatSpeed = 2.0f;
    static constexpr float kAttackDistance = 300.0f;
    static constexpr float kRetreatDistance = 100.0f;

    // shareFrom null: the body picture is loaded from `name`; else its frames are shared.
    Cruiser(std::string name, ZE_Display* display, ZE_Sprite* particleSheet,
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
