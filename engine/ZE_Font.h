#ifndef ENGINE_ZE_FONT_H
#define ENGINE_ZE_FONT_H

#include <string>

struct ALLEGRO_FONT;
class ZE_Display;

// A loaded Allegro bitmap font (glyph rectangles on a background colour).
class ZE_Font {
public:
    ZE_Font(std::string path, ZE_Display* display);

    void setDisplay(ZE_Display* display) { this->display = display; }
    ALLEGRO_FONT* getFont() const { return font; }
    int getTextWidth(std::string text) const;
    int getLineHeight() const;

private:
    ZE_Display* display;
    ALLEGRO_FONT* font;
};

#endif
