#ifndef COMBAT_HUNTER_H
#define COMBAT_HUNTER_H

#include "combat/Object.h"

#include <string>

class Bullet;
class Player;
class ZE_Display;
class ZE_ParticleGenerator;
class ZE_Sample;
class ZE_Sprite;

// The lightest enemy: attacks the base itself, fires where it flies, is not hit by missiles
// and plays the hull-hit sound. Attack and retreat steer by bang-bang accelerations around a
// speed limit; a destroyed hunter falls as a burning wreck and is counted off the wave only
// once the wreck has dropped below the world.
class Hunter : public Object {
public:
    static constexpr int kHealth = 8;
    static constexpr int kShieldHealth = 4;
    static constexpr int kScore = 100;
    static constexpr float kAttackSpeed = 2.0f;
    static constexpr float kRetreatSpeed = 3.0f;
    static constexpr float kAttackDistance = 250.0f;
    static constexpr float kRetreatDistance = 200.0f;

    // shareFrom null: the body picture is loaded from `name`; else its frames are shared.
    Hunter(std::string name, ZE_Display* display, ZE_Sprite* particleSheet,
           ZE_Sprite* cannonSheet, ZE_Sprite* shieldSheet, ZE_Sprite* lightSheet,
           Object* shareFrom);
    ~Hunter();

    void setPlayerP(Player* value) { playerP = value; }
    // Stores the table and builds the own hit sound (start-up only).
    void setSamplesP(ZE_Sample** samples);
    void reset();
    void restart(bool active);
    void activateShield(bool on);
    void run();
    void draw();
    void collisions();
    void hit(Bullet* bullet);

    Player* getPlayerP() const { return playerP; }
    float getTargetX() const { return targetX; }
    float getTargetY() const { return targetY; }
    float getMaxSpeed() const { return maxSpeed; }
    ZE_ParticleGenerator* getTrailGenerator() const { return trailGenerator; }
    ZE_ParticleGenerator* getSmokeGenerator() const { return smokeGenerator; }
    ZE_ParticleGenerator* getSparksGenerator() const { return sparksGenerator; }
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
};

#endif
