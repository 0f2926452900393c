#ifndef TOOLS_DATAGEN_CRAFT_H
#define TOOLS_DATAGEN_CRAFT_H

#include <string>

struct ALLEGRO_BITMAP;

namespace datagen {

// The base's frame size: its centre stands at (915, 574), its turret ring 26 pixels higher.
constexpr int kBaseWidth = 176;
constexpr int kBaseHeight = 100;

// Writes the craft sheets: objects/player/base.png and cannon.png, objects/cannons.png and
// the four enemies in objects/enemies/.
void writeCraft(const std::string& dataDir);
// The intact base with its turret, for pictures of the field (the caller owns it).
ALLEGRO_BITMAP* basePicture();

}  // namespace datagen

#endif
