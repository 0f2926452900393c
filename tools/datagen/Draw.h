#ifndef TOOLS_DATAGEN_DRAW_H
#define TOOLS_DATAGEN_DRAW_H

#include <allegro5/allegro.h>

#include <cstdint>
#include <functional>
#include <vector>

// Drawing helpers shared by every picture of the generator: colours, smooth shapes drawn
// large and shrunk, gradients, glows, metal plates, and a little value noise.
namespace datagen {

struct Rgb {
    float r, g, b;  // 0..1
};
Rgb rgb(int r, int g, int b);
Rgb mix(const Rgb& a, const Rgb& b, float t);
Rgb shade(const Rgb& c, float k);  // multiplied, clamped
// Premultiplied Allegro colour.
ALLEGRO_COLOR colour(const Rgb& c, float alpha = 1.0f);

// A new transparent memory bitmap, made the drawing target, premultiplied blending.
ALLEGRO_BITMAP* newCanvas(int w, int h);
// A copy 1/factor the size, each pixel the average of factor x factor pixels: shapes drawn
// at four times their size come out with smooth edges.
ALLEGRO_BITMAP* shrink(ALLEGRO_BITMAP* big, int factor);
// Draws a bitmap into the current target with its top-left corner at (x, y).
void blit(ALLEGRO_BITMAP* source, float x, float y);
void blitScaled(ALLEGRO_BITMAP* source, float x, float y, float w, float h);

void verticalGradient(float x0, float y0, float x1, float y1, const Rgb& top, const Rgb& bottom,
                      float alphaTop = 1.0f, float alphaBottom = 1.0f);
void horizontalGradient(float x0, float y0, float x1, float y1, const Rgb& left,
                        const Rgb& right, float alphaLeft = 1.0f, float alphaRight = 1.0f);
// Round soft light: alpha at the centre falling to 0 at the radius; power shapes the fall.
void glow(float cx, float cy, float radius, const Rgb& c, float alpha, float power = 2.0f);
// Elliptical disc shaded like a lit sphere or dome, light from the top left.
void shadedEllipse(float cx, float cy, float rx, float ry, const Rgb& c, float alpha = 1.0f);
void polygon(const std::vector<float>& xy, ALLEGRO_COLOR c);
// A convex polygon shaded from top to bottom.
void gradientPolygon(const std::vector<float>& xy, const Rgb& top, const Rgb& bottom,
                     float alphaTop = 1.0f, float alphaBottom = 1.0f);
void outline(const std::vector<float>& xy, ALLEGRO_COLOR c, float thickness);
// Raised metal plate: face colour, lighter top and left edges, darker bottom and right.
void plate(float x0, float y0, float x1, float y1, const Rgb& face, float bevel);
// Sunken well, the reverse of a plate.
void well(float x0, float y0, float x1, float y1, const Rgb& face, float bevel);
void rivet(float x, float y, float r, const Rgb& c);

// Runs fn over every pixel of a memory bitmap: rgba premultiplied, 0..1, changed in place.
void eachPixel(ALLEGRO_BITMAP* bitmap, const std::function<void(int, int, float*)>& fn);

// Smooth value noise in 0..1 (lattice of 1 unit), and a sum of octaves of it.
float noise(float x, float y, uint32_t seed);
float fractal(float x, float y, uint32_t seed, int octaves);
float clamp01(float v);
float smoothstep(float a, float b, float v);

}  // namespace datagen

#endif

#ifndef TOOLS_DATAGEN_FRAMECANVAS
#define TOOLS_DATAGEN_FRAMECANVAS
#include <string>
namespace datagen {

// A sprite sheet drawn at four times its size: frame(i) makes frame i the target, with the
// transformation set so that drawing uses the frame's own final pixel coordinates and is
// clipped to it. finish() shrinks the sheet to its real size (smooth edges).
class FrameCanvas {
public:
    FrameCanvas(int rows, int columns, int frameWidth, int frameHeight);
    ~FrameCanvas();
    FrameCanvas(const FrameCanvas&) = delete;
    FrameCanvas& operator=(const FrameCanvas&) = delete;
    void frame(int index);
    // The shrunk sheet (owned by the caller).
    ALLEGRO_BITMAP* finish();
    // Shrinks, saves the sheet and its description file.
    void save(const std::string& pngPath);
    int rows, columns, width, height;

private:
    ALLEGRO_BITMAP* big;
};

}  // namespace datagen
#endif
