// The developer's overlay of play: figures in the top-left corner and the collision outlines.
#include "game/Game.h"

#include "combat/Enemy.h"
#include "combat/MissileLauncher.h"
#include "combat/Player.h"
#include "combat/Shield.h"
#include "engine/ZE.h"
#include "engine/ZE_Font.h"
#include "engine/ZE_Util.h"
#include "game/Stage.h"

void Game::showDebug()
{
    Stage* stage = stages[currentStage];
    const int lineHeight = font->getLineHeight();
    const std::string lines[5] = {
        compose("FPS: ", fps),
        compose("Version: ", ZE::version()),
        compose("Angles: ", player->getCannonAngle(0), " ", player->getCannonAngle(1)),
        compose("Scroll X,Y: ", stage->getScrollX(), " ", stage->getScrollY()),
        compose("Stage ", currentStage, "-", currentWave, " (", currentStage + 1, "-",
                currentWave + 1, ") Enemies remaining: ", remainingEnemies),
    };
    for (int k = 0; k < 5; ++k)
        ZE_Util::printText(font->getFont(), lines[k], 0, k * lineHeight, 255, 255, 255);

    stage->debug();
    player->ZE_Sprite::debug();
    player->getShield()->ZE_Sprite::debug();
    player->getMissileLauncher()->debug();
    for (Enemy* enemy : enemies) {
        enemy->ZE_Sprite::debug();
        enemy->getShield()->ZE_Sprite::debug();
    }
}
