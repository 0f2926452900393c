#include "engine/ZE_Font.h"

#include "engine/ZE_Display.h"
#include "engine/ZE_Util.h"

#include <allegro5/allegro_font.h>

ZE_Font::ZE_Font(std::string path, ZE_Display* display)
    : display(display), font(al_load_font(path.c_str(), 0, 0))
{
    if (!font)
        ZE_Util::fatalError(display ? display->getDisplay() : nullptr,
                            "Font file '" + path + "' not found!");
}

int ZE_Font::getTextWidth(std::string text) const
{
    return al_get_text_width(font, text.c_str());
}

int ZE_Font::getLineHeight() const
{
    return al_get_font_line_height(font);
}
