#ifndef COMBAT_BULLET_H
#define COMBAT_BULLET_H

#include "engine/ZE_Sprite.h"

#include <string>

class ZE_Display;

// One projectile of a cannon's pool. Its action tells its state: 0 free, ACTION_FLY while its
// life counts down, ACTION_FADE while it fades out. Free bullets are neither drawn nor tested.
class Bullet : public ZE_Sprite {
public:
    // Shows frames of `source` (a cannon passes itself, so the bullet uses the cannon's sheet).
    Bullet(std::string name, ZE_Display* display, ZE_Sprite* source);

    // Sprite reset (free motion, action 0, life 100), damage 0, pivot at the frame centre.
    void reset();
    // Ignored while the bullet is in use. Each speed component gets its own -1..+1 degree jitter.
    void shoot(float x, float y, float angle, float speed, int life, float frictionX,
               float frictionY, float accelerationX, float accelerationY, float gravityX,
               float gravityY);
    void run();
    void draw();
    // Struck something: free at once.
    void hit();

    int getDamage() const { return damage; }
    void setDamage(int value) { damage = value; }

protected:
    int damage;
};

#endif
