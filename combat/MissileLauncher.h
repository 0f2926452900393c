#ifndef COMBAT_MISSILELAUNCHER_H
#define COMBAT_MISSILELAUNCHER_H

#include "combat/Cannon.h"

#include <string>

class Missile;
class ZE_Display;

// A cannon with no bullets of its own whose pool holds homing missiles. Unarmed (weapon -1)
// until bought; reloads by compare-then-increment, so restart makes it ready on its next run.
class MissileLauncher : public Cannon {
public:
    MissileLauncher(std::string name, ZE_Display* display, int totalMissiles, ZE_Sprite* sheet);
    ~MissileLauncher();

    // Cannon::reset only: missiles in flight stay.
    void reset();
    // Cannon::restart, ready on the next run, every missile gone.
    void restart();
    void run();
    // Missiles first, then the launcher as a cannon.
    void draw();
    // Silent; spent even when every missile is airborne.
    void shoot(float* targetXP, float* targetYP);
    void debug();
    void setScrollXYP(float* scrollX, float* scrollY);

    Missile** getMissilesP() const { return missiles; }
    int getTotalMissiles() const { return totalMissiles; }

protected:
    Missile** missiles;
    int totalMissiles;
};

#endif
