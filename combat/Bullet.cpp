#include "combat/Bullet.h"

#include "engine/ZE_Actions.h"
#include "engine/ZE_Util.h"

#include <cmath>

Bullet::Bullet(std::string name, ZE_Display* display, ZE_Sprite* source)
    : ZE_Sprite(name, display, 0, 0, source, 1), damage(0)
{
    reset();
}

void Bullet::reset()
{
    ZE_Sprite::reset();
    damage = 0;
    centerX = static_cast<float>(width >> 1);
    centerY = static_cast<float>(height >> 1);
}

void Bullet::shoot(float x, float y, float angle, float speed, int life, float frictionX,
                   float frictionY, float accelerationX, float accelerationY, float gravityX,
                   float gravityY)
{
    if (action != 0)
        return;
    this->x = x;
    this->y = y;
    // Each component draws its own jitter: the only scatter of a cannon's fire.
    const int j1 = ZE_Util::random(2);
    speedX = std::cos(ZE_Util::radians(angle + j1 - 1)) * speed;
    const int j2 = ZE_Util::random(2);
    speedY = -std::sin(ZE_Util::radians(angle + j2 - 1)) * speed;
    this->frictionX = frictionX;
    this->frictionY = frictionY;
    this->gravityX = gravityX;
    this->gravityY = gravityY;
    this->accelerationX = accelerationX;
    this->accelerationY = accelerationY;
    this->angle = angle;
    alpha = 200;
    this->life = life;
    action = ACTION_FLY;
}

void Bullet::run()
{
    ZE_Sprite::run();
    if (action == ACTION_FLY) {
        --life;
        if (life <= 0)
            action = ACTION_FADE;
    }
    // Also in the frame whose countdown just ended.
    if (action == ACTION_FADE) {
        alpha = static_cast<unsigned char>(alpha - 10);
        if (alpha == 0)
            action = 0;
    }
}

void Bullet::draw()
{
    if (action != 0)
        ZE_Sprite::draw();
}

void Bullet::hit()
{
    action = 0;
}
