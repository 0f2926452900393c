#ifndef COMBAT_ENEMYRULES_H
#define COMBAT_ENEMYRULES_H

// Rules the four enemy craft share, kept in one place so the twins cannot drift apart.
namespace EnemyRules {

// Chance of a shot per frame while attacking: one in kFireChance + 1.
constexpr int kFireChance = 40;
constexpr float kSteerStepX = 0.02f;
constexpr float kSteerStepY = 0.03f;
// A wreck falling below this y leaves the world and is counted off the wave.
constexpr float kWorldBottom = 5000.0f;
constexpr float kWreckAcceleration = -0.3f;

// Bang-bang step on one axis: push the speed toward limit x u by step x |u|.
float steer(float speed, float u, float limit, float step);
// A random point off either side of the stage, drawn side first, then x, then y.
void spawnPoint(float& x, float& y);

}  // namespace EnemyRules

#endif
