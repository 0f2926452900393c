#ifndef TESTS_WORLD_SUPPORT_H
#define TESTS_WORLD_SUPPORT_H

// Small fixtures for the sprite and world tests: Allegro with a 1024 x 768 window, sheets and
// tilesets drawn by the test and saved as PNG, a canvas to draw into and read back, and the
// child-process runner for the malformed-file cases.

#include "engine/ZE_Display.h"
#include "support/TestSupport.h"

#include <allegro5/allegro.h>
#include <allegro5/allegro_image.h>
#include <allegro5/allegro_primitives.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

namespace world {

inline void startAllegro()
{
    ASSERT_TRUE(al_init());
    ASSERT_TRUE(al_init_image_addon());
    ASSERT_TRUE(al_init_primitives_addon());
}

// One window per test process, kept until the process ends like the game's own.
inline ZE_Display* display()
{
    static ZE_Display* made = nullptr;
    if (!made) {
        startAllegro();
        al_set_new_display_flags(ALLEGRO_WINDOWED);
        made = new ZE_Display(1024, 768, false);
    }
    return made;
}

// A picture of w x h pixels, transparent, with `paint` drawing into it, saved as PNG. Drawn
// as a memory bitmap so it works with or without a display.
inline void savePicture(const std::string& path, int w, int h,
                        const std::function<void()>& paint)
{
    if (!al_is_system_installed())
        startAllegro();
    const int flags = al_get_new_bitmap_flags();
    al_set_new_bitmap_flags(ALLEGRO_MEMORY_BITMAP);
    ALLEGRO_BITMAP* picture = al_create_bitmap(w, h);
    al_set_new_bitmap_flags(flags);
    ALLEGRO_BITMAP* previous = al_get_target_bitmap();
    al_set_target_bitmap(picture);
    al_clear_to_color(al_map_rgba(0, 0, 0, 0));
    if (paint)
        paint();
    ASSERT_TRUE(al_save_bitmap(path.c_str(), picture)) << path;
    if (previous)
        al_set_target_bitmap(previous);
    al_destroy_bitmap(picture);
}

// Opaque colour for frame or tile number k: red = 10 * (k + 1), so a read pixel names it.
inline ALLEGRO_COLOR numbered(int k)
{
    return al_map_rgb(static_cast<unsigned char>(10 * (k + 1)), 60, 200);
}

// A sheet of rows x columns frames of w x h, frame k filled with numbered(k).
inline void saveGridSheet(const std::string& png, int rows, int columns, int w, int h)
{
    savePicture(png, columns * w, rows * h, [&] {
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < columns; ++c)
                al_draw_filled_rectangle(c * w, r * h, (c + 1) * w, (r + 1) * h,
                                         numbered(columns * r + c));
    });
}

inline void writeDat(const std::string& path, int rows, int columns, int w, int h)
{
    testsupport::writeFile(path, std::to_string(rows) + " rows\n" + std::to_string(columns) +
                                     " columns\n" + std::to_string(w) + " width\n" +
                                     std::to_string(h) + " height\n");
}

// An off-screen video bitmap to draw into and read back; the design area sits at (margin,
// margin) so draws just beyond the screen's edges stay visible.
class Canvas {
public:
    static constexpr int margin = 64;
    Canvas() : bitmap(al_create_bitmap(1024 + 2 * margin, 768 + 2 * margin))
    {
        al_set_target_bitmap(bitmap);
        al_clear_to_color(al_map_rgba(0, 0, 0, 0));
        ALLEGRO_TRANSFORM shift;
        al_identity_transform(&shift);
        al_translate_transform(&shift, margin, margin);
        al_use_transform(&shift);
    }
    ~Canvas()
    {
        display()->restoreTarget();
        al_destroy_bitmap(bitmap);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    // Pixel at design coordinates (x, y), as 8-bit channels.
    void read(int x, int y, unsigned char& r, unsigned char& g, unsigned char& b,
              unsigned char& a) const
    {
        al_unmap_rgba(al_get_pixel(bitmap, x + margin, y + margin), &r, &g, &b, &a);
    }
    unsigned char alphaAt(int x, int y) const
    {
        unsigned char r, g, b, a;
        read(x, y, r, g, b, a);
        return a;
    }
    unsigned char redAt(int x, int y) const
    {
        unsigned char r, g, b, a;
        read(x, y, r, g, b, a);
        return r;
    }
    void clear()
    {
        al_clear_to_color(al_map_rgba(0, 0, 0, 0));
    }

private:
    ALLEGRO_BITMAP* bitmap;
};

// For the malformed-file cases. Runs inside a death test's child: gtest's "threadsafe" style
// re-executes the test binary, so the child inherits no Allegro state and no X connection.
// DISPLAY is removed before Allegro starts, so the error box finds no X server and returns at
// once (under Xvfb it would open a window and wait for a click). The child makes its own
// directory, removed by an exit handler because the loader ends the process with exit(1).
inline std::string childDirectory()
{
    static std::string made;
    char pattern[] = "/tmp/twinguard-world-XXXXXX";
    made = mkdtemp(pattern);
    std::atexit([] { std::filesystem::remove_all(made); });
    unsetenv("DISPLAY");
    startAllegro();
    return made;
}

}  // namespace world

#endif
