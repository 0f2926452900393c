// The wave results: what the wave brought in, the precision bonuses, and the way on (the next
// wave, the next stage, the shop or the epilogue).
#include "game/Game.h"

#include "combat/Player.h"
#include "engine/ZE_Display.h"
#include "engine/ZE_Font.h"
#include "engine/ZE_Keyboard.h"
#include "engine/ZE_Sprite.h"
#include "engine/ZE_Timer.h"
#include "engine/ZE_Util.h"
#include "game/Stage.h"

namespace {
// hit x 100 / fired in whole numbers, so 29 of 50 is 58 and 53 of 100 is 53; no shot, 0.
int precisionOf(int hit, int fired)
{
    return fired > 0 ? hit * 100 / fired : 0;
}
}  // namespace

void Game::gameEndWave()
{
    drawResults();
    if (generalKey())
        creditResults();
}

std::string Game::resultsLine(int k)
{
    const int s = currentStage;
    const int w = currentWave;
    const int cargo = player->getCargo();
    const int kills = stages[currentStage]->getTotalEnemies(w);
    const int fired = player->totalBulletsFired();
    const int hit = player->getBulletsHit();
    const int precision = precisionOf(hit, fired);
    switch (k) {
    case 0:
        return compose("STAGE ", s + 1, " WAVE ", w + 1, " CLEARED!");
    case 2:
        return compose("SAVED MELANGE ", cargo, " * ", s + 1, " = ", cargo * (s + 1), " COINS");
    case 3:
        return compose("ENEMIES KILLED ", kills, " BULLETS FIRED ", fired, " BULLETS HIT ", hit,
                       " PRECISION ", precision, "%");
    case 4:
        return precision > 49 ? compose("SCORE BONUS: ", kills, " * ", precision, " * 2 = ",
                                        kills * precision * 2)
                              : std::string("NO BONUS!");
    case 5:
        return precision > 49 ? compose("COINS BONUS: ", kills, " * ", precision / 10, " = ",
                                        (precision / 10) * kills)
                              : std::string();
    case 6:
        return precision == 100 ? std::string("EXTRA SCORE BONUS 500") : std::string();
    case 7:
        return precision == 100 ? std::string("EXTRA COINS BONUS 250") : std::string();
    case 9:
        return "  CONTINUE TO NEXT WAVE";
    case 10:
        return w == 9 && s == 11 ? std::string() : std::string("  GO TO SHOP!");
    default:
        return std::string();
    }
}

void Game::drawResults()
{
    const int lh = fontMenu->getLineHeight();
    const int top = (stages[0]->getMapHeight(1) - lh) / 2 - 7 * lh;
    for (int k = 0; k < 9; ++k) {
        const std::string text = resultsLine(k);
        if (!text.empty())
            printCentred(fontMenu, text, top + k * lh);
    }
    const std::string continueText = resultsLine(9);
    const int x = (display->getWidth() - fontMenu->getTextWidth(continueText)) / 2;
    ZE_Util::printText(fontMenu->getFont(), continueText, x, top + 9 * lh, 255, 255, 255);
    // No shop after the last wave of the game.
    const std::string shopText = resultsLine(10);
    if (!shopText.empty()) {
        ZE_Util::printText(fontMenu->getFont(), shopText, x, top + 10 * lh, 255, 255, 255);
        if (keyboard->keyDown(keyUp) && menuCursor == 1)
            menuCursor = 0;
        if (keyboard->keyDown(keyDown) && menuCursor == 0)
            menuCursor = 1;
    }
    cursorSprite->setX(static_cast<float>(x));
    cursorSprite->setY(static_cast<float>(top + (9 + menuCursor) * lh));
    cursorSprite->run();
    cursorSprite->draw();
}

void Game::creditResults()
{
    const int s = currentStage;
    const int kills = stages[currentStage]->getTotalEnemies(currentWave);
    const int precision = precisionOf(player->getBulletsHit(), player->totalBulletsFired());
    coins += player->getCargo() * (s + 1);
    if (precision > 49) {
        score += kills * precision * 2;
        coins += (precision / 10) * kills;
    }
    if (precision == 100) {
        score += 500;
        coins += 250;
    }

    const bool toShop = menuCursor == 1;
    ++currentWave;
    const bool stageDone = currentWave == 10;
    if (stageDone) {
        ++currentStage;
        currentWave = 0;
        if (currentStage < kStages)
            updateStagePointers();
    }
    if (toShop) {
        state = STATE_SHOP;
        // After a stage's last wave the shop greets at once: its message timer stays off.
        if (!stageDone)
            timer->start();
        menuCursor = 0;
        menuPage = 0;
    } else {
        state = stageDone ? STATE_START_STAGE : STATE_START_WAVE;
        timer->start();
    }
    if (currentStage == kStages) {
        state = STATE_EPILOGUE;
        timer->start();
    }
    fadeOut();
}
