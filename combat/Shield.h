#ifndef COMBAT_SHIELD_H
#define COMBAT_SHIELD_H

#include "engine/ZE_Sprite.h"

#include <string>

class Bullet;
class ZE_Display;

// A craft's energy bubble. It protects while its points are above 0, flashes toward each
// impact (frame 3 under frame 2, fading), collapses with a shrinking fade when emptied and can
// recharge one point every rechargeStep frames up to maxHealth. Frame 1 is the steady shield.
class Shield : public ZE_Sprite {
public:
    Shield(std::string name, ZE_Display* display, ZE_Sprite* sheet, int collisionType);

    // Off, 0 points, not down, frame 1, recharge off at one point per minute.
    void reset();
    // The caller has tested the points and the mask, and removes the bullet itself.
    void hit(Bullet* bullet);
    void run();
    void draw();
    void setScrollXYP(float* scrollX, float* scrollY);

    int getHealth() const { return health; }
    void setHealth(int value) { health = value; }
    int getMaxHealth() const { return maxHealth; }
    void setMaxHealth(int value) { maxHealth = value; }
    int getRechargeStep() const { return rechargeStep; }
    void setRechargeStep(int value) { rechargeStep = value; }
    int getRechargeCount() const { return rechargeCount; }
    bool getRechargeEnable() const { return rechargeEnable; }
    void setRechargeEnable(bool value) { rechargeEnable = value; }
    bool getDown() const { return down; }

protected:
    int health;
    int maxHealth;
    int rechargeStep;
    int rechargeCount;
    bool down;
    bool rechargeEnable;
};

#endif
