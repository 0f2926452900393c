#include "engine/ZE_Game.h"

#include "engine/ZE.h"
#include "engine/ZE_Audio.h"
#include "engine/ZE_Display.h"
#include "engine/ZE_Font.h"
#include "engine/ZE_Keyboard.h"
#include "engine/ZE_Timer.h"
#include "engine/ZE_Util.h"

#include <allegro5/allegro.h>
#include <allegro5/allegro_acodec.h>
#include <allegro5/allegro_font.h>
#include <allegro5/allegro_image.h>
#include <allegro5/allegro_primitives.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace {
constexpr int kResolutions[4][2] = {{640, 480}, {800, 600}, {1024, 768}, {1152, 864}};
constexpr int kDefaultResolution = 2;

bool validKeyCode(int code)
{
    return code >= 1 && code < ALLEGRO_KEY_MAX;
}
}  // namespace

ZE_Game::ZE_Game(int resolution, bool fullscreen)
    : screenResolution(resolution), fullscreen(fullscreen)
{
    init();
}

ZE_Game::ZE_Game(int resolution, bool fullscreen, NoLibrary)
    : screenResolution(resolution), fullscreen(fullscreen)
{
}

void ZE_Game::init()
{
    if (!al_install_system(ALLEGRO_VERSION_INT, atexit))
        ZE_Util::fatalError(nullptr, "Failed to initialize allegro!");
    config();

    // A failing add-on shows up later as a file of its kind that cannot be loaded.
    al_install_keyboard();
    al_install_mouse();
    al_init_image_addon();
    al_init_font_addon();
    al_init_primitives_addon();
    al_init_acodec_addon();

    display = new ZE_Display(screenWidth, screenHeight, fullscreen);
    display->setMaxFPS(60);
    al_hide_mouse_cursor(display->getDisplay());
    audio = new ZE_Audio(display, 14, 1);
    keyboard = new ZE_Keyboard();
    font = new ZE_Font(ZE::dataPath() + "font.tga", display);
    timer = new ZE_Timer(1.0 / 60.0);
    std::srand(static_cast<unsigned>(std::time(nullptr)));
}

void ZE_Game::config()
{
    const std::string path = ZE::configFile();
    if (!readConfig(path)) {
        std::error_code error;
        // A file that exists but cannot be read is the player's: never replace it.
        if (!std::filesystem::exists(path, error) && !error)
            writeConfig(path);
    }
    if (screenResolution < 0 || screenResolution > 3)
        screenResolution = kDefaultResolution;
    screenWidth = kResolutions[screenResolution][0];
    screenHeight = kResolutions[screenResolution][1];
}

bool ZE_Game::readConfig(std::string path)
{
    std::ifstream file(path);
    if (!file.is_open())
        return false;

    struct KeySection {
        const char* name;
        int* field;
    };
    const KeySection keys[] = {
        {"[key_left]", &keyLeft},   {"[key_right]", &keyRight}, {"[key_up]", &keyUp},
        {"[key_down]", &keyDown},   {"[key_fire1]", &keyFire1}, {"[key_fire2]", &keyFire2},
        {"[key_fire3]", &keyFire3},
    };

    std::string token;
    bool badValue = false;
    while (!badValue && file >> token) {
        if (token == "[screen_resolution]") {
            int index = 0;
            if (!(file >> index)) {
                badValue = true;
                break;
            }
            screenResolution = (index >= 0 && index <= 3) ? index : kDefaultResolution;
        } else if (token == "[fullscreen]" || token == "[debug]") {
            bool flag = false;
            if (!(file >> flag)) {
                badValue = true;
                break;
            }
            (token == "[debug]" ? debugEnabled : fullscreen) = flag;
        } else {
            for (const KeySection& key : keys) {
                if (token != key.name)
                    continue;
                int code = 0;
                if (!(file >> code))
                    badValue = true;
                else if (validKeyCode(code))
                    *key.field = code;
                break;
            }
        }
    }
    if (badValue)
        std::fprintf(stderr, "%s: a setting has a bad value; reading stopped there and the "
                             "settings after it keep their defaults\n", path.c_str());
    return true;
}

bool ZE_Game::writeConfig(std::string path)
{
    // Written beside the target and renamed over it, so a failed write leaves nothing half done.
    const std::string temporary = path + ".new";
    {
        std::ofstream file(temporary, std::ios::trunc);
        if (!file.is_open())
            return false;
        file << "[screen_resolution]\n" << screenResolution << "\n"
             << "[fullscreen]\n" << (fullscreen ? 1 : 0) << "\n"
             << "[key_left]\n" << keyLeft << "\n"
             << "[key_right]\n" << keyRight << "\n"
             << "[key_up]\n" << keyUp << "\n"
             << "[key_down]\n" << keyDown << "\n"
             << "[key_fire1]\n" << keyFire1 << "\n"
             << "[key_fire2]\n" << keyFire2 << "\n"
             << "[key_fire3]\n" << keyFire3;
        file.close();
        if (file.fail()) {
            std::remove(temporary.c_str());
            return false;
        }
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

void ZE_Game::getStartTime()
{
    startTime = al_get_time();
}

void ZE_Game::drawToDisplay()
{
    al_flip_display();
}

void ZE_Game::waitFPS()
{
    if (pacing) {
        const double target = 1.0 / display->getMaxFPS();
        const double elapsed = al_get_time() - startTime;
        if (elapsed < target)
            al_rest(target - elapsed);
    }
    const double frame = al_get_time() - startTime;
    fps = frame > 0.0 ? 1.0 / frame : 0.0;
}

void ZE_Game::toggleDebug()
{
    if (debugEnabled)
        debugMode = !debugMode;
}
