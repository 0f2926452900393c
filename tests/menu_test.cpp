// The main menu, its two sub-pages and the click, and the screens after the last wave: the
// epilogue with its final bonus and the game over that follows.
#include "engine/ZE_Audio.h"
#include "engine/ZE_Sample.h"
#include "game/Game.h"

#include "support/GameHarness.h"

#include <allegro5/allegro.h>
#include <allegro5/allegro_audio.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

using testsupport::GameHarness;

namespace {

constexpr int kClick = 10;
constexpr int kMenuMusic = 11;

// A fresh menu: the new-game reset puts the page and the entry back to 0.
void freshMenu(GameHarness& h)
{
    Game& game = h.game();
    game.setState(STATE_START);
    h.frames();
    game.setState(STATE_MENU);
    h.frames();
}

constexpr int kHullHit = 7;

bool holdsClick(Game& game, ALLEGRO_SAMPLE_INSTANCE* instance)
{
    const ALLEGRO_SAMPLE* sample = al_get_sample(instance);
    return sample &&
           al_get_sample_data(sample) == al_get_sample_data(game.getSample(kClick)->getSample());
}

// The click is counted by the pool: an instance is handed the click's sound each time it is
// played. Before a key stroke every instance holding the click is given another sound (which
// stops it), so that, whatever the null device does with the playback, the instances holding
// the click afterwards are the clicks of that stroke.
int clicksOfStroke(GameHarness& h, int key)
{
    Game& game = h.game();
    ZE_Audio* audio = game.getSample(kClick)->getAudio();
    ALLEGRO_SAMPLE* other = game.getSample(kHullHit)->getSample();
    for (int i = 0; i < audio->getTotalSoundInstances(); ++i) {
        if (holdsClick(game, audio->getSoundInstance(i))) {
            EXPECT_TRUE(al_set_sample(audio->getSoundInstance(i), other));
        }
    }
    h.press(key);
    int n = 0;
    for (int i = 0; i < audio->getTotalSoundInstances(); ++i)
        n += holdsClick(game, audio->getSoundInstance(i)) ? 1 : 0;
    return n;
}

// The prologue's confirm starts the shared timer, as the screen handing over to the epilogue does.
void restartTimer(GameHarness& h)
{
    h.game().setState(STATE_PROLOGUE);
    h.press(ALLEGRO_KEY_ENTER);
    ASSERT_EQ(h.game().getState(), STATE_START_STAGE);
}

const int U = ALLEGRO_KEY_UP;
const int D = ALLEGRO_KEY_DOWN;
const int L = ALLEGRO_KEY_LEFT;
const int R = ALLEGRO_KEY_RIGHT;
const int E = ALLEGRO_KEY_ENTER;
const int S = ALLEGRO_KEY_SPACE;
const int Z = ALLEGRO_KEY_Z;

}  // namespace

// Rows: keys pressed from a fresh menu, the page and entry they end on and the clicks heard.
TEST(Menu, CursorLimitsPagesAndClicks)
{
    struct Case {
        const char* name;
        std::vector<int> keys;
        int page, cursor, clicks;
    };
    const Case cases[] = {
        {"nothing", {}, 0, 0, 0},
        {"up at the first entry", {U}, 0, 0, 1},
        {"up twice at the first entry", {U, U}, 0, 0, 2},
        {"down", {D}, 0, 1, 1},
        {"down to the last entry", {D, D, D}, 0, 3, 3},
        {"down past the last entry", {D, D, D, D, D}, 0, 3, 5},
        {"back up from the bottom", {D, D, D, D, U}, 0, 2, 5},
        {"left on the main page", {L, D, L}, 0, 1, 1},
        {"right on setup", {R}, 1, 0, 1},
        {"right on options", {D, R}, 2, 0, 2},
        {"right on start only clicks", {D, D, R}, 0, 2, 3},
        {"right on exit only clicks", {D, D, D, R}, 0, 3, 4},
        {"setup page ignores up, down, right", {R, D, U, R, D}, 1, 0, 1},
        {"back from setup", {R, L}, 0, 0, 1},
        {"back from options to the first entry", {D, R, D, L}, 0, 0, 2},
        {"confirm keys on setup do nothing", {R, E, S, Z}, 1, 0, 1},
        {"confirm on setup entry stays", {E, Z}, 0, 0, 0},
        {"confirm on options entry stays", {D, S}, 0, 1, 1},
        {"setup again after coming back", {D, R, L, R}, 1, 0, 3},
    };
    GameHarness h;
    Game& game = h.game();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        freshMenu(h);
        ASSERT_EQ(game.getMenuPage(), 0);
        ASSERT_EQ(game.getMenuCursor(), 0);
        int clicks = 0;
        for (int key : c.keys)
            clicks += clicksOfStroke(h, key);
        EXPECT_EQ(game.getState(), STATE_MENU);
        EXPECT_EQ(game.getMenuPage(), c.page);
        EXPECT_EQ(game.getMenuCursor(), c.cursor);
        EXPECT_EQ(clicks, c.clicks);
    }
}

TEST(Menu, GameStartBeginsANewGameAndGameExitEndsTheLoop)
{
    GameHarness h;
    Game& game = h.game();
    freshMenu(h);
    game.setCoins(4000);
    game.setScore(900);
    h.press(D);
    h.press(D);
    h.press(E);
    EXPECT_EQ(game.getState(), STATE_PROLOGUE) << "through the new-game reset";
    EXPECT_EQ(game.getCoins(), 0);
    EXPECT_EQ(game.getScore(), 0);

    freshMenu(h);
    h.press(D);
    h.press(D);
    h.press(D);
    h.press(S);
    EXPECT_EQ(game.getState(), STATE_EXIT);
}

TEST(Menu, TheMusicStartsWithTheMenu)
{
    GameHarness h;
    Game& game = h.game();
    EXPECT_EQ(game.getState(), STATE_INTRO);
    h.frames(3);
    EXPECT_FALSE(game.getSample(kMenuMusic)->isPlaying()) << "not during the intro";
    h.press(E);
    ASSERT_EQ(game.getState(), STATE_MENU);
    h.frames();
    EXPECT_TRUE(game.getSample(kMenuMusic)->isPlaying());
}

TEST(Menu, TheIntroGivesWayToTheMenuOnConfirm)
{
    GameHarness h;
    Game& game = h.game();
    h.frames();
    EXPECT_EQ(game.getState(), STATE_INTRO);
    h.press(ALLEGRO_KEY_X);
    EXPECT_EQ(game.getState(), STATE_MENU);
    EXPECT_EQ(game.getMenuPage(), 0);
    EXPECT_EQ(game.getMenuCursor(), 0);
}

TEST(Epilogue, ShowsTheBonusBeforeAddingItThenGameOverLeadsToTheMenu)
{
    GameHarness h;
    Game& game = h.game();
    freshMenu(h);
    game.setCoins(1234);
    game.setScore(5678);
    restartTimer(h);
    game.setState(STATE_EPILOGUE);
    h.frames(20);
    EXPECT_EQ(game.getState(), STATE_EPILOGUE);
    EXPECT_EQ(game.getScore(), 5678) << "the bonus is only shown while the screen is up";
    // The game over follows for its own 200 ticks (about 3.3 s), then the menu.
    const double start = al_get_time();
    h.press(E);
    EXPECT_EQ(game.getState(), STATE_GAME_OVER);
    EXPECT_EQ(game.getScore(), 5678 + 12340);
    EXPECT_EQ(game.getCoins(), 1234);
    while (game.getState() == STATE_GAME_OVER && al_get_time() - start < 10.0) {
        h.frames();
        al_rest(0.01);
    }
    const double shown = al_get_time() - start;
    EXPECT_EQ(game.getState(), STATE_MENU);
    EXPECT_GT(shown, 200 / 60.0);
    EXPECT_LT(shown, 7.0);
    EXPECT_EQ(game.getScore(), 5678 + 12340) << "the final score is kept";
}

TEST(Epilogue, EndsByItselfAfterFiveHundredTicks)
{
    GameHarness h;
    Game& game = h.game();
    freshMenu(h);
    game.setCoins(10);
    game.setScore(5);
    const double start = al_get_time();
    restartTimer(h);
    game.setState(STATE_EPILOGUE);
    while (game.getState() == STATE_EPILOGUE && al_get_time() - start < 15.0) {
        h.frames();
        al_rest(0.01);
    }
    const double shown = al_get_time() - start;
    EXPECT_EQ(game.getState(), STATE_GAME_OVER);
    EXPECT_GT(shown, 500 / 60.0);
    EXPECT_LT(shown, 13.0);
    EXPECT_EQ(game.getScore(), 5 + 100);
    // A confirm key ends the game over at once.
    h.press(E);
    EXPECT_EQ(game.getState(), STATE_MENU);
}
