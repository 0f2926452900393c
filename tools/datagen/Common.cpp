#include "tools/datagen/Common.h"

#include <allegro5/allegro.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace datagen {

void fail(const std::string& message)
{
    std::fprintf(stderr, "datagen: %s\n", message.c_str());
    std::exit(1);
}

void makeDirectory(const std::string& path)
{
    std::error_code error;
    std::filesystem::create_directories(path, error);
    if (error)
        fail("cannot create directory " + path + ": " + error.message());
}

void saveBitmap(ALLEGRO_BITMAP* bitmap, const std::string& path)
{
    ALLEGRO_LOCKED_REGION* region =
        al_lock_bitmap(bitmap, ALLEGRO_PIXEL_FORMAT_ABGR_8888_LE, ALLEGRO_LOCK_READWRITE);
    if (!region)
        fail("cannot lock a picture for " + path);
    const int w = al_get_bitmap_width(bitmap);
    const int h = al_get_bitmap_height(bitmap);
    for (int y = 0; y < h; ++y) {
        auto* row = static_cast<unsigned char*>(region->data) + y * region->pitch;
        for (int x = 0; x < w; ++x) {
            unsigned char* p = row + 4 * x;  // R, G, B, A in memory
            const int a = p[3];
            if (a == 0 || a == 255)
                continue;
            for (int c = 0; c < 3; ++c) {
                const int v = (p[c] * 255 + a / 2) / a;
                p[c] = static_cast<unsigned char>(v > 255 ? 255 : v);
            }
        }
    }
    al_unlock_bitmap(bitmap);
    if (!al_save_bitmap(path.c_str(), bitmap))
        fail("cannot save " + path);
}

void writeTextFile(const std::string& path, const std::string& text)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << text;
    if (!file)
        fail("cannot write " + path);
}

void saveSheet(ALLEGRO_BITMAP* sheet, int rows, int columns, int frameWidth, int frameHeight,
               const std::string& pngPath)
{
    if (al_get_bitmap_width(sheet) < columns * frameWidth ||
        al_get_bitmap_height(sheet) < rows * frameHeight)
        fail("sheet smaller than its frame grid: " + pngPath);
    saveBitmap(sheet, pngPath);
    const std::string base = pngPath.substr(0, pngPath.rfind('.'));
    writeTextFile(base + ".dat", std::to_string(rows) + " rows\n" + std::to_string(columns) +
                                     " columns\n" + std::to_string(frameWidth) + " width\n" +
                                     std::to_string(frameHeight) + " height\n");
}

uint32_t Random::next()
{
    // xorshift32
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return state;
}

float Random::unit()
{
    return static_cast<float>(next() >> 8) / 16777216.0f;
}

int Random::range(int lo, int hi)
{
    return lo + static_cast<int>(next() % static_cast<uint32_t>(hi - lo + 1));
}

float Random::range(float lo, float hi)
{
    return lo + (hi - lo) * unit();
}

}  // namespace datagen
