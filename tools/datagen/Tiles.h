#ifndef TOOLS_DATAGEN_TILES_H
#define TOOLS_DATAGEN_TILES_H

#include <string>

struct ALLEGRO_BITMAP;

namespace datagen {

// Cuts a painted layer into tiles of tileWidth x tileHeight, keeps each different tile once
// (tile 0 is always the fully transparent one), and writes the tileset picture to pngPath
// and the tile map beside it (same name, ".map"). The layer's size must be a whole number
// of tiles. Returns the number of tiles.
int writeTileLayer(ALLEGRO_BITMAP* layer, int tileWidth, int tileHeight,
                   const std::string& pngPath);

}  // namespace datagen

#endif
