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
    void drawCannon(int cannon, int dx);
    void drawShield(int lineHeight);

    ZE_Font* font;
    ZE_Sprite* icons;
    int* scoreP = nullptr;
    int* coinsP = nullptr;
    Player* playerP = nullptr;
    Stage* stageP = nullptr;
    int panelX = 0;  // the panel's position truncated, taken at the start of each draw
    int panelY = 0;
    std::ostringstream text;  // reused for every number of the panel
};

#endif
