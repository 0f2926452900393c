#ifndef COMBAT_HUNTER_H
#define COMBAT_HUNTER_H

#include "combat/Enemy.h"

#include <string>

// The lightest enemy: attacks the base itself, fires where it flies, is not hit by missiles
// and plays the hull-hit sound.
// Flying, firing, hits and the wreck are Enemy's; this type only gives its numbers.
class Hunter : public Enemy {
public:
    static constexpr int kHealth = 8;
    static constexpr int kShieldHealth = 4;
    static constexpr int kScore = 100;
    static constexpr float kAttackSpeed = 2.0f;
    static constexpr float kRetreatSpeed = 3.0f;
    static constexpr float kAttackDistance = 250.0f;
    static constexpr float kRetreatDistance = 200.0f;

    // shareFrom null: the body picture is loaded from `name`; else its frames are shared.
    Hunter(std::string name, ZE_Display* display, ZE_Sprite* particleSheet,
           ZE_Sprite* cannonSheet, ZE_Sprite* shieldSheet, ZE_Sprite* lightSheet,
           Object* shareFrom);
};

#endif
