#include "combat/Player.h"

#include "combat/Armadillo.h"
#include "combat/Bandit.h"
#include "combat/Bullet.h"
#include "combat/Cannon.h"
#include "combat/Cruiser.h"
#include "combat/Hunter.h"
#include "combat/MissileLauncher.h"
#include "combat/Shield.h"
#include "engine/ZE_Display.h"
#include "engine/ZE_Game.h"
#include "engine/ZE_Keyboard.h"
#include "engine/ZE_Light.h"
#include "engine/ZE_ParticleGenerator.h"
#include "engine/ZE_Sample.h"
#include "engine/ZE_Util.h"
#include "shop/Catalogue.h"
#include "shop/Item.h"
#include "shop/Weapon.h"

namespace {

constexpr float kBaseX = 915;
constexpr float kBaseY = 574;
constexpr float kCannonY = 548;
constexpr int kSampleHullHit = 7;

}  // namespace

Player::Player(std::string name, ZE_Display* display, ZE_Game* game, ZE_Sprite* particleSheet,
               ZE_Sprite* cannonSheet, ZE_Sprite* shieldSheet, ZE_Sprite* lightSheet,
               ZE_Sample** samples)
    : Object(name, display, particleSheet, cannonSheet, shieldSheet, lightSheet, nullptr, 2, 3,
             2),
      game(game),
      keyboard(game ? game->getKeyboard() : nullptr),
      trailGenerator(particleGenerators[0]),
      smokeGenerator(particleGenerators[1]),
      sparksGenerator(particleGenerators[2]),
      weaponsP(Catalogue::createWeapons()),
      itemsP(Catalogue::createItems()),
      missileLauncher(new MissileLauncher("", display, 10, cannonSheet))
{
    inventoryP = new int[kInventorySlots];
    setSamplesP(samples);
    reset();
}

Player::~Player()
{
    releaseSamples();
    delete[] inventoryP;
    for (int i = 0; i < kWeapons; ++i)
        delete weaponsP[i];
    delete[] weaponsP;
    for (int i = 0; i < kItems; ++i)
        delete itemsP[i];
    delete[] itemsP;
    delete missileLauncher;
}

void Player::setSamplesP(ZE_Sample** samples)
{
    Object::setSamplesP(samples);
    releaseSamples();
    if (samples && samples[0]) {
        ZE_Audio* audio = samples[0]->getAudio();
        if (samples[kSampleHullHit])
            hitSample = new ZE_Sample("", audio, samples[kSampleHullHit]);
        // One instance per cannon and weapon, so the two cannons' shots never share one.
        shootSamples = new ZE_Sample**[totalCannons];
        for (int c = 0; c < totalCannons; ++c) {
            shootSamples[c] = new ZE_Sample*[kWeapons];
            for (int w = 0; w < kWeapons; ++w)
                shootSamples[c][w] = samples[w] ? new ZE_Sample("", audio, samples[w]) : nullptr;
        }
    }
    // Cannons already armed take the new instances of their weapons' sounds.
    for (int c = 0; c < totalCannons; ++c) {
        const int w = cannons[c]->getWeapon();
        cannons[c]->setSampleShoot(getShootSample(c, w));
    }
}

void Player::releaseSamples()
{
    delete hitSample;
    hitSample = nullptr;
    if (!shootSamples)
        return;
    for (int c = 0; c < totalCannons; ++c) {
        for (int w = 0; w < kWeapons; ++w)
            delete shootSamples[c][w];
        delete[] shootSamples[c];
    }
    delete[] shootSamples;
    shootSamples = nullptr;
}

ZE_Sample* Player::getShootSample(int cannon, int weapon) const
{
    if (!shootSamples || !validCannon(cannon) || weapon < 0 || weapon >= kWeapons)
        return nullptr;
    return shootSamples[cannon][weapon];
}

void Player::reset()
{
    ZE_Sprite::reset();
    motionMode = 0;  // the base never moves
    life = 240;      // the countdown after destruction
    bulletsHit = 0;
    maxCargo = cargo = 1000;
    decayStep = decayCount = 5;
    maxHealth = health = 500;
    radarRange = 1.0f;
    scanEnemiesRemaining = scanEnemiesHealth = scanEnemiesShields = false;
    radarEnable = false;
    centerX = static_cast<float>(width >> 1);
    centerY = static_cast<float>(height >> 1);
    x = kBaseX;
    y = kBaseY;
    setCurrentFrame(1);
    shield->reset();
    Catalogue::reset(weaponsP, itemsP);
    for (int i = 0; i < kInventorySlots; ++i)
        inventoryP[i] = -1;

    cannons[0]->reset();
    cannons[1]->reset();
    changeWeapon(0, 0);
    changeWeapon(-1, 1);
    const int barrelFrames[] = {1, 2};
    const int hullFrames[] = {0, 3};
    const int aimFrames[] = {6, 7};
    for (int c = 0; c < 2; ++c) {
        cannons[c]->setCurrentFrame(barrelFrames[c]);
        cannons[c]->setHullFrame(hullFrames[c]);
        cannons[c]->setAimFrame(aimFrames[c]);
        cannons[c]->setRotationSpeed(0.2f);
        cannons[c]->setX(kBaseX);
        cannons[c]->setY(kCannonY);
    }

    missileLauncher->reset();
    missileLauncher->setHullFrame(13);
    missileLauncher->setWeapon(-1);  // unarmed until bought
    missileLauncher->setBulletDamage(20);
    missileLauncher->setBulletFrame(15);
    missileLauncher->setReloadTime(1200);
    missileLauncher->setFriction(0.003f, 0.003f);
    missileLauncher->setPower(1.6f);
    missileLauncher->setLife(1000);
    missileLauncher->setX(x);
    missileLauncher->setY(y);

    configureGenerators();
}

void Player::configureGenerators()
{
    smokeGenerator->setAcceleration(0, 0.02f);
    smokeGenerator->setCurrentFrame(2);
    smokeGenerator->setStartAlpha(140);
    smokeGenerator->setStartScale(0, 0);
    smokeGenerator->setScaleStep(0.01f, 0.01f);

    sparksGenerator->setAcceleration(0, 0);
    sparksGenerator->setCurrentFrame(5);
    sparksGenerator->setParticleATime(10);
    sparksGenerator->setStartSpeed(100, 100);
    sparksGenerator->setRandomEnable(true);
    sparksGenerator->setStartAlpha(250);
    sparksGenerator->setAlphaStep(10);
    sparksGenerator->setStartLife(0);
}

void Player::restart()
{
    bulletsHit = 0;
    cannons[0]->restart();
    cannons[1]->restart();
    for (int i = 0; i < totalParticleGenerators; ++i)
        particleGenerators[i]->reset();
    missileLauncher->restart();
    decayCount = decayStep;
    cargo = maxCargo;
    configureGenerators();
    shield->setX(x);
    shield->setY(y);
}

void Player::run()
{
    Object::run();
    if (health > 0) {
        if (keyboard && game) {
            if (keyboard->keyPressed(game->getKeyLeft()))
                for (int c = 0; c < totalCannons; ++c)
                    cannons[c]->rotateLeft();
            if (keyboard->keyPressed(game->getKeyRight()))
                for (int c = 0; c < totalCannons; ++c)
                    cannons[c]->rotateRight();
            if (keyboard->keyPressed(game->getKeyFire1()))
                cannons[0]->shoot();
            if (keyboard->keyPressed(game->getKeyFire2()))
                cannons[1]->shoot();
            if (keyboard->keyPressed(game->getKeyFire3())) {
                // Missiles home on the first armadillo's position, in the wave or not.
                Armadillo* target = armadillosP ? armadillosP[0] : nullptr;
                missileLauncher->shoot(target ? target->getXP() : nullptr,
                                       target ? target->getYP() : nullptr);
            }
        }
        collisions();
    }
    if (health < 400)
        smokeGenerator->start(x + ZE_Util::random(80) - 40, y, health + 1, 0);
    if (health >= 200) {
        setCurrentFrame(1);
        cannons[1]->setHullFrame(3);
    }
    if (health < 200) {
        setCurrentFrame(2);
        cannons[1]->setHullFrame(4);
    }
    if (health < 100) {
        setCurrentFrame(3);
        cannons[1]->setHullFrame(5);
    }
    if (health == 0 && life > 0)
        --life;
    if (cargo > maxCargo * 0.1) {
        --decayCount;
        if (decayCount <= 0) {
            decayCount = decayStep;
            --cargo;
        }
    }
    missileLauncher->run();
}

void Player::collisions()
{
    if (huntersP)
        for (int i = 0; i < kHunters; ++i)
            if (huntersP[i])
                collideWith(huntersP[i]);
    if (armadillosP)
        for (int i = 0; i < kArmadillos; ++i)
            if (armadillosP[i])
                collideWith(armadillosP[i]);
    if (banditsP)
        for (int i = 0; i < kBandits; ++i)
            if (banditsP[i])
                collideWith(banditsP[i]);
    if (cruisersP)
        for (int i = 0; i < kCruisers; ++i)
            if (cruisersP[i])
                collideWith(cruisersP[i]);
}

void Player::collideWith(Object* enemy)
{
    if (!enemy->getEnable())
        return;
    for (int i = 0; i < enemy->getTotalCannons(); ++i) {
        bulletsP = enemy->getCannon(i)->getBulletsP();
        const int total = enemy->getTotalBullets(i);
        for (int j = 0; j < total; ++j) {
            Bullet* bullet = bulletsP[j];
            if (bullet->getAction() == 0)
                continue;
            const float bx = bullet->getX();
            const float by = bullet->getY();
            if (shield->getHealth() > 0 && shield->hitTest(bx, by)) {
                bullet->hit();
                shield->hit(bullet);
            }
            // Not asking whether the shield took it: inside both, it strikes both.
            if (hitTest(bx, by)) {
                bullet->hit();
                hit(bullet);
            }
        }
    }
}

void Player::hit(Bullet* bullet)
{
    Object::hit(bullet);
    smokeGenerator->setGenerateTime(health * 4);
    sparksGenerator->setAcceleration(accelerationX, accelerationY);
    sparksGenerator->start(bullet->getX(), bullet->getY(), 1, 1);
    lights[0]->setX(bullet->getX());
    lights[0]->setY(bullet->getY());
    lights[0]->startFlash();
    if (hitSample)
        hitSample->play();
}

void Player::draw()
{
    if (!enable)
        return;
    trailGenerator->draw();
    Object::draw();
    cannons[0]->draw();
    cannons[1]->draw();
    missileLauncher->draw();
    sparksGenerator->draw();
    smokeGenerator->draw();
    shield->draw();
    lights[0]->draw();
}

void Player::setScrollXYP(float* scrollX, float* scrollY)
{
    Object::setScrollXYP(scrollX, scrollY);
    missileLauncher->setScrollXYP(scrollX, scrollY);
}

void Player::changeWeapon(int weapon, int cannon)
{
    if (!validCannon(cannon) || weapon < -1 || weapon >= kWeapons)
        return;
    Cannon* mounted = cannons[cannon];
    mounted->setWeapon(weapon);
    if (weapon == -1)
        return;  // empty: the old settings stay, the cannon will not fire
    const Weapon* chosen = weaponsP[weapon];
    mounted->setBulletFrame(chosen->getBulletFrame());
    mounted->setBulletDamage(chosen->getBulletDamage());
    const int framesPerMinute = display ? display->getMaxFPS() * 60 : 0;
    if (chosen->getFirerate() > 0)
        mounted->setReloadTime(framesPerMinute / chosen->getFirerate());
    mounted->setPower(chosen->getPower());
    // Both cannons, whichever changed.
    for (int c = 0; c < totalCannons; ++c)
        cannons[c]->setFriction(0.003f, 0.003f);
    cannons[0]->setLife(140);
    if (totalCannons > 1)
        cannons[1]->setLife(150);
    mounted->setSampleShoot(getShootSample(cannon, weapon));
}

int Player::getCurrentWeapon(int cannon) const
{
    return validCannon(cannon) ? cannons[cannon]->getWeapon() : -1;
}

bool Player::addToInventory(int weapon)
{
    if (weapon < 0 || weapon >= kWeapons)
        return false;
    for (int i = 0; i < kInventorySlots; ++i)
        if (inventoryP[i] == -1) {
            inventoryP[i] = weapon;
            return true;
        }
    return false;
}

bool Player::removeFromInventory(int slot)
{
    if (slot < 0 || slot >= kInventorySlots)
        return false;
    for (int i = slot; i < kInventorySlots - 1; ++i)
        inventoryP[i] = inventoryP[i + 1];
    inventoryP[kInventorySlots - 1] = -1;
    return true;
}

int Player::countInventory() const
{
    int used = 0;
    for (int i = 0; i < kInventorySlots; ++i)
        if (inventoryP[i] != -1)
            ++used;
    return used;
}

void Player::activateShield(bool full)
{
    if (full) {
        shield->setHealth(200);
        shield->setMaxHealth(200);
    }
    shield->setEnable(true);
}

bool Player::isShieldEnable() const
{
    return shield->getEnable();
}

bool Player::getShieldDown() const
{
    return shield->getDown();
}

void Player::setShieldHealth(int value)
{
    shield->setHealth(value);
}

int Player::getShieldMaxHealth() const
{
    return shield->getMaxHealth();
}

void Player::setShieldMaxHealth(int value)
{
    shield->setMaxHealth(value);
}

int Player::getShieldRechargeStep() const
{
    return shield->getRechargeStep();
}

void Player::setShieldRechargeStep(int value)
{
    shield->setRechargeStep(value);
}

void Player::setShieldEnableRecharge(int on)
{
    shield->setRechargeEnable(on != 0);
}

int Player::totalBulletsFired() const
{
    int fired = missileLauncher->getBulletsFired();
    for (int c = 0; c < totalCannons; ++c)
        fired += cannons[c]->getBulletsFired();
    return fired;
}
