#include "engine/ZE_Display.h"

#include "engine/ZE_Util.h"

#include <allegro5/allegro.h>
#include <allegro5/allegro_primitives.h>

#include <algorithm>

namespace {
// Whether a full-screen display really fills its monitor.
bool coversMonitor(ALLEGRO_DISPLAY* display)
{
    const int adapter = al_get_new_display_adapter();
    ALLEGRO_MONITOR_INFO info;
    if (!al_get_monitor_info(adapter < 0 ? 0 : adapter, &info))
        return true;
    return info.x2 - info.x1 == al_get_display_width(display) &&
           info.y2 - info.y1 == al_get_display_height(display);
}
}  // namespace

ZE_Display::ZE_Display(int width, int height, bool fullscreen)
    : width(width), height(height), fullscreen(fullscreen), display(nullptr)
{
    if (fullscreen) {
        al_set_new_display_flags(ALLEGRO_FULLSCREEN);
        display = al_create_display(width, height);
        if (display && !coversMonitor(display)) {
            // The mode switch was claimed but did not happen: a window in a screen corner.
            al_destroy_display(display);
            display = nullptr;
        }
        if (!display) {
            // X servers and desktops without mode switching only offer a full-screen window.
            al_set_new_display_flags(ALLEGRO_FULLSCREEN_WINDOW);
            display = al_create_display(width, height);
        }
    } else {
        display = al_create_display(width, height);
    }
    if (!display)
        ZE_Util::fatalError(nullptr, "Failed to create display!");

    al_set_blender(ALLEGRO_ADD, ALLEGRO_ONE, ALLEGRO_INVERSE_ALPHA);
    fitToDisplay();

    // Made once here, so a fade allocates nothing.
    lastFrame = al_create_bitmap(al_get_display_width(display), al_get_display_height(display));
    restoreTarget();
}

ZE_Display::Fit ZE_Display::fit(int realWidth, int realHeight, int width, int height)
{
    if (realWidth == width && realHeight == height)
        return {1.0f, 0, 0, width, height};
    const float scale = std::min(static_cast<float>(realWidth) / width,
                                 static_cast<float>(realHeight) / height);
    const int w = static_cast<int>(width * scale + 0.5f);
    const int h = static_cast<int>(height * scale + 0.5f);
    return {scale, (realWidth - w) / 2, (realHeight - h) / 2, w, h};
}

void ZE_Display::fitToDisplay()
{
    realWidth = al_get_display_width(display);
    realHeight = al_get_display_height(display);
    area = fit(realWidth, realHeight, width, height);
    al_identity_transform(&designTransform);
    al_scale_transform(&designTransform, area.scale, area.scale);
    al_translate_transform(&designTransform, static_cast<float>(area.x),
                           static_cast<float>(area.y));
}

void ZE_Display::restoreTarget()
{
    al_set_target_backbuffer(display);
    al_use_transform(&designTransform);
    al_set_clipping_rectangle(area.x, area.y, area.w, area.h);
}

void ZE_Display::beginFrame()
{
    if (al_get_display_width(display) != realWidth ||
        al_get_display_height(display) != realHeight) {
        fitToDisplay();
        // Only on a change of size, never in an ordinary frame.
        al_destroy_bitmap(lastFrame);
        lastFrame = al_create_bitmap(realWidth, realHeight);
    }
    al_set_target_backbuffer(display);
    if (area.w != realWidth || area.h != realHeight) {
        al_reset_clipping_rectangle();
        al_clear_to_color(al_map_rgb(0, 0, 0));
    }
    restoreTarget();
}

void ZE_Display::fade(int r, int g, int b, float delay)
{
    // Keep the frame being left once, then redraw it under every pass, so the fade looks the
    // same whether or not the driver preserves the back buffer across flips.
    ALLEGRO_TRANSFORM identity;
    al_identity_transform(&identity);
    al_set_target_bitmap(lastFrame);
    al_use_transform(&identity);
    al_draw_bitmap(al_get_backbuffer(display), 0, 0, 0);

    const float red = static_cast<float>(r % 256) / 255.0f;
    const float green = static_cast<float>(g % 256) / 255.0f;
    const float blue = static_cast<float>(b % 256) / 255.0f;
    al_set_target_backbuffer(display);
    al_use_transform(&identity);
    al_set_clipping_rectangle(0, 0, al_get_display_width(display), al_get_display_height(display));
    // Pass i lays a veil of coverage 64/255 * i/255 over the screen; the frame keeps the
    // product of what every veil so far let through.
    float kept = 1.0f;
    for (int i = 0; i <= 128; ++i) {
        kept *= 1.0f - (64.0f / 255.0f) * (static_cast<float>(i) / 255.0f);
        const float veil = 1.0f - kept;
        const float w = static_cast<float>(al_get_display_width(display));
        const float h = static_cast<float>(al_get_display_height(display));
        al_draw_bitmap(lastFrame, 0, 0, 0);
        al_draw_filled_rectangle(0, 0, w, h,
                                 al_map_rgba_f(red * veil, green * veil, blue * veil, veil));
        al_flip_display();
        al_rest(delay);
    }
    restoreTarget();
}
