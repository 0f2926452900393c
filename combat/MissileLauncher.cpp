#include "combat/MissileLauncher.h"

#include "combat/Missile.h"
#include "engine/ZE_Util.h"

MissileLauncher::MissileLauncher(std::string name, ZE_Display* display, int totalMissiles,
                                 ZE_Sprite* sheet)
    : Cannon(name, display, 0, sheet),
      missiles(new Missile*[totalMissiles > 0 ? totalMissiles : 0]),
      totalMissiles(totalMissiles > 0 ? totalMissiles : 0)
{
    for (int i = 0; i < this->totalMissiles; ++i)
        missiles[i] = new Missile("", display, this);
    reset();
}

MissileLauncher::~MissileLauncher()
{
    for (int i = 0; i < totalMissiles; ++i)
        delete missiles[i];
    delete[] missiles;
}

void MissileLauncher::reset()
{
    Cannon::reset();
}

void MissileLauncher::restart()
{
    Cannon::restart();
    // Ready on the next run: that run compares before it counts.
    reloadCount = reloadTime;
    for (int i = 0; i < totalMissiles; ++i)
        missiles[i]->reset();
}

void MissileLauncher::run()
{
    ZE_Sprite::run();
    for (int i = 0; i < totalMissiles; ++i)
        missiles[i]->run();
    if (!ready) {
        // Compare, then count (the cannon counts first): ready reloadTime + 1 frames after a
        // shot. Passing counts too, so a count left above a shortened time cannot jam it.
        if (reloadCount >= reloadTime)
            ready = true;
        ++reloadCount;
    }
}

void MissileLauncher::draw()
{
    for (int i = 0; i < totalMissiles; ++i)
        missiles[i]->draw();
    Cannon::draw();
}

void MissileLauncher::shoot(float* targetXP, float* targetYP)
{
    if (weapon == -1 || !ready)
        return;
    ready = false;
    reloadCount = 0;
    int budget = bulletsPerShot;
    for (int i = 0; i < totalMissiles; ++i) {
        Missile* missile = missiles[i];
        if (missile->getAction() != 0)
            continue;
        const int k = ZE_Util::random(8);
        missile->shoot(x, y, angle + k - 4, power, life, cannonFrictionX, cannonFrictionY,
                       cannonAccelerationX, cannonAccelerationY, cannonGravityX, cannonGravityY,
                       targetXP, targetYP);
        missile->setCurrentFrame(bulletFrame);
        missile->setDamage(bulletDamage);
        ++bulletsFired;
        if (budget <= 1)
            break;
        --budget;
    }
}

void MissileLauncher::debug()
{
    for (int i = 0; i < totalMissiles; ++i)
        missiles[i]->debug();
}

void MissileLauncher::setScrollXYP(float* scrollX, float* scrollY)
{
    Cannon::setScrollXYP(scrollX, scrollY);
    for (int i = 0; i < totalMissiles; ++i) {
        missiles[i]->setScrollXP(scrollX);
        missiles[i]->setScrollYP(scrollY);
    }
}
