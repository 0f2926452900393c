#include "combat/Shield.h"

#include "combat/Bullet.h"
#include "engine/ZE_Actions.h"
#include "engine/ZE_Display.h"
#include "engine/ZE_Util.h"

#include <cmath>

Shield::Shield(std::string name, ZE_Display* display, ZE_Sprite* sheet, int collisionType)
    : ZE_Sprite(name, display, 0, 0, sheet, collisionType)
{
    reset();
}

void Shield::reset()
{
    ZE_Sprite::reset();
    centerX = static_cast<float>(width >> 1);
    centerY = static_cast<float>(height >> 1);
    maxHealth = 0;
    health = 0;
    enable = false;
    down = false;
    currentFrame = 1;
    // One point a minute at the display's frame rate.
    rechargeStep = display ? display->getMaxFPS() * 60 : 0;
    rechargeCount = rechargeStep;
    rechargeEnable = false;
}

void Shield::hit(Bullet* bullet)
{
    action = ACTION_SHIELD_HIT;
    health -= bullet->getDamage();
    // The flash faces the impact.
    angle = ZE_Util::degrees(std::atan2(bullet->getY() - y, bullet->getX() - x));
    if (health <= 0) {
        health = 0;
        alpha = 252;
        currentFrame = 2;
        action = ACTION_SHIELD_DOWN;
        rechargeEnable = false;
    }
}

void Shield::run()
{
    if (!enable)
        return;
    ZE_Sprite::run();
    if (action == 0)
        currentFrame = 1;
    if (action == ACTION_SHIELD_HIT) {
        currentFrame = 3;
        alpha = 250;
        action = ACTION_FADE;
    }
    // Also in the frame the flash starts: drawn at 240 .. 10, over in the 25th run.
    if (action == ACTION_FADE) {
        alpha = static_cast<unsigned char>(alpha - 10);
        if (alpha == 0)
            action = 0;
    }
    if (action == ACTION_SHIELD_DOWN) {
        scaleX -= 0.018f;
        scaleY -= 0.018f;
        alpha = static_cast<unsigned char>(alpha - 4);
        if (alpha == 0) {
            enable = false;
            down = true;
            action = 0;
            scaleX = scaleY = 1.0f;
        }
    }
    if (rechargeEnable && health > 0) {
        // A shortened step takes effect at once.
        if (rechargeCount > rechargeStep)
            rechargeCount = rechargeStep;
        --rechargeCount;
        if (rechargeCount <= 0) {
            rechargeCount = rechargeStep;
            ++health;
        }
        if (health > maxHealth)
            health = maxHealth;
    }
}

void Shield::draw()
{
    ZE_Sprite::draw();
    if (action == ACTION_FADE || action == ACTION_SHIELD_DOWN) {
        currentFrame = 2;
        ZE_Sprite::draw();
        currentFrame = 3;
    }
}

void Shield::setScrollXYP(float* scrollX, float* scrollY)
{
    setScrollXP(scrollX);
    setScrollYP(scrollY);
}
