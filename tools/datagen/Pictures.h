#ifndef TOOLS_DATAGEN_PICTURES_H
#define TOOLS_DATAGEN_PICTURES_H

#include <string>
#include <vector>

struct ALLEGRO_BITMAP;

namespace datagen {

// Writes the full-screen pictures of data/: loader.png, menu.png, shop.png and the panel
// osd.png. The fields of the stages serve as scenery; the craft sheets must already exist.
void writePictures(const std::string& dataDir, const std::vector<ALLEGRO_BITMAP*>& fields);

}  // namespace datagen

#endif
