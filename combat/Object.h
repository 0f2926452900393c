#ifndef COMBAT_OBJECT_H
#define COMBAT_OBJECT_H

#include "engine/ZE_Sprite.h"

#include <string>

class Bullet;
class Cannon;
class Shield;
class ZE_Display;
class ZE_Light;
class ZE_ParticleGenerator;
class ZE_Sample;

// The common base of every craft: the body sprite plus its cannons, shield, light and particle
// generators, and the hull points. Steering, firing, collisions, scoring and the drawing order
// of the parts belong to the derived craft, which call these versions explicitly.
class Object : public ZE_Sprite {
public:
    // bodyShareFrom may be null: the body picture is then loaded from `name`.
    Object(std::string name, ZE_Display* display, ZE_Sprite* particleSheet,
           ZE_Sprite* cannonSheet, ZE_Sprite* shieldSheet, ZE_Sprite* lightSheet,
           ZE_Sprite* bodyShareFrom, int totalCannons, int totalParticleGenerators,
           int collisionType);
    ~Object();

    // Body, generators, cannons, light, shield; nothing while the body is disabled.
    void run();
    // The body only.
    void draw();
    // Hull minus the bullet's damage, never below 0.
    void hit(Bullet* bullet);
    // Disabled, 0 health, generators, cannons and shield reset (the light is not).
    void reset();
    void setScrollXYP(float* scrollX, float* scrollY);
    void setSamplesP(ZE_Sample** samples) { samplesP = samples; }
    // Bars over the body's frame, one pixel per point (primitives: any hold is flushed first).
    void drawHealthbar();
    void drawShieldsbar();

    float getScrollX() const;
    float getScrollY() const;
    int getHealth() const { return health; }
    void setHealth(int value) { health = value < 0 ? 0 : value; }
    int getTotalCannons() const { return totalCannons; }
    // A bad cannon index gives null, angle 0 and 0 bullets.
    Cannon* getCannon(int i) const;
    float getCannonAngle(int i) const;
    int getTotalBullets(int i) const;
    Shield* getShield() const { return shield; }
    int getShieldHealth() const;
    int getTotalParticleGenerators() const { return totalParticleGenerators; }
    ZE_ParticleGenerator* getParticleGenerator(int i) const;
    ZE_Light* getLight() const { return lights[0]; }
    ZE_Sample** getSamplesP() const { return samplesP; }

protected:
    bool validCannon(int i) const { return i >= 0 && i < totalCannons; }

    Bullet** bulletsP = nullptr;
    Cannon** cannons;
    Shield* shield;
    ZE_Light** lights;
    ZE_Sample** samplesP = nullptr;
    ZE_ParticleGenerator** particleGenerators;
    int totalCannons;
    int totalParticleGenerators;
    int totalLights;
    int health;
};

#endif
