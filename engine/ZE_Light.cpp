#include "engine/ZE_Light.h"

#include "engine/ZE_Actions.h"

ZE_Light::ZE_Light(std::string path, ZE_Display* display, ZE_Sprite* shareFrom)
    : ZE_Sprite(path, display, 0, 0, shareFrom, 1)
{
    reset();
}

void ZE_Light::reset()
{
    ZE_Sprite::reset();
    centerX = static_cast<float>(width / 2);
    centerY = static_cast<float>(height / 2);
    motionMode = 0;
}

void ZE_Light::startFlash()
{
    if (action != 0)
        return;
    scaleX = scaleY = 0.5f;
    scaleTo(0.0f, 0.1f);
    alpha = 255;
    action = ACTION_FLASH;
}

void ZE_Light::run()
{
    if (!enable)
        return;
    ZE_Sprite::run();
    if (action == ACTION_FLASH) {
        alpha = static_cast<unsigned char>(alpha - 5);
        if (alpha == 0)
            action = 0;
    }
}

void ZE_Light::draw()
{
    if (action != 0)
        ZE_Sprite::draw();
}

void ZE_Light::setScrollXYP(float* sx, float* sy)
{
    setScrollXP(sx);
    setScrollYP(sy);
}
