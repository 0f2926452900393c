#ifndef TESTS_SUPPORT_GAMEHARNESS_H
#define TESTS_SUPPORT_GAMEHARNESS_H

#include "support/TestSupport.h"

#include <allegro5/allegro.h>

#include <string>

class Game;

namespace testsupport {

// The real game with the real data, run frame by frame on the test's X display, with key
// events fed through its keyboard queue and without frame pacing or the fades' rests.
// One per test process: the game is built once and, like in play, never released.
class GameHarness {
public:
    explicit GameHarness(const std::string& config = "[fullscreen] 0\n[debug] 1\n");
    ~GameHarness();
    GameHarness(const GameHarness&) = delete;
    GameHarness& operator=(const GameHarness&) = delete;

    Game& game() { return *theGame; }
    void frames(int n = 1);
    // A key stroke as a player makes it: press, character and release, one frame each.
    void press(int keycode);
    void keyDown(int keycode);
    void keyUp(int keycode);
    // Runs frames until the state is reached; false when it is not within maxFrames.
    bool runUntil(int state, int maxFrames);
    // From the intro through the menu, the prologue, the stage map and the banner into play.
    void newGameToPlay();
    const std::string& dir() const { return work.path(); }

private:
    void emit(ALLEGRO_EVENT_TYPE type, int keycode);

    TempDir work;
    std::string oldDir;
    Game* theGame = nullptr;
    ALLEGRO_EVENT_SOURCE source;
};

}  // namespace testsupport

#endif
