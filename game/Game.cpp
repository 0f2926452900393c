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

void Game::startLoop()
{
    state = STATE_INTRO;
    timer->start();
}

void Game::runGame()
{
    startLoop();
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
    case STATE_MENU:
        gameMenu();
        break;
    case STATE_PLAY:
        gamePlay();
        break;
    case STATE_GAME_OVER:
        gameOver();
        break;
    case STATE_START:
        gameStart();
        break;
    case STATE_PROLOGUE:
        gamePrologue();
        break;
    case STATE_START_STAGE:
        gameStartStage();
        break;
    case STATE_START_WAVE:
        gameStartWave();
        break;
    case STATE_END_WAVE:
        gameEndWave();
        break;
    case STATE_SHOP:
        gameShop();
        break;
    case STATE_EPILOGUE:
        gameEpilogue();
        break;
    default:
        // 0, STATE_EXIT and unknown states run no handler.
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
