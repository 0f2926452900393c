#include "engine/ZE_Display.h"

#include <allegro5/allegro.h>
#include <allegro5/allegro_primitives.h>
#include <gtest/gtest.h>

TEST(DisplayFit, TheDesignedPictureIsScaledToFitAndCentred)
{
    struct Case {
        int realW, realH, w, h;
        float scale;
        int x, y, fitW, fitH;
    };
    const Case cases[] = {
        {1024, 768, 1024, 768, 1.0f, 0, 0, 1024, 768},      // as designed
        {1280, 1024, 1024, 768, 1.25f, 0, 32, 1280, 960},   // bars above and below
        {1920, 1080, 1024, 768, 1.40625f, 240, 0, 1440, 1080},  // bars left and right
        {800, 600, 1024, 768, 0.78125f, 0, 0, 800, 600},    // smaller screen
        {1366, 768, 640, 480, 1.6f, 171, 0, 1024, 768},
    };
    for (const Case& c : cases) {
        const ZE_Display::Fit f = ZE_Display::fit(c.realW, c.realH, c.w, c.h);
        SCOPED_TRACE(std::to_string(c.realW) + "x" + std::to_string(c.realH));
        EXPECT_FLOAT_EQ(f.scale, c.scale);
        EXPECT_EQ(f.x, c.x);
        EXPECT_EQ(f.y, c.y);
        EXPECT_EQ(f.w, c.fitW);
        EXPECT_EQ(f.h, c.fitH);
    }
}

TEST(Display, FadeDarkensTheScreenAndLeavesTheBackBufferAsTarget)
{
    ASSERT_TRUE(al_init());
    ASSERT_TRUE(al_init_primitives_addon());
    ZE_Display display(640, 480, false);
    EXPECT_EQ(display.getWidth(), 640);
    EXPECT_EQ(display.getHeight(), 480);
    display.setMaxFPS(60);
    EXPECT_EQ(display.getMaxFPS(), 60);

    al_clear_to_color(al_map_rgb(255, 255, 255));
    display.fade(0, 0, 0, 0.0f);
    ASSERT_EQ(al_get_target_bitmap(), al_get_backbuffer(display.getDisplay()));
    // The last pass stays in the back buffer: practically black.
    unsigned char r, g, b;
    al_unmap_rgb(al_get_pixel(al_get_backbuffer(display.getDisplay()), 320, 240), &r, &g, &b);
    EXPECT_LT(r, 8);
    EXPECT_LT(g, 8);
    EXPECT_LT(b, 8);
}
