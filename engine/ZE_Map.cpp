#include "engine/ZE_Map.h"

#include "engine/ZE_Display.h"
#include "engine/ZE_Hold.h"
#include "engine/ZE_TextReader.h"
#include "engine/ZE_Util.h"

#include <allegro5/allegro.h>

#include <vector>

namespace {

float offset(const float* p)
{
    return p ? *p : 0.0f;
}

ALLEGRO_DISPLAY* allegroDisplay(ZE_Display* display)
{
    return display ? display->getDisplay() : nullptr;
}

}  // namespace

ZE_Map::ZE_Map(std::string path, ZE_Display* display, int parallax)
    : ZE_Bitmap(path, display, nullptr), parallax(parallax)
{
    reset();
    scrollXP = nullptr;
    scrollYP = nullptr;
    loadData(path);
    loadTiles(path);
}

void ZE_Map::loadData(std::string path)
{
    dataName = ZE_Util::cutExtension(path) + ".map";
    ZE_TextReader reader(dataName);
    if (!reader.isOpen())
        ZE_Util::fatalError(allegroDisplay(display), "File '" + dataName + "' not found!");
    const std::string malformed = "File '" + dataName + "' is malformed!";

    std::string label;
    int* header[] = {&rows, &columns, &tileWidth, &tileHeight,
                     &tilesetRows, &tilesetColumns, &totalTiles};
    for (int* field : header)
        if (!reader.integer(*field) || *field <= 0 || !reader.word(label))
            ZE_Util::fatalError(allegroDisplay(display), malformed);
    if (!reader.word(label))  // the heading before the grid
        ZE_Util::fatalError(allegroDisplay(display), malformed);
    if (static_cast<long long>(tilesetRows) * tilesetColumns < totalTiles)
        ZE_Util::fatalError(allegroDisplay(display), malformed);

    // Read into a growing buffer first: a huge header count is then bounded by the file's
    // real contents instead of being allocated up front.
    const long long count = static_cast<long long>(rows) * columns;
    std::vector<int> read;
    int number = 0;
    while (static_cast<long long>(read.size()) < count && reader.integer(number)) {
        if (number < 0 || number >= totalTiles)
            ZE_Util::fatalError(allegroDisplay(display), malformed);
        read.push_back(number);
    }
    if (static_cast<long long>(read.size()) < count)
        ZE_Util::fatalError(allegroDisplay(display), malformed);
    cells = new int[read.size()];
    for (size_t k = 0; k < read.size(); ++k)
        cells[k] = read[k];
}

void ZE_Map::loadTiles(std::string)
{
    tileset = bitmap;
    if (static_cast<long long>(tilesetColumns) * tileWidth > al_get_bitmap_width(tileset) ||
        static_cast<long long>(tilesetRows) * tileHeight > al_get_bitmap_height(tileset))
        ZE_Util::fatalError(allegroDisplay(display), "File '" + dataName + "' is malformed!");

    // Sub-bitmaps of the tileset: the same pixels as copies, one texture for the whole layer.
    tiles = new ALLEGRO_BITMAP*[totalTiles];
    int n = 0;
    for (int r = 0; r < tilesetRows; ++r)
        for (int c = 0; c < tilesetColumns; ++c, ++n)
            if (n < totalTiles)
                tiles[n] = al_create_sub_bitmap(tileset, tileWidth * c, tileHeight * r,
                                                tileWidth, tileHeight);
    // Read back once, at loading, to find the fully transparent tiles.
    tileShows = new unsigned char[totalTiles]();
    ALLEGRO_LOCKED_REGION* locked =
        al_lock_bitmap(tileset, ALLEGRO_PIXEL_FORMAT_ABGR_8888_LE, ALLEGRO_LOCK_READONLY);
    for (int t = 0; t < totalTiles; ++t) {
        if (!locked) {
            tileShows[t] = 1;  // cannot tell: draw it
            continue;
        }
        const int left = tileWidth * (t % tilesetColumns);
        const int top = tileHeight * (t / tilesetColumns);
        for (int py = 0; py < tileHeight && !tileShows[t]; ++py) {
            const unsigned char* row = static_cast<const unsigned char*>(locked->data) +
                                       static_cast<long long>(top + py) * locked->pitch;
            for (int px = 0; px < tileWidth; ++px)
                if (row[4 * (left + px) + 3] != 0) {  // bytes R, G, B, A
                    tileShows[t] = 1;
                    break;
                }
        }
    }
    if (locked)
        al_unlock_bitmap(tileset);
    // The tileset stays alive behind its tiles; nothing draws it directly.
    bitmap = nullptr;
}

void ZE_Map::draw()
{
    if (!enable)
        return;
    const float sx = offset(scrollXP) / parallax;
    const float sy = offset(scrollYP) / parallax;
    const ALLEGRO_COLOR tint = al_map_rgba(static_cast<unsigned char>(alpha * tintRed),
                                           static_cast<unsigned char>(alpha * tintGreen),
                                           static_cast<unsigned char>(alpha * tintBlue), alpha);
    const int flags = flipHorizontal | flipVertical;
    const float screenW = static_cast<float>(display->getWidth());
    const float screenH = static_cast<float>(display->getHeight());
    ZE_Hold hold;
    for (int i = 0; i < columns; ++i) {
        const float tx = static_cast<float>(tileWidth * i) - sx;
        if (!(tx + tileWidth > 0 && tx - tileWidth < screenW))
            continue;
        for (int j = 0; j < rows; ++j) {
            const float ty = static_cast<float>(tileHeight * j) - sy;
            const int tile = cells[columns * j + i];
            if (ty + tileHeight > 0 && ty - tileHeight < screenH && tileShows[tile])
                al_draw_tinted_bitmap(tiles[tile], tint, tx, ty, flags);
        }
    }
}

void ZE_Map::debug()
{
    if (!enable)
        return;
    const float sx = offset(scrollXP) / parallax;
    const float sy = offset(scrollYP) / parallax;
    for (int i = 0; i < columns; ++i)
        for (int j = 0; j < rows; ++j)
            ZE_Util::pixel(static_cast<float>(tileWidth * i) - sx,
                           static_cast<float>(tileHeight * j) - sy, 255, 255, 0);
}

void ZE_Map::reset()
{
    ZE_Bitmap::reset();
}
