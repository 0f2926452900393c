#ifndef TOOLS_DATAGEN_MUSIC_H
#define TOOLS_DATAGEN_MUSIC_H

#include <string>

namespace datagen {

// Writes data/musics/menu.ogg: the menu's tune, about forty seconds.
void writeMusic(const std::string& dataDir);

}  // namespace datagen

#endif
