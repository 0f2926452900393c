#ifndef ENGINE_ZE_BITMAP_H
#define ENGINE_ZE_BITMAP_H

#include <string>

struct ALLEGRO_BITMAP;
class ZE_Display;

// A drawable picture with the placement it is drawn with (position, pivot, scale, rotation,
// opacity, flips) and two fields every game object needs (life, enable). Base of ZE_Sprite,
// ZE_Map and Stage; those call the versions here explicitly (no virtual functions).
class ZE_Bitmap {
public:
    // With a share source, takes its picture (no file access, path ignored); else loads path.
    ZE_Bitmap(std::string path, ZE_Display* display, ZE_Bitmap* shareFrom);

    void loadBitmap(std::string path);
    void draw();
    // Angle below 0 gets 360 added, then above 360 gets 360 subtracted: one step each.
    void checkValues();
    // Placement fields to their defaults; display and picture stay.
    void reset();
    // Releases a picture this instance loaded (not a shared one); draw() then does nothing.
    void destroyPicture();

    float getX() const { return x; }
    float getY() const { return y; }
    void setX(float value) { x = value; }
    void setY(float value) { y = value; }
    float* getXP() { return &x; }
    float* getYP() { return &y; }
    float getScaleX() const { return scaleX; }
    float getScaleY() const { return scaleY; }
    void setScaleX(float value) { scaleX = value; }
    void setScaleY(float value) { scaleY = value; }
    float getAngle() const { return angle; }
    void setAngle(float value) { angle = value; }
    float getCenterX() const { return centerX; }
    float getCenterY() const { return centerY; }
    void setCenterX(float value) { centerX = value; }
    void setCenterY(float value) { centerY = value; }
    int getLife() const { return life; }
    void setLife(int value) { life = value; }
    unsigned char getAlpha() const { return alpha; }
    void setAlpha(unsigned char value) { alpha = value; }
    bool getEnable() const { return enable; }
    void setEnable(bool value) { enable = value; }
    ALLEGRO_BITMAP* getBitmap() const { return bitmap; }
    int getHeight() const;
    void setDisplay(ZE_Display* value) { display = value; }
    ZE_Display* getDisplay() const { return display; }

protected:
    float x;
    float y;
    float scaleX;
    float scaleY;
    float angle;
    float centerX;
    float centerY;
    int life;
    unsigned char alpha;
    unsigned char tintRed;
    unsigned char tintGreen;
    unsigned char tintBlue;
    int flipHorizontal;
    int flipVertical;
    bool enable;
    ZE_Display* display = nullptr;
    ALLEGRO_BITMAP* bitmap = nullptr;

private:
    bool ownsPicture = false;
};

#endif
