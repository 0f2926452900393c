#ifndef COMBAT_MISSILE_H
#define COMBAT_MISSILE_H

#include "combat/Bullet.h"

#include <string>

class ZE_Display;

// A bullet that climbs after launch (ACTION_MISSILE_LAUNCH) and then steers by acceleration
// toward a point it watches through two pointers (ACTION_MISSILE_HOMING). It has no flight
// time: it flies until it strikes something or its launcher restarts.
class Missile : public Bullet {
public:
    Missile(std::string name, ZE_Display* display, ZE_Sprite* source);

    // Bullet reset, homing speed 4; the target pointers keep their last target.
    void reset();
    // Bullet::shoot, then the target and the climbing state.
    void shoot(float x, float y, float angle, float speed, int life, float frictionX,
               float frictionY, float accelerationX, float accelerationY, float gravityX,
               float gravityY, float* targetXP, float* targetYP);
    void run();
    void draw();
    // A white disc of radius 28 on the target; for the debug overlay (primitives, not held).
    void debug();

    float* getTargetXP() const { return targetXP; }
    float* getTargetYP() const { return targetYP; }
    float getMaxSpeed() const { return maxSpeed; }

protected:
    float* targetXP = nullptr;
    float* targetYP = nullptr;
    float maxSpeed;
};

#endif
