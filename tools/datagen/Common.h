#ifndef TOOLS_DATAGEN_COMMON_H
#define TOOLS_DATAGEN_COMMON_H

#include <cstdint>
#include <string>

struct ALLEGRO_BITMAP;

// Shared helpers of the data generator: directories, saving pictures so that they load back
// with the colours they were drawn with, and a reproducible random source.
namespace datagen {

// Creates the directory and its parents; ends the generator on failure.
void makeDirectory(const std::string& path);
// Saves a memory bitmap drawn with premultiplied alpha as straight alpha (the loader
// premultiplies again). The bitmap's pixels are changed in place.
void saveBitmap(ALLEGRO_BITMAP* bitmap, const std::string& path);
void writeTextFile(const std::string& path, const std::string& text);
// Saves a sprite sheet and, beside it, its description file (same name, ".dat"): the frame
// grid and the size of one frame, each number followed by its label.
void saveSheet(ALLEGRO_BITMAP* sheet, int rows, int columns, int frameWidth, int frameHeight,
               const std::string& pngPath);
[[noreturn]] void fail(const std::string& message);

// Small fixed-seed generator: the same data on every run, whatever the C library does.
class Random {
public:
    explicit Random(uint32_t seed) : state(seed ? seed : 1u) {}
    uint32_t next();
    // Uniform in [0, 1).
    float unit();
    // Uniform in [lo, hi].
    int range(int lo, int hi);
    float range(float lo, float hi);

private:
    uint32_t state;
};

}  // namespace datagen

#endif
