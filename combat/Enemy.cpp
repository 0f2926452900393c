#include "combat/Enemy.h"

#include "combat/Bullet.h"
#include "combat/Cannon.h"
#include "combat/Missile.h"
#include "combat/MissileLauncher.h"
#include "combat/Player.h"
#include "combat/Shield.h"
#include "engine/ZE_Actions.h"
#include "engine/ZE_ParticleGenerator.h"
#include "engine/ZE_Sample.h"
#include "engine/ZE_Util.h"

#include <cmath>

namespace {

// Chance of a shot per frame while attacking: one in kFireChance + 1.
constexpr int kFireChance = 40;
constexpr float kSteerStepX = 0.02f;
constexpr float kSteerStepY = 0.03f;
// A wreck falling below this y leaves the world and is counted off the wave.
constexpr float kWorldBottom = 5000.0f;
constexpr float kWreckAcceleration = -0.3f;

// Bang-bang step on one axis: push the speed toward limit x u by step x |u|.
float steer(float speed, float u, float limit, float step)
{
    const float thrust = step * std::fabs(u);
    return speed > limit * u ? -thrust : thrust;
}

// A random point off either side of the stage, drawn side first, then x, then y.
void spawnPoint(float& x, float& y)
{
    // Left: -1300 .. -300; right: 2900 .. 3900; one chance in two each.
    if (ZE_Util::random(1) != 0)
        x = static_cast<float>(ZE_Util::random(1000) - 1300);
    else
        x = static_cast<float>(ZE_Util::random(1000) + 2900);
    y = static_cast<float>(ZE_Util::random(200));
}

}  // namespace

Enemy::Enemy(const EnemyKind& kind, std::string name, ZE_Display* display,
             ZE_Sprite* particleSheet, ZE_Sprite* cannonSheet, ZE_Sprite* shieldSheet,
             ZE_Sprite* lightSheet, Object* shareFrom)
    : Object(name, display, particleSheet, cannonSheet, shieldSheet, lightSheet, shareFrom, 1, 3,
             3),
      trailGenerator(particleGenerators[0]),
      smokeGenerator(particleGenerators[1]),
      sparksGenerator(particleGenerators[2]),
      targetX(0),
      targetY(0),
      maxSpeed(kind.resetSpeed),
      kind(kind)
{
    reset();
}

Enemy::~Enemy()
{
    delete hitSample;
}

void Enemy::setSamplesP(ZE_Sample** samples)
{
    Object::setSamplesP(samples);
    if (kind.hitSound < 0)
        return;
    delete hitSample;
    hitSample = nullptr;
    // An instance of its own, so it tracks its own playback.
    if (samples && samples[0] && samples[kind.hitSound])
        hitSample = new ZE_Sample("", samples[0]->getAudio(), samples[kind.hitSound]);
}

void Enemy::reset()
{
    Object::reset();
    targetX = targetY = 0;
    maxSpeed = kind.resetSpeed;
    health = kind.health;
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
    cannon->setBulletDamage(kind.bulletDamage);
    cannon->setCurrentFrame(0);
    cannon->setHullFrame(kind.cannonHullFrame);
    cannon->setAimFrame(1);
    cannon->setBulletFrame(kind.bulletFrame);
    cannon->setFriction(0.003f, 0.003f);
    cannon->setPower(kind.bulletSpeed);
    cannon->setReloadTime(kind.reloadTime);
    cannon->setLife(kind.bulletLife);
    cannon->setX(x);
    cannon->setY(y);
    cannon->setEnableTargetting(false);
}

void Enemy::restart(bool active)
{
    reset();
    if (!active)
        return;
    spawnPoint(x, y);
    startAnimation(1, kind.lastFlightFrame, 0);
    enable = true;
}

void Enemy::activateShield(bool on)
{
    if (!on)
        return;
    shield->setHealth(kind.shieldHealth);
    shield->setEnable(true);
}

void Enemy::run()
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
    if (kind.aimsAtBase)
        cannon->setAngle(ZE_Util::degrees(std::atan2(baseY - y, baseX - x)));
    else
        cannon->setAngle(angle);  // free motion turns the body where it flies
    // Health is not asked: a wreck that was attacking still fires.
    if (ZE_Util::random(kFireChance) == 0 && action == ACTION_ATTACK)
        cannon->shoot();

    const float dx = targetX - x;
    const float dy = targetY - y;
    const float d = std::sqrt(dx * dx + dy * dy);
    const float theta = std::atan2(dy, dx);
    const float ux = std::cos(theta);
    const float uy = -std::sin(theta);  // > 0 when the target lies above

    if (action == ACTION_RETREAT && d < kind.retreatDistance)
        action = 0;
    if (action == ACTION_ATTACK && d < kind.attackDistance)
        action = ACTION_RETREAT;
    if (action == 0)
        action = ACTION_ATTACK;

    if (action == ACTION_ATTACK) {
        targetX = baseX;
        targetY = baseY - kind.attackHeight;
        maxSpeed = kind.attackSpeed;
    } else if (action == ACTION_RETREAT) {
        // Drawn again every frame of the retreat.
        targetX = baseX + ZE_Util::random(4000) - 2000;
        targetY = 0;
        maxSpeed = kind.retreatSpeed;
    }
    // Steering still uses the direction to last frame's target.
    accelerationX = steer(speedX, ux, maxSpeed, kSteerStepX);
    accelerationY = steer(speedY, uy, maxSpeed, kSteerStepY);

    trailGenerator->setSource(x, y);
    sparksGenerator->setSource(x, y + ZE_Util::random(6) - 3);
    smokeGenerator->setSource(x - 32, y + ZE_Util::random(6) - 3);

    if (health > 0)
        collisions();
    if (health >= 1)
        return;

    // Wreck: it drops ever faster, burning, and leaves the wave only below the world.
    accelerationY = kWreckAcceleration;
    if (y > kWorldBottom && enable) {
        enable = false;
        if (playerP->getRemainingEnemiesP())
            --*playerP->getRemainingEnemiesP();
    }
    sparksGenerator->setCurrentFrame(1);
    sparksGenerator->setStartSpeed(200, 150);
    sparksGenerator->setParticleATime(50);
    sparksGenerator->start(x, y, 1, 1);
}

void Enemy::collisions()
{
    for (int i = 0; i < playerP->getTotalCannons(); ++i) {
        bulletsP = playerP->getCannon(i)->getBulletsP();
        const int total = playerP->getTotalBullets(i);
        for (int j = 0; j < total; ++j)
            collide(bulletsP[j]);
    }
    if (!kind.hitByMissiles)
        return;
    MissileLauncher* launcher = playerP->getMissileLauncher();
    Missile** missiles = launcher->getMissilesP();
    for (int j = 0; j < launcher->getTotalMissiles(); ++j)
        collide(missiles[j]);
}

void Enemy::collide(Bullet* bullet)
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

void Enemy::hit(Bullet* bullet)
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
        *playerP->getScoreP() += kind.score;
    if (hitSample)
        hitSample->play();
}

void Enemy::draw()
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
