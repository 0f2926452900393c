#include "combat/Object.h"

#include "combat/Bullet.h"
#include "combat/Cannon.h"
#include "combat/Shield.h"
#include "engine/ZE_Hold.h"
#include "engine/ZE_Light.h"
#include "engine/ZE_ParticleGenerator.h"
#include "engine/ZE_Util.h"


namespace {

int atLeastZero(int n)
{
    return n > 0 ? n : 0;
}

// Bars are primitives: a pending held batch is flushed first so they land on top of it, and
// the hold is taken again for whoever held it.
void drawBar(float left, float top, int width, int r, int g, int b)
{
    ZE_Unhold unhold;
    ZE_Util::rectangle(left, top, static_cast<float>(width), 4, r, g, b, true);
}

}  // namespace

Object::Object(std::string name, ZE_Display* display, ZE_Sprite* particleSheet,
               ZE_Sprite* cannonSheet, ZE_Sprite* shieldSheet, ZE_Sprite* lightSheet,
               ZE_Sprite* bodyShareFrom, int totalCannons, int totalParticleGenerators,
               int collisionType)
    : ZE_Sprite(name, display, 0, 0, bodyShareFrom, collisionType),
      totalCannons(atLeastZero(totalCannons)),
      totalParticleGenerators(atLeastZero(totalParticleGenerators)),
      totalLights(1),
      health(0)
{
    particleGenerators = new ZE_ParticleGenerator*[this->totalParticleGenerators];
    for (int i = 0; i < this->totalParticleGenerators; ++i)
        particleGenerators[i] = new ZE_ParticleGenerator("", display, 50, particleSheet);
    cannons = new Cannon*[this->totalCannons];
    for (int i = 0; i < this->totalCannons; ++i)
        cannons[i] = new Cannon("", display, 100, cannonSheet);
    lights = new ZE_Light*[totalLights];
    lights[0] = new ZE_Light("", display, lightSheet);
    shield = new Shield("", display, shieldSheet, 2);
    reset();
}

Object::~Object()
{
    for (int i = 0; i < totalParticleGenerators; ++i)
        delete particleGenerators[i];
    delete[] particleGenerators;
    for (int i = 0; i < totalCannons; ++i)
        delete cannons[i];
    delete[] cannons;
    for (int i = 0; i < totalLights; ++i)
        delete lights[i];
    delete[] lights;
    delete shield;
}

void Object::run()
{
    if (!enable)
        return;
    ZE_Sprite::run();
    for (int i = 0; i < totalParticleGenerators; ++i)
        particleGenerators[i]->run();
    for (int i = 0; i < totalCannons; ++i)
        cannons[i]->run();
    for (int i = 0; i < totalLights; ++i)
        lights[i]->run();
    shield->run();
}

void Object::draw()
{
    ZE_Sprite::draw();
}

void Object::hit(Bullet* bullet)
{
    health -= bullet->getDamage();
    if (health < 0)
        health = 0;
}

void Object::reset()
{
    ZE_Sprite::reset();
    centerX = static_cast<float>(width >> 1);
    centerY = static_cast<float>(height >> 1);
    health = 0;
    enable = false;
    for (int i = 0; i < totalParticleGenerators; ++i)
        particleGenerators[i]->reset();
    for (int i = 0; i < totalCannons; ++i)
        cannons[i]->reset();
    shield->reset();
}

void Object::setScrollXYP(float* scrollX, float* scrollY)
{
    setScrollXP(scrollX);
    setScrollYP(scrollY);
    for (int i = 0; i < totalParticleGenerators; ++i)
        particleGenerators[i]->setScrollXYP(scrollX, scrollY);
    for (int i = 0; i < totalCannons; ++i)
        cannons[i]->setScrollXYP(scrollX, scrollY);
    for (int i = 0; i < totalLights; ++i)
        lights[i]->setScrollXYP(scrollX, scrollY);
    shield->setScrollXYP(scrollX, scrollY);
}

void Object::drawHealthbar()
{
    if (!enable)
        return;
    const float left = x - (scrollXP ? *scrollXP : 0.0f) - centerX;
    const float top = y - (scrollYP ? *scrollYP : 0.0f) - centerY;
    drawBar(left, top - 6, health, 0, 200, 0);
}

void Object::drawShieldsbar()
{
    if (!enable)
        return;
    const float left = x - (scrollXP ? *scrollXP : 0.0f) - centerX;
    const float top = y - (scrollYP ? *scrollYP : 0.0f) - centerY;
    drawBar(left, top - 12, getShieldHealth(), 0, 50, 230);
}

float Object::getScrollX() const
{
    return scrollXP ? *scrollXP : 0.0f;
}

float Object::getScrollY() const
{
    return scrollYP ? *scrollYP : 0.0f;
}

Cannon* Object::getCannon(int i) const
{
    return validCannon(i) ? cannons[i] : nullptr;
}

float Object::getCannonAngle(int i) const
{
    return validCannon(i) ? cannons[i]->getAngle() : 0.0f;
}

int Object::getTotalBullets(int i) const
{
    return validCannon(i) ? cannons[i]->getTotalBullets() : 0;
}

int Object::getShieldHealth() const
{
    return shield->getHealth();
}

ZE_ParticleGenerator* Object::getParticleGenerator(int i) const
{
    return i >= 0 && i < totalParticleGenerators ? particleGenerators[i] : nullptr;
}
