#include "engine/ZE_Util.h"

#include <allegro5/allegro.h>
#include <allegro5/allegro_font.h>
#include <allegro5/allegro_native_dialog.h>
#include <allegro5/allegro_primitives.h>

#include <cstdio>
#include <cstdlib>

namespace {
constexpr double kPi = 3.141592653589793;

ALLEGRO_COLOR opaque(int r, int g, int b)
{
    return al_map_rgb(static_cast<unsigned char>(r), static_cast<unsigned char>(g),
                      static_cast<unsigned char>(b));
}
}  // namespace

namespace ZE_Util {

void clearColor(int r, int g, int b)
{
    al_clear_to_color(opaque(r, g, b));
}

std::string cutExtension(std::string name)
{
    const std::string::size_type dot = name.rfind('.');
    if (dot == std::string::npos)
        return name;
    return name.substr(0, dot);
}

void wait(float seconds)
{
    al_rest(seconds);
}

void pixel(float x, float y, int r, int g, int b)
{
    al_draw_pixel(x, y, opaque(r, g, b));
}

void loader(ALLEGRO_BITMAP* background, ALLEGRO_FONT* font, std::string text, int percent,
            int width, int height, int top, int r, int g, int b)
{
    const int filled = (percent * width) / 100;
    if (background)
        al_draw_bitmap(background, 0, 0, 0);
    else
        clearColor(0, 0, 0);
    rectangle(1, top + 1, width - 1, height - top - 1, r, g, b, false);
    rectangle(2, top + 2, filled - 4, height - 5, r, g, b, true);
    printText(font, text, 0, height + 5, 255, 255, 255);
    al_flip_display();
}

int random(int n)
{
    return std::rand() % (n + 1);
}

float degrees(float radians)
{
    return static_cast<float>(radians * 180.0 / kPi);
}

float radians(float degrees)
{
    return static_cast<float>(degrees * kPi / 180.0);
}

void errorBox(ALLEGRO_DISPLAY* display, std::string message)
{
    al_show_native_message_box(display, "Error", "", message.c_str(), nullptr,
                               ALLEGRO_MESSAGEBOX_ERROR);
}

void fatalError(ALLEGRO_DISPLAY* display, const std::string& message)
{
    std::fprintf(stderr, "%s\n", message.c_str());
    std::fflush(stderr);
    errorBox(display, message);
    std::exit(1);
}

void printText(ALLEGRO_FONT* font, std::string text, int x, int y, int r, int g, int b)
{
    al_draw_text(font, opaque(r, g, b), static_cast<float>(x), static_cast<float>(y),
                 ALLEGRO_ALIGN_LEFT, text.c_str());
}

void rectangle(float x, float y, float w, float h, int r, int g, int b, bool filled)
{
    if (filled)
        al_draw_filled_rectangle(x, y, x + w, y + h, opaque(r, g, b));
    else
        al_draw_rectangle(x, y, x + w, y + h, opaque(r, g, b), 1.0f);
}

void filledCircle(float x, float y, float radius, int r, int g, int b)
{
    al_draw_filled_circle(x, y, radius, opaque(r, g, b));
}

}  // namespace ZE_Util
