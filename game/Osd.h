#ifndef GAME_OSD_H
#define GAME_OSD_H

#include "engine/ZE_Bitmap.h"

#include <sstream>
#include <string>

class Player;
class Stage;
class ZE_Display;
class ZE_Font;
class ZE_Sprite;

// The instrument panel along the bottom of the screen in play and in the shop: score, coins,
// hull, shield and cargo bars, both cannons, the launcher's reload, the scanners and the
// radar. It only reads the game, through the pointers it is given at start-up.
class Osd : public ZE_Bitmap {
public:
    // The radar box, in screen pixels whatever the panel's position.
    static constexpr int kRadarX = 730;
    static constexpr int kRadarY = 677;
    static constexpr int kRadarWidth = 228;
    static constexpr int kRadarHeight = 89;

    Osd(std::string path, ZE_Display* display, ZE_Sprite* icons);
    Osd(const Osd&) = delete;
    Osd& operator=(const Osd&) = delete;

    void reset();
    void draw();
    void drawRadar();

    // What the panel shows this frame, worked out from the game without drawing it.
    struct Text {
        std::string text;
        int dx, dy;
    };
    struct Bar {
        int dx, dy, width, r, g, b;
    };
    static constexpr int kMaxTexts = 28;
    static constexpr int kMaxBars = 4;
    void layout();
    int getTextCount() const { return textCount; }
    const Text& getText(int i) const { return texts[i]; }
    int getBarCount() const { return barCount; }
    const Bar& getBar(int i) const { return bars[i]; }
    // The icon frame shown for cannon 0 or 1, -1 for none.
    int getIconFrame(int cannon) const { return iconFrames[cannon]; }

    void setPlayerP(Player* value) { playerP = value; }
    void setScoreP(int* value) { scoreP = value; }
    void setCoinsP(int* value) { coinsP = value; }
    void setStageP(Stage* value) { stageP = value; }
    ZE_Font* getFont() const { return font; }

private:
    // One text of the panel, built in the reused stream with its default number format.
    template <typename... Parts>
    std::string compose(const Parts&... parts)
    {
        text.str("");
        (text << ... << parts);
        return text.str();
    }
    void print(const std::string& text, int dx, int dy);
    void bar(int dx, int dy, int width, int r, int g, int b);
    void layoutCannon(int cannon, int dx);
    void layoutShield(int lineHeight);

    ZE_Font* font;
    ZE_Sprite* icons;
    int* scoreP = nullptr;
    int* coinsP = nullptr;
    Player* playerP = nullptr;
    Stage* stageP = nullptr;
    Text texts[kMaxTexts];
    int textCount = 0;
    Bar bars[kMaxBars];
    int barCount = 0;
    int iconFrames[2] = {-1, -1};
    std::ostringstream text;  // reused for every number of the panel
};

#endif
