#include "combat/Cruiser.h"

namespace {

const EnemyKind kCruiserKind = {
    Cruiser::kHealth,
    Cruiser::kShieldHealth,
    Cruiser::kScore,
    3.0f,  // speed limit after reset
    Cruiser::kAttackSpeed,
    Cruiser::kRetreatSpeed,
    Cruiser::kAttackDistance,
    Cruiser::kRetreatDistance,
    400,  // attack point height above the base
    true,  // aims at the base
    3,  // last flight frame
    6,  // bullet damage
    10,  // cannon hull frame
    1,  // bullet frame
    8.0f,  // bullet speed
    100,  // reload time
    160,  // bullet life
    true,  // hit by missiles
    -1,  // hull-hit sound: silent
};

}  // namespace

Cruiser::Cruiser(std::string name, ZE_Display* display, ZE_Sprite* particleSheet,
                 ZE_Sprite* cannonSheet, ZE_Sprite* shieldSheet, ZE_Sprite* lightSheet,
                 Object* shareFrom)
    : Enemy(kCruiserKind, name, display, particleSheet, cannonSheet, shieldSheet, lightSheet,
            shareFrom)
{
}
