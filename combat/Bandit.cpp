#include "combat/Bandit.h"

namespace {

const EnemyKind kBanditKind = {
    Bandit::kHealth,
    Bandit::kShieldHealth,
    Bandit::kScore,
    3.0f,  // speed limit after reset
    Bandit::kAttackSpeed,
    Bandit::kRetreatSpeed,
    Bandit::kAttackDistance,
    Bandit::kRetreatDistance,
    400,  // attack point height above the base
    true,  // aims at the base
    3,  // last flight frame
    1,  // bullet damage
    8,  // cannon hull frame
    1,  // bullet frame
    9.0f,  // bullet speed
    25,  // reload time
    160,  // bullet life
    true,  // hit by missiles
    -1,  // hull-hit sound: silent
};

}  // namespace

Bandit::Bandit(std::string name, ZE_Display* display, ZE_Sprite* particleSheet,
               ZE_Sprite* cannonSheet, ZE_Sprite* shieldSheet, ZE_Sprite* lightSheet,
               Object* shareFrom)
    : Enemy(kBanditKind, name, display, particleSheet, cannonSheet, shieldSheet, lightSheet,
            shareFrom)
{
}
