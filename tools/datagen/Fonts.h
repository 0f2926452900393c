#ifndef TOOLS_DATAGEN_FONTS_H
#define TOOLS_DATAGEN_FONTS_H

#include <string>

namespace datagen {

// Where the DejaVu faces of fonts-dejavu-core live.
std::string dejavuPath(const std::string& file);

// Renders ASCII 32..126 of a TrueType face into an Allegro bitmap font file: one rectangle
// per glyph, its advance wide and lineHeight high, on a background colour taken from pixel
// (0, 0). size is the TrueType size in pixels; the glyphs are drawn white.
void makeBitmapFont(const std::string& ttfPath, int size, int lineHeight,
                    const std::string& outPath);

// Writes every font of the game into OUT/data/.
void writeFonts(const std::string& dataDir);

}  // namespace datagen

#endif
