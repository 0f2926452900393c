// play_bench [FRAMES] [STAGE] [WAVE]: the real game in play, without frame pacing, on a heavy
// wave, held under fire; prints the time a frame takes (the whole frame: run, draw, flip).
// Run it from the build directory (it reads data/ and config.cfg there) on an X display.
#include "combat/Cannon.h"
#include "combat/Player.h"
#include "engine/ZE_Keyboard.h"
#include "game/Game.h"

#include <allegro5/allegro.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {
ALLEGRO_EVENT_SOURCE source;

void emit(ALLEGRO_EVENT_TYPE type, int keycode)
{
    ALLEGRO_EVENT event = {};
    event.keyboard.type = type;
    event.keyboard.keycode = keycode;
    al_emit_user_event(&source, &event, nullptr);
}
}  // namespace

int main(int argc, char** argv)
{
    const int frames = argc > 1 ? std::atoi(argv[1]) : 1200;
    const int stage = argc > 2 ? std::atoi(argv[2]) : 2;
    const int wave = argc > 3 ? std::atoi(argv[3]) : 9;

    Game game(2, true);
    game.setPacing(false);
    al_init_user_event_source(&source);
    game.getKeyboard()->registerTestSource(&source);
    game.initGame();
    game.startLoop();
    game.setState(STATE_START);
    game.runFrame();
    game.setCurrentStage(stage);
    game.setCurrentWave(wave);
    game.updateStagePointers();
    game.setState(STATE_START_WAVE);
    emit(ALLEGRO_EVENT_KEY_DOWN, ALLEGRO_KEY_ENTER);
    game.runFrame();
    emit(ALLEGRO_EVENT_KEY_UP, ALLEGRO_KEY_ENTER);
    game.runFrame();
    if (game.getState() != STATE_PLAY) {
        std::fprintf(stderr, "play_bench: the wave did not start\n");
        return 1;
    }
    // Both cannons armed and firing, sweeping left, as a player under attack would.
    game.getPlayer()->changeWeapon(1, 1);
    emit(ALLEGRO_EVENT_KEY_DOWN, game.getKeyFire1());
    game.runFrame();
    emit(ALLEGRO_EVENT_KEY_DOWN, game.getKeyFire2());
    game.runFrame();
    emit(ALLEGRO_EVENT_KEY_DOWN, game.getKeyLeft());

    std::vector<double> times;
    times.reserve(frames);
    int played = 0;
    for (int i = 0; i < frames && game.getState() == STATE_PLAY; ++i) {
        if (i % 300 == 150) {  // turn back and forth
            emit(ALLEGRO_EVENT_KEY_UP, i % 600 == 150 ? game.getKeyLeft() : game.getKeyRight());
            emit(ALLEGRO_EVENT_KEY_DOWN, i % 600 == 150 ? game.getKeyRight() : game.getKeyLeft());
        }
        const double start = al_get_time();
        game.runFrame();
        times.push_back((al_get_time() - start) * 1000.0);
        ++played;
    }
    if (times.empty())
        return 1;
    std::sort(times.begin(), times.end());
    double sum = 0;
    for (double t : times)
        sum += t;
    std::printf("stage %d wave %d, %d frames in play\n", stage + 1, wave + 1, played);
    std::printf("ms per frame: mean %.2f  median %.2f  p95 %.2f  max %.2f  (60 fps = 16.67)\n",
                sum / times.size(), times[times.size() / 2], times[times.size() * 95 / 100],
                times.back());
    return 0;
}
