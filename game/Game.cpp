#include "game/Game.h"

#include "engine/ZE_Display.h"
#include "engine/ZE_Font.h"
#include "engine/ZE_Keyboard.h"
#include "engine/ZE_Timer.h"
#include "engine/ZE_Util.h"

Game::Game(int resolution, bool fullscreen)
    : ZE_Game(resolution, fullscreen), stream(std::ios::in | std::ios::out)
{
}

void Game::initGame()
{
    coins = 0;
    currentStage = 0;
    currentWave = 0;
    highestStage = 0;
    remainingEnemies = 0;
    menuPage = 0;
    menuCursor = 0;
    fadeOut();
}

void Game::runGame()
{
    state = STATE_INTRO;
    timer->start();
    while (state != STATE_EXIT)
        runFrame();
}

void Game::runFrame()
{
    getStartTime();
    display->beginFrame();
    ZE_Util::clearColor(0, 0, 0);
    keyboard->getEvent();
    switch (state) {
    case STATE_INTRO:
        gameIntro();
        break;
    default:
        // The screens after the intro are not part of the game yet.
        break;
    }
    drawToDisplay();
    waitFPS();
}

bool Game::generalKey() const
{
    return keyboard->keyDown(keyFire1) || keyboard->keyDown(keyFire2) ||
           keyboard->keyDown(keyFire3) || keyboard->keyDown(keyEnter) ||
           keyboard->keyDown(keySpace);
}

void Game::fadeOut()
{
    display->fade(0, 0, 0, pacing ? 0.004f : 0.0f);
}

void Game::gameIntro()
{
    const std::string text = "Quillmoth presents...";
    const int x = (display->getWidth() - font->getTextWidth(text)) / 2;
    const int y = (display->getHeight() - font->getLineHeight()) / 2;
    ZE_Util::printText(font->getFont(), text, x, y, 255, 255, 255);
    if (generalKey() || timer->getCount() > 200) {
        state = STATE_MENU;
        timer->stop();
        fadeOut();
    }
}
