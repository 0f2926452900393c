#ifndef ENGINE_ZE_UTIL_H
#define ENGINE_ZE_UTIL_H

#include <string>

struct ALLEGRO_BITMAP;
struct ALLEGRO_DISPLAY;
struct ALLEGRO_FONT;

// Drawing, text, maths and file-name helpers shared by the whole game.
// Colour components are ints of which only the low 8 bits count.
namespace ZE_Util {

void clearColor(int r, int g, int b);
std::string cutExtension(std::string name);
void wait(float seconds);
void pixel(float x, float y, int r, int g, int b);
void loader(ALLEGRO_BITMAP* background, ALLEGRO_FONT* font, std::string text, int percent,
            int width, int height, int top, int r, int g, int b);
// Uniform-ish in 0..n inclusive; n must not be negative.
int random(int n);
float degrees(float radians);
float radians(float degrees);
// Modal native box titled "Error"; returns when it is closed (at once without X).
void errorBox(ALLEGRO_DISPLAY* display, std::string message);
// A fatal start-up error: one line on standard error, the error box, exit status 1.
[[noreturn]] void fatalError(ALLEGRO_DISPLAY* display, const std::string& message);
void printText(ALLEGRO_FONT* font, std::string text, int x, int y, int r, int g, int b);
void rectangle(float x, float y, float w, float h, int r, int g, int b, bool filled);
void filledCircle(float x, float y, float radius, int r, int g, int b);

}  // namespace ZE_Util

#endif
