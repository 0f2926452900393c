#include "tools/datagen/Sheets.h"

#include "tools/datagen/Common.h"
#include "tools/datagen/Craft.h"
#include "tools/datagen/Draw.h"
#include "tools/datagen/Stages.h"

#include <allegro5/allegro.h>
#include <allegro5/allegro_primitives.h>

#include <cmath>

namespace datagen {

namespace {

// Frames: 0 the full disc (hit test), 1 the steady bubble, 2 the collapse (a bright even ring,
// also drawn under every flash), 3 the impact flash on the side facing the shot (right).
void writeShield(const std::string& path, int size, const Rgb& c)
{
    FrameCanvas sheet(1, 4, size, size);
    const float m = size / 2.0f;
    const float r = m - 3;
    sheet.frame(0);
    al_draw_filled_circle(m, m, r, colour(mix(c, rgb(255, 255, 255), 0.3f), 0.5f));
    sheet.frame(1);
    al_draw_filled_circle(m, m, r, colour(c, 0.12f));
    for (int k = 0; k < 12; ++k)
        al_draw_circle(m, m, r - k * 1.0f, colour(c, 0.5f - k * 0.04f), 1.2f);
    al_draw_circle(m, m, r, colour(mix(c, rgb(255, 255, 255), 0.6f), 0.9f), 1.4f);
    al_draw_arc(m, m, r * 0.78f, ALLEGRO_PI * 1.1f, ALLEGRO_PI * 0.35f, colour(rgb(255, 255, 255), 0.35f), r * 0.06f);
    sheet.frame(2);
    al_draw_filled_circle(m, m, r, colour(c, 0.15f));
    for (int k = 0; k < 10; ++k)
        al_draw_circle(m, m, r - k * 1.5f, colour(mix(c, rgb(255, 255, 255), 0.4f), 0.6f - k * 0.055f), 1.5f);
    Random rnd(static_cast<uint32_t>(size));
    for (int k = 0; k < 14; ++k) {
        const float a = rnd.range(0.0f, 2 * ALLEGRO_PI);
        const float a2 = a + rnd.range(0.1f, 0.3f);
        al_draw_line(m + r * 0.55f * std::cos(a), m + r * 0.55f * std::sin(a), m + r * std::cos(a2),
                     m + r * std::sin(a2), colour(rgb(255, 255, 255), 0.5f), 1.0f);
    }
    sheet.frame(3);
    for (int k = 0; k < 12; ++k) {
        const float spread = 0.9f - k * 0.06f;
        al_draw_arc(m, m, r - k * 1.6f, -spread, 2 * spread, colour(mix(c, rgb(255, 255, 255), 0.6f), 0.8f - k * 0.06f), 2.0f);
    }
    glow(m + r * 0.85f, m, r * 0.45f, mix(c, rgb(255, 255, 255), 0.7f), 0.9f);
    sheet.save(path);
}

// Frames: 0 a soft dot, 1 exhaust and fire, 2 smoke, 3 debris, 4 an ember, 5 a spark,
// 6 a blue glint, 7 dust.
void writeParticles(const std::string& path)
{
    FrameCanvas sheet(1, 8, 32, 32);
    sheet.frame(0);
    glow(16, 16, 8, rgb(255, 255, 255), 0.9f);
    sheet.frame(1);
    glow(16, 16, 14, rgb(255, 120, 30), 0.8f, 1.6f);
    glow(16, 16, 7, rgb(255, 230, 140), 0.9f);
    sheet.frame(2);
    Random r(5);
    for (int k = 0; k < 9; ++k)
        glow(16 + r.range(-5.0f, 5.0f), 16 + r.range(-5.0f, 5.0f), r.range(6.0f, 10.0f), rgb(120, 115, 110), 0.45f, 1.3f);
    sheet.frame(3);
    polygon({12, 12, 21, 13, 19, 20, 11, 18}, colour(rgb(70, 70, 76)));
    al_draw_line(12, 12, 21, 13, colour(rgb(150, 150, 160)), 1);
    sheet.frame(4);
    glow(16, 16, 5, rgb(255, 140, 30), 0.9f);
    sheet.frame(5);
    glow(16, 16, 5, rgb(255, 220, 120), 0.9f);
    al_draw_filled_circle(16, 16, 1.4f, colour(rgb(255, 255, 240)));
    sheet.frame(6);
    glow(16, 16, 6, rgb(90, 190, 255), 0.9f);
    sheet.frame(7);
    glow(16, 16, 10, rgb(210, 170, 120), 0.4f);
    sheet.save(path);
}

void writeLights(const std::string& path)
{
    FrameCanvas sheet(1, 1, 128, 128);
    sheet.frame(0);
    glow(64, 64, 62, rgb(255, 210, 130), 0.55f, 2.2f);
    for (int k = 0; k < 8; ++k) {
        const float a = k * ALLEGRO_PI / 4 + 0.2f;
        const float len = k % 2 ? 40.0f : 60.0f;
        polygon({64 + 4 * std::cos(a + 1.57f), 64 + 4 * std::sin(a + 1.57f), 64 + len * std::cos(a),
                 64 + len * std::sin(a), 64 + 4 * std::cos(a - 1.57f), 64 + 4 * std::sin(a - 1.57f)},
                colour(rgb(255, 240, 200), 0.45f));
    }
    glow(64, 64, 22, rgb(255, 255, 240), 0.95f, 1.2f);
    sheet.save(path);
}

// ---- Shop icons, 40 x 40: frames 1..7 the weapons, 8..17 the items ----

void iconPlate(const Rgb& c)
{
    well(1, 1, 39, 39, shade(c, 0.35f), 2);
    glow(20, 20, 20, c, 0.25f);
}

void gun(float y, float length, float thick, const Rgb& c)
{
    al_draw_filled_rectangle(12, y - thick, 12 + length, y + thick, colour(c));
    verticalGradient(12, y - thick, 12 + length, y, shade(c, 1.4f), c, 0.6f, 0.6f);
}

void drawIcon(int n)
{
    const Rgb steel = rgb(170, 176, 186);
    switch (n) {
    case 1:  // basic cannon
        iconPlate(rgb(160, 160, 170));
        shadedEllipse(14, 24, 8, 8, steel);
        gun(22, 20, 2.5f, steel);
        break;
    case 2:  // fast cannon: two short barrels
        iconPlate(rgb(80, 140, 255));
        shadedEllipse(13, 20, 8, 8, rgb(120, 160, 230));
        gun(16, 22, 2, steel);
        gun(24, 22, 2, steel);
        break;
    case 3:  // laser cannon
        iconPlate(rgb(60, 230, 255));
        shadedEllipse(12, 20, 7, 9, rgb(90, 120, 150));
        al_draw_filled_rectangle(14, 18, 36, 22, colour(rgb(60, 230, 255), 0.6f));
        al_draw_filled_rectangle(14, 19.3f, 37, 20.7f, colour(rgb(230, 255, 255)));
        break;
    case 4:  // triple cannon
        iconPlate(rgb(230, 200, 90));
        shadedEllipse(12, 20, 8, 10, steel);
        for (float y : {12.0f, 20.0f, 28.0f})
            gun(y, 22, 1.8f, steel);
        break;
    case 5:  // plasma cannon
        iconPlate(rgb(220, 70, 255));
        glow(24, 20, 13, rgb(220, 70, 255), 0.9f, 1.5f);
        al_draw_filled_circle(24, 20, 5, colour(rgb(255, 225, 255)));
        break;
    case 6:  // flame cannon
        iconPlate(rgb(255, 120, 30));
        gun(26, 12, 3.5f, steel);
        glow(28, 18, 11, rgb(255, 120, 20), 0.9f, 1.3f);
        polygon({24, 24, 30, 8, 34, 18, 36, 24}, colour(rgb(255, 220, 120), 0.9f));
        break;
    case 7:  // shell cannon: a brass shell
        iconPlate(rgb(210, 160, 80));
        al_draw_filled_rectangle(8, 15, 26, 25, colour(rgb(200, 150, 60)));
        verticalGradient(8, 15, 26, 20, rgb(255, 220, 140), rgb(200, 150, 60));
        polygon({26, 15, 34, 20, 26, 25}, colour(rgb(150, 150, 160)));
        al_draw_filled_rectangle(6, 14, 9, 26, colour(rgb(170, 120, 50)));
        break;
    case 8:  // radar: a scope
        iconPlate(rgb(60, 220, 90));
        al_draw_filled_circle(20, 20, 15, colour(rgb(10, 40, 15)));
        for (float r : {5.0f, 10.0f, 15.0f})
            al_draw_circle(20, 20, r, colour(rgb(60, 220, 90), 0.7f), 1);
        polygon({20, 20, 35, 17, 33, 10}, colour(rgb(120, 255, 140), 0.6f));
        al_draw_filled_circle(27, 26, 1.6f, colour(rgb(200, 255, 200)));
        break;
    case 9:  // shields
        iconPlate(rgb(60, 170, 255));
        al_draw_filled_circle(20, 20, 14, colour(rgb(60, 170, 255), 0.25f));
        al_draw_circle(20, 20, 14, colour(rgb(160, 220, 255)), 2);
        al_draw_arc(20, 20, 10, ALLEGRO_PI * 1.1f, 0.9f, colour(rgb(255, 255, 255), 0.7f), 1.5f);
        break;
    case 10:  // hull armour: a riveted plate
        iconPlate(rgb(170, 170, 180));
        plate(8, 9, 32, 31, rgb(130, 136, 146), 3);
        for (float x : {12.0f, 28.0f})
            for (float y : {13.0f, 27.0f})
                rivet(x, y, 1.6f, steel);
        break;
    case 11:  // targetting: a crosshair
        iconPlate(rgb(255, 70, 60));
        al_draw_circle(20, 20, 11, colour(rgb(255, 90, 80)), 2);
        al_draw_line(20, 4, 20, 14, colour(rgb(255, 90, 80)), 2);
        al_draw_line(20, 26, 20, 36, colour(rgb(255, 90, 80)), 2);
        al_draw_line(4, 20, 14, 20, colour(rgb(255, 90, 80)), 2);
        al_draw_line(26, 20, 36, 20, colour(rgb(255, 90, 80)), 2);
        al_draw_filled_circle(20, 20, 2, colour(rgb(255, 230, 220)));
        break;
    case 12:  // cargo: a crate of spice
        iconPlate(rgb(230, 130, 50));
        plate(8, 12, 32, 32, rgb(150, 100, 60), 2);
        al_draw_line(8, 12, 32, 32, colour(rgb(90, 60, 35)), 2);
        polygon({12, 12, 20, 5, 28, 12}, colour(rgb(230, 110, 40)));
        break;
    case 13:  // enemies scan: an eye with scan lines
        iconPlate(rgb(255, 220, 80));
        al_draw_filled_ellipse(20, 20, 15, 8, colour(rgb(250, 240, 210)));
        al_draw_filled_circle(20, 20, 6, colour(rgb(200, 140, 30)));
        al_draw_filled_circle(20, 20, 2.5f, colour(rgb(20, 20, 20)));
        for (float y = 6; y < 36; y += 4)
            al_draw_line(3, y, 37, y, colour(rgb(255, 230, 100), 0.2f), 1);
        break;
    case 14:  // repair hull: a wrench over a plate
        iconPlate(rgb(120, 200, 120));
        plate(7, 14, 27, 33, rgb(120, 126, 136), 2);
        al_draw_line(14, 28, 30, 12, colour(rgb(220, 220, 230)), 4);
        al_draw_filled_circle(31, 11, 5, colour(rgb(220, 220, 230)));
        al_draw_filled_circle(33, 9, 2.5f, colour(rgb(40, 60, 40)));
        break;
    case 15:  // repair shields: a bubble with a plus
        iconPlate(rgb(80, 200, 255));
        al_draw_circle(20, 20, 13, colour(rgb(140, 210, 255)), 2);
        al_draw_filled_rectangle(18, 11, 22, 29, colour(rgb(120, 255, 140)));
        al_draw_filled_rectangle(11, 18, 29, 22, colour(rgb(120, 255, 140)));
        break;
    case 16:  // cannon rotate: curved arrows around a turret
        iconPlate(rgb(200, 200, 220));
        shadedEllipse(20, 20, 6, 6, steel);
        al_draw_arc(20, 20, 12, -0.3f, 2.4f, colour(rgb(240, 240, 255)), 2.5f);
        al_draw_arc(20, 20, 12, ALLEGRO_PI - 0.3f, 2.4f, colour(rgb(240, 240, 255)), 2.5f);
        polygon({20.0f + 12 * std::cos(2.1f) - 4, 20 + 12 * std::sin(2.1f), 20.0f + 12 * std::cos(2.1f) + 3, 20 + 12 * std::sin(2.1f) - 3, 20.0f + 12 * std::cos(2.1f) + 3, 20 + 12 * std::sin(2.1f) + 4},
                colour(rgb(240, 240, 255)));
        break;
    case 17:  // missile launcher
        iconPlate(rgb(255, 90, 60));
        glow(9, 28, 7, rgb(255, 170, 60), 0.9f);
        polygon({10, 27, 28, 12, 31, 15, 13, 30}, colour(rgb(230, 230, 220)));
        polygon({28, 12, 34, 6, 31, 15}, colour(rgb(210, 50, 40)));
        polygon({10, 27, 8, 22, 13, 24}, colour(rgb(210, 50, 40)));
        polygon({13, 30, 18, 32, 16, 27}, colour(rgb(210, 50, 40)));
        break;
    default:  // an empty socket
        well(1, 1, 39, 39, rgb(40, 44, 52), 2);
        break;
    }
}

void writeIcons(const std::string& path)
{
    FrameCanvas sheet(3, 6, 40, 40);
    for (int n = 0; n < 18; ++n) {
        sheet.frame(n);
        drawIcon(n);
    }
    sheet.save(path);
}

// Seven frames of a pulsing chevron that sits on the two leading blanks of a menu line.
void writeCursor(const std::string& path)
{
    FrameCanvas sheet(1, 7, 12, 22);
    for (int f = 0; f < 7; ++f) {
        sheet.frame(f);
        const float phase = std::sin(f * 2 * ALLEGRO_PI / 7);
        const float dx = 1.5f * phase;
        const Rgb c = mix(rgb(255, 150, 30), rgb(255, 240, 170), 0.5f + 0.5f * phase);
        glow(6 + dx, 11, 7, c, 0.35f);
        polygon({1.5f + dx, 5, 5 + dx, 5, 10.5f + dx, 11, 5 + dx, 17, 1.5f + dx, 17, 7 + dx, 11}, colour(c));
    }
    sheet.save(path);
}

// Frames: 0 a locked world, 1..12 the twelve fields, 13 the marker of the stage being played,
// 14 the selection frame.
void writeStageMap(const std::string& path, const std::vector<ALLEGRO_BITMAP*>& fields)
{
    const int w = 250, h = 136;
    // Each field seen around the base, shrunk to the frame by drawing it at 4x the frame.
    ALLEGRO_BITMAP* base = basePicture();
    std::vector<ALLEGRO_BITMAP*> thumbs;
    const float cropW = kFieldHeight * static_cast<float>(w) / h;
    for (ALLEGRO_BITMAP* field : fields) {
        ALLEGRO_BITMAP* big = newCanvas(w * 4, h * 4);
        const float k = (w * 4) / cropW;
        const float x0 = kFieldWidth / 2.0f - cropW / 2;
        al_draw_scaled_bitmap(field, x0, 0, cropW, kFieldHeight, 0, 0, w * 4.0f, h * 4.0f, 0);
        al_draw_scaled_bitmap(base, 0, 0, kBaseWidth, kBaseHeight, (kFieldWidth / 2.0f - kBaseWidth / 2.0f - x0) * k,
                              (574 - kBaseHeight / 2.0f) * k, kBaseWidth * k, kBaseHeight * k, 0);
        thumbs.push_back(shrink(big, 4));
        al_destroy_bitmap(big);
    }
    al_destroy_bitmap(base);

    FrameCanvas sheet(3, 5, w, h);
    sheet.frame(0);
    Random r(77);
    al_draw_filled_rectangle(0, 0, w, h, colour(rgb(28, 30, 38)));
    for (int k = 0; k < 900; ++k) {
        const float x = r.range(0.0f, static_cast<float>(w)), y = r.range(0.0f, static_cast<float>(h));
        al_draw_filled_rectangle(x, y, x + 1, y + 1, colour(rgb(90, 95, 110), r.unit()));
    }
    // A padlock.
    al_draw_arc(125, 60, 14, ALLEGRO_PI, ALLEGRO_PI, colour(rgb(150, 150, 160)), 5);
    plate(105, 60, 145, 92, rgb(120, 110, 70), 3);
    al_draw_filled_circle(125, 72, 4, colour(rgb(30, 30, 30)));
    al_draw_filled_rectangle(123.5f, 72, 126.5f, 82, colour(rgb(30, 30, 30)));
    al_draw_rectangle(1, 1, w - 1, h - 1, colour(rgb(90, 96, 110)), 2);
    for (int s = 0; s < static_cast<int>(thumbs.size()); ++s) {
        sheet.frame(1 + s);
        al_draw_scaled_bitmap(thumbs[s], 0, 0, w, h, 0, 0, w, h, 0);
        al_draw_rectangle(1, 1, w - 1, h - 1, colour(rgb(200, 190, 170)), 2);
        al_destroy_bitmap(thumbs[s]);
    }
    sheet.frame(13);  // a glowing arrow pointing down at the stage
    glow(125, 14, 22, rgb(255, 200, 60), 0.5f);
    polygon({110, 2, 140, 2, 140, 10, 150, 10, 125, 30, 100, 10, 110, 10}, colour(rgb(255, 210, 70)));
    outline({110, 2, 140, 2, 140, 10, 150, 10, 125, 30, 100, 10, 110, 10}, colour(rgb(120, 60, 10)), 1.5f);
    sheet.frame(14);  // selection frame
    for (int k = 0; k < 5; ++k)
        al_draw_rectangle(1.5f + k, 1.5f + k, w - 1.5f - k, h - 1.5f - k, colour(rgb(255, 210, 60), 0.95f - 0.18f * k), 1.2f);
    for (float x : {0.0f, w - 14.0f})
        for (float y : {0.0f, h - 14.0f})
            al_draw_filled_rectangle(x, y, x + 14, y + 14, colour(rgb(255, 240, 150)));
    sheet.save(path);
}

}  // namespace

void writeSheets(const std::string& dataDir, const std::vector<ALLEGRO_BITMAP*>& fields)
{
    const std::string objects = dataDir + "objects/";
    makeDirectory(objects);
    writeShield(objects + "shields_big.png", 240, rgb(70, 190, 255));
    writeShield(objects + "shields_medium.png", 144, rgb(200, 90, 255));
    writeShield(objects + "shields_little.png", 80, rgb(230, 100, 255));
    writeParticles(objects + "particles.png");
    writeLights(objects + "lights.png");
    writeIcons(objects + "icons.png");
    writeCursor(objects + "cursor.png");
    writeStageMap(objects + "stagemap.png", fields);
}

}  // namespace datagen
