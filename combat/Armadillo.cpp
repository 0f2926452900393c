#include "combat/Armadillo.h"

#include "combat/Bullet.h"
#include "combat/Cannon.h"
#include "combat/EnemyRules.h"
#include "combat/Missile.h"
#include "combat/MissileLauncher.h"
#include "combat/Player.h"
#include "combat/Shield.h"
#include "engine/ZE_Actions.h"
#include "engine/ZE_ParticleGenerator.h"
#include "engine/ZE_Util.h"

#include <cmath>

Armadillo::Armadillo(std::string name, ZE_Display* display, ZE_Sprite* particleSheet,
                     ZE_Sprite* cannonSheet, ZE_Sprite* shieldSheet, ZE_Sprite* lightSheet,
                     Object* shareFrom)
    : Object(name, display, particleSheet, cannonSheet, shieldSheet, lightSheet, shareFrom, 1, 3,
             3),
      trailGenerator(particleGenerators[0]),
      smokeGenerator(particleGenerators[1]),
      sparksGenerator(particleGenerators[2]),
      targetX(0),
      targetY(0),
      maxSpeed(3.0f)
{
    reset();
}

void Armadillo::reset()
{
    Object::reset();
    targetX = targetY = 0;
    maxSpeed = 3.0f;
    health = kHealth;
    speedX = -0.05f;
    speedY = -0.02f;
    accelerationX = 0.0015f;
    accelerationY = -0.00002f;

    trailGenerator->setAcceleration(accelerationX, accelerationY);
    trailGenerator->setCurrentFrame(1);
    trailGenerator->setStartAlpha(40);
    trailGenerator->setStartScale(0, 0);
    trailGenerator->setScaleStep(0.01f, 0.01f);
    trailGenerator->start(x, y, 2, 0);

    smokeGenerator->setAcceleration(0.01f, -0.0001f);
    smokeGenerator->setCurrentFrame(2);

    sparksGenerator->setAcceleration(0, 0);
    sparksGenerator->setCurrentFrame(5);
    sparksGenerator->setParticleATime(10);
    sparksGenerator->setStartSpeed(100, 100);
    sparksGenerator->setRandomEnable(true);
    sparksGenerator->setStartAlpha(250);
    sparksGenerator->setAlphaStep(10);
    sparksGenerator->setStartLife(0);

    Cannon* cannon = cannons[0];
    cannon->setWeapon(-2);  // armed without a catalogue weapon
    cannon->setBulletDamage(2);
    cannon->setCurrentFrame(0);
    cannon->setHullFrame(0);
    cannon->setAimFrame(1);
    cannon->setBulletFrame(4);
    cannon->setFriction(0.003f, 0.003f);
    cannon->setPower(8.0f);
    cannon->setReloadTime(60);
    cannon->setLife(160);
    cannon->setX(x);
    cannon->setY(y);
    cannon->setEnableTargetting(false);
}

void Armadillo::restart(bool active)
{
    reset();
    if (!active)
        return;
    EnemyRules::spawnPoint(x, y);
    startAnimation(1, 3, 0);
    enable = true;
}

void Armadillo::activateShield(bool on)
{
    if (!on)
        return;
    shield->setHealth(kShieldHealth);
    shield->setEnable(true);
}

void Armadillo::run()
{
    if (!enable)
        return;
    Object::run();
    if (!playerP)
        return;
    const float baseX = playerP->getX();
    const float baseY = playerP->getY();
    Cannon* cannon = cannons[0];
    shield->setX(x);
    shield->setY(y);
    cannon->setX(x);
    cannon->setY(y);
    cannon->setAngle(angle);  // the cannon points where the craft flies
    // Health is not asked: a wreck that was attacking still fires.
    if (ZE_Util::random(EnemyRules::kFireChance) == 0 && action == ACTION_ATTACK)
        cannon->shoot();

    const float dx = targetX - x;
    const float dy = targetY - y;
    const float d = std::sqrt(dx * dx + dy * dy);
    const float theta = std::atan2(dy, dx);
    const float ux = std::cos(theta);
    const float uy = -std::sin(theta);  // > 0 when the target lies above

    if (action == ACTION_RETREAT && d < kRetreatDistance)
        action = 0;
    if (action == ACTION_ATTACK && d < kAttackDistance)
        action = ACTION_RETREAT;
    if (action == 0)
        action = ACTION_ATTACK;

    if (action == ACTION_ATTACK) {
        targetX = baseX;
        targetY = baseY;
        maxSpeed = kAttackSpeed;
    } else if (action == ACTION_RETREAT) {
        // Drawn again every frame of the retreat.
        targetX = baseX + ZE_Util::random(4000) - 2000;
        targetY = 0;
        maxSpeed = kRetreatSpeed;
    }
    // Steering still uses the direction to last frame's target.
    accelerationX = EnemyRules::steer(speedX, ux, maxSpeed, EnemyRules::kSteerStepX);
    accelerationY = EnemyRules::steer(speedY, uy, maxSpeed, EnemyRules::kSteerStepY);

    trailGenerator->setSource(x, y);
    sparksGenerator->setSource(x, y + ZE_Util::random(6) - 3);
    smokeGenerator->setSource(x - 32, y + ZE_Util::random(6) - 3);

    if (health > 0)
        collisions();
    if (health >= 1)
        return;

    // Wreck: it drops ever faster, burning, and leaves the wave only below the world.
    accelerationY = EnemyRules::kWreckAcceleration;
    if (y > EnemyRules::kWorldBottom && enable) {
        enable = false;
        if (playerP->getRemainingEnemiesP())
            --*playerP->getRemainingEnemiesP();
    }
    sparksGenerator->setCurrentFrame(1);
    sparksGenerator->setStartSpeed(200, 150);
    sparksGenerator->setParticleATime(50);
    sparksGenerator->start(x, y, 1, 1);
}

void Armadillo::collisions()
{
    for (int i = 0; i < playerP->getTotalCannons(); ++i) {
        bulletsP = playerP->getCannon(i)->getBulletsP();
        const int total = playerP->getTotalBullets(i);
        for (int j = 0; j < total; ++j)
            collide(bulletsP[j]);
    }
    // The base's missiles strike this type too.
    MissileLauncher* launcher = playerP->getMissileLauncher();
    Missile** missiles = launcher->getMissilesP();
    for (int j = 0; j < launcher->getTotalMissiles(); ++j)
        collide(missiles[j]);
}

void Armadillo::collide(Bullet* bullet)
{
    if (bullet->getAction() == 0)
        return;
    const float bx = bullet->getX();
    const float by = bullet->getY();
    if (shield->getHealth() > 0 && shield->hitTest(bx, by)) {
        bullet->hit();
        shield->hit(bullet);
        playerP->incBulletsHit();
    }
    // Not asking whether the shield took it: inside both, it strikes both and counts twice.
    if (hitTest(bx, by)) {
        bullet->hit();
        hit(bullet);
    }
}

void Armadillo::hit(Bullet* bullet)
{
    Object::hit(bullet);
    playerP->incBulletsHit();
    // Damaged craft trail smoke from the first hull hit, the thicker the weaker.
    if (smokeGenerator->getStatus() != GENERATING)
        smokeGenerator->start(x - 32, y, health * 4, 0);
    smokeGenerator->setGenerateTime(health * 4);
    sparksGenerator->setAcceleration(accelerationX, accelerationY);
    sparksGenerator->start(bullet->getX(), bullet->getY(), 1, 1);
    // Each hit that finds the hull at 0 scores, also the further ones of this pass.
    if (health == 0 && playerP->getScoreP())
        *playerP->getScoreP() += kScore;
}

void Armadillo::draw()
{
    if (!enable)
        return;
    trailGenerator->draw();
    Object::draw();
    cannons[0]->draw();
    sparksGenerator->draw();
    smokeGenerator->draw();
    shield->draw();
    if (playerP && playerP->getScanEnemiesHealth())
        drawHealthbar();
    if (playerP && playerP->getScanEnemiesShields())
        drawShieldsbar();
}
