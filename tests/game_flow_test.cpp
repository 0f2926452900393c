// The game's screens from the new game to the end of a wave, run frame by frame.
#include "combat/Armadillo.h"
#include "combat/Bandit.h"
#include "combat/Cannon.h"
#include "combat/Cruiser.h"
#include "combat/Hunter.h"
#include "combat/Player.h"
#include "combat/Shield.h"
#include "game/Game.h"
#include "game/Stage.h"

#include "support/GameHarness.h"

#include <gtest/gtest.h>

#include <cmath>

using testsupport::GameHarness;

namespace {

template <typename Craft>
int countEnabled(Game& game, Craft* (Game::*get)(int) const, int pool)
{
    int n = 0;
    for (int i = 0; i < pool; ++i)
        n += (game.*get)(i)->getEnable() ? 1 : 0;
    return n;
}

template <typename Craft>
int countShielded(Game& game, Craft* (Game::*get)(int) const, int pool)
{
    int n = 0;
    for (int i = 0; i < pool; ++i)
        n += (game.*get)(i)->getShield()->getEnable() ? 1 : 0;
    return n;
}

}  // namespace

TEST(GameFlow, NewGameReachesPlayWith1500Coins)
{
    GameHarness h;
    Game& game = h.game();
    EXPECT_EQ(game.getState(), STATE_INTRO);
    EXPECT_EQ(game.getScore(), 0);
    EXPECT_EQ(game.getCoins(), 0);
    h.press(ALLEGRO_KEY_ENTER);
    EXPECT_EQ(game.getState(), STATE_MENU);
    h.press(ALLEGRO_KEY_DOWN);
    h.press(ALLEGRO_KEY_DOWN);
    EXPECT_EQ(game.getMenuCursor(), 2);
    h.press(ALLEGRO_KEY_ENTER);
    EXPECT_EQ(game.getState(), STATE_PROLOGUE) << "the new-game reset lasts one frame";
    h.press(ALLEGRO_KEY_ENTER);
    EXPECT_EQ(game.getState(), STATE_START_STAGE);
    h.press(ALLEGRO_KEY_ENTER);
    EXPECT_EQ(game.getState(), STATE_START_WAVE);
    EXPECT_EQ(game.getCoins(), 1500);
    h.press(ALLEGRO_KEY_ENTER);
    EXPECT_EQ(game.getState(), STATE_PLAY);
    EXPECT_EQ(game.getCurrentStage(), 0);
    EXPECT_EQ(game.getCurrentWave(), 0);
    EXPECT_EQ(game.getRemainingEnemies(), game.getStage(0)->getTotalEnemies(0));
    EXPECT_EQ(game.getPlayer()->getHealth(), 500);
}

TEST(GameFlow, StageMapCursorStaysWithinTheUnlockedSlots)
{
    GameHarness h;
    Game& game = h.game();
    game.setState(STATE_START);
    h.frames();
    game.setHighestStage(5);
    game.setState(STATE_START_STAGE);
    struct Move {
        int from, key, to;
    };
    const Move moves[] = {
        {1, ALLEGRO_KEY_DOWN, 5},  {2, ALLEGRO_KEY_DOWN, 2},  {3, ALLEGRO_KEY_RIGHT, 3},
        {0, ALLEGRO_KEY_LEFT, 0},  {4, ALLEGRO_KEY_LEFT, 4},  {4, ALLEGRO_KEY_UP, 0},
        {5, ALLEGRO_KEY_UP, 1},    {0, ALLEGRO_KEY_UP, 0},    {5, ALLEGRO_KEY_RIGHT, 5},
        {4, ALLEGRO_KEY_RIGHT, 5}, {5, ALLEGRO_KEY_LEFT, 4},  {1, ALLEGRO_KEY_RIGHT, 2},
        {0, ALLEGRO_KEY_DOWN, 4},  {5, ALLEGRO_KEY_DOWN, 5},
    };
    for (const Move& m : moves) {
        game.setMenuCursor(m.from);
        h.press(m.key);
        EXPECT_EQ(game.getMenuCursor(), m.to) << "from " << m.from << " key " << m.key;
    }
    // Confirm starts the chosen stage with coins by its number.
    game.setMenuCursor(5);
    h.press(ALLEGRO_KEY_ENTER);
    EXPECT_EQ(game.getState(), STATE_START_WAVE);
    EXPECT_EQ(game.getCurrentStage(), 5);
    EXPECT_EQ(game.getCoins(), 6 * 1500);
}

TEST(GameFlow, WaveSetUpActivatesTheCraftOfTheStagesTable)
{
    GameHarness h;
    Game& game = h.game();
    game.setState(STATE_START);
    h.frames();
    struct Wave {
        int stage, wave;
    };
    for (const Wave& w : {Wave{0, 0}, Wave{0, 5}, Wave{0, 9}, Wave{2, 9}, Wave{7, 4}}) {
        SCOPED_TRACE("stage " + std::to_string(w.stage) + " wave " + std::to_string(w.wave));
        game.setCurrentStage(w.stage);
        game.setCurrentWave(w.wave);
        game.updateStagePointers();
        game.setState(STATE_START_WAVE);
        h.press(ALLEGRO_KEY_ENTER);
        ASSERT_EQ(game.getState(), STATE_PLAY);
        const Stage* stage = game.getStage(w.stage);
        const int n[4] = {countEnabled(game, &Game::getHunter, Game::kHunters),
                          countEnabled(game, &Game::getArmadillo, Game::kArmadillos),
                          countEnabled(game, &Game::getBandit, Game::kBandits),
                          countEnabled(game, &Game::getCruiser, Game::kCruisers)};
        const int shielded[4] = {countShielded(game, &Game::getHunter, Game::kHunters),
                                 countShielded(game, &Game::getArmadillo, Game::kArmadillos),
                                 countShielded(game, &Game::getBandit, Game::kBandits),
                                 countShielded(game, &Game::getCruiser, Game::kCruisers)};
        int total = 0;
        for (int t = 0; t < 4; ++t) {
            EXPECT_EQ(n[t], stage->getEnemiesNumber(t, w.wave)) << "type " << t;
            EXPECT_EQ(shielded[t], n[t] * stage->getEnemiesShield(t, w.wave)) << "type " << t;
            total += n[t];
        }
        EXPECT_EQ(game.getRemainingEnemies(), total);
        EXPECT_GT(total, 0);
    }
}

TEST(GameFlow, CameraFollowsTheFirstCannonsAim)
{
    GameHarness h;
    Game& game = h.game();
    h.newGameToPlay();
    ASSERT_EQ(game.getState(), STATE_PLAY);
    Stage* stage = game.getStage(0);
    const int half = (stage->getMapWidth(1) - 1024) / 2;
    struct Aim {
        float angle;
        float scrollX;
    };
    const Aim aims[] = {{270, static_cast<float>(half)},
                        {0, static_cast<float>(2 * half)},
                        {180, 0},
                        {90, static_cast<float>(half)}};
    for (const Aim& a : aims) {
        game.getPlayer()->getCannon(0)->setAngle(a.angle);
        h.frames();
        EXPECT_NEAR(stage->getScrollX(), a.scrollX, 1.0f) << "aim " << a.angle;
        EXPECT_EQ(stage->getScrollY(), 0);
    }
}

TEST(GameFlow, DestroyedBaseCountsDownToGameOverAndCannotWinTheWave)
{
    GameHarness h;
    Game& game = h.game();
    h.newGameToPlay();
    ASSERT_EQ(game.getState(), STATE_PLAY);
    Player* player = game.getPlayer();
    // Left alone with its last hull point, the base falls to the attackers' fire.
    player->setHealth(1);
    int frames = 0;
    while (player->getHealth() > 0 && frames < 20000) {
        h.frames();
        ++frames;
    }
    ASSERT_EQ(player->getHealth(), 0) << "the hunters never hit the base";
    ASSERT_EQ(game.getState(), STATE_PLAY);
    game.setRemainingEnemies(0);  // even a wave with nothing left cannot be won now
    frames = 0;
    while (game.getState() == STATE_PLAY && frames < 1000) {
        h.frames();
        ++frames;
        game.setRemainingEnemies(0);
    }
    EXPECT_EQ(game.getState(), STATE_GAME_OVER);
    EXPECT_NEAR(frames, 240, 1) << "one life point a frame from 240";
    EXPECT_EQ(player->getLife(), 0);
    h.press(ALLEGRO_KEY_ENTER);
    EXPECT_EQ(game.getState(), STATE_MENU);
}

TEST(GameFlow, TheWaveEndsWhenTheLastWreckFallsBelowTheWorld)
{
    GameHarness h;
    Game& game = h.game();
    h.newGameToPlay();
    ASSERT_EQ(game.getState(), STATE_PLAY);
    const int total = game.getRemainingEnemies();
    ASSERT_GT(total, 0);
    for (int i = 0; i < Game::kHunters; ++i)
        if (game.getHunter(i)->getEnable())
            game.getHunter(i)->setHealth(0);
    int frames = 0;
    while (game.getState() == STATE_PLAY && frames < 20000) {
        // Until every wreck has dropped below y 5000 the wave is not over.
        int falling = 0;
        for (int i = 0; i < Game::kHunters; ++i)
            if (game.getHunter(i)->getEnable()) {
                ++falling;
                ASSERT_LE(game.getHunter(i)->getY(), 5000.0f + 1000.0f);
            }
        EXPECT_EQ(game.getRemainingEnemies(), falling);
        h.frames();
        ++frames;
    }
    EXPECT_EQ(game.getState(), STATE_END_WAVE);
    EXPECT_EQ(game.getRemainingEnemies(), 0);
    EXPECT_EQ(game.getScore(), 0) << "no bullet scored these";
}

TEST(GameFlow, EscapeLeavesPlayForTheMenu)
{
    GameHarness h;
    Game& game = h.game();
    h.newGameToPlay();
    ASSERT_EQ(game.getState(), STATE_PLAY);
    h.press(ALLEGRO_KEY_ESCAPE);
    EXPECT_EQ(game.getState(), STATE_MENU);
}
