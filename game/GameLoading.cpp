// Start-up: every picture, sheet, font, stage and sound is loaded here, behind the loading
// screen, and the world is built and wired. Nothing is loaded later.
#include "game/Game.h"

#include "combat/Armadillo.h"
#include "combat/Bandit.h"
#include "combat/Cruiser.h"
#include "combat/Enemy.h"
#include "combat/Hunter.h"
#include "combat/Player.h"
#include "engine/ZE.h"
#include "engine/ZE_Bitmap.h"
#include "engine/ZE_Display.h"
#include "engine/ZE_Font.h"
#include "engine/ZE_Sample.h"
#include "engine/ZE_Sprite.h"
#include "engine/ZE_Util.h"
#include "game/Osd.h"
#include "game/Stage.h"

namespace {
template <typename Craft>
void buildPool(Craft** pool, int count, const std::string& path, ZE_Display* display,
               ZE_Sprite* particles, ZE_Sprite* cannons, ZE_Sprite* shields, ZE_Sprite* lights)
{
    // Only the first craft reads its files; the others share its pictures and description.
    pool[0] = new Craft(path, display, particles, cannons, shields, lights, nullptr);
    for (int i = 1; i < count; ++i)
        pool[i] = new Craft("", display, particles, cannons, shields, lights, pool[0]);
}

}  // namespace

void Game::showLoading(const std::string& text, int percent)
{
    ZE_Util::loader(loaderBitmap->getBitmap(), font->getFont(), text, percent, getScreenWidth(),
                    20, 1, 255, 255, 255);
}

void Game::initGame()
{
    const std::string data = ZE::dataPath();
    const std::string objects = ZE::objectPath();
    auto sheet = [&](const std::string& path) {
        return new ZE_Sprite(path, display, 0, 0, nullptr, 1);
    };

    int percent = 0;
    loaderBitmap = new ZE_Bitmap(data + "loader.png", display, nullptr);
    showLoading("Loading stages ...", percent);

    menuBitmap = new ZE_Bitmap(data + "menu.png", display, nullptr);
    stageMapSprite = sheet(objects + "stagemap.png");
    cursorSprite = sheet(objects + "cursor.png");
    iconsSprite = sheet(objects + "icons.png");
    shopBitmap = new ZE_Bitmap(data + "shop.png", display, nullptr);
    osd = new Osd(data + "osd.png", display, iconsSprite);

    for (int i = 0; i < kStages; ++i) {
        stages[i] = new Stage(ZE::stagePath(i), display);
        percent += 6;
        showLoading("Loading stages ...", percent);
    }

    showLoading("Loading musics ...", percent);
    samples[11] = new ZE_Sample(ZE::musicPath() + "menu.ogg", audio, nullptr);
    percent += 14;
    showLoading("Loading musics ...", percent);

    showLoading("Loading sounds ...", percent);
    const std::string sounds = ZE::soundPath();
    for (int i = 0; i <= 6; ++i)
        samples[i] = new ZE_Sample(sounds + "cannon" + std::to_string(i) + ".ogg", audio, nullptr);
    samples[7] = new ZE_Sample(sounds + "metal_hit.ogg", audio, nullptr);
    samples[8] = new ZE_Sample(sounds + "shield_hit.ogg", audio, nullptr);
    samples[10] = new ZE_Sample(sounds + "menu.ogg", audio, nullptr);
    percent += 6;
    showLoading("Loading sounds ...", percent);

    showLoading("Loading objects ...", percent);
    fontMenu = new ZE_Font(data + "font_menu.png", display);
    fontTiny = new ZE_Font(data + "font_tiny.png", display);
    particlesSprite = sheet(objects + "particles.png");
    cannonsSprite = sheet(objects + "cannons.png");
    shieldsBigSprite = sheet(objects + "shields_big.png");
    shieldsMediumSprite = sheet(objects + "shields_medium.png");
    shieldsLittleSprite = sheet(objects + "shields_little.png");
    lightsSprite = sheet(objects + "lights.png");
    playerCannonSprite = sheet(objects + "player/cannon.png");
    player = new Player(objects + "player/base.png", display, this, particlesSprite,
                        playerCannonSprite, shieldsBigSprite, lightsSprite, samples);
    const std::string enemyPath = objects + "enemies/";
    buildPool(hunters, kHunters, enemyPath + "hunter.png", display, particlesSprite, cannonsSprite,
              shieldsLittleSprite, lightsSprite);
    buildPool(armadillos, kArmadillos, enemyPath + "armadillo.png", display, particlesSprite,
              cannonsSprite, shieldsLittleSprite, lightsSprite);
    buildPool(bandits, kBandits, enemyPath + "bandit.png", display, particlesSprite, cannonsSprite,
              shieldsLittleSprite, lightsSprite);
    buildPool(cruisers, kCruisers, enemyPath + "cruiser.png", display, particlesSprite,
              cannonsSprite, shieldsMediumSprite, lightsSprite);
    int k = 0;
    for (Hunter* craft : hunters)
        enemies[k++] = craft;
    for (Armadillo* craft : armadillos)
        enemies[k++] = craft;
    for (Bandit* craft : bandits)
        enemies[k++] = craft;
    for (Cruiser* craft : cruisers)
        enemies[k++] = craft;
    percent += 8;
    showLoading("Loading objects ...", percent);
    showLoading("Loading objects ...", percent);

    if (pacing)
        ZE_Util::wait(0.1f);
    loaderBitmap->destroyPicture();
    delete loaderBitmap;
    loaderBitmap = nullptr;

    coins = 0;
    currentStage = 0;
    currentWave = 0;
    highestStage = 0;
    remainingEnemies = 0;
    menuPage = 0;
    menuCursor = 0;

    player->setScoreP(&score);
    player->setRemainingEnemiesP(&remainingEnemies);
    player->setHuntersP(hunters);
    player->setArmadillosP(armadillos);
    player->setBanditsP(bandits);
    player->setCruisersP(cruisers);
    for (Enemy* enemy : enemies) {
        enemy->setPlayerP(player);
        enemy->setSamplesP(samples);
    }
    updateStagePointers();

    cursorSprite->startAnimation(0, 6, 7);
    osd->setX(0);
    osd->setY(672);
    osd->setPlayerP(player);
    osd->setScoreP(&score);
    osd->setCoinsP(&coins);
    fadeOut();
}

void Game::updateStagePointers()
{
    Stage* stage = stages[currentStage];
    osd->setStageP(stage);
    player->setScrollXYP(stage->getScrollXP(), stage->getScrollYP());
    for (Enemy* enemy : enemies)
        enemy->setScrollXYP(stage->getScrollXP(), stage->getScrollYP());
}

void Game::resetScroll()
{
    Stage* stage = stages[currentStage];
    stage->setScrollX(static_cast<float>((stage->getMapWidth(1) - display->getWidth()) / 2));
    stage->setScrollY(0);
}
