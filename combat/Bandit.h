#ifndef COMBAT_BANDIT_H
#define COMBAT_BANDIT_H

#include "combat/Enemy.h"

#include <string>

// A fast gunship: attacks a point 400 pixels above the base, aims its cannon straight at the
// base and fires often. Hit by the base's bullets and missiles; silent.
// Flying, firing, hits and the wreck are Enemy's; this type only gives its numbers.
class Bandit : public Enemy {
public:
    static constexpr int kHealth = 20;
    static constexpr int kShieldHealth = 8;
    static constexpr int kScore = 200;
    static constexpr float kAttackSpeed = 2.0f;
    static constexpr float kRetreatSpeed = 3.0f;
    static constexpr float kAttackDistance = 300.0f;
    static constexpr float kRetreatDistance = 100.0f;

    // shareFrom null: the body picture is loaded from `name`; else its frames are shared.
    Bandit(std::string name, ZE_Display* display, ZE_Sprite* particleSheet,
           ZE_Sprite* cannonSheet, ZE_Sprite* shieldSheet, ZE_Sprite* lightSheet,
           Object* shareFrom);
};

#endif
