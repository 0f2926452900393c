// The wave results screen: its lines, the precision, the credits on confirm and the way on.
#include "combat/Cannon.h"
#include "combat/Player.h"
#include "game/Game.h"
#include "game/Stage.h"

#include "support/GameHarness.h"

#include <gtest/gtest.h>

#include <string>

using testsupport::GameHarness;

namespace {

// Fires real shots from the first cannon, waiting out its reload between them.
void fire(Player* player, int shots)
{
    Cannon* cannon = player->getCannon(0);
    for (int i = 0; i < shots; ++i) {
        for (int f = 0; f < 100 && !cannon->isReady(); ++f)
            cannon->run();
        cannon->shoot();
    }
}

struct Results {
    int stage, wave, cargo, fired, hits;
};

// From play, the base is given the wave's numbers and the results screen comes up for a frame.
void bringUpResults(GameHarness& h, const Results& r)
{
    Game& game = h.game();
    game.setState(STATE_START);  // the new-game reset, then the prologue
    h.frames();
    h.press(ALLEGRO_KEY_ENTER);  // prologue
    h.press(ALLEGRO_KEY_ENTER);  // stage map
    h.press(ALLEGRO_KEY_ENTER);  // wave banner
    ASSERT_EQ(game.getState(), STATE_PLAY);
    game.setCurrentStage(r.stage);
    game.setCurrentWave(r.wave);
    game.updateStagePointers();
    Player* player = game.getPlayer();
    player->setMaxCargo(r.cargo);
    player->restart();  // cargo filled to the capacity, counters of the wave at 0
    fire(player, r.fired);
    for (int i = 0; i < r.hits; ++i)
        player->incBulletsHit();
    ASSERT_EQ(player->totalBulletsFired(), r.fired);
    ASSERT_EQ(player->getBulletsHit(), r.hits);
    ASSERT_EQ(player->getCargo(), r.cargo);
    game.setCoins(1000);
    game.setScore(300);
    game.setState(STATE_END_WAVE);
    h.frames();
}

}  // namespace

TEST(Results, FortyFiredTwentyHitTenKills)
{
    GameHarness h;
    Game& game = h.game();
    ASSERT_EQ(game.getStage(0)->getTotalEnemies(4), 10) << "wave index 4 of the first stage";
    bringUpResults(h, {0, 4, 500, 40, 20});
    EXPECT_EQ(game.resultsLine(0), "STAGE 1 WAVE 5 CLEARED!");
    EXPECT_EQ(game.resultsLine(1), "");
    EXPECT_EQ(game.resultsLine(2), "SAVED MELANGE 500 * 1 = 500 COINS");
    EXPECT_EQ(game.resultsLine(3),
              "ENEMIES KILLED 10 BULLETS FIRED 40 BULLETS HIT 20 PRECISION 50%");
    EXPECT_EQ(game.resultsLine(4), "SCORE BONUS: 10 * 50 * 2 = 1000");
    EXPECT_EQ(game.resultsLine(5), "COINS BONUS: 10 * 5 = 50");
    EXPECT_EQ(game.resultsLine(6), "");
    EXPECT_EQ(game.resultsLine(7), "");
    EXPECT_EQ(game.resultsLine(8), "");
    EXPECT_EQ(game.resultsLine(9), "  CONTINUE TO NEXT WAVE");
    EXPECT_EQ(game.resultsLine(10), "  GO TO SHOP!");
    // Nothing is credited while the screen is up.
    h.frames(5);
    EXPECT_EQ(game.getCoins(), 1000);
    EXPECT_EQ(game.getScore(), 300);
    EXPECT_EQ(game.getState(), STATE_END_WAVE);
    h.press(ALLEGRO_KEY_ENTER);
    EXPECT_EQ(game.getCoins(), 1000 + 550);
    EXPECT_EQ(game.getScore(), 300 + 1000);
    EXPECT_EQ(game.getState(), STATE_START_WAVE);
    EXPECT_EQ(game.getCurrentStage(), 0);
    EXPECT_EQ(game.getCurrentWave(), 5);
}

// Rows: hits of shots, the precision line, the bonus lines and the credits on "continue".
TEST(Results, PrecisionDecidesTheBonuses)
{
    struct Case {
        int fired, hits;
        const char* line3;
        const char* line4;
        const char* line5;
        const char* line6;
        const char* line7;
        int coinsGained, scoreGained;
    };
    const Case cases[] = {
        {10, 7, "ENEMIES KILLED 10 BULLETS FIRED 10 BULLETS HIT 7 PRECISION 70%",
         "SCORE BONUS: 10 * 70 * 2 = 1400", "COINS BONUS: 10 * 7 = 70", "", "", 500 + 70, 1400},
        {100, 49, "ENEMIES KILLED 10 BULLETS FIRED 100 BULLETS HIT 49 PRECISION 49%",
         "NO BONUS!", "", "", "", 500, 0},
        {50, 29, "ENEMIES KILLED 10 BULLETS FIRED 50 BULLETS HIT 29 PRECISION 58%",
         "SCORE BONUS: 10 * 58 * 2 = 1160", "COINS BONUS: 10 * 5 = 50", "", "", 550, 1160},
        {100, 53, "ENEMIES KILLED 10 BULLETS FIRED 100 BULLETS HIT 53 PRECISION 53%",
         "SCORE BONUS: 10 * 53 * 2 = 1060", "COINS BONUS: 10 * 5 = 50", "", "", 550, 1060},
        {20, 20, "ENEMIES KILLED 10 BULLETS FIRED 20 BULLETS HIT 20 PRECISION 100%",
         "SCORE BONUS: 10 * 100 * 2 = 2000", "COINS BONUS: 10 * 10 = 100",
         "EXTRA SCORE BONUS 500", "EXTRA COINS BONUS 250", 500 + 100 + 250, 2000 + 500},
        {0, 0, "ENEMIES KILLED 10 BULLETS FIRED 0 BULLETS HIT 0 PRECISION 0%", "NO BONUS!", "",
         "", "", 500, 0},
    };
    GameHarness h;
    Game& game = h.game();
    ASSERT_EQ(game.getStage(0)->getTotalEnemies(4), 10);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.hits) + " of " + std::to_string(c.fired));
        // Every row starts from a new game and plays into the wave.
        bringUpResults(h, {0, 4, 500, c.fired, c.hits});
        EXPECT_EQ(game.resultsLine(3), c.line3);
        EXPECT_EQ(game.resultsLine(4), c.line4);
        EXPECT_EQ(game.resultsLine(5), c.line5);
        EXPECT_EQ(game.resultsLine(6), c.line6);
        EXPECT_EQ(game.resultsLine(7), c.line7);
        h.press(ALLEGRO_KEY_SPACE);
        EXPECT_EQ(game.getState(), STATE_START_WAVE);
        EXPECT_EQ(game.getCoins(), 1000 + c.coinsGained);
        EXPECT_EQ(game.getScore(), 300 + c.scoreGained);
    }
}

TEST(Results, StageIndexThreeMultipliesTheMelangeByFour)
{
    GameHarness h;
    Game& game = h.game();
    bringUpResults(h, {3, 2, 600, 10, 2});
    EXPECT_EQ(game.resultsLine(0), "STAGE 4 WAVE 3 CLEARED!");
    EXPECT_EQ(game.resultsLine(2), "SAVED MELANGE 600 * 4 = 2400 COINS");
    EXPECT_EQ(game.resultsLine(4), "NO BONUS!");
    h.press(ALLEGRO_KEY_Z);
    EXPECT_EQ(game.getCoins(), 1000 + 2400);
    EXPECT_EQ(game.getScore(), 300);
    EXPECT_EQ(game.getCurrentStage(), 3);
    EXPECT_EQ(game.getCurrentWave(), 3);
}

TEST(Results, TheLastWaveOfTheGameLeadsToTheEpilogue)
{
    GameHarness h;
    Game& game = h.game();
    bringUpResults(h, {11, 9, 300, 4, 1});
    EXPECT_EQ(game.resultsLine(0), "STAGE 12 WAVE 10 CLEARED!");
    EXPECT_EQ(game.resultsLine(2), "SAVED MELANGE 300 * 12 = 3600 COINS");
    EXPECT_EQ(game.resultsLine(9), "  CONTINUE TO NEXT WAVE");
    EXPECT_EQ(game.resultsLine(10), "") << "no shop after the last wave";
    h.press(ALLEGRO_KEY_DOWN);
    EXPECT_EQ(game.getMenuCursor(), 0) << "the cursor stays on the continue line";
    EXPECT_EQ(game.getState(), STATE_END_WAVE);
    h.press(ALLEGRO_KEY_ENTER);
    EXPECT_EQ(game.getState(), STATE_EPILOGUE);
    EXPECT_EQ(game.getCurrentStage(), 12);
    EXPECT_EQ(game.getCurrentWave(), 0);
    EXPECT_EQ(game.getCoins(), 1000 + 3600);
}

TEST(Results, TheCursorChoosesBetweenContinueAndShop)
{
    GameHarness h;
    Game& game = h.game();
    bringUpResults(h, {0, 4, 500, 0, 0});
    ASSERT_EQ(game.getMenuCursor(), 0);
    h.press(ALLEGRO_KEY_UP);
    EXPECT_EQ(game.getMenuCursor(), 0);
    h.press(ALLEGRO_KEY_DOWN);
    EXPECT_EQ(game.getMenuCursor(), 1);
    h.press(ALLEGRO_KEY_DOWN);
    EXPECT_EQ(game.getMenuCursor(), 1);
    h.press(ALLEGRO_KEY_UP);
    EXPECT_EQ(game.getMenuCursor(), 0);
    h.press(ALLEGRO_KEY_DOWN);
    h.press(ALLEGRO_KEY_ENTER);
    EXPECT_EQ(game.getState(), STATE_SHOP);
    EXPECT_EQ(game.getMenuCursor(), 0);
    EXPECT_EQ(game.getCurrentWave(), 5) << "the counters move on before the shop";
    EXPECT_EQ(game.getCoins(), 1500);
    // In the middle of a stage the message timer runs: the line keeps its old (empty) text.
    EXPECT_EQ(game.getMessage(), "");
}

TEST(Results, TheShopAfterAStagesLastWaveOpensTheNextStage)
{
    GameHarness h;
    Game& game = h.game();
    bringUpResults(h, {2, 9, 500, 0, 0});
    h.press(ALLEGRO_KEY_DOWN);
    h.press(ALLEGRO_KEY_ENTER);
    EXPECT_EQ(game.getState(), STATE_SHOP);
    EXPECT_EQ(game.getCurrentStage(), 3);
    EXPECT_EQ(game.getCurrentWave(), 0);
    EXPECT_EQ(game.getCoins(), 1000 + 500 * 3);
    // The timer was left off: the welcome text is there at once.
    EXPECT_EQ(game.getMessage(), "WELCOME TO ZAV URO SHOP!");
    // The exit (cursor 17 with an empty inventory) leads to the stage map.
    game.setMenuCursor(17);
    h.press(ALLEGRO_KEY_ENTER);
    EXPECT_EQ(game.getState(), STATE_START_STAGE);
}

TEST(Results, ContinueAfterAStagesLastWaveGoesToTheStageMap)
{
    GameHarness h;
    Game& game = h.game();
    bringUpResults(h, {0, 9, 500, 0, 0});
    h.press(ALLEGRO_KEY_ENTER);
    EXPECT_EQ(game.getState(), STATE_START_STAGE);
    EXPECT_EQ(game.getCurrentStage(), 1);
    EXPECT_EQ(game.getCurrentWave(), 0);
}
