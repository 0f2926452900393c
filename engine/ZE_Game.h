#ifndef ENGINE_ZE_GAME_H
#define ENGINE_ZE_GAME_H

#include <string>

class ZE_Audio;
class ZE_Display;
class ZE_Font;
class ZE_Keyboard;
class ZE_Timer;

// The application frame: brings the library up, reads the configuration, owns the display,
// audio pool, keyboard, engine font and tick timer, holds the key bindings and paces frames.
class ZE_Game {
public:
    ZE_Game(int resolution, bool fullscreen);

    void init();
    void config();
    bool readConfig(std::string path);
    bool writeConfig(std::string path);
    void getStartTime();
    void drawToDisplay();
    void waitFPS();
    void toggleDebug();

    ZE_Keyboard* getKeyboard() const { return keyboard; }
    ZE_Display* getDisplay() const { return display; }
    int getKeyLeft() const { return keyLeft; }
    int getKeyRight() const { return keyRight; }
    int getKeyUp() const { return keyUp; }
    int getKeyDown() const { return keyDown; }
    int getKeyFire1() const { return keyFire1; }
    int getKeyFire2() const { return keyFire2; }
    int getKeyFire3() const { return keyFire3; }
    int getScreenResolution() const { return screenResolution; }
    int getScreenWidth() const { return screenWidth; }
    int getScreenHeight() const { return screenHeight; }
    bool isFullscreen() const { return fullscreen; }
    bool isDebugEnabled() const { return debugEnabled; }
    bool isDebugMode() const { return debugMode; }
    int getState() const { return state; }
    double getFPS() const { return fps; }

    // Test frames only: the settings and bindings without bringing the library up, and
    // the main loop without its rests (frame pacing and the fades' waits).
    struct NoLibrary {};
    ZE_Game(int resolution, bool fullscreen, NoLibrary);
    void setPacing(bool on) { pacing = on; }

protected:
    double startTime = 0.0;
    int state = 0;
    int score = 0;
    double fps = 0.0;
    bool debugMode = false;
    ZE_Display* display = nullptr;
    ZE_Keyboard* keyboard = nullptr;
    ZE_Font* font = nullptr;
    ZE_Timer* timer = nullptr;
    ZE_Audio* audio = nullptr;
    int keyLeft = 82;
    int keyRight = 83;
    int keyUp = 84;
    int keyDown = 85;
    int keyFire1 = 26;
    int keyFire2 = 24;
    int keyFire3 = 3;
    int keyEscape = 59;
    int keyEnter = 67;
    int keySpace = 75;
    int keyDebug = 54;
    int screenResolution;
    int screenWidth = 1024;
    int screenHeight = 768;
    bool fullscreen;
    bool debugEnabled = false;
    bool pacing = true;
};

#endif
