#include "tools/datagen/Draw.h"

#include <allegro5/allegro_primitives.h>

#include <algorithm>
#include <cmath>

namespace datagen {

Rgb rgb(int r, int g, int b)
{
    return {r / 255.0f, g / 255.0f, b / 255.0f};
}

Rgb mix(const Rgb& a, const Rgb& b, float t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Rgb shade(const Rgb& c, float k)
{
    return {clamp01(c.r * k), clamp01(c.g * k), clamp01(c.b * k)};
}

float clamp01(float v)
{
    return v < 0.0f ? 0.0f : (v > 1.0f ? 1.0f : v);
}

float smoothstep(float a, float b, float v)
{
    const float t = clamp01((v - a) / (b - a));
    return t * t * (3.0f - 2.0f * t);
}

ALLEGRO_COLOR colour(const Rgb& c, float alpha)
{
    const float a = clamp01(alpha);
    return al_map_rgba_f(clamp01(c.r) * a, clamp01(c.g) * a, clamp01(c.b) * a, a);
}

ALLEGRO_BITMAP* newCanvas(int w, int h)
{
    ALLEGRO_BITMAP* bitmap = al_create_bitmap(w, h);
    al_set_target_bitmap(bitmap);
    al_set_blender(ALLEGRO_ADD, ALLEGRO_ONE, ALLEGRO_INVERSE_ALPHA);
    al_clear_to_color(al_map_rgba(0, 0, 0, 0));
    return bitmap;
}

ALLEGRO_BITMAP* shrink(ALLEGRO_BITMAP* big, int factor)
{
    const int w = al_get_bitmap_width(big) / factor;
    const int h = al_get_bitmap_height(big) / factor;
    ALLEGRO_BITMAP* small = al_create_bitmap(w, h);
    ALLEGRO_LOCKED_REGION* from =
        al_lock_bitmap(big, ALLEGRO_PIXEL_FORMAT_ABGR_8888_LE, ALLEGRO_LOCK_READONLY);
    ALLEGRO_LOCKED_REGION* to =
        al_lock_bitmap(small, ALLEGRO_PIXEL_FORMAT_ABGR_8888_LE, ALLEGRO_LOCK_WRITEONLY);
    const int n = factor * factor;
    for (int y = 0; y < h; ++y) {
        auto* out = static_cast<unsigned char*>(to->data) + y * to->pitch;
        for (int x = 0; x < w; ++x) {
            int sum[4] = {0, 0, 0, 0};
            for (int j = 0; j < factor; ++j) {
                const auto* in = static_cast<const unsigned char*>(from->data) +
                                 (y * factor + j) * from->pitch + 4 * x * factor;
                for (int i = 0; i < factor; ++i)
                    for (int c = 0; c < 4; ++c)
                        sum[c] += in[4 * i + c];
            }
            for (int c = 0; c < 4; ++c)
                out[4 * x + c] = static_cast<unsigned char>((sum[c] + n / 2) / n);
        }
    }
    al_unlock_bitmap(small);
    al_unlock_bitmap(big);
    return small;
}

void blit(ALLEGRO_BITMAP* source, float x, float y)
{
    al_draw_bitmap(source, x, y, 0);
}

void blitScaled(ALLEGRO_BITMAP* source, float x, float y, float w, float h)
{
    al_draw_scaled_bitmap(source, 0, 0, al_get_bitmap_width(source),
                          al_get_bitmap_height(source), x, y, w, h, 0);
}

namespace {
ALLEGRO_VERTEX vertex(float x, float y, ALLEGRO_COLOR c)
{
    ALLEGRO_VERTEX v;
    v.x = x;
    v.y = y;
    v.z = 0;
    v.u = 0;
    v.v = 0;
    v.color = c;
    return v;
}
}  // namespace

void verticalGradient(float x0, float y0, float x1, float y1, const Rgb& top, const Rgb& bottom,
                      float alphaTop, float alphaBottom)
{
    ALLEGRO_VERTEX v[4] = {vertex(x0, y0, colour(top, alphaTop)),
                           vertex(x1, y0, colour(top, alphaTop)),
                           vertex(x0, y1, colour(bottom, alphaBottom)),
                           vertex(x1, y1, colour(bottom, alphaBottom))};
    al_draw_prim(v, nullptr, nullptr, 0, 4, ALLEGRO_PRIM_TRIANGLE_STRIP);
}

void horizontalGradient(float x0, float y0, float x1, float y1, const Rgb& left,
                        const Rgb& right, float alphaLeft, float alphaRight)
{
    ALLEGRO_VERTEX v[4] = {vertex(x0, y0, colour(left, alphaLeft)),
                           vertex(x0, y1, colour(left, alphaLeft)),
                           vertex(x1, y0, colour(right, alphaRight)),
                           vertex(x1, y1, colour(right, alphaRight))};
    al_draw_prim(v, nullptr, nullptr, 0, 4, ALLEGRO_PRIM_TRIANGLE_STRIP);
}

void glow(float cx, float cy, float radius, const Rgb& c, float alpha, float power)
{
    // Concentric rings, each a strip from an inner to an outer radius.
    const int rings = 24;
    const int segments = 48;
    std::vector<ALLEGRO_VERTEX> strip;
    for (int r = 0; r < rings; ++r) {
        const float t0 = static_cast<float>(r) / rings;
        const float t1 = static_cast<float>(r + 1) / rings;
        const ALLEGRO_COLOR c0 = colour(c, alpha * std::pow(1.0f - t0, power));
        const ALLEGRO_COLOR c1 = colour(c, alpha * std::pow(1.0f - t1, power));
        strip.clear();
        for (int s = 0; s <= segments; ++s) {
            const float a = 2.0f * ALLEGRO_PI * s / segments;
            const float ca = std::cos(a), sa = std::sin(a);
            strip.push_back(vertex(cx + ca * radius * t0, cy + sa * radius * t0, c0));
            strip.push_back(vertex(cx + ca * radius * t1, cy + sa * radius * t1, c1));
        }
        al_draw_prim(strip.data(), nullptr, nullptr, 0, static_cast<int>(strip.size()),
                     ALLEGRO_PRIM_TRIANGLE_STRIP);
    }
}

void shadedEllipse(float cx, float cy, float rx, float ry, const Rgb& c, float alpha)
{
    // Rings from the rim inwards, brightening towards a highlight up and left of centre.
    const int rings = 16;
    for (int r = 0; r < rings; ++r) {
        const float t = static_cast<float>(r) / rings;  // 0 rim .. 1 centre
        const float k = 0.55f + 0.75f * std::sqrt(t);
        const float shift = 0.35f * t;
        al_draw_filled_ellipse(cx - rx * shift * 0.6f, cy - ry * shift * 0.6f, rx * (1.0f - t),
                               ry * (1.0f - t), colour(shade(c, k), alpha));
    }
}

void polygon(const std::vector<float>& xy, ALLEGRO_COLOR c)
{
    // Allegro fills polygons given in one winding only: turn the others round.
    const size_t n = xy.size() / 2;
    float area = 0.0f;
    for (size_t i = 0; i < n; ++i) {
        const size_t j = (i + 1) % n;
        area += xy[2 * i] * xy[2 * j + 1] - xy[2 * j] * xy[2 * i + 1];
    }
    if (area > 0.0f) {
        std::vector<float> turned(xy.size());
        for (size_t i = 0; i < n; ++i) {
            turned[2 * i] = xy[2 * (n - 1 - i)];
            turned[2 * i + 1] = xy[2 * (n - 1 - i) + 1];
        }
        al_draw_filled_polygon(turned.data(), static_cast<int>(n), c);
        return;
    }
    al_draw_filled_polygon(xy.data(), static_cast<int>(n), c);
}

void gradientPolygon(const std::vector<float>& xy, const Rgb& top, const Rgb& bottom,
                     float alphaTop, float alphaBottom)
{
    float y0 = xy[1], y1 = xy[1];
    for (size_t i = 1; i < xy.size(); i += 2) {
        y0 = std::min(y0, xy[i]);
        y1 = std::max(y1, xy[i]);
    }
    std::vector<ALLEGRO_VERTEX> fan;
    for (size_t i = 0; i + 1 < xy.size(); i += 2) {
        const float t = y1 > y0 ? (xy[i + 1] - y0) / (y1 - y0) : 0.0f;
        fan.push_back(vertex(xy[i], xy[i + 1],
                             colour(mix(top, bottom, t), alphaTop + (alphaBottom - alphaTop) * t)));
    }
    al_draw_prim(fan.data(), nullptr, nullptr, 0, static_cast<int>(fan.size()),
                 ALLEGRO_PRIM_TRIANGLE_FAN);
}

void outline(const std::vector<float>& xy, ALLEGRO_COLOR c, float thickness)
{
    al_draw_polygon(xy.data(), static_cast<int>(xy.size() / 2), ALLEGRO_LINE_JOIN_ROUND, c,
                    thickness, 4.0f);
}

namespace {
// A rectangle with bevelled edges lit from the top left: the four edges take the face colour
// shaded by their own factors, the inside a vertical gradient between two shades.
void bevelled(float x0, float y0, float x1, float y1, const Rgb& face, float bevel,
              const float edges[4], float insideTop, float insideBottom)
{
    polygon({x0, y0, x1, y0, x1 - bevel, y0 + bevel, x0 + bevel, y0 + bevel},
            colour(shade(face, edges[0])));
    polygon({x0, y0, x0 + bevel, y0 + bevel, x0 + bevel, y1 - bevel, x0, y1},
            colour(shade(face, edges[1])));
    polygon({x1, y0, x1, y1, x1 - bevel, y1 - bevel, x1 - bevel, y0 + bevel},
            colour(shade(face, edges[2])));
    polygon({x0, y1, x0 + bevel, y1 - bevel, x1 - bevel, y1 - bevel, x1, y1},
            colour(shade(face, edges[3])));
    verticalGradient(x0 + bevel, y0 + bevel, x1 - bevel, y1 - bevel, shade(face, insideTop),
                     shade(face, insideBottom));
}
}  // namespace

void plate(float x0, float y0, float x1, float y1, const Rgb& face, float bevel)
{
    const float raised[4] = {1.45f, 1.2f, 0.7f, 0.5f};  // top, left, right, bottom
    bevelled(x0, y0, x1, y1, face, bevel, raised, 1.1f, 0.85f);
}

void well(float x0, float y0, float x1, float y1, const Rgb& face, float bevel)
{
    const float sunken[4] = {0.45f, 0.6f, 1.25f, 1.45f};
    bevelled(x0, y0, x1, y1, face, bevel, sunken, 0.8f, 1.0f);
}

void rivet(float x, float y, float r, const Rgb& c)
{
    al_draw_filled_circle(x + r * 0.3f, y + r * 0.3f, r, colour(shade(c, 0.4f), 0.8f));
    shadedEllipse(x, y, r, r, c);
}

void eachPixel(ALLEGRO_BITMAP* bitmap, const std::function<void(int, int, float*)>& fn)
{
    ALLEGRO_LOCKED_REGION* region =
        al_lock_bitmap(bitmap, ALLEGRO_PIXEL_FORMAT_ABGR_8888_LE, ALLEGRO_LOCK_READWRITE);
    const int w = al_get_bitmap_width(bitmap);
    const int h = al_get_bitmap_height(bitmap);
    for (int y = 0; y < h; ++y) {
        auto* row = static_cast<unsigned char*>(region->data) + y * region->pitch;
        for (int x = 0; x < w; ++x) {
            float p[4];
            for (int c = 0; c < 4; ++c)
                p[c] = row[4 * x + c] / 255.0f;
            fn(x, y, p);
            for (int c = 0; c < 4; ++c)
                row[4 * x + c] = static_cast<unsigned char>(std::lround(clamp01(p[c]) * 255.0f));
        }
    }
    al_unlock_bitmap(bitmap);
}

namespace {
float lattice(int x, int y, uint32_t seed)
{
    uint32_t h = static_cast<uint32_t>(x) * 374761393u + static_cast<uint32_t>(y) * 668265263u +
                 seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return static_cast<float>(h & 0xffffff) / 16777215.0f;
}
}  // namespace

float noise(float x, float y, uint32_t seed)
{
    const float fx = std::floor(x), fy = std::floor(y);
    const int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
    float tx = x - fx, ty = y - fy;
    tx = tx * tx * (3.0f - 2.0f * tx);
    ty = ty * ty * (3.0f - 2.0f * ty);
    const float a = lattice(ix, iy, seed), b = lattice(ix + 1, iy, seed);
    const float c = lattice(ix, iy + 1, seed), d = lattice(ix + 1, iy + 1, seed);
    return (a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty;
}

float fractal(float x, float y, uint32_t seed, int octaves)
{
    float sum = 0.0f, amplitude = 0.5f, total = 0.0f;
    for (int o = 0; o < octaves; ++o) {
        sum += noise(x, y, seed + 17u * o) * amplitude;
        total += amplitude;
        x *= 2.03f;
        y *= 2.03f;
        amplitude *= 0.5f;
    }
    return sum / total;
}

}  // namespace datagen

#include "tools/datagen/Common.h"

namespace datagen {

namespace {
constexpr int kOversample = 4;
}

FrameCanvas::FrameCanvas(int rows_, int columns_, int frameWidth, int frameHeight)
    : rows(rows_), columns(columns_), width(frameWidth), height(frameHeight),
      big(newCanvas(columns_ * frameWidth * kOversample, rows_ * frameHeight * kOversample))
{
}

FrameCanvas::~FrameCanvas()
{
    al_destroy_bitmap(big);
}

void FrameCanvas::frame(int index)
{
    al_set_target_bitmap(big);
    al_set_blender(ALLEGRO_ADD, ALLEGRO_ONE, ALLEGRO_INVERSE_ALPHA);
    const int c = index % columns;
    const int r = index / columns;
    ALLEGRO_TRANSFORM t;
    al_identity_transform(&t);
    al_translate_transform(&t, static_cast<float>(c * width), static_cast<float>(r * height));
    al_scale_transform(&t, kOversample, kOversample);
    al_use_transform(&t);
    al_set_clipping_rectangle(c * width * kOversample, r * height * kOversample,
                              width * kOversample, height * kOversample);
}

ALLEGRO_BITMAP* FrameCanvas::finish()
{
    al_set_target_bitmap(big);
    ALLEGRO_TRANSFORM t;
    al_identity_transform(&t);
    al_use_transform(&t);
    al_reset_clipping_rectangle();
    return shrink(big, kOversample);
}

void FrameCanvas::save(const std::string& pngPath)
{
    ALLEGRO_BITMAP* sheet = finish();
    saveSheet(sheet, rows, columns, width, height, pngPath);
    al_destroy_bitmap(sheet);
}

}  // namespace datagen
