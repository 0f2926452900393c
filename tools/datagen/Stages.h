#ifndef TOOLS_DATAGEN_STAGES_H
#define TOOLS_DATAGEN_STAGES_H

#include <string>
#include <vector>

struct ALLEGRO_BITMAP;

namespace datagen {

constexpr int kStages = 12;
// The playing field: the main layer is 1830 x 672, so that the base at x 915 stands in its
// middle; tiles are 30 x 32.
constexpr int kFieldWidth = 1830;
constexpr int kFieldHeight = 672;
constexpr int kFarWidth = 1440;
constexpr int kTileWidth = 30;
constexpr int kTileHeight = 32;
// Top of the ground under the base (its foot).
constexpr int kBaseGround = 621;

// Writes data/stages/0/ .. 11/ and returns, for each stage, a picture of the whole field
// (sky, far and main layers, front layer) for the stage map. The caller owns them.
std::vector<ALLEGRO_BITMAP*> writeStages(const std::string& dataDir);

}  // namespace datagen

#endif
