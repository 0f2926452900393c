#ifndef GAME_GAME_H
#define GAME_GAME_H

#include "engine/ZE_Game.h"

#include <sstream>

// The game's states; the main loop runs the handler of the current one each frame.
enum GameState {
    STATE_INTRO = 1,
    STATE_MENU = 2,
    STATE_PLAY = 3,
    STATE_GAME_OVER = 4,
    STATE_EXIT = 5,
    STATE_START = 6,
    STATE_PROLOGUE = 7,
    STATE_START_STAGE = 8,
    STATE_START_WAVE = 9,
    STATE_END_WAVE = 10,
    STATE_SHOP = 11,
    STATE_EPILOGUE = 12,
};

// The one application object: the world, its assets and the state machine of the screens.
class Game : public ZE_Game {
public:
    Game(int resolution, bool fullscreen);

    void initGame();
    void runGame();
    // One pass of the main loop: one frame of the current screen.
    void runFrame();
    bool generalKey() const;

    void gameIntro();

private:
    // Every screen change fades to black; test frames skip the fade's rests.
    void fadeOut();

    int coins = 0;
    int currentStage = 0;
    int currentWave = 0;
    int highestStage = 0;
    int remainingEnemies = 0;
    int menuPage = 0;
    int menuCursor = 0;
    std::stringstream stream;
};

#endif
