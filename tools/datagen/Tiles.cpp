#include "tools/datagen/Tiles.h"

#include "tools/datagen/Common.h"

#include <allegro5/allegro.h>

#include <cstring>
#include <map>
#include <sstream>
#include <vector>

namespace datagen {

namespace {
constexpr int kTilesetColumns = 16;
}

int writeTileLayer(ALLEGRO_BITMAP* layer, int tileWidth, int tileHeight,
                   const std::string& pngPath)
{
    const int w = al_get_bitmap_width(layer);
    const int h = al_get_bitmap_height(layer);
    if (w % tileWidth != 0 || h % tileHeight != 0)
        fail("layer is not a whole number of tiles: " + pngPath);
    const int columns = w / tileWidth;
    const int rows = h / tileHeight;

    ALLEGRO_LOCKED_REGION* region =
        al_lock_bitmap(layer, ALLEGRO_PIXEL_FORMAT_ABGR_8888_LE, ALLEGRO_LOCK_READONLY);
    // Each tile's pixels as a byte string; fully transparent pixels all compare equal.
    auto tileBytes = [&](int column, int row) {
        std::string bytes(static_cast<size_t>(tileWidth * tileHeight * 4), '\0');
        for (int y = 0; y < tileHeight; ++y) {
            const auto* src = static_cast<const unsigned char*>(region->data) +
                              (row * tileHeight + y) * region->pitch + 4 * column * tileWidth;
            for (int x = 0; x < tileWidth; ++x) {
                if (src[4 * x + 3] == 0)
                    continue;
                std::memcpy(&bytes[(y * tileWidth + x) * 4], src + 4 * x, 4);
            }
        }
        return bytes;
    };

    std::vector<std::string> tiles;
    std::map<std::string, int> index;
    const std::string empty(static_cast<size_t>(tileWidth * tileHeight * 4), '\0');
    tiles.push_back(empty);
    index[empty] = 0;
    std::vector<int> cells(static_cast<size_t>(rows * columns));
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            std::string bytes = tileBytes(column, row);
            auto found = index.find(bytes);
            int number;
            if (found == index.end()) {
                number = static_cast<int>(tiles.size());
                index.emplace(bytes, number);
                tiles.push_back(std::move(bytes));
            } else {
                number = found->second;
            }
            cells[static_cast<size_t>(row * columns + column)] = number;
        }
    }
    al_unlock_bitmap(layer);

    const int total = static_cast<int>(tiles.size());
    const int setColumns = total < kTilesetColumns ? total : kTilesetColumns;
    const int setRows = (total + kTilesetColumns - 1) / kTilesetColumns;
    ALLEGRO_BITMAP* tileset = al_create_bitmap(setColumns * tileWidth, setRows * tileHeight);
    ALLEGRO_LOCKED_REGION* out =
        al_lock_bitmap(tileset, ALLEGRO_PIXEL_FORMAT_ABGR_8888_LE, ALLEGRO_LOCK_WRITEONLY);
    for (int y = 0; y < setRows * tileHeight; ++y)
        std::memset(static_cast<unsigned char*>(out->data) + y * out->pitch, 0,
                    static_cast<size_t>(setColumns * tileWidth * 4));
    for (int n = 0; n < total; ++n) {
        const int tx = (n % kTilesetColumns) * tileWidth;
        const int ty = (n / kTilesetColumns) * tileHeight;
        for (int y = 0; y < tileHeight; ++y)
            std::memcpy(static_cast<unsigned char*>(out->data) + (ty + y) * out->pitch + 4 * tx,
                        &tiles[static_cast<size_t>(n)][static_cast<size_t>(y * tileWidth * 4)],
                        static_cast<size_t>(tileWidth * 4));
    }
    al_unlock_bitmap(tileset);
    saveBitmap(tileset, pngPath);
    al_destroy_bitmap(tileset);

    std::ostringstream map;
    map << rows << " rows\n"
        << columns << " columns\n"
        << tileWidth << " tile_width\n"
        << tileHeight << " tile_height\n"
        << setRows << " tileset_rows\n"
        << setColumns << " tileset_columns\n"
        << total << " tiles\n"
        << "cells:\n";
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column)
            map << (column ? " " : "") << cells[static_cast<size_t>(row * columns + column)];
        map << "\n";
    }
    writeTextFile(pngPath.substr(0, pngPath.rfind('.')) + ".map", map.str());
    return total;
}

}  // namespace datagen
