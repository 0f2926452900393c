#include "combat/Hunter.h"

namespace {

const EnemyKind kHunterKind = {
    Hunter::kHealth,
    Hunter::kShieldHealth,
    Hunter::kScore,
    2.0f,  // speed limit after reset
    Hunter::kAttackSpeed,
    Hunter::kRetreatSpeed,
    Hunter::kAttackDistance,
    Hunter::kRetreatDistance,
    0,  // attack point height above the base
    false,  // aims at the base
    2,  // last flight frame
    1,  // bullet damage
    0,  // cannon hull frame
    2,  // bullet frame
    5.5f,  // bullet speed
    100,  // reload time
    140,  // bullet life
    false,  // hit by missiles
    7,  // hull-hit sound: entry 7, "metal_hit.ogg"
};

}  // namespace

Hunter::Hunter(std::string name, ZE_Display* display, ZE_Sprite* particleSheet,
               ZE_Sprite* cannonSheet, ZE_Sprite* shieldSheet, ZE_Sprite* lightSheet,
               Object* shareFrom)
    : Enemy(kHunterKind, name, display, particleSheet, cannonSheet, shieldSheet, lightSheet,
            shareFrom)
{
}
