#ifndef COMBAT_ARMADILLO_H
#define COMBAT_ARMADILLO_H

#include "combat/Enemy.h"

#include <string>

// An armoured attacker: dives at the base itself and fires where it flies. Hit by the base's
// bullets and missiles (the base's missiles home on the first armadillo); silent.
// Flying, firing, hits and the wreck are Enemy's; this type only gives its numbers.
class Armadillo : public Enemy {
public:
    static constexpr int kHealth = 25;
    static constexpr int kShieldHealth = 10;
    static constexpr int kScore = 200;
    static constexpr float kAttackSpeed = 3.0f;
    static constexpr float kRetreatSpeed = 4.0f;
    static constexpr float kAttackDistance = 300.0f;
    static constexpr float kRetreatDistance = 100.0f;

    // shareFrom null: the body picture is loaded from `name`; else its frames are shared.
    Armadillo(std::string name, ZE_Display* display, ZE_Sprite* particleSheet,
              ZE_Sprite* cannonSheet, ZE_Sprite* shieldSheet, ZE_Sprite* lightSheet,
              Object* shareFrom);
};

#endif
