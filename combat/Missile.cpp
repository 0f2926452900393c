#include "combat/Missile.h"

#include "engine/ZE_Actions.h"
#include "engine/ZE_Hold.h"
#include "engine/ZE_Util.h"

#include <cmath>

Missile::Missile(std::string name, ZE_Display* display, ZE_Sprite* source)
    : Bullet(name, display, source), maxSpeed(4.0f)
{
    reset();
}

void Missile::reset()
{
    Bullet::reset();
    maxSpeed = 4.0f;
}

void Missile::shoot(float x, float y, float angle, float speed, int life, float frictionX,
                    float frictionY, float accelerationX, float accelerationY, float gravityX,
                    float gravityY, float* targetXP, float* targetYP)
{
    if (action != 0)
        return;
    Bullet::shoot(x, y, angle, speed, life, frictionX, frictionY, accelerationX, accelerationY,
                  gravityX, gravityY);
    this->targetXP = targetXP;
    this->targetYP = targetYP;
    action = ACTION_MISSILE_LAUNCH;
}

void Missile::run()
{
    // No life countdown: a missile flies until it strikes something.
    ZE_Sprite::run();
    if (action == ACTION_MISSILE_LAUNCH) {
        // Climb: thrust upward once the launch speed has bled off, home once fast enough.
        if (speedY < 0.3f)
            accelerationY = 0.1f;
        if (speedY > 2.1f)
            action = ACTION_MISSILE_HOMING;
    }
    if (action == ACTION_MISSILE_HOMING && targetXP && targetYP) {
        const float dx = *targetXP - x;
        const float dy = *targetYP - y;
        const float a = std::atan2(dy, dx);
        const float c = std::cos(a);
        const float s = -std::sin(a);  // upward share, in the sign of speedY
        // Bang-bang per axis toward maxSpeed times the direction to the target.
        accelerationX = speedX > maxSpeed * c ? -0.08f * std::fabs(c) : 0.08f * std::fabs(c);
        accelerationY = speedY > maxSpeed * s ? -0.1f * std::fabs(s) : 0.1f * std::fabs(s);
    }
}

void Missile::draw()
{
    if (action != 0)
        ZE_Sprite::draw();
}

void Missile::debug()
{
    if (action == 0 || !targetXP || !targetYP)
        return;
    const float sx = scrollXP ? *scrollXP : 0.0f;
    const float sy = scrollYP ? *scrollYP : 0.0f;
    // A primitive drawn while held would land under the batch: flush it first.
    ZE_Unhold unhold;
    ZE_Util::filledCircle(*targetXP - sx, *targetYP - sy, 28, 255, 255, 255);
}
