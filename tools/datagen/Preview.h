#ifndef TOOLS_DATAGEN_PREVIEW_H
#define TOOLS_DATAGEN_PREVIEW_H

#include <string>

namespace datagen {

// Reads the written tree back (pictures, sheets with their frame grids, stages rebuilt from
// their tiles and maps) and lays it all out on one contact sheet, OUT/data-preview.png, with
// every sheet's frame numbers, for review.
void writePreview(const std::string& outDir);

}  // namespace datagen

#endif
