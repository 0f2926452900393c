#ifndef COMBAT_CRUISER_H
#define COMBAT_CRUISER_H

#include "combat/Enemy.h"

#include <string>

// A slow, heavy craft with a medium shield: attacks a point 400 pixels above the base, aims
// straight at the base and fires heavy bullets. Hit by the base's bullets and missiles; silent.
// Flying, firing, hits and the wreck are Enemy's; this type only gives its numbers.
class Cruiser : public Enemy {
public:
    static constexpr int kHealth = 60;
    static constexpr int kShieldHealth = 25;
    static constexpr int kScore = 200;
    static constexpr float kAttackSpeed = 1.0f;
    static constexpr float kRetreatSpeed = 2.0f;
    static constexpr float kAttackDistance = 300.0f;
    static constexpr float kRetreatDistance = 100.0f;

    // shareFrom null: the body picture is loaded from `name`; else its frames are shared.
    Cruiser(std::string name, ZE_Display* display, ZE_Sprite* particleSheet,
            ZE_Sprite* cannonSheet, ZE_Sprite* shieldSheet, ZE_Sprite* lightSheet,
            Object* shareFrom);
};

#endif
