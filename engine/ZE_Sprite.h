#ifndef ENGINE_ZE_SPRITE_H
#define ENGINE_ZE_SPRITE_H

#include "engine/ZE_Bitmap.h"

#include <string>

struct ALLEGRO_BITMAP;
class ZE_Display;

// An animated, movable, hit-testable sprite: a grid of equally sized frames cut from one sheet
// (described by a ".dat" file beside it), plus motion, animation, scaling and the point hit
// test. Base of every combat object, particle and light.
//
// Frames are sub-bitmaps of the sheet, which stays alive behind them, so all sprites of a sheet
// draw from one texture and a held run of them is one batch. Collision masks are CPU copies
// (alpha arrays), so a hit test never reads a pixel back from a video bitmap.
class ZE_Sprite : public ZE_Bitmap {
public:
    // With a share source, reads no file and uses the source's frames (the same array).
    ZE_Sprite(std::string path, ZE_Display* display, int x, int y, ZE_Sprite* shareFrom,
              int collisionType);

    // Sheets and frames live for the whole run.
    ZE_Sprite(const ZE_Sprite&) = delete;
    ZE_Sprite& operator=(const ZE_Sprite&) = delete;

    void loadSprite(std::string path, ZE_Sprite* shareFrom);
    void loadData(std::string path);
    void loadFrames(std::string path);

    // Draws the current frame less the camera offset; a type-3 sprite also recomputes its hit
    // box and, when stale, its silhouette.
    void draw();
    // One frame of animation, scaling and free motion.
    void run();
    // ZE_Bitmap::reset, life 100, no animation, free motion with no velocity, no scaling,
    // action 0. Collision fields, scroll pointers and sheet data stay.
    void reset();
    // Box outline, and for pixel-tested sprites the mask; debug overlay only, drawing not held.
    void debug();

    void startAnimation(int first, int last, int delay);  // ignored while an animation runs
    void scaleTo(float target, float step);               // ignored while a scaling runs
    // Is the world point (px, py) on the sprite? Types: 0 never, 1 box, 2 and 3 box then mask.
    bool hitTest(float px, float py);

    void setScrollXP(float* value) { scrollXP = value; }
    void setScrollYP(float* value) { scrollYP = value; }
    float* getScrollXP() const { return scrollXP; }
    float* getScrollYP() const { return scrollYP; }

    int getRows() const { return rows; }
    int getColumns() const { return columns; }
    int getWidth() const { return width; }    // frame size; hides ZE_Bitmap::getHeight
    int getHeight() const { return height; }
    int getAction() const { return action; }

    int getCollisionType() const { return collisionType; }
    int getHitWidth() const { return hitWidth; }
    int getHitHeight() const { return hitHeight; }
    bool isMaskDirty() const { return maskDirty; }

    int getCurrentFrame() const { return currentFrame; }
    void setCurrentFrame(int frame);  // ignored while an animation runs
    int getAnimationMode() const { return animationMode; }
    int getScaleMode() const { return scaleMode; }
    int getMotionMode() const { return motionMode; }

    // The motion setters act only in free motion (motionMode 16).
    float getSpeedX() const { return speedX; }
    float getSpeedY() const { return speedY; }
    void setSpeedX(float value);
    void setSpeedY(float value);
    float getGravityX() const { return gravityX; }
    float getGravityY() const { return gravityY; }
    void setGravityX(float value);
    void setGravityY(float value);
    float getFrictionX() const { return frictionX; }
    float getFrictionY() const { return frictionY; }
    void setFrictionX(float value);
    void setFrictionY(float value);
    float getAccelerationX() const { return accelerationX; }
    float getAccelerationY() const { return accelerationY; }
    void setAccelerationX(float value);
    void setAccelerationY(float value);

    // The frame pictures (sub-bitmaps of the sheet), row-major, for owners that draw them.
    ALLEGRO_BITMAP* getFrame(int index) const { return frames[index]; }

protected:
    bool maskDirty;
    int collisionType;
    int hitWidth;
    int hitHeight;
    int currentFrame;
    int animationStart;
    int animationEnd;
    int animationMode;
    int frameDelay;
    int frameCounter;
    float speedX;
    float speedY;
    float gravityX;
    float gravityY;
    float frictionX;
    float frictionY;
    float accelerationX;
    float accelerationY;
    int motionMode;
    int scaleMode;
    float scaleStep;
    float scaleTarget;
    float* scrollXP = nullptr;
    float* scrollYP = nullptr;
    int action;
    int rows = 0;
    int columns = 0;
    int width = 0;
    int height = 0;
    ALLEGRO_BITMAP** frames = nullptr;
    // Type 2: frame 0. Type 3: a picture of its own, shown by debug() only.
    ALLEGRO_BITMAP* mask = nullptr;

private:
    void redrawSilhouette();
    void showSilhouette();

    std::string dataName;                    // the ".dat" path, for messages
    ALLEGRO_BITMAP* sheet = nullptr;         // parent of the frames; owned by the loader
    // Alpha of every frame, frame k at k * width * height, row-major; shared like frames.
    const unsigned char* frameAlpha = nullptr;
    // Type 3: silhouette alpha, maskSide x maskSide. Type 2 reads frameAlpha directly.
    unsigned char* maskAlpha = nullptr;
    int maskSide = 0;
    bool maskShown = false;                  // the type-3 mask picture matches maskAlpha
};

#endif
