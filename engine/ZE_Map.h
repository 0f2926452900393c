#ifndef ENGINE_ZE_MAP_H
#define ENGINE_ZE_MAP_H

#include "engine/ZE_Bitmap.h"

#include <string>

struct ALLEGRO_BITMAP;
class ZE_Display;

// One scrolling layer of a stage: a tileset picture cut into tiles and a grid of tile numbers
// read from the ".map" file beside it. Drawn shifted by the camera divided by the parallax
// divisor; alpha, tint switches, flips and enable of ZE_Bitmap apply to every tile.
// Tiles are sub-bitmaps of the tileset, which stays alive, so one layer draws as one batch.
class ZE_Map : public ZE_Bitmap {
public:
    ZE_Map(std::string path, ZE_Display* display, int parallax);

    ZE_Map(const ZE_Map&) = delete;
    ZE_Map& operator=(const ZE_Map&) = delete;

    void loadData(std::string path);
    void loadTiles(std::string path);
    // The tiles that can be on screen, as one held run (bitmap draws only).
    void draw();
    // A yellow pixel at every cell's top-left corner; not to be called while drawing is held.
    void debug();
    void reset();

    int getMapWidth() const { return columns * tileWidth; }
    int getMapHeight() const { return rows * tileHeight; }
    void setScrollXP(float* value) { scrollXP = value; }
    void setScrollYP(float* value) { scrollYP = value; }

    int getParallax() const { return parallax; }
    int getTileWidth() const { return tileWidth; }
    int getTileHeight() const { return tileHeight; }
    int getRows() const { return rows; }
    int getColumns() const { return columns; }
    int getTotalTiles() const { return totalTiles; }
    int getCell(int column, int row) const { return cells[columns * row + column]; }
    ALLEGRO_BITMAP* getTile(int number) const { return tiles[number]; }

protected:
    int parallax;
    float* scrollXP = nullptr;
    float* scrollYP = nullptr;
    int tileWidth = 0;
    int tileHeight = 0;
    int rows = 0;
    int columns = 0;
    int tilesetRows = 0;
    int tilesetColumns = 0;
    int totalTiles = 0;
    ALLEGRO_BITMAP** tiles = nullptr;
    int* cells = nullptr;

private:
    std::string dataName;              // the ".map" path, for messages
    ALLEGRO_BITMAP* tileset = nullptr; // parent of the tiles
    // Per tile: 0 when every pixel is fully transparent. Such a tile changes nothing under the
    // premultiplied blender whatever the tint, so draw() skips it: empty cells cost no fill.
    unsigned char* tileShows = nullptr;
};

#endif
