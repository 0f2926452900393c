#include "combat/Cannon.h"

#include "combat/Bullet.h"
#include "engine/ZE_Hold.h"
#include "engine/ZE_Sample.h"
#include "engine/ZE_Util.h"

#include <cmath>

Cannon::Cannon(std::string name, ZE_Display* display, int totalBullets, ZE_Sprite* sheet)
    : ZE_Sprite(name, display, 0, 0, sheet, 1),
      totalBullets(totalBullets > 0 ? totalBullets : 0),
      bulletDamage(0),
      bullets(new Bullet*[totalBullets > 0 ? totalBullets : 0]),
      aimSprite(nullptr),
      sampleShoot(nullptr)
{
    // Bullets and sight show frames of the cannon's own sheet.
    for (int i = 0; i < this->totalBullets; ++i)
        bullets[i] = new Bullet("", display, this);
    aimSprite = new ZE_Sprite("", display, 0, 0, this, 1);
    reset();
}

Cannon::~Cannon()
{
    for (int i = 0; i < totalBullets; ++i)
        delete bullets[i];
    delete[] bullets;
    delete aimSprite;
}

void Cannon::reset()
{
    ZE_Sprite::reset();
    // The owner places and turns the cannon; it never moves by itself.
    motionMode = 0;
    centerX = static_cast<float>(width >> 1);
    centerY = static_cast<float>(height >> 1);
    ready = true;
    enableTargetting = false;
    bulletsFired = 0;
    reloadCount = 0;
    reloadTime = 10;
    rotationSpeed = 0.4f;
    cannonFrictionX = cannonFrictionY = 0;
    cannonAccelerationX = cannonAccelerationY = 0;
    cannonGravityX = 0;
    cannonGravityY = -0.0098f;
    power = 1.0f;
    bulletsPerShot = 1;
    bulletFrame = 0;
    hullFrame = 0;
    aimFrame = 0;
    targettingRange = 32;
    weapon = -1;
    for (int i = 0; i < totalBullets; ++i)
        bullets[i]->reset();
    aimSprite->ZE_Sprite::reset();
    aimSprite->setCenterX(static_cast<float>(aimSprite->getWidth() >> 1));
    aimSprite->setCenterY(static_cast<float>(aimSprite->getHeight() >> 1));
}

void Cannon::restart()
{
    angle = 270;
    bulletsFired = 0;
    for (int i = 0; i < totalBullets; ++i)
        bullets[i]->reset();
}

void Cannon::run()
{
    ZE_Sprite::run();
    for (int i = 0; i < totalBullets; ++i)
        bullets[i]->run();
    if (!ready) {
        ++reloadCount;
        // Reaching or passing: a shorter reload mounted mid-reload must not jam the cannon.
        if (reloadCount >= reloadTime)
            ready = true;
    }
}

void Cannon::shoot()
{
    if (weapon == -1 || !ready)
        return;
    ready = false;
    reloadCount = 0;
    int budget = bulletsPerShot;
    for (int i = 0; i < totalBullets; ++i) {
        Bullet* bullet = bullets[i];
        if (bullet->getAction() != 0)
            continue;
        bullet->shoot(x, y, angle, power, life, cannonFrictionX, cannonFrictionY,
                      cannonAccelerationX, cannonAccelerationY, cannonGravityX,
                      cannonGravityY);
        bullet->setCurrentFrame(bulletFrame);
        bullet->setDamage(bulletDamage);
        ++bulletsFired;
        if (budget <= 1)
            break;
        --budget;
    }
    // Also when no bullet was free: the shot is spent either way.
    if (sampleShoot)
        sampleShoot->play();
}

void Cannon::draw()
{
    // Barrel, sight dots, bullets and hull are frames of one sheet: one batch.
    ZE_Hold hold;
    ZE_Sprite::draw();
    if (ready)
        drawTargetting(x, y, power, angle, cannonFrictionX, cannonFrictionY,
                       cannonAccelerationX, cannonAccelerationY);
    for (int i = 0; i < totalBullets; ++i)
        bullets[i]->draw();
    const int barrel = currentFrame;
    currentFrame = hullFrame;
    ZE_Sprite::draw();
    currentFrame = barrel;
}

void Cannon::drawTargetting(float x, float y, float speed, float angle, float frictionX,
                            float frictionY, float accelerationX, float accelerationY)
{
    if (!enableTargetting || weapon == -1)
        return;
    const float sx = scrollXP ? *scrollXP : 0.0f;
    const float sy = scrollYP ? *scrollYP : 0.0f;
    float vx = std::cos(ZE_Util::radians(angle)) * speed;
    float vy = -std::sin(ZE_Util::radians(angle)) * speed;
    // A range below 32 would give a stride of 0.
    const int stride = targettingRange / 32 > 0 ? targettingRange / 32 : 1;
    for (int i = 0; i < targettingRange; ++i) {
        // The same order as a bullet's free-motion step.
        x += vx;
        y -= vy;
        vx += cannonGravityX;
        vy += cannonGravityY;
        vx -= frictionX * vx;
        vy -= frictionY * vy;
        vx += accelerationX;
        vy += accelerationY;
        aimSprite->setCurrentFrame(aimFrame);
        aimSprite->setAlpha(static_cast<unsigned char>(targettingRange - i));
        aimSprite->setX(x - sx);
        aimSprite->setY(y - sy);
        aimSprite->setAngle(angle);
        if (i % stride == 0)
            aimSprite->ZE_Sprite::draw();
    }
}

void Cannon::setScrollXYP(float* scrollX, float* scrollY)
{
    setScrollXP(scrollX);
    setScrollYP(scrollY);
    for (int i = 0; i < totalBullets; ++i) {
        bullets[i]->setScrollXP(scrollX);
        bullets[i]->setScrollYP(scrollY);
    }
}

void Cannon::setFriction(float x, float y)
{
    cannonFrictionX = x;
    cannonFrictionY = y;
}
