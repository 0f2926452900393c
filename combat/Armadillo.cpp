#include "combat/Armadillo.h"

namespace {

const EnemyKind kArmadilloKind = {
    Armadillo::kHealth,
    Armadillo::kShieldHealth,
    Armadillo::kScore,
    3.0f,  // speed limit after reset
    Armadillo::kAttackSpeed,
    Armadillo::kRetreatSpeed,
    Armadillo::kAttackDistance,
    Armadillo::kRetreatDistance,
    0,  // attack point height above the base
    false,  // aims at the base
    3,  // last flight frame
    2,  // bullet damage
    0,  // cannon hull frame
    4,  // bullet frame
    8.0f,  // bullet speed
    60,  // reload time
    160,  // bullet life
    true,  // hit by missiles
    -1,  // hull-hit sound: silent
};

}  // namespace

Armadillo::Armadillo(std::string name, ZE_Display* display, ZE_Sprite* particleSheet,
                     ZE_Sprite* cannonSheet, ZE_Sprite* shieldSheet, ZE_Sprite* lightSheet,
                     Object* shareFrom)
    : Enemy(kArmadilloKind, name, display, particleSheet, cannonSheet, shieldSheet, lightSheet,
            shareFrom)
{
}
