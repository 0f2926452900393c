#include "engine/ZE_Sprite.h"

#include "engine/ZE_Actions.h"
#include "engine/ZE_Display.h"
#include "engine/ZE_TextReader.h"
#include "engine/ZE_Util.h"

#include <allegro5/allegro.h>
#include <allegro5/allegro_primitives.h>

#include <cmath>
#include <cstring>

namespace {

float offset(const float* p)
{
    return p ? *p : 0.0f;
}

ALLEGRO_DISPLAY* allegroDisplay(ZE_Display* display)
{
    return display ? display->getDisplay() : nullptr;
}

}  // namespace

ZE_Sprite::ZE_Sprite(std::string path, ZE_Display* display, int x, int y, ZE_Sprite* shareFrom,
                     int collisionType)
    : ZE_Bitmap(path, display, shareFrom)
{
    reset();
    this->x = static_cast<float>(x);
    this->y = static_cast<float>(y);
    scrollXP = nullptr;
    scrollYP = nullptr;
    loadSprite(path, shareFrom);
    this->collisionType = collisionType;
    maskDirty = false;
    hitWidth = width;
    hitHeight = height;
    if (collisionType == 2) {
        mask = frames[0];
    } else if (collisionType == 3) {
        // Large enough for the frame turned to any angle at scale 1.
        maskSide = 2 * (width > height ? width : height);
        maskAlpha = new unsigned char[static_cast<size_t>(maskSide) * maskSide]();
        mask = al_create_bitmap(maskSide, maskSide);
        maskDirty = true;
    }
}

void ZE_Sprite::loadSprite(std::string path, ZE_Sprite* shareFrom)
{
    if (shareFrom) {
        rows = shareFrom->rows;
        columns = shareFrom->columns;
        width = shareFrom->width;
        height = shareFrom->height;
        frames = shareFrom->frames;
        frameAlpha = shareFrom->frameAlpha;
        sheet = shareFrom->sheet;
        dataName = shareFrom->dataName;
        return;
    }
    loadData(path);
    loadFrames(path);
}

void ZE_Sprite::loadData(std::string path)
{
    dataName = ZE_Util::cutExtension(path) + ".dat";
    ZE_TextReader reader(dataName);
    if (!reader.isOpen())
        ZE_Util::fatalError(allegroDisplay(display), "File '" + dataName + "' not found!");
    std::string label;
    const bool ok = reader.integer(rows) && reader.word(label) && reader.integer(columns) &&
                    reader.word(label) && reader.integer(width) && reader.word(label) &&
                    reader.integer(height);
    if (!ok || rows <= 0 || columns <= 0 || width <= 0 || height <= 0)
        ZE_Util::fatalError(allegroDisplay(display), "File '" + dataName + "' is malformed!");
}

void ZE_Sprite::loadFrames(std::string)
{
    sheet = bitmap;
    const long long sheetW = al_get_bitmap_width(sheet);
    const long long sheetH = al_get_bitmap_height(sheet);
    if (static_cast<long long>(columns) * width > sheetW ||
        static_cast<long long>(rows) * height > sheetH)
        ZE_Util::fatalError(allegroDisplay(display), "File '" + dataName + "' is malformed!");

    // Sub-bitmaps show the same pixels as copies would, but share the sheet's texture, so a
    // held run of sprites of one sheet is a single batch.
    const int count = rows * columns;
    frames = new ALLEGRO_BITMAP*[count];
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c)
            frames[columns * r + c] =
                al_create_sub_bitmap(sheet, c * width, r * height, width, height);

    // The hit test reads these bytes instead of a video bitmap (a read-back on every call).
    // The sheet is read back once, here.
    const size_t area = static_cast<size_t>(width) * height;
    unsigned char* alphas = new unsigned char[area * count];
    ALLEGRO_LOCKED_REGION* locked =
        al_lock_bitmap(sheet, ALLEGRO_PIXEL_FORMAT_ABGR_8888_LE, ALLEGRO_LOCK_READONLY);
    for (int k = 0; k < count; ++k) {
        const int left = (k % columns) * width;
        const int top = (k / columns) * height;
        unsigned char* out = alphas + area * k;
        for (int py = 0; py < height; ++py)
            for (int px = 0; px < width; ++px) {
                unsigned char a = 0;
                if (locked) {
                    const unsigned char* row =
                        static_cast<const unsigned char*>(locked->data) +
                        static_cast<long long>(top + py) * locked->pitch;
                    a = row[4 * (left + px) + 3];  // bytes R, G, B, A
                } else {
                    unsigned char r, g, b;
                    al_unmap_rgba(al_get_pixel(sheet, left + px, top + py), &r, &g, &b, &a);
                }
                out[width * py + px] = a;
            }
    }
    if (locked)
        al_unlock_bitmap(sheet);
    frameAlpha = alphas;
    // The sheet stays alive behind its sub-bitmaps; nothing draws it directly.
    bitmap = nullptr;
}

void ZE_Sprite::draw()
{
    if (!enable)
        return;
    checkValues();
    // A frame number outside the sheet would read past the frame array.
    if (currentFrame < 0 || currentFrame >= rows * columns)
        return;
    const float sx = offset(scrollXP);
    const float sy = offset(scrollYP);
    const ALLEGRO_COLOR tint = al_map_rgba(static_cast<unsigned char>(alpha * tintRed),
                                           static_cast<unsigned char>(alpha * tintGreen),
                                           static_cast<unsigned char>(alpha * tintBlue), alpha);
    al_draw_tinted_scaled_rotated_bitmap(frames[currentFrame], tint, centerX, centerY, x - sx,
                                         y - sy, scaleX, scaleY, ZE_Util::radians(angle),
                                         flipHorizontal | flipVertical);
    if (collisionType != 3)
        return;
    const float a = ZE_Util::radians(angle);
    const float b = ZE_Util::radians(90 - angle);
    const float w = width * scaleX;
    const float h = height * scaleY;
    hitWidth = static_cast<int>(std::fabs(std::cos(a) * w) + std::fabs(std::cos(b) * h));
    hitHeight = static_cast<int>(std::fabs(std::sin(a) * w) + std::fabs(std::sin(b) * h));
    if (maskDirty) {
        redrawSilhouette();
        maskDirty = false;
    }
}

// The frame as drawn (pivot, scale, rotation, flips) with its pivot at (hitWidth / 2,
// hitHeight / 2), computed on the CPU from the frame's alpha: mask pixel centres are mapped
// back into the frame and take the nearest frame pixel's alpha, as a nearest-sampling draw
// would. No drawing target changes, so it is safe inside a held run.
void ZE_Sprite::redrawSilhouette()
{
    std::memset(maskAlpha, 0, static_cast<size_t>(maskSide) * maskSide);
    maskShown = false;
    if (scaleX == 0 || scaleY == 0)
        return;
    const unsigned char* source = frameAlpha + static_cast<size_t>(width) * height * currentFrame;
    const float a = ZE_Util::radians(angle);
    const float c = std::cos(a);
    const float s = std::sin(a);
    const float pivotX = static_cast<float>(hitWidth / 2);
    const float pivotY = static_cast<float>(hitHeight / 2);
    for (int my = 0; my < maskSide; ++my) {
        const float dy = my + 0.5f - pivotY;
        for (int mx = 0; mx < maskSide; ++mx) {
            const float dx = mx + 0.5f - pivotX;
            // Undo the rotation, then the scale, then the pivot shift.
            float u = (dx * c + dy * s) / scaleX + centerX;
            float v = (-dx * s + dy * c) / scaleY + centerY;
            if (flipHorizontal)
                u = width - u;
            if (flipVertical)
                v = height - v;
            if (u < 0 || v < 0 || u >= width || v >= height)
                continue;
            const int fu = static_cast<int>(u);
            const int fv = static_cast<int>(v);
            maskAlpha[maskSide * my + mx] = source[width * fv + fu];
        }
    }
}

// Uploads the silhouette into the mask picture for the debug overlay (write-only, no
// read-back); only when debug() shows a silhouette that changed.
void ZE_Sprite::showSilhouette()
{
    ALLEGRO_LOCKED_REGION* locked =
        al_lock_bitmap(mask, ALLEGRO_PIXEL_FORMAT_ABGR_8888_LE, ALLEGRO_LOCK_WRITEONLY);
    if (!locked)
        return;
    for (int my = 0; my < maskSide; ++my) {
        unsigned char* row =
            static_cast<unsigned char*>(locked->data) + static_cast<long long>(my) * locked->pitch;
        for (int mx = 0; mx < maskSide; ++mx) {
            // Premultiplied opaque black, as the silhouette is drawn.
            row[4 * mx] = row[4 * mx + 1] = row[4 * mx + 2] = 0;
            row[4 * mx + 3] = maskAlpha[maskSide * my + mx];
        }
    }
    al_unlock_bitmap(mask);
    maskShown = true;
}

void ZE_Sprite::run()
{
    if (!enable)
        return;
    if (animationMode == ANIMATION_LOOP) {
        --frameCounter;
        if (frameCounter <= 0) {
            frameCounter = frameDelay;
            ++currentFrame;
        }
        if (currentFrame > animationEnd)
            currentFrame = animationStart;
    }
    if (scaleMode == SCALING) {
        scaleX += scaleStep;
        scaleY += scaleStep;
        const bool past = (scaleStep > 0 && (scaleX > scaleTarget || scaleY > scaleTarget)) ||
                          (scaleStep < 0 && (scaleTarget > scaleX || scaleTarget > scaleY));
        if (past) {
            scaleMode = 0;
            scaleX = scaleTarget;
            scaleY = scaleTarget;
        }
    }
    if (motionMode == MOTION_FREE) {
        x += speedX;
        y -= speedY;
        speedX += gravityX;
        speedY += gravityY;
        speedX -= speedX * frictionX;
        speedY -= speedY * frictionY;
        speedX += accelerationX;
        speedY += accelerationY;
        if (speedX != 0)
            angle = ZE_Util::degrees(std::atan2(-speedY, speedX));
    }
}

void ZE_Sprite::reset()
{
    ZE_Bitmap::reset();
    life = 100;
    currentFrame = 0;
    animationStart = 0;
    animationEnd = 0;
    animationMode = 0;
    frameDelay = 0;
    frameCounter = 0;
    speedX = speedY = 0;
    gravityX = gravityY = 0;
    frictionX = frictionY = 0;
    accelerationX = accelerationY = 0;
    motionMode = MOTION_FREE;
    scaleMode = 0;
    scaleStep = 0;
    scaleTarget = 0;
    action = 0;
}

void ZE_Sprite::debug()
{
    if (!enable || collisionType == 0)
        return;
    const float left = x - offset(scrollXP) - hitWidth / 2;
    const float top = y - offset(scrollYP) - hitHeight / 2;
    if (collisionType == 3 && !maskShown)
        showSilhouette();
    if (collisionType == 2 || collisionType == 3)
        al_draw_bitmap(mask, left, top, 0);
    al_draw_rectangle(left, top, x - offset(scrollXP) + hitWidth / 2,
                      y - offset(scrollYP) + hitHeight / 2, al_map_rgb(255, 0, 0), 1.0f);
}

void ZE_Sprite::startAnimation(int first, int last, int delay)
{
    if (animationMode != 0)
        return;
    animationMode = ANIMATION_LOOP;
    animationStart = first;
    currentFrame = first;
    animationEnd = last;
    frameDelay = delay;
}

void ZE_Sprite::scaleTo(float target, float step)
{
    if (scaleMode != 0 || step == 0 || scaleX == target || scaleY == target)
        return;
    if (target > scaleX || target > scaleY)
        scaleStep = step;
    if (scaleX > target || scaleY > target)
        scaleStep = -step;
    scaleMode = SCALING;
    scaleTarget = target;
}

bool ZE_Sprite::hitTest(float px, float py)
{
    if (collisionType == 0)
        return false;
    const float left = x - (hitWidth >> 1);
    const float top = y - (hitHeight >> 1);
    if (px < left || px > left + hitWidth || py < top || py > top + hitHeight)
        return false;
    if (collisionType != 2 && collisionType != 3)
        return true;
    const int mx = static_cast<int>(px - left);
    const int my = static_cast<int>(py - top);
    const unsigned char* alphas = collisionType == 2 ? frameAlpha : maskAlpha;
    const int maskW = collisionType == 2 ? width : maskSide;
    const int maskH = collisionType == 2 ? height : maskSide;
    // The right and bottom edges of the box lie one pixel beyond a mask of the box's size.
    const bool inside = mx >= 0 && my >= 0 && mx < maskW && my < maskH;
    if (inside && alphas[maskW * my + mx] != 0)
        return true;
    if (collisionType == 3)
        maskDirty = true;
    return false;
}

void ZE_Sprite::setCurrentFrame(int frame)
{
    if (animationMode == 0)
        currentFrame = frame;
}

void ZE_Sprite::setSpeedX(float value)
{
    if (motionMode == MOTION_FREE)
        speedX = value;
}

void ZE_Sprite::setSpeedY(float value)
{
    if (motionMode == MOTION_FREE)
        speedY = value;
}

void ZE_Sprite::setGravityX(float value)
{
    if (motionMode == MOTION_FREE)
        gravityX = value;
}

void ZE_Sprite::setGravityY(float value)
{
    if (motionMode == MOTION_FREE)
        gravityY = value;
}

void ZE_Sprite::setFrictionX(float value)
{
    if (motionMode == MOTION_FREE)
        frictionX = value;
}

void ZE_Sprite::setFrictionY(float value)
{
    if (motionMode == MOTION_FREE)
        frictionY = value;
}

void ZE_Sprite::setAccelerationX(float value)
{
    if (motionMode == MOTION_FREE)
        accelerationX = value;
}

void ZE_Sprite::setAccelerationY(float value)
{
    if (motionMode == MOTION_FREE)
        accelerationY = value;
}
