#include "tools/datagen/Craft.h"

#include "tools/datagen/Common.h"
#include "tools/datagen/Draw.h"

#include <allegro5/allegro.h>
#include <allegro5/allegro_primitives.h>

#include <cmath>

namespace datagen {

namespace {

const Rgb kSteel = rgb(120, 128, 138);
const Rgb kDarkSteel = rgb(62, 68, 78);
const Rgb kHazard = rgb(235, 180, 40);

// The bunker seen from the side: a sloped armoured hull on a wide foot, a raised deck for the
// turret, vision slits, and at rising damage scorch marks, torn plates and fires.
void drawBase(int damage, bool silhouette)
{
    const float cx = kBaseWidth / 2.0f;
    const std::vector<float> hull = {6, 96, 20, 52, 44, 40, 132, 40, 156, 52, 170, 96};
    const std::vector<float> deck = {58, 42, 66, 30, 110, 30, 118, 42};
    if (silhouette) {
        polygon(hull, colour(rgb(20, 20, 24)));
        polygon(deck, colour(rgb(20, 20, 24)));
        al_draw_filled_circle(cx, 24, 14, colour(rgb(20, 20, 24)));
        return;
    }
    gradientPolygon(hull, shade(kSteel, 1.3f), shade(kSteel, 0.6f));
    // Armour plates.
    for (int k = 0; k < 6; ++k) {
        const float x0 = 26 + k * 21.0f;
        plate(x0, 56, x0 + 19, 82, mix(kSteel, kDarkSteel, 0.3f + 0.1f * (k % 2)), 2);
    }
    // The foot and hazard band.
    al_draw_filled_rectangle(4, 86, 172, 98, colour(kDarkSteel));
    for (float x = 8; x < 168; x += 12)
        polygon({x, 96, x + 6, 88, x + 12, 88, x + 6, 96}, colour(kHazard, 0.9f));
    al_draw_filled_rectangle(4, 96, 172, 99, colour(shade(kDarkSteel, 0.6f)));
    // Vision slits glowing with the lights inside.
    for (int k = 0; k < 4; ++k) {
        const float x0 = 34 + k * 30.0f;
        al_draw_filled_rectangle(x0, 46, x0 + 16, 50, colour(rgb(20, 22, 26)));
        al_draw_filled_rectangle(x0 + 1, 47, x0 + 15, 49, colour(rgb(120, 220, 255), 0.8f));
    }
    outline(hull, colour(shade(kDarkSteel, 0.5f)), 1.2f);
    // Turret deck and ring.
    gradientPolygon(deck, shade(kSteel, 1.35f), shade(kDarkSteel, 0.9f));
    outline(deck, colour(shade(kDarkSteel, 0.5f)), 1.0f);
    for (float x = 70; x <= 106; x += 12)
        rivet(x, 37, 1.6f, kSteel);
    // Side lamps: green left, red right.
    glow(12, 84, 7, rgb(60, 255, 120), 0.8f);
    glow(164, 84, 7, rgb(255, 60, 50), 0.8f);
    if (damage >= 1) {
        Random r(400 + damage);
        for (int k = 0; k < 3 + 4 * damage; ++k) {
            const float x = r.range(24.0f, 150.0f), y = r.range(48.0f, 86.0f);
            glow(x, y, r.range(6.0f, 12.0f), rgb(20, 14, 10), 0.8f, 1.2f);
        }
        al_draw_line(60, 58, 72, 78, colour(rgb(25, 20, 18)), 1.5f);
        al_draw_line(72, 78, 66, 84, colour(rgb(25, 20, 18)), 1.2f);
    }
    if (damage >= 2) {
        // A torn plate showing the glowing works behind it, and small fires.
        polygon({110, 58, 128, 56, 124, 72, 112, 80}, colour(rgb(30, 20, 16)));
        glow(118, 68, 10, rgb(255, 120, 30), 0.9f);
        glow(44, 62, 9, rgb(255, 150, 40), 0.8f);
        glow(140, 50, 8, rgb(255, 100, 20), 0.8f);
        al_draw_line(30, 52, 48, 74, colour(rgb(25, 20, 18)), 2);
        al_draw_line(100, 84, 120, 60, colour(rgb(25, 20, 18)), 1.5f);
    }
}

void drawTurretRing()
{
    al_draw_filled_circle(40, 40, 14, colour(shade(kDarkSteel, 0.7f)));
    shadedEllipse(40, 40, 12.5f, 12.5f, kDarkSteel);
    al_draw_circle(40, 40, 12.5f, colour(shade(kDarkSteel, 0.4f)), 1.2f);
    for (int k = 0; k < 8; ++k) {
        const float a = k * ALLEGRO_PI / 4;
        rivet(40 + 10 * std::cos(a), 40 + 10 * std::sin(a), 1.2f, kSteel);
    }
}

void drawBarrel(float offset)
{
    const float y = 40 + offset;
    // Long gun pointing right, with a muzzle brake and a cooling sleeve.
    horizontalGradient(40, y - 2.6f, 74, y + 2.6f, shade(kSteel, 0.9f), shade(kSteel, 1.1f));
    verticalGradient(40, y - 2.6f, 74, y, shade(kSteel, 1.3f), kSteel, 0.5f, 0.5f);
    al_draw_filled_rectangle(52, y - 3.4f, 62, y + 3.4f, colour(kDarkSteel));
    for (float x = 53; x < 62; x += 2.5f)
        al_draw_line(x, y - 3.4f, x, y + 3.4f, colour(shade(kDarkSteel, 0.6f)), 0.6f);
    al_draw_filled_rectangle(72, y - 3.6f, 77, y + 3.6f, colour(shade(kDarkSteel, 1.2f)));
    al_draw_filled_rectangle(76, y - 1.2f, 77.5f, y + 1.2f, colour(rgb(20, 20, 20)));
}

void drawDome(int damage)
{
    // The armoured dome over both barrels, its sensor eye looking along them.
    const std::vector<float> shell = {24, 32, 32, 25, 48, 25, 56, 33, 56, 47, 48, 55, 32, 55, 24, 48};
    polygon(shell, colour(kSteel));
    shadedEllipse(39, 40, 15, 14, kSteel, 0.9f);
    outline(shell, colour(shade(kDarkSteel, 0.5f)), 1.2f);
    al_draw_filled_rectangle(46, 37, 54, 43, colour(rgb(25, 30, 40)));
    glow(51, 40, 5, rgb(90, 220, 255), 0.9f);
    for (float y : {29.0f, 51.0f})
        rivet(36, y, 1.4f, kSteel);
    if (damage >= 1) {
        glow(33, 35, 7, rgb(20, 14, 10), 0.85f, 1.2f);
        al_draw_line(30, 44, 40, 50, colour(rgb(25, 20, 18)), 1.2f);
    }
    if (damage >= 2) {
        glow(44, 48, 6, rgb(20, 14, 10), 0.9f, 1.2f);
        glow(36, 38, 5, rgb(255, 130, 40), 0.9f);
        al_draw_line(26, 36, 42, 30, colour(rgb(25, 20, 18)), 1.5f);
    }
}

void drawSightDot(const Rgb& c)
{
    glow(40, 40, 6, c, 1.0f, 1.5f);
    al_draw_filled_circle(40, 40, 1.8f, colour(mix(c, rgb(255, 255, 255), 0.6f)));
}

void drawLauncher()
{
    // A four-tube missile pod; it points along the frame's x axis (straight up in the game).
    plate(24, 26, 50, 54, mix(kSteel, rgb(100, 110, 80), 0.5f), 2);
    for (int k = 0; k < 4; ++k) {
        const float y = 30 + k * 6.5f;
        al_draw_filled_rectangle(44, y, 54, y + 4.5f, colour(kDarkSteel));
        al_draw_filled_circle(54, y + 2.25f, 2.2f, colour(rgb(200, 60, 40)));
    }
    for (int k = 0; k < 5; ++k)
        polygon({26.0f + 5 * k, 26, 29.0f + 5 * k, 26, 27.0f + 5 * k, 30, 24.0f + 5 * k, 30}, colour(kHazard, 0.9f));
}

void drawMissile()
{
    // Body, nose cone and fins pointing right, the rocket motor's glow behind.
    glow(26, 40, 8, rgb(255, 170, 60), 0.9f);
    al_draw_filled_rectangle(28, 38, 50, 42, colour(rgb(225, 225, 215)));
    verticalGradient(28, 38, 50, 40, rgb(255, 255, 250), rgb(200, 200, 190));
    polygon({50, 38, 56, 40, 50, 42}, colour(rgb(210, 50, 40)));
    polygon({28, 38, 32, 38, 28, 34}, colour(rgb(210, 50, 40)));
    polygon({28, 42, 32, 42, 28, 46}, colour(rgb(210, 50, 40)));
    al_draw_filled_rectangle(40, 38, 42, 42, colour(rgb(210, 50, 40)));
}

void drawBolt(float length, float thickness, const Rgb& core, const Rgb& halo)
{
    glow(40, 40, length * 0.8f, halo, 0.7f, 1.5f);
    al_draw_filled_ellipse(40, 40, length / 2, thickness, colour(halo, 0.9f));
    al_draw_filled_ellipse(41, 40, length / 2.4f, thickness * 0.6f, colour(core));
}

void writePlayer(const std::string& dir)
{
    FrameCanvas base(1, 4, kBaseWidth, kBaseHeight);
    base.frame(0);
    drawBase(0, true);
    for (int d = 0; d < 3; ++d) {
        base.frame(1 + d);
        drawBase(d, false);
    }
    base.save(dir + "base.png");

    FrameCanvas cannon(2, 8, 80, 80);
    cannon.frame(0);
    drawTurretRing();
    cannon.frame(1);
    drawBarrel(-5);
    cannon.frame(2);
    drawBarrel(5);
    for (int d = 0; d < 3; ++d) {
        cannon.frame(3 + d);
        drawDome(d);
    }
    cannon.frame(6);
    drawSightDot(rgb(255, 60, 50));
    cannon.frame(7);
    drawSightDot(rgb(60, 255, 120));
    cannon.frame(8);  // laser
    drawBolt(18, 2.2f, rgb(230, 255, 255), rgb(40, 200, 255));
    cannon.frame(9);  // cannon shell
    drawBolt(11, 2.0f, rgb(255, 250, 210), rgb(255, 190, 60));
    cannon.frame(10);  // flame
    glow(40, 40, 10, rgb(255, 120, 20), 0.9f, 1.3f);
    glow(41, 40, 5, rgb(255, 240, 150), 0.9f);
    cannon.frame(11);  // plasma
    glow(40, 40, 9, rgb(220, 60, 255), 0.9f, 1.5f);
    al_draw_filled_circle(40, 40, 3, colour(rgb(255, 220, 255)));
    cannon.frame(12);  // muzzle flash
    glow(40, 40, 12, rgb(255, 220, 120), 0.9f);
    cannon.frame(13);
    drawLauncher();
    cannon.frame(14);  // missile exhaust
    glow(40, 40, 9, rgb(255, 170, 60), 0.8f);
    cannon.frame(15);
    drawMissile();
    cannon.save(dir + "cannon.png");
}

// ---- Enemy craft, seen from above, nose to the right ----

void engineFlame(float x, float y, float length, float width, const Rgb& c)
{
    glow(x - length * 0.3f, y, length * 0.9f, c, 0.6f);
    polygon({x, y - width, x - length, y, x, y + width}, colour(mix(c, rgb(255, 255, 255), 0.5f), 0.9f));
}

void drawHunter(int frame)
{
    const Rgb body = rgb(235, 185, 40);
    if (frame > 0)
        engineFlame(9, 18, frame == 1 ? 8.0f : 12.0f, 3, rgb(255, 160, 40));
    // Swept wings, a needle fuselage, a dark canopy.
    polygon({30, 17, 14, 3, 9, 4, 18, 17}, colour(shade(body, 0.8f)));
    polygon({30, 19, 14, 33, 9, 32, 18, 19}, colour(shade(body, 0.65f)));
    gradientPolygon({9, 15, 40, 15.5f, 46, 18, 40, 20.5f, 9, 21}, shade(body, 1.35f), shade(body, 0.8f));
    al_draw_filled_ellipse(32, 18, 5, 2, colour(rgb(30, 40, 70)));
    al_draw_filled_ellipse(33, 17.4f, 2, 0.8f, colour(rgb(150, 200, 255), 0.8f));
    al_draw_line(14, 4, 10, 4, colour(rgb(255, 60, 40)), 1.5f);
    al_draw_line(14, 32, 10, 32, colour(rgb(255, 60, 40)), 1.5f);
}

void drawBandit(int frame)
{
    const Rgb body = rgb(200, 40, 45);
    if (frame > 0)
        for (float y : {14.0f, 34.0f})
            engineFlame(8, y, 7.0f + 3.0f * (frame % 2), 2.5f, rgb(255, 90, 60));
    // Twin booms joined by a forward-swept wing, a pod in the middle.
    for (float y : {14.0f, 34.0f}) {
        al_draw_filled_rounded_rectangle(8, y - 3, 40, y + 3, 3, 3, colour(shade(body, 0.75f)));
        polygon({8, y - 3, 4, y - 8, 12, y - 3}, colour(shade(body, 0.6f)));
    }
    polygon({18, 6, 44, 10, 44, 38, 18, 42, 24, 24}, colour(body));
    gradientPolygon({18, 6, 44, 10, 44, 24, 24, 24}, shade(body, 1.35f), body);
    al_draw_filled_ellipse(38, 24, 14, 6, colour(shade(body, 0.9f)));
    al_draw_filled_ellipse(44, 24, 6, 3.5f, colour(rgb(25, 25, 30)));
    al_draw_filled_ellipse(45, 23, 2.5f, 1.2f, colour(rgb(255, 200, 120), 0.8f));
    const bool left = frame % 2 == 1;
    glow(44, 10, 4, rgb(255, 255, 255), left ? 0.9f : 0.3f);
    glow(44, 38, 4, rgb(255, 255, 255), left ? 0.3f : 0.9f);
}

void drawArmadillo(int frame)
{
    const Rgb body = rgb(90, 140, 60);
    if (frame > 0)
        engineFlame(9, 26, 6.0f + 2.0f * frame, 4, rgb(150, 255, 90));
    // A rounded armoured shell in overlapping bands, with stubby fins and a visor.
    polygon({14, 8, 20, 2, 24, 10}, colour(shade(body, 0.6f)));
    polygon({14, 44, 20, 50, 24, 42}, colour(shade(body, 0.6f)));
    al_draw_filled_ellipse(31, 26, 22, 19, colour(shade(body, 0.55f)));
    const int bands = 5;
    for (int k = 0; k < bands; ++k) {
        const float x = 14 + k * 7.0f + (frame > 0 ? (frame - 1) * 0.8f : 0);
        const float ry = 18.5f * std::sqrt(std::max(0.1f, 1 - std::pow((x - 31) / 23.0f, 2.0f)));
        al_draw_filled_rounded_rectangle(x - 3.5f, 26 - ry, x + 3.5f, 26 + ry, 3, 3, colour(shade(body, 0.8f + 0.08f * k)));
        al_draw_line(x + 3.5f, 26 - ry + 2, x + 3.5f, 26 + ry - 2, colour(shade(body, 0.45f)), 1);
        verticalGradient(x - 3, 26 - ry, x + 3, 26, shade(body, 1.4f), shade(body, 0.9f), 0.5f, 0.3f);
    }
    al_draw_filled_ellipse(50, 26, 5, 9, colour(shade(body, 0.7f)));
    al_draw_filled_ellipse(52, 26, 2.5f, 6, colour(rgb(255, 230, 60), 0.9f));
}

void drawCruiser(int frame)
{
    const Rgb body = rgb(110, 140, 190);
    if (frame > 0)
        for (float y : {18.0f, 54.0f})
            engineFlame(14, y, 12.0f + 4.0f * (frame % 2), 5, rgb(90, 180, 255));
    // A long hull with two engine nacelles, a raised bridge and a prow.
    for (float y : {18.0f, 54.0f}) {
        al_draw_filled_rounded_rectangle(14, y - 6, 62, y + 6, 5, 5, colour(shade(body, 0.65f)));
        al_draw_filled_rectangle(14, y - 4, 20, y + 4, colour(rgb(40, 50, 70)));
    }
    gradientPolygon({18, 22, 96, 26, 116, 36, 96, 46, 18, 50}, shade(body, 1.35f), shade(body, 0.75f));
    polygon({18, 22, 52, 10, 70, 12, 76, 26}, colour(shade(body, 0.8f)));
    polygon({18, 50, 52, 62, 70, 60, 76, 46}, colour(shade(body, 0.7f)));
    plate(44, 30, 78, 42, shade(body, 0.9f), 2);
    al_draw_filled_rectangle(70, 33, 76, 39, colour(rgb(30, 40, 60)));
    for (float x = 84; x < 104; x += 5)
        al_draw_filled_rectangle(x, 35, x + 3, 37, colour(rgb(255, 230, 150), 0.85f));
    for (float x = 26; x < 44; x += 6)
        al_draw_line(x, 26, x, 46, colour(shade(body, 0.6f)), 1);
    const float beacon = frame == 2 ? 0.95f : 0.35f;
    glow(66, 11, 4, rgb(255, 60, 60), beacon);
    glow(66, 61, 4, rgb(60, 255, 100), beacon);
}

void writeEnemies(const std::string& dir)
{
    struct Kind {
        const char* file;
        int frames, w, h;
        void (*draw)(int);
    } kinds[] = {{"hunter.png", 3, 48, 36, drawHunter},
                 {"bandit.png", 4, 60, 48, drawBandit},
                 {"armadillo.png", 4, 60, 52, drawArmadillo},
                 {"cruiser.png", 4, 120, 72, drawCruiser}};
    for (const Kind& k : kinds) {
        FrameCanvas sheet(1, k.frames, k.w, k.h);
        for (int f = 0; f < k.frames; ++f) {
            sheet.frame(f);
            k.draw(f);
        }
        sheet.save(dir + k.file);
    }
}

// The enemies' guns and shots: frame 0 a small gun, 1 the red bolt (sight and shot),
// 2 the hunters' tracer, 4 the armadillos' acid blob, 8 and 10 gun pods.
void writeEnemyCannons(const std::string& dir)
{
    FrameCanvas sheet(2, 8, 40, 40);
    sheet.frame(0);
    al_draw_filled_rectangle(20, 18.8f, 33, 21.2f, colour(kSteel));
    al_draw_filled_rectangle(31, 18.2f, 34, 21.8f, colour(shade(kSteel, 1.3f)));
    shadedEllipse(20, 20, 4, 4, kSteel);
    sheet.frame(1);
    glow(20, 20, 7, rgb(255, 60, 40), 0.8f);
    al_draw_filled_ellipse(20, 20, 4, 1.6f, colour(rgb(255, 220, 200)));
    sheet.frame(2);
    glow(20, 20, 5, rgb(255, 220, 60), 0.7f);
    al_draw_filled_ellipse(20, 20, 3.5f, 1.2f, colour(rgb(255, 255, 210)));
    sheet.frame(3);
    glow(20, 20, 6, rgb(255, 140, 40), 0.7f);
    sheet.frame(4);
    glow(20, 20, 7, rgb(120, 255, 60), 0.85f, 1.5f);
    al_draw_filled_circle(20, 20, 2.2f, colour(rgb(230, 255, 200)));
    sheet.frame(8);
    al_draw_filled_rectangle(20, 18, 36, 22, colour(shade(rgb(200, 40, 45), 0.5f)));
    shadedEllipse(20, 20, 7, 7, rgb(150, 40, 45));
    al_draw_filled_circle(22, 20, 2, colour(rgb(30, 20, 20)));
    sheet.frame(10);
    al_draw_filled_rectangle(20, 17, 38, 19.5f, colour(kSteel));
    al_draw_filled_rectangle(20, 20.5f, 38, 23, colour(kSteel));
    shadedEllipse(20, 20, 10, 10, rgb(90, 110, 150));
    al_draw_circle(20, 20, 10, colour(rgb(40, 50, 70)), 1);
    sheet.save(dir + "cannons.png");
}

}  // namespace

ALLEGRO_BITMAP* basePicture()
{
    ALLEGRO_BITMAP* target = al_get_target_bitmap();
    FrameCanvas canvas(1, 1, kBaseWidth, kBaseHeight);
    canvas.frame(0);
    drawBase(0, false);
    // The turret: ring, both barrels raised, dome.
    ALLEGRO_TRANSFORM t;
    al_copy_transform(&t, al_get_current_transform());
    ALLEGRO_TRANSFORM turret;
    al_identity_transform(&turret);
    al_translate_transform(&turret, -40, -40);
    al_rotate_transform(&turret, -ALLEGRO_PI / 2 + 0.3f);
    al_translate_transform(&turret, kBaseWidth / 2.0f, 24);
    al_compose_transform(&turret, &t);
    al_use_transform(&turret);
    drawTurretRing();
    drawBarrel(-5);
    drawBarrel(5);
    drawDome(0);
    ALLEGRO_BITMAP* picture = canvas.finish();
    if (target)
        al_set_target_bitmap(target);
    return picture;
}

void writeCraft(const std::string& dataDir)
{
    const std::string objects = dataDir + "objects/";
    makeDirectory(objects + "player");
    makeDirectory(objects + "enemies");
    writePlayer(objects + "player/");
    writeEnemies(objects + "enemies/");
    writeEnemyCannons(objects);
}

}  // namespace datagen
