#ifndef ENGINE_ZE_LIGHT_H
#define ENGINE_ZE_LIGHT_H

#include "engine/ZE_Sprite.h"

#include <string>

class ZE_Display;

// A short flash: triggered at half size and full opacity, it shrinks to nothing in about five
// frames and stays blocked for 51 runs while its opacity runs down. action 27 while flashing.
class ZE_Light : public ZE_Sprite {
public:
    ZE_Light(std::string path, ZE_Display* display, ZE_Sprite* shareFrom);

    // ZE_Sprite::reset, pivot at the frame centre, no motion: dark.
    void reset();
    // Ignored while a flash runs.
    void startFlash();
    void run();
    // Only while a flash runs.
    void draw();
    void setScrollXYP(float* sx, float* sy);
};

#endif
