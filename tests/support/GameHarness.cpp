#include "support/GameHarness.h"

#include "engine/ZE_Keyboard.h"
#include "game/Game.h"

#include <stdexcept>
#include <unistd.h>

namespace testsupport {

GameHarness::GameHarness(const std::string& config)
{
    char buffer[4096];
    if (!getcwd(buffer, sizeof buffer))
        throw std::runtime_error("no working directory");
    oldDir = buffer;
    linkData(work.path());
    writeFile(work.file("config.cfg"), config);
    if (chdir(work.path().c_str()) != 0)
        throw std::runtime_error("cannot enter " + work.path());
    theGame = new Game(2, true);
    theGame->setPacing(false);
    al_init_user_event_source(&source);
    theGame->getKeyboard()->registerTestSource(&source);
    theGame->initGame();
    theGame->startLoop();
}

GameHarness::~GameHarness()
{
    // The keyboard's queue outlives the harness (the game is never released): take the
    // source off it, or Allegro's shut-down at exit would lock a mutex that is gone.
    al_destroy_user_event_source(&source);
    if (chdir(oldDir.c_str()) != 0)
        return;
}

void GameHarness::frames(int n)
{
    for (int i = 0; i < n; ++i)
        theGame->runFrame();
}

void GameHarness::emit(ALLEGRO_EVENT_TYPE type, int keycode)
{
    ALLEGRO_EVENT event = {};
    event.keyboard.type = type;
    event.keyboard.keycode = keycode;
    al_emit_user_event(&source, &event, nullptr);
}

void GameHarness::keyDown(int keycode)
{
    emit(ALLEGRO_EVENT_KEY_DOWN, keycode);
}

void GameHarness::keyUp(int keycode)
{
    emit(ALLEGRO_EVENT_KEY_UP, keycode);
}

void GameHarness::press(int keycode)
{
    keyDown(keycode);
    frames();
    emit(ALLEGRO_EVENT_KEY_CHAR, keycode);
    frames();
    keyUp(keycode);
    frames();
}

bool GameHarness::runUntil(int state, int maxFrames)
{
    for (int i = 0; i < maxFrames; ++i) {
        if (theGame->getState() == state)
            return true;
        frames();
    }
    return theGame->getState() == state;
}

void GameHarness::newGameToPlay()
{
    press(ALLEGRO_KEY_ENTER);  // intro
    press(ALLEGRO_KEY_DOWN);
    press(ALLEGRO_KEY_DOWN);
    press(ALLEGRO_KEY_ENTER);  // "  GAME START     "
    press(ALLEGRO_KEY_ENTER);  // prologue
    press(ALLEGRO_KEY_ENTER);  // stage map
    press(ALLEGRO_KEY_ENTER);  // banner
}

}  // namespace testsupport
