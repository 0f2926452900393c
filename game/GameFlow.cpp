// The fighting: the new-game reset, the stage map, the wave banner and the play loop.
#include "game/Game.h"

#include "combat/Enemy.h"
#include "combat/Player.h"
#include "engine/ZE_Display.h"
#include "engine/ZE_Font.h"
#include "engine/ZE_Keyboard.h"
#include "engine/ZE_Sprite.h"
#include "engine/ZE_Timer.h"
#include "engine/ZE_Util.h"
#include "game/Osd.h"
#include "game/Stage.h"

#include <cmath>

namespace {
constexpr int kKeyF1 = 47;
constexpr int kKeyF2 = 48;
constexpr int kKeyF3 = 49;
constexpr int kKeyF5 = 51;
constexpr int kKeyF6 = 52;

constexpr int kStageMapLocked = 0;
constexpr int kStageMapMarker = 13;
constexpr int kStageMapSelection = 14;

int slotX(int slot) { return (slot % 4) * 256 + 3; }
int slotY(int slot) { return (slot / 4) * 220 + 50; }

// The first n craft of a pool fly this wave; with the shield flag set, all of them shielded.
void restartPool(Enemy** pool, int count, int n, int shield)
{
    for (int i = 0; i < count; ++i) {
        pool[i]->restart(i < n);
        pool[i]->activateShield(i < n * shield);
    }
}

}  // namespace

void Game::gameStart()
{
    currentStage = 0;
    currentWave = 0;
    coins = 0;
    score = 0;
    menuPage = 0;
    menuCursor = 0;
    player->reset();
    for (Enemy* enemy : enemies)
        enemy->reset();
    updateStagePointers();
    resetScroll();
    state = STATE_PROLOGUE;
}

void Game::drawStageSlot(int slot)
{
    const bool unlocked = slot <= highestStage;
    std::string name = unlocked ? stages[slot]->getStageName() : "UNKNOWN WORLD";
    if (!name.empty() && name[0] == ' ')
        name.erase(0, 1);  // the name as read keeps the blank that separated it
    const int x = slotX(slot);
    const int y = slotY(slot);
    stageMapSprite->setCurrentFrame(unlocked ? slot + 1 : kStageMapLocked);
    stageMapSprite->setX(static_cast<float>(x));
    stageMapSprite->setY(static_cast<float>(y));
    stageMapSprite->draw();
    if (unlocked)
        ZE_Util::printText(osd->getFont()->getFont(), "*" + std::to_string(slot + 1), x + 3,
                           y + 3, 255, 255, 255);
    const int w = fontMenu->getTextWidth(name);
    ZE_Util::printText(fontMenu->getFont(), name, x - (w - 250) / 2, y + 190, 255, 255, 255);
}

void Game::gameStartStage()
{
    if (highestStage < currentStage)
        highestStage = currentStage;
    if (currentStage > 2) {
        // Only the first three stages make the campaign: it starts over, keeping the score
        // and what the base carries.
        currentStage = 0;
        highestStage = 0;
        updateStagePointers();
        coins = 0;
    }
    ZE_Util::clearColor(69, 78, 91);
    for (int slot = 0; slot < kStages; ++slot)
        drawStageSlot(slot);

    if (currentStage != 0) {
        stageMapSprite->setCurrentFrame(kStageMapMarker);
        stageMapSprite->setX(static_cast<float>(slotX(currentStage)));
        stageMapSprite->setY(static_cast<float>((currentStage / 4) * 220 + 30 +
                                                timer->getCount() % 30));
        stageMapSprite->draw();
    } else {
        ZE_Util::printText(fontMenu->getFont(), "SELECT STAGE TO START", 3, 6, 255, 255, 255);
        stageMapSprite->setCurrentFrame(kStageMapSelection);
        stageMapSprite->setX(static_cast<float>(slotX(menuCursor)));
        stageMapSprite->setY(static_cast<float>(slotY(menuCursor)));
        stageMapSprite->draw();
        if (keyboard->keyDown(keyUp) && menuCursor > 3)
            menuCursor -= 4;
        if (keyboard->keyDown(keyDown) && menuCursor < highestStage - 3)
            menuCursor += 4;
        if (keyboard->keyDown(keyLeft) && menuCursor > 0 && menuCursor % 4 != 0)
            menuCursor -= 1;
        if (keyboard->keyDown(keyRight) && menuCursor < highestStage && menuCursor % 4 != 3)
            menuCursor += 1;
    }

    if (generalKey()) {
        keyboard->clearKeys();
        if (currentStage == 0) {
            currentStage = menuCursor;
            coins = (currentStage + 1) * 1500;
            updateStagePointers();
        }
        state = STATE_START_WAVE;
        timer->start();
        fadeOut();
    }
}

void Game::gameStartWave()
{
    printCentred(fontMenu, compose("STAGE ", currentStage + 1, " WAVE ", currentWave + 1, " START!"),
                 (stages[0]->getMapHeight(1) - fontMenu->getLineHeight()) / 2);
    if (!generalKey() && timer->getCount() <= 200)
        return;
    keyboard->clearKeys();
    timer->stop();
    setUpWave();
    state = STATE_PLAY;
    fadeOut();
}

void Game::setUpWave()
{
    Stage* stage = stages[currentStage];
    player->restart();
    // The pools in the wave table's type order: 0 Hunter, 1 Armadillo, 2 Bandit, 3 Cruiser.
    const int poolSizes[4] = {kHunters, kArmadillos, kBandits, kCruisers};
    Enemy** pool = enemies;
    for (int type = 0; type < 4; ++type) {
        restartPool(pool, poolSizes[type], stage->getEnemiesNumber(type, currentWave),
                    stage->getEnemiesShield(type, currentWave));
        pool += poolSizes[type];
    }
    remainingEnemies = stage->getTotalEnemies(currentWave);
    resetScroll();
    menuPage = 0;
    menuCursor = 0;
}

void Game::gamePlay()
{
    Stage* stage = stages[currentStage];
    // The view follows the first cannon's aim: straight up centres it, right and left show
    // the stage's ends.
    const int half = (stage->getMapWidth(1) - display->getWidth()) / 2;
    const float aim = player->getCannonAngle(0);
    stage->setScrollX(half + std::cos(ZE_Util::radians(360 - aim)) * static_cast<float>(half));

    player->run();
    for (Enemy* enemy : enemies)
        enemy->run();
    stage->run();

    stage->draw();
    stage->drawLayer0();
    stage->drawLayer1();
    player->draw();
    for (Enemy* enemy : enemies)
        enemy->draw();
    stage->drawLayerH();
    osd->draw();
    if (debugMode)
        showDebug();

    if (keyboard->keyDown(keyEscape)) {
        state = STATE_MENU;
        fadeOut();
    }
    if (keyboard->keyDown(keyDebug))
        toggleDebug();
    if (debugEnabled) {
        const int layerKeys[3] = {kKeyF1, kKeyF2, kKeyF3};
        for (int layer = 0; layer < 3; ++layer)
            if (keyboard->keyDown(layerKeys[layer]))
                stage->setEnableLayer(layer, !stage->getEnableLayer(layer));
        if (keyboard->keyDown(kKeyF5))
            coins = 100000;
        if (keyboard->keyDown(kKeyF6))
            state = STATE_END_WAVE;
    }
    if (player->getLife() == 0) {
        state = STATE_GAME_OVER;
        timer->start();
        fadeOut();
    }
    if (remainingEnemies == 0 && player->getHealth() != 0) {
        state = STATE_END_WAVE;
        fadeOut();
    }
}
