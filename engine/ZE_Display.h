#ifndef ENGINE_ZE_DISPLAY_H
#define ENGINE_ZE_DISPLAY_H

#include <allegro5/transformations.h>

struct ALLEGRO_BITMAP;
struct ALLEGRO_DISPLAY;

// The game's one window or full screen. Everything is drawn at the requested (design) size;
// when the system grants another size, a transform scales the picture to fit, centred between
// black bars, so getWidth()/getHeight() always answer the requested size.
class ZE_Display {
public:
    ZE_Display(int width, int height, bool fullscreen);

    ALLEGRO_DISPLAY* getDisplay() const { return display; }
    int getWidth() const { return width; }
    int getHeight() const { return height; }
    int getMaxFPS() const { return maxFPS; }
    void setMaxFPS(int fps) { maxFPS = fps; }
    bool isFullscreen() const { return fullscreen; }

    // Blocking fade of the whole screen: 129 passes, each drawn over the frame being left.
    void fade(int r, int g, int b, float delay);
    // Makes the back buffer the target again, with the design transform and clipping.
    void restoreTarget();
    // Called at the start of every frame: follows a change of the real display size (a
    // desktop may resize a full-screen window after it was made) and clears the bars.
    void beginFrame();

    // Where the design picture lands on a real display: scaled to fit, centred.
    struct Fit {
        float scale;
        int x, y, w, h;
    };
    static Fit fit(int realWidth, int realHeight, int width, int height);

private:
    void fitToDisplay();

    int width;
    int height;
    int maxFPS = 0;
    bool fullscreen;
    ALLEGRO_DISPLAY* display;
    ALLEGRO_TRANSFORM designTransform;
    int realWidth = 0, realHeight = 0;
    Fit area = {1.0f, 0, 0, 0, 0};
    ALLEGRO_BITMAP* lastFrame = nullptr;   // the frame being faded, at the real size
};

#endif
