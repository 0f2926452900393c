#include "combat/EnemyRules.h"

#include "engine/ZE_Util.h"

#include <cmath>

namespace EnemyRules {

float steer(float speed, float u, float limit, float step)
{
    const float thrust = step * std::fabs(u);
    return speed > limit * u ? -thrust : thrust;
}

void spawnPoint(float& x, float& y)
{
    // Left: -1300 .. -300; right: 2900 .. 3900; one chance in two each.
    if (ZE_Util::random(1) != 0)
        x = static_cast<float>(ZE_Util::random(1000) - 1300);
    else
        x = static_cast<float>(ZE_Util::random(1000) + 2900);
    y = static_cast<float>(ZE_Util::random(200));
}

}  // namespace EnemyRules
