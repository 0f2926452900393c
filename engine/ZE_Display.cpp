#include "engine/ZE_Display.h"

#include "engine/ZE_Util.h"

#include <allegro5/allegro.h>
#include <allegro5/allegro_primitives.h>

#include <algorithm>

ZE_Display::ZE_Display(int width, int height, bool fullscreen)
    : width(width), height(height), fullscreen(fullscreen), display(nullptr)
{
    if (fullscreen) {
        al_set_new_display_flags(ALLEGRO_FULLSCREEN);
        display = al_create_display(width, height);
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

void ZE_Display::fitToDisplay()
{
    const int realW = al_get_display_width(display);
    const int realH = al_get_display_height(display);
    al_identity_transform(&designTransform);
    clipX = 0;
    clipY = 0;
    clipW = realW;
    clipH = realH;
    if (realW == width && realH == height)
        return;
    const float scale = std::min(static_cast<float>(realW) / width,
                                 static_cast<float>(realH) / height);
    clipW = static_cast<int>(width * scale + 0.5f);
    clipH = static_cast<int>(height * scale + 0.5f);
    clipX = (realW - clipW) / 2;
    clipY = (realH - clipH) / 2;
    al_scale_transform(&designTransform, scale, scale);
    al_translate_transform(&designTransform, static_cast<float>(clipX), static_cast<float>(clipY));
}

void ZE_Display::restoreTarget()
{
    al_set_target_backbuffer(display);
    al_use_transform(&designTransform);
    al_set_clipping_rectangle(clipX, clipY, clipW, clipH);
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
