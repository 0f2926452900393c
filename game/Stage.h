#ifndef GAME_STAGE_H
#define GAME_STAGE_H

#include "engine/ZE_Bitmap.h"

#include <string>

class ZE_Display;
class ZE_Map;

// One playing field read from a stage directory: background "bg.png", the tile layers "l0",
// "l1", "lh" (far at half speed, main, front over the craft) and the wave table "data.dat".
// Owns the camera position that every sprite and layer of the play screen reads by pointer.
class Stage : public ZE_Bitmap {
public:
    // dir ends with "/".
    Stage(std::string dir, ZE_Display* display);

    Stage(const Stage&) = delete;
    Stage& operator=(const Stage&) = delete;

    void loadStageData(std::string path);
    // Keeps the camera inside the main layer: lower bounds first, then upper ones.
    void run();
    void draw();  // the background
    void drawLayer0();
    void drawLayer1();
    void drawLayerH();
    void debug();

    float getScrollX() const { return scrollX; }
    float getScrollY() const { return scrollY; }
    void setScrollX(float value) { scrollX = value; }
    void setScrollY(float value) { scrollY = value; }
    float* getScrollXP() { return &scrollX; }
    float* getScrollYP() { return &scrollY; }

    // Layer 0, 1 or 2 (layerH); other numbers: 0, false, ignored.
    int getMapWidth(int layer) const;
    int getMapHeight(int layer) const;
    bool getEnableLayer(int layer) const;
    void setEnableLayer(int layer, bool value);

    std::string getStageName() const { return stageName; }
    int getTotalEnemies(int wave) const;
    int getEnemiesNumber(int type, int wave) const { return enemyTable[type][2 * wave]; }
    int getEnemiesShield(int type, int wave) const { return enemyTable[type][2 * wave + 1]; }
    int getEnemyTypes() const { return enemyTypes; }
    int getWaves() const { return waves; }

private:
    ZE_Map* layerFor(int layer) const;

    float scrollX = 0;
    float scrollY = 0;
    ZE_Map* layer0 = nullptr;
    ZE_Map* layer1 = nullptr;
    ZE_Map* layerH = nullptr;
    int enemyTypes = 0;
    int waves = 0;
    int waveStride = 0;
    int** enemyTable = nullptr;
    std::string stageName;
};

#endif
