#include "engine/ZE_Bitmap.h"

#include "engine/ZE_Display.h"
#include "engine/ZE_Util.h"

#include <allegro5/allegro.h>

ZE_Bitmap::ZE_Bitmap(std::string path, ZE_Display* display, ZE_Bitmap* shareFrom)
{
    reset();
    setDisplay(display);
    if (shareFrom)
        bitmap = shareFrom->bitmap;
    else
        loadBitmap(path);
}

void ZE_Bitmap::loadBitmap(std::string path)
{
    bitmap = al_load_bitmap(path.c_str());
    ownsPicture = bitmap != nullptr;
    if (!bitmap)
        ZE_Util::fatalError(display ? display->getDisplay() : nullptr,
                            "File '" + path + "' not found!");
}

void ZE_Bitmap::draw()
{
    if (!enable || !bitmap)
        return;
    checkValues();
    // Premultiplied alpha: the tint fades every channel along with the opacity.
    const ALLEGRO_COLOR tint = al_map_rgba(static_cast<unsigned char>(alpha * tintRed),
                                           static_cast<unsigned char>(alpha * tintGreen),
                                           static_cast<unsigned char>(alpha * tintBlue), alpha);
    al_draw_tinted_scaled_rotated_bitmap(bitmap, tint, centerX, centerY, x, y, scaleX, scaleY,
                                         ZE_Util::radians(angle),
                                         flipHorizontal | flipVertical);
}

void ZE_Bitmap::checkValues()
{
    if (angle < 0)
        angle += 360;
    if (angle > 360)
        angle -= 360;
}

void ZE_Bitmap::reset()
{
    x = 0;
    y = 0;
    scaleX = 1.0f;
    scaleY = 1.0f;
    angle = 0;
    centerX = 0;
    centerY = 0;
    life = 0;
    alpha = 255;
    tintRed = 1;
    tintGreen = 1;
    tintBlue = 1;
    flipHorizontal = 0;
    flipVertical = 0;
    enable = true;
}

void ZE_Bitmap::destroyPicture()
{
    if (ownsPicture && bitmap)
        al_destroy_bitmap(bitmap);
    ownsPicture = false;
    bitmap = nullptr;
}

int ZE_Bitmap::getHeight() const
{
    return bitmap ? al_get_bitmap_height(bitmap) : 0;
}
