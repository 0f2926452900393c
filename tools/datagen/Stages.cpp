#include "tools/datagen/Stages.h"

#include "tools/datagen/Common.h"
#include "tools/datagen/Draw.h"
#include "tools/datagen/Tiles.h"
#include "tools/datagen/Waves.h"

#include <allegro5/allegro.h>
#include <allegro5/allegro_primitives.h>

#include <cmath>
#include <vector>

namespace datagen {

namespace {

enum FarStyle { kDunes, kMesas, kSpires, kRuins, kPeaks };

// Everything that makes one world look like itself.
struct Theme {
    const char* name;
    Rgb skyTop, skyMid, horizon;
    Rgb sun;
    float sunX, sunY, sunRadius;
    int moons;
    Rgb farBack, farFront;
    FarStyle style;
    Rgb sandLight, sandDark, spice;
    float duneHeight;  // how high the dunes climb towards the ends of the field
    float duneLength;  // pixels from crest to crest
    Rgb metal;         // the fortification's plating
    uint32_t seed;
};

const Theme kThemes[kStages] = {
    {"AMBER DUNES", rgb(38, 28, 66), rgb(150, 70, 70), rgb(250, 160, 80), rgb(255, 220, 140),
     330, 445, 34, 0, rgb(170, 90, 80), rgb(110, 55, 60), kDunes, rgb(232, 160, 92),
     rgb(150, 82, 52), rgb(200, 60, 20), 150, 420, rgb(110, 112, 120), 11},
    {"SPICE FLATS", rgb(30, 20, 60), rgb(120, 50, 100), rgb(240, 130, 110), rgb(255, 200, 160),
     1080, 430, 28, 1, rgb(150, 70, 110), rgb(90, 40, 80), kMesas, rgb(220, 140, 110),
     rgb(130, 66, 70), rgb(235, 90, 20), 120, 520, rgb(100, 100, 118), 23},
    {"RED MESA PASS", rgb(40, 16, 30), rgb(140, 40, 40), rgb(255, 120, 60), rgb(255, 190, 110),
     250, 455, 40, 0, rgb(150, 50, 45), rgb(95, 30, 35), kMesas, rgb(210, 110, 70),
     rgb(120, 50, 40), rgb(255, 170, 30), 190, 380, rgb(105, 96, 100), 37},
    {"GLASS WASTES", rgb(12, 30, 54), rgb(40, 90, 120), rgb(230, 170, 120), rgb(255, 240, 190),
     1150, 450, 30, 2, rgb(60, 100, 120), rgb(30, 60, 80), kSpires, rgb(200, 170, 140),
     rgb(100, 90, 96), rgb(240, 110, 40), 140, 460, rgb(90, 110, 120), 41},
    {"SULPHUR BASIN", rgb(50, 44, 40), rgb(150, 130, 60), rgb(250, 220, 110),
     rgb(255, 250, 200), 700, 420, 26, 0, rgb(150, 130, 80), rgb(100, 86, 60), kRuins,
     rgb(225, 200, 110), rgb(140, 110, 60), rgb(220, 80, 20), 110, 500, rgb(110, 108, 96), 53},
    {"ASH RIDGE", rgb(24, 22, 36), rgb(90, 80, 100), rgb(200, 140, 120), rgb(255, 210, 170),
     420, 440, 30, 1, rgb(100, 90, 110), rgb(60, 54, 70), kPeaks, rgb(170, 150, 140),
     rgb(90, 78, 80), rgb(230, 100, 30), 170, 400, rgb(96, 96, 106), 67},
    {"COPPER SEA", rgb(44, 24, 40), rgb(160, 80, 60), rgb(255, 170, 90), rgb(255, 230, 160),
     900, 460, 38, 0, rgb(170, 100, 70), rgb(120, 66, 50), kDunes, rgb(225, 140, 80),
     rgb(140, 70, 40), rgb(190, 40, 20), 210, 360, rgb(120, 100, 90), 71},
    {"TWIN MOONS", rgb(8, 10, 34), rgb(40, 40, 90), rgb(170, 100, 120), rgb(240, 220, 200),
     1250, 470, 22, 2, rgb(70, 60, 100), rgb(40, 34, 66), kMesas, rgb(170, 130, 130),
     rgb(80, 60, 80), rgb(230, 120, 40), 150, 440, rgb(80, 90, 110), 83},
    {"SALT CRATERS", rgb(60, 50, 80), rgb(190, 140, 160), rgb(255, 210, 190),
     rgb(255, 250, 230), 560, 430, 30, 1, rgb(200, 160, 170), rgb(150, 110, 130), kSpires,
     rgb(240, 220, 210), rgb(170, 140, 150), rgb(210, 70, 50), 100, 560, rgb(120, 116, 130), 97},
    {"EMBER PLAINS", rgb(20, 6, 10), rgb(100, 20, 20), rgb(240, 80, 30), rgb(255, 170, 80),
     1000, 455, 44, 0, rgb(90, 30, 25), rgb(50, 18, 18), kRuins, rgb(160, 70, 50),
     rgb(70, 30, 26), rgb(255, 150, 20), 130, 470, rgb(90, 80, 80), 101},
    {"VIOLET ERG", rgb(24, 10, 50), rgb(100, 50, 140), rgb(240, 140, 170), rgb(255, 220, 220),
     200, 440, 32, 1, rgb(120, 70, 150), rgb(76, 40, 100), kDunes, rgb(200, 140, 170),
     rgb(110, 66, 100), rgb(250, 120, 30), 200, 400, rgb(100, 96, 126), 113},
    {"LAST OASIS", rgb(20, 40, 50), rgb(90, 120, 90), rgb(250, 200, 110), rgb(255, 240, 170),
     800, 445, 30, 0, rgb(90, 120, 90), rgb(50, 80, 60), kPeaks, rgb(215, 180, 110),
     rgb(120, 100, 60), rgb(220, 90, 20), 140, 480, rgb(96, 110, 104), 127},
};

float hash(int x, int y, uint32_t seed)
{
    uint32_t h = static_cast<uint32_t>(x) * 73856093u ^ static_cast<uint32_t>(y) * 19349663u ^
                 seed * 83492791u;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    return static_cast<float>(h & 0xffff) / 65535.0f;
}

void setPixel(float* p, const Rgb& c, float alpha = 1.0f)
{
    p[0] = c.r * alpha;
    p[1] = c.g * alpha;
    p[2] = c.b * alpha;
    p[3] = alpha;
}

// The sky: a vertical gradient one pixel wide, stretched over the screen by the game.
ALLEGRO_BITMAP* paintSky(const Theme& t)
{
    ALLEGRO_BITMAP* sky = newCanvas(1, kFieldHeight);
    eachPixel(sky, [&](int, int y, float* p) {
        const float v = static_cast<float>(y) / kFieldHeight;
        Rgb c;
        if (v < 0.45f)
            c = mix(t.skyTop, t.skyMid, smoothstep(0.0f, 0.45f, v));
        else if (v < 0.7f)
            c = mix(t.skyMid, t.horizon, smoothstep(0.45f, 0.7f, v));
        else
            c = mix(t.horizon, shade(t.farFront, 0.8f), smoothstep(0.7f, 0.9f, v));
        setPixel(p, c);
    });
    return sky;
}

// Height of the far skyline at x for the world's style (smaller is higher).
float farFrontHeight(const Theme& t, float x)
{
    const float n = fractal(x / 150.0f, 0.5f, t.seed + 3, 4);
    switch (t.style) {
    case kDunes:
        return 520 - 55 * (0.5f + 0.5f * std::sin(x / 140.0f + t.seed)) - 30 * n;
    case kMesas: {
        // Table mountains of two heights with steep flanks.
        const float m = fractal(x / 260.0f, 2.5f, t.seed + 5, 3);
        return 528 - 55 * smoothstep(0.47f, 0.5f, m) - 45 * smoothstep(0.58f, 0.61f, m) -
               10 * n;
    }
    case kSpires: {
        const float s = std::pow(std::fabs(std::sin(x / 55.0f + 1.3f * n)), 14.0f);
        return 515 - 30 * n - 120 * s * fractal(x / 90.0f, 7.5f, t.seed, 2);
    }
    case kRuins:
        return 510 - 25 * n;
    case kPeaks:
    default:
        return 520 - 150 * std::pow(1.0f - std::fabs(2 * fractal(x / 260.0f, 9.5f, t.seed, 4) - 1),
                                    2.0f);
    }
}

// The far layer: stars, the setting sun and moons, two ranges of hills fading into haze.
ALLEGRO_BITMAP* paintFar(const Theme& t)
{
    ALLEGRO_BITMAP* far = newCanvas(kFarWidth, kFieldHeight);
    eachPixel(far, [&](int x, int y, float* p) {
        if (y < 330 && hash(x, y, t.seed) > 0.9985f) {
            const float a = 0.9f * (1.0f - y / 330.0f);
            setPixel(p, rgb(255, 245, 230), a);
        }
    });
    al_set_target_bitmap(far);
    glow(t.sunX, t.sunY, t.sunRadius * 7, t.sun, 0.35f, 2.5f);
    glow(t.sunX, t.sunY, t.sunRadius * 2.2f, t.sun, 0.6f, 1.5f);
    al_draw_filled_circle(t.sunX, t.sunY, t.sunRadius, colour(mix(t.sun, rgb(255, 255, 255), 0.4f)));
    for (int m = 0; m < t.moons; ++m) {
        const float mx = 250.0f + 520.0f * m + (t.seed % 7) * 40.0f;
        const float my = 110.0f + 50.0f * m;
        const float r = 16.0f - 6.0f * m;
        glow(mx, my, r * 3, rgb(220, 220, 255), 0.25f);
        al_draw_filled_circle(mx, my, r, colour(rgb(225, 222, 235)));
        al_draw_filled_circle(mx + r * 0.45f, my - r * 0.2f, r * 0.9f, colour(shade(t.skyTop, 1.1f), 0.85f));
    }

    std::vector<float> back(kFarWidth), front(kFarWidth);
    for (int x = 0; x < kFarWidth; ++x) {
        back[x] = 470 - 70 * fractal(x / 200.0f, 4.5f, t.seed + 1, 4);
        front[x] = farFrontHeight(t, static_cast<float>(x));
    }
    eachPixel(far, [&](int x, int y, float* p) {
        if (y >= front[x]) {
            const float d = (y - front[x]) / 150.0f;
            Rgb c = mix(t.farFront, shade(t.farFront, 0.55f), clamp01(d));
            if (y - front[x] < 2.0f)
                c = mix(c, t.sun, 0.45f);
            c = shade(c, 0.95f + 0.1f * noise(x / 7.0f, y / 7.0f, t.seed));
            setPixel(p, c);
        } else if (y >= back[x]) {
            const Rgb c = mix(t.farBack, t.horizon, 0.25f + 0.35f * clamp01((y - back[x]) / 80.0f));
            setPixel(p, c);
        }
    });
    if (t.style == kRuins) {
        // Silhouettes of an old refinery town on the skyline, a few windows still lit.
        al_set_target_bitmap(far);
        Random r(t.seed);
        for (int x = 20; x < kFarWidth; x += r.range(40, 110)) {
            const float w = r.range(18.0f, 46.0f);
            const float h = r.range(30.0f, 110.0f);
            const float top = front[x] - h;
            polygon({static_cast<float>(x), front[x] + 5, static_cast<float>(x), top, x + w, top + r.range(0.0f, 12.0f), x + w, front[x] + 5},
                    colour(shade(t.farFront, 0.8f)));
            for (float wy = top + 6; wy < front[x] - 6; wy += 9)
                for (float wx = x + 4; wx < x + w - 4; wx += 8)
                    if (r.unit() < 0.18f)
                        al_draw_filled_rectangle(wx, wy, wx + 3, wy + 4, colour(rgb(255, 200, 110), 0.9f));
        }
    }
    return far;
}

// Ground height of the main layer at x: rising dunes towards both ends, flat and firm under
// the base in the middle.
std::vector<float> groundHeights(const Theme& t)
{
    std::vector<float> h(kFieldWidth);
    for (int x = 0; x < kFieldWidth; ++x) {
        const float d = std::fabs(x - kFieldWidth / 2.0f);
        const float u = x / t.duneLength + 0.37f * t.seed;
        float f = u - std::floor(u);
        // Long windward slope, short slip face.
        float ridge = f < 0.72f ? f / 0.72f : (1.0f - f) / 0.28f;
        ridge = ridge * ridge * (3 - 2 * ridge);
        const float swell = fractal(x / 260.0f, 1.5f, t.seed + 9, 3);
        const float height = t.duneHeight * (0.3f + 0.7f * smoothstep(160.0f, 880.0f, d)) *
                             (0.45f * ridge + 0.55f * swell);
        const float dune = 628.0f - height - 14.0f * noise(x / 40.0f, 3.5f, t.seed);
        const float flat = smoothstep(150.0f, 320.0f, d);
        h[x] = kBaseGround + (dune - kBaseGround) * flat;
    }
    return h;
}

void paintFortification(const Theme& t)
{
    const float cx = kFieldWidth / 2.0f;
    const float g = kBaseGround;
    const Rgb concrete = mix(t.metal, t.sandDark, 0.35f);
    // The pad under the base.
    plate(cx - 120, g - 3, cx + 120, g + 24, concrete, 3);
    for (float x = cx - 110; x < cx + 110; x += 20)
        al_draw_line(x, g + 3, x, g + 21, colour(shade(concrete, 0.7f)), 1);
    // Bastion walls on both sides, sloped to turn fire, with crenels and warning stripes.
    for (int side = -1; side <= 1; side += 2) {
        const float inner = cx + side * 125.0f;
        const float outer = cx + side * 200.0f;
        const float top = g - 42;
        std::vector<float> wall = {inner, g + 22, inner, top, outer - side * 30.0f, top,
                                   outer, g + 22};
        if (side > 0)
            wall = {outer, g + 22, outer - 30, top, inner, top, inner, g + 22};
        gradientPolygon(wall, shade(t.metal, 1.15f), shade(t.metal, 0.5f));
        outline(wall, colour(shade(t.metal, 0.4f)), 1.5f);
        for (int k = 0; k < 3; ++k) {
            const float x0 = inner + side * (6.0f + 15.0f * k);
            al_draw_filled_rectangle(std::min(x0, x0 + side * 9.0f), top - 8, std::max(x0, x0 + side * 9.0f), top,
                                     colour(shade(t.metal, 1.05f)));
        }
        for (int k = 0; k < 5; ++k) {
            const float x0 = inner + side * (8.0f + 11.0f * k);
            polygon({x0, top + 14, x0 + side * 6.0f, top + 14, x0 + side * 12.0f, top + 22, x0 + side * 6.0f, top + 22},
                    colour(rgb(230, 180, 40), 0.85f));
        }
        // A floodlight on each wall.
        const float lx = inner + side * 20.0f;
        al_draw_filled_rectangle(lx - 1.5f, top - 26, lx + 1.5f, top - 8, colour(shade(t.metal, 0.6f)));
        glow(lx, top - 28, 22, rgb(255, 240, 200), 0.5f);
        al_draw_filled_circle(lx, top - 28, 3, colour(rgb(255, 250, 230)));
    }
    // Radio mast behind the left wall with a red beacon.
    const float mx = cx - 220;
    al_draw_line(mx, g + 10, mx, g - 130, colour(shade(t.metal, 0.7f)), 3);
    for (float y = g - 120; y < g; y += 14) {
        al_draw_line(mx - 6, y, mx + 6, y + 14, colour(shade(t.metal, 0.6f)), 1);
        al_draw_line(mx + 6, y, mx - 6, y + 14, colour(shade(t.metal, 0.6f)), 1);
    }
    glow(mx, g - 132, 14, rgb(255, 40, 30), 0.8f);
    al_draw_filled_circle(mx, g - 132, 2.5f, colour(rgb(255, 120, 100)));
}

// Spice silos and a pipeline to the base, standing in the dunes.
void paintSilos(const Theme& t, const std::vector<float>& ground)
{
    Random r(t.seed * 7 + 1);
    const float spots[2] = {r.range(220.0f, 420.0f), r.range(1420.0f, 1620.0f)};
    for (float sx : spots) {
        const int ix = static_cast<int>(sx);
        const float g = std::min(ground[ix - 30], ground[ix + 30]) + 10;
        const float h = r.range(50.0f, 80.0f);
        for (int k = 0; k < 2; ++k) {
            const float x0 = sx - 30 + 34 * k;
            const Rgb body = shade(t.metal, 1.0f - 0.15f * k);
            horizontalGradient(x0, g - h + 8 * k, x0 + 26, g, shade(body, 1.3f), shade(body, 0.5f));
            al_draw_filled_ellipse(x0 + 13, g - h + 8 * k, 13, 5, colour(shade(body, 1.2f)));
            for (float y = g - h + 8 * k + 10; y < g; y += 12)
                al_draw_line(x0, y, x0 + 26, y, colour(shade(body, 0.55f)), 1);
            al_draw_filled_rectangle(x0 + 8, g - h * 0.55f, x0 + 18, g - h * 0.55f + 5, colour(t.spice));
        }
        glow(sx, g - h - 6, 10, rgb(255, 210, 90), 0.7f);
    }
}

ALLEGRO_BITMAP* paintMain(const Theme& t)
{
    ALLEGRO_BITMAP* main = newCanvas(kFieldWidth, kFieldHeight);
    const std::vector<float> ground = groundHeights(t);
    const float sunSide = t.sunX < kFarWidth / 2 ? 1.0f : -1.0f;
    eachPixel(main, [&](int x, int y, float* p) {
        const float h = ground[x];
        if (y < h)
            return;
        const float depth = y - h;
        const float slope = (ground[std::min(x + 8, kFieldWidth - 1)] - ground[std::max(x - 8, 0)]) / 16.0f;
        // The low sun lights the slopes facing it; the light fades into the sand's depth.
        const float light = 0.9f + std::max(-0.35f, std::min(0.35f, -slope * sunSide * 1.6f)) *
                                       (0.3f + 0.7f * std::exp(-depth / 45.0f));
        Rgb c = mix(t.sandLight, t.sandDark, clamp01(depth / 110.0f));
        const float ripple = std::sin(x * 0.32f + y * 0.9f + 7.0f * noise(x / 50.0f, y / 22.0f, t.seed));
        c = shade(c, light * (1.0f + 0.05f * ripple) * (0.94f + 0.12f * noise(x / 3.0f, y / 3.0f, t.seed + 2)));
        if (depth < 2.5f)
            c = mix(c, mix(t.sun, rgb(255, 255, 255), 0.3f), 0.5f * light);
        const float spice = fractal(x / 80.0f, y / 20.0f, t.seed + 5, 3);
        const float amount = smoothstep(0.55f, 0.7f, spice) * smoothstep(3.0f, 12.0f, depth);
        if (amount > 0) {
            // Spice lies in veins of rust-red grains that glitter in the evening light.
            const float grain = 0.7f + 0.5f * hash(x, y, t.seed + 8);
            c = mix(c, shade(t.spice, (0.7f + 0.3f * light) * grain), 0.6f * amount);
            if (hash(x, y, t.seed) > 0.985f)
                c = mix(c, rgb(255, 235, 170), amount);
        }
        if (y > 648)
            c = shade(mix(c, t.sandDark, 0.5f), 0.75f + 0.1f * std::sin(y * 1.3f));
        setPixel(p, c);
    });
    al_set_target_bitmap(main);
    paintSilos(t, ground);
    paintFortification(t);
    return main;
}

// The front layer: dark rocks and glowing spice crystals along the bottom edge and the
// cliffs that close the field at both ends, drawn over the craft; the rest is empty.
ALLEGRO_BITMAP* paintFront(const Theme& t)
{
    ALLEGRO_BITMAP* front = newCanvas(kFieldWidth, kFieldHeight);
    std::vector<float> top(kFieldWidth);
    for (int x = 0; x < kFieldWidth; ++x) {
        const float d = std::fabs(x - kFieldWidth / 2.0f);
        const float rock = fractal(x / 110.0f, 0.5f, t.seed + 21, 4);
        float height = std::max(0.0f, rock - 0.5f) * 260.0f * smoothstep(230.0f, 330.0f, d);
        const float edge = std::max(0.0f, 1.0f - std::min(x, kFieldWidth - 1 - x) / 60.0f);
        height = std::max(height, edge * edge * 300.0f * (0.8f + 0.4f * noise(x / 9.0f, 1.5f, t.seed)));
        top[x] = kFieldHeight - height;
    }
    const Rgb rockColour = shade(mix(t.sandDark, t.farFront, 0.5f), 0.45f);
    eachPixel(front, [&](int x, int y, float* p) {
        if (y < top[x])
            return;
        const float depth = y - top[x];
        Rgb c = shade(rockColour, 0.8f + 0.4f * noise(x / 6.0f, y / 6.0f, t.seed + 4));
        if (depth < 2.0f)
            c = mix(c, t.sun, 0.55f);
        setPixel(p, c);
    });
    al_set_target_bitmap(front);
    Random r(t.seed + 99);
    for (int k = 0; k < 14; ++k) {
        const int x = r.range(80, kFieldWidth - 80);
        if (std::fabs(x - kFieldWidth / 2.0f) < 280 || top[x] > kFieldHeight - 6)
            continue;
        const float y = top[x] + 3;
        const float s = r.range(5.0f, 11.0f);
        glow(static_cast<float>(x), y - s * 0.6f, s * 3, t.spice, 0.45f);
        polygon({x - s * 0.5f, y, x + 0.0f, y - s * 1.6f, x + s * 0.5f, y}, colour(mix(t.spice, rgb(255, 220, 120), 0.4f)));
        polygon({x + s * 0.2f, y, x + s * 0.8f, y - s, x + s * 1.0f, y}, colour(t.spice));
    }
    return front;
}

// A small composition of the whole field, for the stage map.
ALLEGRO_BITMAP* composeField(ALLEGRO_BITMAP* sky, ALLEGRO_BITMAP* far, ALLEGRO_BITMAP* main,
                             ALLEGRO_BITMAP* front)
{
    ALLEGRO_BITMAP* field = newCanvas(kFieldWidth, kFieldHeight);
    blitScaled(sky, 0, 0, kFieldWidth, kFieldHeight);
    // The far layer as seen with the view centred: shifted by half the camera.
    blit(far, (kFieldWidth - 1024) / 4.0f, 0);
    blit(main, 0, 0);
    blit(front, 0, 0);
    return field;
}

}  // namespace

std::vector<ALLEGRO_BITMAP*> writeStages(const std::string& dataDir)
{
    std::vector<ALLEGRO_BITMAP*> fields;
    for (int s = 0; s < kStages; ++s) {
        const Theme& t = kThemes[s];
        const std::string dir = dataDir + "stages/" + std::to_string(s) + "/";
        makeDirectory(dir);
        ALLEGRO_BITMAP* sky = paintSky(t);
        ALLEGRO_BITMAP* far = paintFar(t);
        ALLEGRO_BITMAP* main = paintMain(t);
        ALLEGRO_BITMAP* front = paintFront(t);
        fields.push_back(composeField(sky, far, main, front));
        saveBitmap(sky, dir + "bg.png");
        writeTileLayer(far, kTileWidth, kTileHeight, dir + "l0.png");
        writeTileLayer(main, kTileWidth, kTileHeight, dir + "l1.png");
        writeTileLayer(front, kTileWidth, kTileHeight, dir + "lh.png");
        writeTextFile(dir + "data.dat", waveTable(s, t.name));
        for (ALLEGRO_BITMAP* b : {sky, far, main, front})
            al_destroy_bitmap(b);
    }
    return fields;
}

}  // namespace datagen
