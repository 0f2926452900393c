#ifndef TOOLS_DATAGEN_SHEETS_H
#define TOOLS_DATAGEN_SHEETS_H

#include <string>
#include <vector>

struct ALLEGRO_BITMAP;

namespace datagen {

// Writes the shared effect and interface sheets of data/objects/: shields, particles, the
// light flash, the shop's icons, the menu cursor and the stage map (which shows each stage's
// field, given by the caller).
void writeSheets(const std::string& dataDir, const std::vector<ALLEGRO_BITMAP*>& fields);

}  // namespace datagen

#endif
