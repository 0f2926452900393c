// The shop between waves: the catalogue's 17 cells, the inventory with equip and sell, the
// exit, the panel and the message line.
#include "game/Game.h"

#include "combat/Cannon.h"
#include "combat/MissileLauncher.h"
#include "combat/Player.h"
#include "engine/ZE.h"
#include "engine/ZE_Bitmap.h"
#include "engine/ZE_Display.h"
#include "engine/ZE_Font.h"
#include "engine/ZE_Keyboard.h"
#include "engine/ZE_Sprite.h"
#include "engine/ZE_Timer.h"
#include "engine/ZE_Util.h"
#include "game/Osd.h"
#include "shop/Catalogue.h"
#include "shop/Item.h"
#include "shop/Weapon.h"

#include <algorithm>

namespace {
constexpr int kWeaponCells = 7;
constexpr int kCells = 17;
constexpr int kFirstButton = 17;

int cellX(int cell) { return 256 * (cell % 4); }
int cellY(int cell) { return 122 * (cell / 4); }

void white(ZE_Font* font, const std::string& text, int x, int y)
{
    ZE_Util::printText(font->getFont(), text, x, y, 255, 255, 255);
}
}  // namespace

void Game::showMessage(const std::string& message)
{
    stream.str(message);
    timer->start();
}

void Game::gameShop()
{
    shopBitmap->draw();
    drawShopCells();
    drawInventory();
    white(fontMenu, "  EXIT SHOP", 3, 639);
    osd->draw();
    if (!timer->isStarted())
        stream.str("WELCOME TO ZAV URO SHOP!");
    if (timer->getCount() > 180)
        timer->stop();
    white(osd->getFont(), stream.str(), 2, 1);
    moveShopCursor();
    cursorSprite->run();
    cursorSprite->draw();
    if (generalKey())
        actInShop();
}

void Game::drawShopCells()
{
    ZE_Font* heading = osd->getFont();
    const int lt = fontTiny->getLineHeight();
    auto icon = [&](int frame, int x, int y) {
        iconsSprite->setCurrentFrame(frame);
        iconsSprite->setX(static_cast<float>(x));
        iconsSprite->setY(static_cast<float>(y));
        iconsSprite->draw();
    };
    for (int c = 0; c < kCells; ++c) {
        const int x0 = cellX(c);
        const int y0 = cellY(c);
        if (c < kWeaponCells) {
            const Weapon* weapon = player->getWeaponsP()[c];
            icon(weapon->getIconFrame(), x0 + 4, y0 + 41);
            white(heading, weapon->getName(), x0 + 3, y0 + 22);
            white(fontTiny, compose("FIRERATE ", weapon->getFirerate(), "/MINUTE"), x0 + 47,
                  y0 + 41);
            white(fontTiny, compose("POWER ", weapon->getPower()), x0 + 47, y0 + 41 + lt);
            white(fontTiny, "RANGE 1000 METERS", x0 + 47, y0 + 41 + 2 * lt);
            white(fontTiny, weapon->getDescription(0), x0 + 3, y0 + 41 + 3 * lt);
            white(fontTiny, weapon->getDescription(1), x0 + 3, y0 + 41 + 4 * lt);
            white(fontMenu, compose("  BUY FOR ", weapon->getCost(), " COINS"), x0 + 3,
                  y0 + 41 + 5 * lt);
            continue;
        }
        const Item* item = player->getItemsP()[c - kWeaponCells];
        icon(item->getIconFrame(), x0 + 4, y0 + 41);
        white(heading, item->getName(), x0 + 3, y0 + 22);
        white(fontTiny, item->getDescription(0), x0 + 47, y0 + 41);
        white(fontTiny, item->getDescription(1) + item->getPercentageString(), x0 + 47,
              y0 + 41 + lt);
        white(fontTiny, item->getDescription(2), x0 + 47, y0 + 41 + 2 * lt);
        white(fontTiny, item->getDescription(9), x0 + 3, y0 + 41 + 3 * lt);
        white(fontTiny, item->getDescription(10), x0 + 3, y0 + 41 + 4 * lt);
        white(fontMenu,
              item->getClicks() > item->getMaxClicks()
                  ? std::string("  ALL SOLDED!")
                  : compose("  BUY FOR ", item->getCost(), " COINS"),
              x0 + 3, y0 + 41 + 5 * lt);
    }
}

void Game::drawInventory()
{
    ZE_Font* heading = osd->getFont();
    const int lm = fontMenu->getLineHeight();
    const int n = player->countInventory();
    white(heading, "INVENTORY:", 257, 507);
    if (n == 0)
        white(heading, "EMPTY!", 259, 527);
    for (int k = 0; k < n; ++k) {
        const Weapon* weapon = player->getWeaponsP()[player->getInventoryP()[k]];
        iconsSprite->setCurrentFrame(weapon->getIconFrame());
        iconsSprite->setX(static_cast<float>(190 * k + 260));
        iconsSprite->setY(546);
        iconsSprite->draw();
        const int x = 190 * k + 259;
        white(heading, weapon->getName(), x, 527);
        white(fontMenu, "  EQUIP CANNON 1", x, 590);
        white(fontMenu, "  EQUIP CANNON 2", x, 590 + lm);
        white(fontMenu, compose("  SELL FOR ", weapon->getSell()), x, 590 + 2 * lm);
    }
}

void Game::moveShopCursor()
{
    const int n = player->countInventory();
    const int exitButton = kFirstButton + 3 * n;
    const int lm = fontMenu->getLineHeight();
    auto down = [&](int key) { return keyboard->keyDown(key); };

    if (menuCursor < kCells) {
        if (down(keyDown) && menuCursor == 16) {
            menuCursor = exitButton;
            keyboard->clearKeys();
        }
        if (down(keyRight) && menuCursor == 16 && n > 0) {
            menuCursor = kFirstButton;
            keyboard->clearKeys();
        }
        if (down(keyDown) && menuCursor >= 13 && menuCursor <= 15 && n > 0) {
            menuCursor = kFirstButton;
            keyboard->clearKeys();
        }
        // Keys cleared above are seen by none of these.
        if (down(keyUp) && menuCursor > 3)
            menuCursor -= 4;
        if (down(keyDown) && menuCursor < 13)
            menuCursor += 4;
        if (down(keyLeft) && menuCursor > 0 && menuCursor % 4 != 0)
            menuCursor -= 1;
        if (down(keyRight) && menuCursor < 16 && menuCursor % 4 != 3)
            menuCursor += 1;
    }
    if (menuCursor >= kFirstButton && menuCursor < exitButton) {
        auto b = [&]() { return menuCursor - kFirstButton; };
        if (down(keyLeft) && b() <= 2) {
            menuCursor = exitButton;
            keyboard->clearKeys();
        }
        if (down(keyUp) && b() % 3 == 0) {
            menuCursor = 13 + b() / 4;
            keyboard->clearKeys();
        }
        if (down(keyUp) && b() > 0 && b() % 3 != 0)
            --menuCursor;
        if (down(keyDown) && b() < 3 * n && b() % 3 != 2)
            ++menuCursor;
        if (down(keyLeft) && b() > 2)
            menuCursor -= 3;
        if (down(keyRight) && b() < 3 * n - 3)
            menuCursor += 3;
    }
    if (menuCursor == exitButton) {
        if (down(keyUp))
            menuCursor = 16;
        else if (down(keyRight) && n > 0)
            menuCursor = kFirstButton;
    }

    // The cursor sprite goes where the selection now is.
    float cx = 4;
    float cy = 639;
    if (menuCursor < kCells) {
        cx = static_cast<float>(cellX(menuCursor) + 4);
        cy = static_cast<float>(cellY(menuCursor) + 116);
    } else if (menuCursor < exitButton) {
        const int b = menuCursor - kFirstButton;
        cx = static_cast<float>(190 * (b / 3) + 260);
        cy = static_cast<float>(590 + lm * (b % 3));
    }
    cursorSprite->setX(cx);
    cursorSprite->setY(cy);
}

void Game::actInShop()
{
    const int n = player->countInventory();
    const int exitButton = kFirstButton + 3 * n;
    if (menuCursor < kWeaponCells) {
        buyWeapon(menuCursor);
    } else if (menuCursor < kCells) {
        buyItem(menuCursor - kWeaponCells);
    } else if (menuCursor < exitButton) {
        const int b = menuCursor - kFirstButton;
        const int slot = b / 3;
        const int weapon = player->getInventoryP()[slot];
        if (b % 3 == 2) {
            coins += player->getWeaponsP()[weapon]->getSell();
            player->removeFromInventory(slot);
        } else {
            const int cannon = b % 3;
            const int previous = player->getCurrentWeapon(cannon);
            player->changeWeapon(weapon, cannon);
            player->removeFromInventory(slot);
            if (previous != -1)
                player->addToInventory(previous);
        }
        menuCursor = kFirstButton;
    } else {
        state = currentWave == 0 ? STATE_START_STAGE : STATE_START_WAVE;
        menuCursor = 0;
        timer->start();
        fadeOut();
    }
}

void Game::buyWeapon(int weapon)
{
    const int cost = player->getWeaponsP()[weapon]->getCost();
    if (coins < cost) {
        showMessage(ZE::errNoCoins());
        return;
    }
    if (player->addToInventory(weapon)) {
        coins -= cost;
        showMessage("ITEM STORED IN THE INVENTORY!");
    } else {
        showMessage("INVENTORY FULL, YOU CAN NOT BUY THIS ITEM!");
    }
}

void Game::buyItem(int index)
{
    Item* item = player->getItemsP()[index];
    const int cost = item->getCost();
    if (coins < cost) {
        showMessage(ZE::errNoCoins());
        return;
    }
    const int clicks = item->getClicks();
    const bool levelsLeft = clicks <= item->getMaxClicks();
    bool buyLevel = false;
    Cannon* cannons[2] = {player->getCannon(0), player->getCannon(1)};
    MissileLauncher* launcher = player->getMissileLauncher();
    const int minute = display->getMaxFPS() * 60;
    using namespace Catalogue;
    switch (index) {
    case RADAR:
        if (clicks == 0)
            player->setRadarEnable(true);
        else if (levelsLeft)
            player->incRadarRange();
        buyLevel = levelsLeft;
        break;
    case SHIELDS:
        if (clicks == 0) {
            player->activateShield(true);
            player->setShieldEnableRecharge(1);
            player->setShieldRechargeStep(minute);
        } else if (levelsLeft) {
            player->activateShield(false);
            player->setShieldMaxHealth(player->getShieldMaxHealth() + 20);
            player->setShieldHealth(player->getShieldMaxHealth());
            player->setShieldEnableRecharge(1);
            player->setShieldRechargeStep(minute / (clicks + 1));
        }
        buyLevel = levelsLeft;
        break;
    case HULL:
        if (levelsLeft) {
            player->setMaxHealth(player->getMaxHealth() + 50);
            player->setHealth(player->getMaxHealth());
        }
        buyLevel = levelsLeft;
        break;
    case TARGETTING:
        for (Cannon* cannon : cannons) {
            if (clicks == 0)
                cannon->setEnableTargetting(true);
            else if (levelsLeft)
                cannon->incTargettingRange();
        }
        buyLevel = levelsLeft;
        break;
    case CARGO_CAPACITY:
        if (levelsLeft) {
            player->setMaxCargo(player->getMaxCargo() + 80);
            player->setDecayStep(clicks + 5);
        }
        buyLevel = levelsLeft;
        break;
    case ENEMIES_SCAN:
        if (clicks == 0) {
            player->setScanEnemiesRemaining(true);
        } else if (clicks == 1) {
            player->setScanEnemiesHealth(true);
            item->setDescription(4, "SHIELDS");
        } else if (clicks == 2) {
            player->setScanEnemiesShields(true);
        }
        buyLevel = levelsLeft;
        break;
    case REPAIR_HULL:
        if (player->getHealth() < player->getMaxHealth()) {
            player->setHealth(std::min(player->getHealth() + 100, player->getMaxHealth()));
            coins -= cost;
        } else {
            showMessage("HULL IS NOT DAMAGED!");
        }
        break;
    case REPAIR_SHIELDS:
        if (!player->isShieldEnable() && !player->getShieldDown()) {
            showMessage("SHIELDS DISABLED, ENABLE SHIELDS FIRST!");
        } else if (player->getShieldHealth() < player->getShieldMaxHealth()) {
            player->activateShield(false);
            player->setShieldHealth(
                std::min(player->getShieldHealth() + 80, player->getShieldMaxHealth()));
            coins -= cost;
        } else {
            showMessage("MAXIMUM SHIELDS POWER!");
        }
        break;
    case CANNON_ROTATE:
        if (levelsLeft)
            for (Cannon* cannon : cannons)
                cannon->setRotationSpeed(cannon->getRotationSpeed() + 0.08f);
        buyLevel = levelsLeft;
        break;
    case MISSILE_LAUNCHER:
        if (clicks == 0) {
            launcher->setWeapon(-2);
        } else if (levelsLeft) {
            launcher->setReloadTime(launcher->getReloadTime() - 100);
            launcher->setReloadCount(launcher->getReloadTime());
        }
        buyLevel = levelsLeft;
        break;
    default:
        break;
    }
    if (buyLevel) {
        coins -= cost;
        item->click();
    }
}
