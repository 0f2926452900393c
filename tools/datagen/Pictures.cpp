#include "tools/datagen/Pictures.h"

#include "tools/datagen/Common.h"
#include "tools/datagen/Craft.h"
#include "tools/datagen/Draw.h"
#include "tools/datagen/Fonts.h"
#include "tools/datagen/Stages.h"

#include <allegro5/allegro.h>
#include <allegro5/allegro_font.h>
#include <allegro5/allegro_primitives.h>
#include <allegro5/allegro_ttf.h>

#include <cmath>

namespace datagen {

namespace {

const Rgb kPanel = rgb(58, 64, 76);
const Rgb kScreen = rgb(14, 18, 24);
const Rgb kAmber = rgb(255, 190, 80);

ALLEGRO_FONT* face(const char* file, int size)
{
    ALLEGRO_FONT* f = al_load_ttf_font(dejavuPath(file).c_str(), size, 0);
    if (!f)
        fail(std::string("cannot load ") + file + " (package fonts-dejavu-core)");
    return f;
}

// The game's name, large, with a dark drop shadow and a warm glow.
void title(float x, float y, int size, int flags)
{
    ALLEGRO_FONT* f = face("DejaVuSerif-Bold.ttf", size);
    const char* name = "TWINGUARD";
    for (int k = 6; k >= 1; --k)
        al_draw_text(f, colour(rgb(255, 140, 40), 0.06f), x, y - k * 0.5f, flags, name);
    al_draw_text(f, colour(rgb(0, 0, 0), 0.7f), x + 4, y + 5, flags, name);
    al_draw_text(f, colour(rgb(120, 50, 20)), x + 2, y + 2, flags, name);
    al_draw_text(f, colour(rgb(255, 214, 120)), x, y, flags, name);
    al_destroy_font(f);
}

// A stage's field seen as the game shows it with the view centred, under a sky band.
void scenery(ALLEGRO_BITMAP* field, float top)
{
    al_draw_bitmap_region(field, (kFieldWidth - 1024) / 2.0f, 0, 1024, kFieldHeight, 0, top, 0);
}

void craft(const std::string& file, int frame, int w, int h, float x, float y, float angle, float scale)
{
    ALLEGRO_BITMAP* sheet = al_load_bitmap(file.c_str());
    if (!sheet)
        fail("cannot read back " + file);
    ALLEGRO_BITMAP* one = al_create_sub_bitmap(sheet, frame * w, 0, w, h);
    al_draw_scaled_rotated_bitmap(one, w / 2.0f, h / 2.0f, x, y, scale, scale, angle, 0);
    al_destroy_bitmap(one);
    al_destroy_bitmap(sheet);
}

// A plate frame: bevelled rim around a dark glass face.
void framedScreen(float x0, float y0, float x1, float y1, float alpha = 0.85f)
{
    plate(x0, y0, x1, y1, kPanel, 3);
    al_draw_filled_rectangle(x0 + 5, y0 + 5, x1 - 5, y1 - 5, colour(kScreen, alpha));
    al_draw_rectangle(x0 + 5, y0 + 5, x1 - 5, y1 - 5, colour(shade(kPanel, 0.4f)), 1);
    for (float x : {x0 + 3, x1 - 3})
        for (float y : {y0 + 3, y1 - 3})
            rivet(x, y, 1.6f, rgb(150, 155, 165));
}

void writeLoader(const std::string& path, ALLEGRO_BITMAP* field)
{
    ALLEGRO_BITMAP* picture = newCanvas(1024, 768);
    verticalGradient(0, 0, 1024, 96, rgb(8, 8, 24), rgb(30, 24, 60));
    scenery(field, 96);
    ALLEGRO_BITMAP* base = basePicture();
    al_set_target_bitmap(picture);
    al_draw_bitmap(base, 512 - kBaseWidth / 2.0f, 574 + 96 - kBaseHeight / 2.0f, 0);
    al_destroy_bitmap(base);
    // The top band for the progress bar and its text.
    verticalGradient(0, 0, 1024, 60, rgb(0, 0, 0), rgb(0, 0, 0), 0.75f, 0.0f);
    title(512, 150, 110, ALLEGRO_ALIGN_CENTRE);
    ALLEGRO_FONT* f = face("DejaVuSans-Bold.ttf", 22);
    al_draw_text(f, colour(rgb(0, 0, 0), 0.6f), 514, 292, ALLEGRO_ALIGN_CENTRE, "HOLD THE SPICE FIELDS");
    al_draw_text(f, colour(rgb(255, 230, 190)), 512, 290, ALLEGRO_ALIGN_CENTRE, "HOLD THE SPICE FIELDS");
    al_destroy_font(f);
    saveBitmap(picture, path);
    al_destroy_bitmap(picture);
}

void writeMenu(const std::string& path, ALLEGRO_BITMAP* field, const std::string& objects)
{
    ALLEGRO_BITMAP* picture = newCanvas(1024, 768);
    verticalGradient(0, 0, 1024, 96, rgb(10, 8, 30), rgb(36, 26, 64));
    scenery(field, 96);
    // Raiders coming in over the dunes.
    craft(objects + "enemies/cruiser.png", 2, 120, 72, 250, 250, 0.15f, 1.6f);
    craft(objects + "enemies/bandit.png", 1, 60, 48, 420, 330, 0.35f, 1.2f);
    craft(objects + "enemies/hunter.png", 1, 48, 36, 150, 380, 0.45f, 1.1f);
    craft(objects + "enemies/hunter.png", 2, 48, 36, 95, 320, 0.3f, 1.0f);
    craft(objects + "enemies/armadillo.png", 1, 60, 52, 640, 210, 2.7f, 1.1f);
    // The base on its pad, its guns firing back at the raiders.
    ALLEGRO_BITMAP* base = basePicture();
    al_set_target_bitmap(picture);
    al_draw_bitmap(base, 512 - kBaseWidth / 2.0f, 574 + 96 - kBaseHeight / 2.0f, 0);
    al_destroy_bitmap(base);
    for (int k = 1; k < 6; ++k) {
        const float x = 530 + 26 * k, y = 640 - 64 * k;
        glow(x, y, 7, rgb(255, 200, 80), 0.9f);
        al_draw_filled_circle(x, y, 1.8f, colour(rgb(255, 250, 220)));
    }
    title(40, 40, 92, 0);
    ALLEGRO_FONT* f = face("DejaVuSans-Bold.ttf", 18);
    al_draw_text(f, colour(rgb(255, 230, 190)), 48, 150, 0, "DEFEND THE BASE. HOLD THE SPICE.");
    al_destroy_font(f);
    // The menu's frame: header at 496, four entries from 540, 22 pixels each.
    framedScreen(722, 480, 1012, 648);
    al_draw_line(736, 524, 998, 524, colour(kAmber, 0.6f), 1.5f);
    // The version plate at (970, 750).
    framedScreen(956, 740, 1022, 767, 0.9f);
    saveBitmap(picture, path);
    al_destroy_bitmap(picture);
}

// The shop: 17 cells of 256 x 122 (cell c at (256 (c % 4), 122 (c / 4))), each drawn as a
// panel from 18 pixels below its origin: name band, icon well, text, buy button. The
// inventory panel stands right of cell 16, the exit button under it, the message bar on top.
void writeShop(const std::string& path)
{
    ALLEGRO_BITMAP* picture = newCanvas(1024, 768);
    verticalGradient(0, 0, 1024, 768, rgb(30, 30, 40), rgb(14, 14, 20));
    for (float y = 0; y < 768; y += 4)
        al_draw_line(0, y, 1024, y, colour(rgb(255, 255, 255), 0.02f), 1);
    // Message bar.
    al_draw_filled_rectangle(0, 0, 1024, 18, colour(rgb(8, 10, 14)));
    al_draw_line(0, 18, 1024, 18, colour(kAmber, 0.7f), 1);
    for (int c = 0; c < 17; ++c) {
        const float x0 = 256.0f * (c % 4), y0 = 122.0f * (c / 4);
        const Rgb tint = c < 7 ? rgb(72, 64, 58) : rgb(56, 66, 78);
        plate(x0 + 2, y0 + 20, x0 + 254, y0 + 140, tint, 3);
        al_draw_filled_rectangle(x0 + 5, y0 + 23, x0 + 251, y0 + 41, colour(shade(tint, 0.55f)));
        well(x0 + 2, y0 + 39, x0 + 46, y0 + 83, shade(tint, 0.5f), 2);
        al_draw_filled_rectangle(x0 + 47, y0 + 41, x0 + 251, y0 + 113, colour(shade(tint, 0.75f), 0.8f));
        well(x0 + 4, y0 + 115, x0 + 250, y0 + 138, shade(tint, 0.8f), 2);
        al_draw_filled_rectangle(x0 + 6, y0 + 23, x0 + 9, y0 + 41, colour(c < 7 ? kAmber : rgb(90, 200, 255)));
    }
    // Inventory panel with four slots of 190 pixels.
    plate(258, 488 + 20, 1022, 670, rgb(50, 58, 70), 3);
    al_draw_filled_rectangle(261, 505, 1019, 526, colour(rgb(24, 28, 36)));
    for (int k = 0; k < 4; ++k) {
        const float x = 190.0f * k + 258;
        well(x + 1, 527, x + 186, 667, rgb(36, 42, 52), 2);
        well(x + 1, 545, x + 44, 588, rgb(30, 34, 42), 2);
    }
    // Exit button at (3, 639).
    plate(2, 632, 254, 666, rgb(110, 40, 40), 3);
    saveBitmap(picture, path);
    al_destroy_bitmap(picture);
}

void label(ALLEGRO_FONT* f, float x, float y, const char* text)
{
    al_draw_text(f, colour(rgb(150, 160, 175)), x, y, 0, text);
}

// The panel along the bottom of the play screen, 1024 x 96.
void writeOsd(const std::string& path)
{
    ALLEGRO_BITMAP* picture = newCanvas(1024, 96);
    plate(0, 0, 1024, 96, kPanel, 3);
    for (float x : {361.0f, 545.0f, 728.0f, 959.0f})
        well(x, 2, x + 2, 94, kPanel, 1);
    auto field = [](float x0, float y0, float x1, float y1) { well(x0, y0, x1, y1, kScreen, 1.5f); };
    // Score, coins.
    field(1, 3, 225, 25);
    field(226, 3, 359, 25);
    // Hull, shield and cargo bars with their readouts.
    for (int k = 0; k < 3; ++k) {
        const float y = 26.0f + 23 * k;
        field(24, y, k == 0 ? 226.0f : 166.0f, y + 21);
        if (k == 0) {
            field(227, y, 359, y + 21);
        } else {
            field(167, y, 290, y + 21);
            field(291, y, 359, y + 21);
        }
    }
    // Small pictograms: hull plate, shield ring, cargo crate.
    plate(5, 30, 20, 44, rgb(150, 155, 165), 2);
    al_draw_circle(12.5f, 60, 6.5f, colour(rgb(90, 190, 255)), 2);
    plate(5, 76, 20, 90, rgb(170, 110, 60), 2);
    ALLEGRO_FONT* small = face("DejaVuSans-Bold.ttf", 9);
    // Two cannon panels.
    for (int c = 0; c < 2; ++c) {
        const float x = c == 0 ? 363.0f : 547.0f;
        field(x - 1, 3, x + 181, 25);
        well(x, 24, x + 42, 66, kScreen, 2);
        field(x + 64, 24, x + 132, 46);
        field(x + 133, 24, x + 181, 46);
        label(small, x + 66, 50, "TURN");
        label(small, x + 135, 50, "SIGHT");
        if (c == 0) {
            label(small, x, 78, "MSL");
            field(383, 72, 495, 94);
            field(514, 72, 545, 94);
        } else {
            for (float gx = x; gx < x + 180; gx += 6)
                al_draw_filled_rectangle(gx, 74, gx + 3, 92, colour(shade(kPanel, 0.5f)));
        }
    }
    // The radar screen at (730, 5), 228 x 89: a dark green scope with a grid.
    al_draw_filled_rectangle(730, 5, 958, 94, colour(rgb(6, 22, 12)));
    for (float gx = 730; gx <= 958; gx += 19)
        al_draw_line(gx + 0.5f, 5, gx + 0.5f, 94, colour(rgb(40, 120, 60), 0.25f), 1);
    for (float gy = 5; gy <= 94; gy += 11)
        al_draw_line(730, gy + 0.5f, 958, gy + 0.5f, colour(rgb(40, 120, 60), 0.25f), 1);
    al_draw_rectangle(729.5f, 4.5f, 958.5f, 94.5f, colour(rgb(40, 120, 60), 0.7f), 1);
    // Scanner readouts at x 984 with their labels.
    const char* scans[4] = {"RNG", "LEFT", "HP", "SHD"};
    for (int k = 0; k < 4; ++k) {
        field(982, 3.0f + 23 * k, 1022, 24.0f + 23 * k);
        label(small, 961, 9.0f + 23 * k, scans[k]);
    }
    al_destroy_font(small);
    saveBitmap(picture, path);
    al_destroy_bitmap(picture);
}

}  // namespace

void writePictures(const std::string& dataDir, const std::vector<ALLEGRO_BITMAP*>& fields)
{
    writeLoader(dataDir + "loader.png", fields[0]);
    writeMenu(dataDir + "menu.png", fields[6], dataDir + "objects/");
    writeShop(dataDir + "shop.png");
    writeOsd(dataDir + "osd.png");
}

}  // namespace datagen
