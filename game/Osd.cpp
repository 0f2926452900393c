#include "game/Osd.h"

#include "combat/Armadillo.h"
#include "combat/Bandit.h"
#include "combat/Cannon.h"
#include "combat/Cruiser.h"
#include "combat/Hunter.h"
#include "combat/MissileLauncher.h"
#include "combat/Player.h"
#include "engine/ZE.h"
#include "engine/ZE_Display.h"
#include "engine/ZE_Font.h"
#include "engine/ZE_Sprite.h"
#include "engine/ZE_Util.h"
#include "game/Stage.h"
#include "shop/Weapon.h"

Osd::Osd(std::string path, ZE_Display* display, ZE_Sprite* icons)
    : ZE_Bitmap(path, display, nullptr),
      font(new ZE_Font(ZE::dataPath() + "font_osd.png", display)),
      icons(icons)
{
    reset();
}

void Osd::reset()
{
    ZE_Bitmap::reset();
}

void Osd::print(const std::string& value, int dx, int dy)
{
    if (textCount < kMaxTexts)
        texts[textCount++] = {value, dx, dy};
}

void Osd::bar(int dx, int dy, int width, int r, int g, int b)
{
    if (barCount < kMaxBars)
        bars[barCount++] = {dx, dy, width, r, g, b};
}

void Osd::draw()
{
    if (!enable)
        return;
    ZE_Bitmap::draw();
    layout();
    // Bars are filled from the panel's pivot corner, texts from its truncated position.
    const int panelX = static_cast<int>(x);
    const int panelY = static_cast<int>(y);
    for (int i = 0; i < barCount; ++i) {
        const Bar& b = bars[i];
        ZE_Util::rectangle(x - centerX + b.dx, y - centerY + b.dy, static_cast<float>(b.width), 19,
                           b.r, b.g, b.b, true);
    }
    for (int cannon = 0; cannon < 2; ++cannon) {
        if (iconFrames[cannon] < 0)
            continue;
        icons->setX(static_cast<float>(panelX + (cannon == 0 ? 364 : 548)));
        icons->setY(static_cast<float>(panelY + 25));
        icons->setCurrentFrame(iconFrames[cannon]);
        icons->draw();
    }
    for (int i = 0; i < textCount; ++i)
        ZE_Util::printText(font->getFont(), texts[i].text, panelX + texts[i].dx,
                           panelY + texts[i].dy, 255, 255, 255);
    drawRadar();
}

void Osd::layout()
{
    textCount = 0;
    barCount = 0;
    const int L = font->getLineHeight() + 3;
    Player* player = playerP;

    print(compose("SCORE ", *scoreP), 3, 5);
    print(compose("COINS ", *coinsP), 228, 5);
    print(player->isRadarEnable() ? compose("*", player->getRadarRange()) : "---", 984, 5);
    print(player->getScanEnemiesRemaining() ? compose(*player->getRemainingEnemiesP()) : "---",
          984, L + 5);
    print(player->getScanEnemiesHealth() ? "ON" : "OFF", 984, 2 * L + 5);
    print(player->getScanEnemiesShields() ? "ON" : "OFF", 984, 3 * L + 5);
    layoutCannon(0, 363);
    layoutCannon(1, 547);

    bar(25, 27, player->getHealth() * 200 / player->getMaxHealth(), 0, 200, 0);
    print(compose(player->getHealth(), "/", player->getMaxHealth()), 228, L + 5);
    layoutShield(L);
    bar(25, 73, player->getCargo() * 140 / player->getMaxCargo(), 180, 0, 0);
    print(compose(player->getCargo(), "/", player->getMaxCargo()), 168, 3 * L + 5);
    print(compose(18 - player->getDecayStep(), "/SEC"), 292, 3 * L + 5);

    MissileLauncher* launcher = player->getMissileLauncher();
    const bool armed = launcher->getWeapon() != -1;
    if (armed)
        bar(384, 74, launcher->getReloadCount() * 110 / launcher->getReloadTime(), 0, 0, 200);
    print(armed ? compose("*", 14 - launcher->getReloadTime() / 100.0f) : "---", 518,
          3 * L + 5);
}

void Osd::layoutCannon(int cannon, int dx)
{
    const int L = font->getLineHeight() + 3;
    const int weapon = playerP->getCurrentWeapon(cannon);
    const std::string number = compose(cannon + 1, ". ");
    iconFrames[cannon] = -1;
    if (weapon == -1) {
        print(number + "NO CANNON", dx, 5);
        return;
    }
    const Weapon* mounted = playerP->getWeaponsP()[weapon];
    print(number + mounted->getName(), dx, 5);
    iconFrames[cannon] = mounted->getIconFrame();
    const Cannon* gun = playerP->getCannon(cannon);
    print(compose("*", gun->getRotationSpeed() * 100 + 12), dx + 66, L + 3);
    print(gun->getEnableTargetting() ? compose("*", gun->getTargettingRangeScale()) : "---",
          dx + 134, L + 3);
}

void Osd::layoutShield(int L)
{
    const int maximum = playerP->getShieldMaxHealth();
    if (playerP->isShieldEnable()) {
        const int health = playerP->getShieldHealth();
        bar(25, 50, health * 140 / maximum, 0, 200, 0);
        print(compose(health, "/", maximum), 168, 2 * L + 5);
        print(compose(display->getMaxFPS() * 60 / playerP->getShieldRechargeStep(), "/MIN"),
              292, 2 * L + 5);
    } else if (playerP->getShieldDown()) {
        print(compose("0/", maximum), 168, 2 * L + 5);
        print("0/MIN", 293, 2 * L + 5);
    } else {
        print("---/---", 168, 2 * L + 5);
        print("-/MIN", 292, 2 * L + 5);
    }
}

void Osd::drawRadar()
{
    if (!playerP->isRadarEnable()) {
        // A switched-off screen with its three grey marks.
        ZE_Util::rectangle(kRadarX, kRadarY, kRadarWidth, kRadarHeight, 6, 6, 6, true);
        ZE_Util::rectangle(735, 682, 2, 40, 160, 160, 160, true);
        ZE_Util::rectangle(735, 727, 2, 5, 160, 160, 160, true);
        ZE_Util::rectangle(953, 747, 2, 12, 160, 160, 160, true);
        return;
    }
    const float range = playerP->getRadarRange();
    const float sx = static_cast<float>(kRadarWidth) / stageP->getMapWidth(1) / range;
    const float sy = static_cast<float>(kRadarHeight) / stageP->getMapHeight(1) / range;

    // The view frame is not clipped to the box.
    ZE_Util::rectangle(kRadarX + playerP->getScrollX() * sx, kRadarY + playerP->getScrollY() * sy,
                       display->getWidth() * sx, stageP->getMapHeight(1) * sy, 0, 200, 0, false);
    ZE_Util::pixel(kRadarX + playerP->getX() * sx, kRadarY + playerP->getY() * sy, 255, 255, 255);

    auto blip = [&](const ZE_Bitmap* craft) {
        if (!craft->getEnable())
            return;
        const float px = kRadarX + craft->getX() * sx;
        const float py = kRadarY + craft->getY() * sy;
        if (px >= kRadarX && px <= kRadarX + kRadarWidth && py >= kRadarY &&
            py <= kRadarY + kRadarHeight)
            ZE_Util::pixel(px, py, 255, 255, 255);
    };
    for (int i = 0; i < Player::kHunters; ++i)
        blip(playerP->getHuntersP()[i]);
    for (int i = 0; i < Player::kArmadillos; ++i)
        blip(playerP->getArmadillosP()[i]);
    for (int i = 0; i < Player::kBandits; ++i)
        blip(playerP->getBanditsP()[i]);
    for (int i = 0; i < Player::kCruisers; ++i)
        blip(playerP->getCruisersP()[i]);
}
