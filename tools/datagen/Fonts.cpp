#include "tools/datagen/Fonts.h"

#include "tools/datagen/Common.h"

#include <allegro5/allegro.h>
#include <allegro5/allegro_font.h>
#include <allegro5/allegro_ttf.h>

namespace datagen {

namespace {
constexpr int kFirst = 32;
constexpr int kLast = 126;
constexpr int kRowWidth = 640;
}  // namespace

std::string dejavuPath(const std::string& file)
{
    return "/usr/share/fonts/truetype/dejavu/" + file;
}

void makeBitmapFont(const std::string& ttfPath, int size, int lineHeight,
                    const std::string& outPath)
{
    ALLEGRO_FONT* ttf = al_load_ttf_font(ttfPath.c_str(), size, ALLEGRO_TTF_NO_KERNING);
    if (!ttf)
        fail("cannot load " + ttfPath + " (package fonts-dejavu-core)");

    // Lay the glyph rectangles out in rows, one background pixel around each.
    int widths[kLast - kFirst + 1];
    int rows = 1;
    int x = 1;
    for (int c = kFirst; c <= kLast; ++c) {
        const char text[2] = {static_cast<char>(c), 0};
        widths[c - kFirst] = al_get_text_width(ttf, text);
        if (widths[c - kFirst] < 1)
            widths[c - kFirst] = 1;
        if (x + widths[c - kFirst] + 1 > kRowWidth) {
            ++rows;
            x = 1;
        }
        x += widths[c - kFirst] + 1;
    }
    const int height = 1 + rows * (lineHeight + 1);
    ALLEGRO_BITMAP* sheet = al_create_bitmap(kRowWidth, height);
    al_set_target_bitmap(sheet);
    al_clear_to_color(al_map_rgb(255, 0, 255));

    const int ascentShift = (lineHeight - al_get_font_line_height(ttf)) / 2;
    x = 1;
    int y = 1;
    for (int c = kFirst; c <= kLast; ++c) {
        const int w = widths[c - kFirst];
        if (x + w + 1 > kRowWidth) {
            x = 1;
            y += lineHeight + 1;
        }
        // Clear the glyph's cell to transparent, then draw the glyph clipped to it, so no
        // pixel spills into the background around it.
        al_set_blender(ALLEGRO_ADD, ALLEGRO_ONE, ALLEGRO_ZERO);
        al_set_clipping_rectangle(x, y, w, lineHeight);
        al_clear_to_color(al_map_rgba(0, 0, 0, 0));
        al_set_blender(ALLEGRO_ADD, ALLEGRO_ONE, ALLEGRO_INVERSE_ALPHA);
        const char text[2] = {static_cast<char>(c), 0};
        al_draw_text(ttf, al_map_rgb(255, 255, 255), static_cast<float>(x),
                     static_cast<float>(y + ascentShift), 0, text);
        x += w + 1;
    }
    al_reset_clipping_rectangle();
    saveBitmap(sheet, outPath);
    al_destroy_bitmap(sheet);
    al_destroy_font(ttf);
}

void writeFonts(const std::string& dataDir)
{
    // The engine font: loading screen, intro and debug overlay.
    makeBitmapFont(dejavuPath("DejaVuSans-Bold.ttf"), 16, 20, dataDir + "font.tga");
    // Menus, banners, results and the shop's buttons: 22 pixels a line, so that the menu's
    // header and four entries sit between y 496 and 628 and the shop's three inventory
    // buttons end above the panel at 672; the longest results line stays under 800 pixels.
    makeBitmapFont(dejavuPath("DejaVuSans-Bold.ttf"), 17, 22, dataDir + "font_menu.png");
    // The shop's small print: five lines of 15 pixels between the name and the buy button.
    makeBitmapFont(dejavuPath("DejaVuSans-Bold.ttf"), 12, 15, dataDir + "font_tiny.png");
    // The panel: lines of 20 pixels, so that line height + 3 puts the texts on the bars at
    // 27, 50 and 73; narrow enough for a weapon's name in the 184 pixels of a cannon field.
    makeBitmapFont(dejavuPath("DejaVuSans-Bold.ttf"), 14, 20, dataDir + "font_osd.png");
}

}  // namespace datagen
