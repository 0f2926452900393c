#ifndef TOOLS_DATAGEN_SOUNDS_H
#define TOOLS_DATAGEN_SOUNDS_H

#include <string>

namespace datagen {

// Writes data/sounds/: cannon0.ogg .. cannon6.ogg (one shot per weapon), metal_hit.ogg,
// shield_hit.ogg and menu.ogg (the menus' click).
void writeSounds(const std::string& dataDir);

}  // namespace datagen

#endif
