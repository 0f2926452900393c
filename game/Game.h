#ifndef GAME_GAME_H
#define GAME_GAME_H

#include "engine/ZE_Game.h"

#include <sstream>
#include <string>

class Armadillo;
class Bandit;
class Cruiser;
class Enemy;
class Hunter;
class Osd;
class Player;
class Stage;
class ZE_Bitmap;
class ZE_Font;
class ZE_Sample;
class ZE_Sprite;

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
// Each handler draws one frame per call and changes the state itself. The handlers live in
// one source file per group of screens.
class Game : public ZE_Game {
public:
    static constexpr int kStages = 12;
    static constexpr int kHunters = 25;
    static constexpr int kArmadillos = 20;
    static constexpr int kBandits = 15;
    static constexpr int kCruisers = 5;
    static constexpr int kEnemies = kHunters + kArmadillos + kBandits + kCruisers;
    static constexpr int kSamples = 12;

    Game(int resolution, bool fullscreen);

    void initGame();
    void runGame();
    // The main loop's start: the intro, with the timer counting.
    void startLoop();
    // One pass of the main loop: one frame of the current screen.
    void runFrame();
    bool generalKey() const;
    void updateStagePointers();
    void resetScroll();

    void gameIntro();
    void gameMenu();
    void gamePrologue();
    void gameOver();
    void gameEpilogue();
    void gameStart();
    void gameStartStage();
    void gameStartWave();
    void gamePlay();
    void showDebug();
    void gameEndWave();
    void gameShop();

    int getCoins() const { return coins; }
    int getScore() const { return score; }
    int getCurrentStage() const { return currentStage; }
    int getCurrentWave() const { return currentWave; }
    int getHighestStage() const { return highestStage; }
    int getRemainingEnemies() const { return remainingEnemies; }
    int getMenuPage() const { return menuPage; }
    int getMenuCursor() const { return menuCursor; }
    Player* getPlayer() const { return player; }
    Stage* getStage(int i) const { return stages[i]; }
    Osd* getOsd() const { return osd; }
    Hunter* getHunter(int i) const { return hunters[i]; }
    Armadillo* getArmadillo(int i) const { return armadillos[i]; }
    Bandit* getBandit(int i) const { return bandits[i]; }
    Cruiser* getCruiser(int i) const { return cruisers[i]; }
    ZE_Sample* getSample(int i) const { return samples[i]; }

    // Test frames only: put the game into a given situation without playing up to it.
    void setState(int value) { state = value; }
    void setHighestStage(int value) { highestStage = value; }
    void setCurrentStage(int value) { currentStage = value; }
    void setCurrentWave(int value) { currentWave = value; }
    void setMenuCursor(int value) { menuCursor = value; }
    void setCoins(int value) { coins = value; }
    void setScore(int value) { score = value; }
    void setRemainingEnemies(int value) { remainingEnemies = value; }
    std::string getMessage() const { return stream.str(); }
    // Line k (0..10) of the wave results as the screen draws it; empty for a line not shown.
    std::string resultsLine(int k);

private:
    // Every screen change fades to black; test frames skip the fade's rests.
    void fadeOut();
    void showLoading(const std::string& text, int percent);
    void printCentred(ZE_Font* withFont, const std::string& text, int y);
    void drawStageSlot(int slot);
    void setUpWave();
    void drawResults();
    void creditResults();
    void drawShopCells();
    void drawInventory();
    void moveShopCursor();
    void actInShop();
    void buyWeapon(int weapon);
    void buyItem(int item);
    void showMessage(const std::string& message);
    // A text with numbers, built in the reused scratch stream in its default format.
    template <typename... Parts>
    std::string compose(const Parts&... parts)
    {
        scratch.str("");
        (scratch << ... << parts);
        return scratch.str();
    }

    ZE_Bitmap* loaderBitmap = nullptr;
    ZE_Bitmap* menuBitmap = nullptr;
    ZE_Bitmap* shopBitmap = nullptr;
    ZE_Font* fontMenu = nullptr;
    ZE_Font* fontTiny = nullptr;
    Osd* osd = nullptr;
    Stage* stages[kStages] = {};
    Player* player = nullptr;
    Hunter* hunters[kHunters] = {};
    Armadillo* armadillos[kArmadillos] = {};
    Bandit* bandits[kBandits] = {};
    Cruiser* cruisers[kCruisers] = {};
    // Every craft of the four pools in pool order (hunters, armadillos, bandits, cruisers),
    // for the steps that treat them all alike.
    Enemy* enemies[kEnemies] = {};
    ZE_Sprite* particlesSprite = nullptr;
    ZE_Sprite* cannonsSprite = nullptr;
    ZE_Sprite* shieldsBigSprite = nullptr;
    ZE_Sprite* shieldsLittleSprite = nullptr;
    ZE_Sprite* shieldsMediumSprite = nullptr;
    ZE_Sprite* playerCannonSprite = nullptr;
    ZE_Sprite* lightsSprite = nullptr;
    ZE_Sprite* cursorSprite = nullptr;
    ZE_Sprite* iconsSprite = nullptr;
    ZE_Sprite* stageMapSprite = nullptr;
    // Slot 9 stays empty: no sound of the game uses it.
    ZE_Sample* samples[kSamples] = {};
    int coins = 0;
    int currentStage = 0;
    int currentWave = 0;
    int highestStage = 0;
    int remainingEnemies = 0;
    int menuPage = 0;
    int menuCursor = 0;
    // The shop's message line; it survives between frames and visits.
    std::stringstream stream;
    std::ostringstream scratch;
};

#endif
