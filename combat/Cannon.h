#ifndef COMBAT_CANNON_H
#define COMBAT_CANNON_H

#include "engine/ZE_Sprite.h"

#include <string>

class Bullet;
class ZE_Display;
class ZE_Sample;

// A turret with a fixed pool of bullets: it reloads, launches the lowest free bullet along its
// barrel and can draw a dotted laser sight along the path an unjittered bullet would take.
// Barrel, hull, sight dots and bullets are frames of one sheet.
class Cannon : public ZE_Sprite {
public:
    Cannon(std::string name, ZE_Display* display, int totalBullets, ZE_Sprite* sheet);
    ~Cannon();

    // Loaded, reload 10, rotation 0.4, power 1, gravity (0, -0.0098), no weapon (-1), every
    // bullet free. The bullet damage and the sound are left alone.
    void reset();
    // Wave start: straight up (270), count of fired bullets 0, every bullet free. Readiness,
    // reload count and weapon settings stay.
    void restart();
    // Reloading, then the flight of every bullet.
    void run();
    // Barrel, laser sight (only when loaded), bullets, then the hull frame on top.
    void draw();
    // Spent even when no bullet is free (the sound still plays).
    void shoot();
    void drawTargetting(float x, float y, float speed, float angle, float frictionX,
                        float frictionY, float accelerationX, float accelerationY);
    void rotateLeft() { angle -= rotationSpeed; }
    void rotateRight() { angle += rotationSpeed; }
    // The cannon and its bullets (the sight is drawn in screen coordinates).
    void setScrollXYP(float* scrollX, float* scrollY);

    void incTargettingRange() { targettingRange += 16; }
    float getTargettingRangeScale() const { return targettingRange / 32.0f; }
    int getTargettingRange() const { return targettingRange; }

    Bullet** getBulletsP() const { return bullets; }
    int getTotalBullets() const { return totalBullets; }
    int getBulletsFired() const { return bulletsFired; }
    bool isReady() const { return ready; }
    int getReloadTime() const { return reloadTime; }
    void setReloadTime(int value) { reloadTime = value; }
    int getReloadCount() const { return reloadCount; }
    void setReloadCount(int value) { reloadCount = value; }
    float getRotationSpeed() const { return rotationSpeed; }
    void setRotationSpeed(float value) { rotationSpeed = value; }
    bool getEnableTargetting() const { return enableTargetting; }
    void setEnableTargetting(bool value) { enableTargetting = value; }
    int getWeapon() const { return weapon; }
    void setWeapon(int value) { weapon = value; }
    float getPower() const { return power; }
    void setPower(float value) { power = value; }
    float getCannonFrictionX() const { return cannonFrictionX; }
    float getCannonFrictionY() const { return cannonFrictionY; }
    void setFriction(float x, float y);
    int getBulletFrame() const { return bulletFrame; }
    void setBulletFrame(int value) { bulletFrame = value; }
    int getBulletDamage() const { return bulletDamage; }
    void setBulletDamage(int value) { bulletDamage = value; }
    int getHullFrame() const { return hullFrame; }
    void setHullFrame(int value) { hullFrame = value; }
    int getAimFrame() const { return aimFrame; }
    void setAimFrame(int value) { aimFrame = value; }
    ZE_Sample* getSampleShoot() const { return sampleShoot; }
    void setSampleShoot(ZE_Sample* value) { sampleShoot = value; }
    ZE_Sprite* getAimSprite() const { return aimSprite; }

protected:
    bool ready;
    bool enableTargetting;
    int bulletsFired;
    int totalBullets;
    int reloadCount;
    int reloadTime;
    float rotationSpeed;
    // Given to every bullet; named apart from the sprite's own motion fields.
    float cannonFrictionX;
    float cannonFrictionY;
    float cannonAccelerationX;
    float cannonAccelerationY;
    float cannonGravityX;
    float cannonGravityY;
    float power;
    int bulletsPerShot;
    int bulletFrame;
    int bulletDamage;
    int hullFrame;
    int aimFrame;
    int targettingRange;
    int weapon;
    Bullet** bullets;
    ZE_Sprite* aimSprite;
    ZE_Sample* sampleShoot;
};

#endif
