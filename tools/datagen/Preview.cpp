#include "tools/datagen/Preview.h"

#include "tools/datagen/Common.h"
#include "tools/datagen/Draw.h"

#include <allegro5/allegro.h>
#include <allegro5/allegro_font.h>
#include <allegro5/allegro_primitives.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <vector>

namespace datagen {

namespace {

constexpr int kSheetWidth = 2100;
constexpr int kMargin = 12;
constexpr int kTitle = 24;

struct Entry {
    std::string title;
    ALLEGRO_BITMAP* picture;  // owned
    int rows = 0, columns = 0, frameWidth = 0, frameHeight = 0;  // 0: not a sheet
    float scale = 1.0f;
    int x = 0, y = 0;
};

ALLEGRO_BITMAP* load(const std::string& path)
{
    ALLEGRO_BITMAP* bitmap = al_load_bitmap(path.c_str());
    if (!bitmap)
        fail("preview: cannot read back " + path);
    return bitmap;
}

std::vector<int> numbers(const std::string& path, int count)
{
    std::ifstream in(path);
    std::vector<int> values;
    std::string token;
    while (static_cast<int>(values.size()) < count && in >> token) {
        if (!token.empty() && (std::isdigit(static_cast<unsigned char>(token[0])) || token[0] == '-'))
            values.push_back(std::stoi(token));
    }
    if (static_cast<int>(values.size()) < count)
        fail("preview: cannot read " + path);
    return values;
}

// A stage's field put together again from its files as the game draws it with the view
// centred: the sky stretched, the far layer at half the camera, the main and front layers.
ALLEGRO_BITMAP* rebuildStage(const std::string& dir)
{
    ALLEGRO_BITMAP* sky = load(dir + "bg.png");
    struct Layer {
        ALLEGRO_BITMAP* tileset;
        std::vector<int> header, cells;
    } layers[3];
    const char* names[3] = {"l0", "l1", "lh"};
    for (int i = 0; i < 3; ++i) {
        layers[i].tileset = load(dir + names[i] + ".png");
        std::ifstream in(dir + names[i] + ".map");
        std::string word;
        for (int k = 0; k < 7; ++k) {
            int v;
            in >> v >> word;
            layers[i].header.push_back(v);
        }
        in >> word;
        int v;
        while (in >> v)
            layers[i].cells.push_back(v);
    }
    const int width = layers[1].header[1] * layers[1].header[2];
    const int height = layers[1].header[0] * layers[1].header[3];
    const float scroll = (width - 1024) / 2.0f;
    ALLEGRO_BITMAP* field = newCanvas(width, height);
    blitScaled(sky, 0, 0, static_cast<float>(width), static_cast<float>(height));
    for (int i = 0; i < 3; ++i) {
        const Layer& l = layers[i];
        const int rows = l.header[0], columns = l.header[1], tw = l.header[2], th = l.header[3];
        const int setColumns = l.header[5];
        const float shift = i == 0 ? scroll / 2 : 0.0f;
        for (int j = 0; j < rows; ++j)
            for (int c = 0; c < columns; ++c) {
                const int n = l.cells[static_cast<size_t>(j * columns + c)];
                al_draw_bitmap_region(l.tileset, static_cast<float>((n % setColumns) * tw),
                                      static_cast<float>((n / setColumns) * th), static_cast<float>(tw),
                                      static_cast<float>(th), c * tw + shift, static_cast<float>(j * th), 0);
            }
        al_destroy_bitmap(l.tileset);
    }
    al_destroy_bitmap(sky);
    return field;
}

}  // namespace

void writePreview(const std::string& outDir)
{
    const std::string data = outDir + "/data/";
    ALLEGRO_FONT* font = al_load_font((data + "font.tga").c_str(), 0, 0);
    if (!font)
        fail("preview: cannot read back the engine font");
    std::vector<Entry> entries;
    for (const char* name : {"loader.png", "menu.png", "shop.png", "osd.png"})
        entries.push_back({name, load(data + name)});
    for (const char* name : {"font.tga", "font_menu.png", "font_tiny.png", "font_osd.png"})
        entries.push_back({name, load(data + name)});
    const char* sheets[] = {"player/base", "player/cannon", "cannons", "enemies/hunter",
                            "enemies/bandit", "enemies/armadillo", "enemies/cruiser",
                            "shields_big", "shields_medium", "shields_little", "particles",
                            "lights", "icons", "cursor", "stagemap"};
    for (const char* name : sheets) {
        Entry e{std::string("objects/") + name + ".png",
                load(data + "objects/" + name + ".png")};
        const std::vector<int> grid = numbers(data + "objects/" + name + ".dat", 4);
        e.rows = grid[0];
        e.columns = grid[1];
        e.frameWidth = grid[2];
        e.frameHeight = grid[3];
        e.scale = e.frameWidth <= 48 ? 2.0f : 1.0f;
        entries.push_back(e);
    }
    for (int s = 0; s < 12; ++s) {
        const std::string dir = data + "stages/" + std::to_string(s) + "/";
        Entry e{"stages/" + std::to_string(s), rebuildStage(dir)};
        e.scale = 0.5f;
        entries.push_back(e);
    }

    // Shelf layout.
    int x = kMargin, y = kMargin, shelf = 0;
    for (Entry& e : entries) {
        const int w = static_cast<int>(al_get_bitmap_width(e.picture) * e.scale);
        const int h = static_cast<int>(al_get_bitmap_height(e.picture) * e.scale) + kTitle;
        if (x + w + kMargin > kSheetWidth && x > kMargin) {
            x = kMargin;
            y += shelf + kMargin;
            shelf = 0;
        }
        e.x = x;
        e.y = y;
        x += w + kMargin;
        shelf = std::max(shelf, h);
    }
    const int height = y + shelf + kMargin;

    ALLEGRO_BITMAP* sheet = newCanvas(kSheetWidth, height);
    al_clear_to_color(al_map_rgb(34, 36, 44));
    for (const Entry& e : entries) {
        const float w = al_get_bitmap_width(e.picture) * e.scale;
        const float h = al_get_bitmap_height(e.picture) * e.scale;
        const float top = static_cast<float>(e.y + kTitle);
        al_draw_text(font, al_map_rgb(255, 230, 160), static_cast<float>(e.x), static_cast<float>(e.y), 0,
                     e.title.c_str());
        // A checkerboard under transparent pictures.
        for (float cy = 0; cy < h; cy += 8)
            for (float cx = 0; cx < w; cx += 8)
                al_draw_filled_rectangle(e.x + cx, top + cy, e.x + std::min(cx + 8, w), top + std::min(cy + 8, h),
                                         (static_cast<int>(cx + cy) / 8) % 2 ? al_map_rgb(70, 72, 80) : al_map_rgb(56, 58, 66));
        al_draw_scaled_bitmap(e.picture, 0, 0, static_cast<float>(al_get_bitmap_width(e.picture)),
                              static_cast<float>(al_get_bitmap_height(e.picture)), static_cast<float>(e.x), top, w, h, 0);
        if (e.rows > 0) {
            const float fw = e.frameWidth * e.scale, fh = e.frameHeight * e.scale;
            for (int r = 0; r < e.rows; ++r)
                for (int c = 0; c < e.columns; ++c) {
                    const float fx = e.x + c * fw, fy = top + r * fh;
                    al_draw_rectangle(fx + 0.5f, fy + 0.5f, fx + fw - 0.5f, fy + fh - 0.5f,
                                      al_map_rgba(0, 140, 255, 255), 1);
                    al_draw_text(font, al_map_rgb(0, 255, 255), fx + 2, fy + 1, 0,
                                 std::to_string(r * e.columns + c).c_str());
                }
        }
        al_destroy_bitmap(e.picture);
    }
    al_destroy_font(font);
    saveBitmap(sheet, outDir + "/data-preview.png");
    al_destroy_bitmap(sheet);
}

}  // namespace datagen
