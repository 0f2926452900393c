// The screens around the fighting: the maker's intro, the main menu, the prologue, the game
// over and the epilogue.
#include "game/Game.h"

#include "engine/ZE.h"
#include "engine/ZE_Bitmap.h"
#include "engine/ZE_Display.h"
#include "engine/ZE_Font.h"
#include "engine/ZE_Keyboard.h"
#include "engine/ZE_Sample.h"
#include "engine/ZE_Sprite.h"
#include "engine/ZE_Timer.h"
#include "engine/ZE_Util.h"
#include "game/Stage.h"

namespace {
constexpr int kMenuX = 740;
constexpr int kMenuY0 = 540;
constexpr int kClick = 10;
constexpr int kMenuMusic = 11;

const char* const kMainEntries[4] = {"  GAME SETUP   >>", "  GAME OPTIONS >>",
                                     "  GAME START     ", "  GAME EXIT      "};

const char* const kPrologue[4] = {
    "\"WHOEVER HOLDS THE MELANGE HOLDS THE SKY.",
    "THEY WILL COME FOR IT FROM EVERY SIDE, WAVE",
    "AFTER WAVE, UNTIL THE DUNES REMEMBER ONLY",
    "THE TWO GUNS THAT NEVER STOPPED TURNING.\"",
};
const char* const kAttribution =
    "                                           - SONG OF THE DUNE WARDENS";
}  // namespace

void Game::printCentred(ZE_Font* withFont, const std::string& text, int y)
{
    const int x = (display->getWidth() - withFont->getTextWidth(text)) / 2;
    ZE_Util::printText(withFont->getFont(), text, x, y, 255, 255, 255);
}

void Game::gameIntro()
{
    printCentred(font, "Quillmoth presents...", (display->getHeight() - font->getLineHeight()) / 2);
    if (generalKey() || timer->getCount() > 200) {
        state = STATE_MENU;
        timer->stop();
        fadeOut();
    }
}

void Game::gameMenu()
{
    const int lineHeight = fontMenu->getLineHeight();
    menuBitmap->draw();
    cursorSprite->setX(static_cast<float>(kMenuX));
    cursorSprite->setY(static_cast<float>(kMenuY0 + menuCursor * lineHeight));
    cursorSprite->run();
    cursorSprite->draw();
    if (!samples[kMenuMusic]->isPlaying())
        samples[kMenuMusic]->play();
    ZE_Util::printText(fontTiny->getFont(), "V." + ZE::version(), 970, 750, 255, 255, 255);

    ALLEGRO_FONT* menu = fontMenu->getFont();
    if (menuPage == 0) {
        ZE_Util::printText(menu, "MAIN MENU:       ", kMenuX, kMenuY0 - 2 * lineHeight, 255, 255,
                           255);
        for (int k = 0; k < 4; ++k)
            ZE_Util::printText(menu, kMainEntries[k], kMenuX, kMenuY0 + k * lineHeight, 255, 255,
                               255);
        if (keyboard->keyDown(keyUp)) {
            samples[kClick]->play();
            if (menuCursor > 0)
                --menuCursor;
        }
        if (keyboard->keyDown(keyDown)) {
            samples[kClick]->play();
            if (menuCursor < 3)
                ++menuCursor;
        }
        if (keyboard->keyDown(keyRight)) {
            samples[kClick]->play();
            if (menuCursor == 0) {
                menuPage = 1;
                menuCursor = 0;
            } else if (menuCursor == 1) {
                menuPage = 2;
                menuCursor = 0;
            }
        }
        if (generalKey()) {
            if (menuCursor == 2) {
                state = STATE_START;
                fadeOut();
            } else if (menuCursor == 3) {
                state = STATE_EXIT;
                fadeOut();
            }
        }
        return;
    }
    // The setup and options pages hold only the way back: settings come from config.cfg.
    ZE_Util::printText(menu, menuPage == 1 ? "SETUP MENU:      " : "OPTIONS MENU:    ", kMenuX,
                       kMenuY0 - 2 * lineHeight, 255, 255, 255);
    ZE_Util::printText(menu, "  BACK <<        ", kMenuX, kMenuY0, 255, 255, 255);
    if (keyboard->keyDown(keyLeft)) {
        menuPage = 0;
        menuCursor = 0;
    }
}

void Game::gamePrologue()
{
    const int lineHeight = fontMenu->getLineHeight();
    const int y0 = (stages[0]->getMapHeight(1) - lineHeight) / 3;
    for (int k = 0; k < 4; ++k)
        printCentred(fontMenu, kPrologue[k], y0 + k * lineHeight);
    printCentred(fontMenu, kAttribution, y0 + 5 * lineHeight);
    if (generalKey()) {
        keyboard->clearKeys();
        state = STATE_START_STAGE;
        timer->start();
        fadeOut();
    }
}

void Game::gameOver()
{
    const int lineHeight = fontMenu->getLineHeight();
    printCentred(fontMenu, "GAME OVER", (stages[0]->getMapHeight(1) - lineHeight) / 2);
    if (generalKey() || timer->getCount() > 200) {
        timer->stop();
        state = STATE_MENU;
        fadeOut();
    }
}

void Game::gameEpilogue()
{
    const int lineHeight = fontMenu->getLineHeight();
    const int y0 = (stages[0]->getMapHeight(1) - lineHeight) / 2 - 4 * lineHeight;
    printCentred(fontMenu, "CONGRATULATION!!!", y0);
    printCentred(fontMenu, compose("SCORE ", score), y0 + 2 * lineHeight);
    printCentred(fontMenu, compose("FINAL BONUS ", coins, " * 10 = ", coins * 10),
                 y0 + 3 * lineHeight);
    printCentred(fontMenu, compose("FINAL SCORE ", coins * 10 + score), y0 + 4 * lineHeight);
    if (generalKey() || timer->getCount() > 500) {
        score += coins * 10;
        timer->stop();
        state = STATE_GAME_OVER;
        timer->start();
        fadeOut();
    }
}
