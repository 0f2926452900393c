#ifndef TESTS_SUPPORT_COMBATFIXTURE_H
#define TESTS_SUPPORT_COMBATFIXTURE_H

// Fixtures for the combat tests: every sheet a craft needs, drawn by the test as opaque
// numbered frames with their description files; a sample table of short WAV tones on the
// null sound device; and an application frame whose keyboard the test feeds.

#include "engine/ZE_Audio.h"
#include "engine/ZE_Display.h"
#include "engine/ZE_Game.h"
#include "engine/ZE_Keyboard.h"
#include "engine/ZE_Sample.h"
#include "engine/ZE_Sprite.h"
#include "support/TestSupport.h"
#include "world_support.h"

#include <allegro5/allegro.h>
#include <allegro5/allegro_acodec.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

namespace combat {

// The game's display with its 60 frames per second.
inline ZE_Display* display()
{
    ZE_Display* d = world::display();
    d->setMaxFPS(60);
    return d;
}

// Frame sizes of the test sheets. The base is wider than high, like the real one; the big
// shield covers it, so a point at the base's centre lies inside both masks.
struct SheetSizes {
    static constexpr int kParticle = 8;
    static constexpr int kCannon = 16;
    static constexpr int kShieldBig = 128;
    static constexpr int kShieldLittle = 48;
    static constexpr int kShieldMedium = 64;
    static constexpr int kLight = 32;
    static constexpr int kBaseW = 96;
    static constexpr int kBaseH = 48;
    static constexpr int kEnemy = 32;
};

// A sheet of one row of `columns` opaque frames, saved with its ".dat"; returns the PNG path.
inline std::string makeSheet(const testsupport::TempDir& dir, const std::string& name,
                             int columns, int w, int h)
{
    const std::string png = dir.file(name + ".png");
    world::saveGridSheet(png, 1, columns, w, h);
    world::writeDat(dir.file(name + ".dat"), 1, columns, w, h);
    return png;
}

// Every sheet of the craft, loaded once like the game's own.
struct Sheets {
    testsupport::TempDir dir;
    ZE_Display* screen;
    ZE_Sprite* particles;
    ZE_Sprite* cannons;
    ZE_Sprite* playerCannon;
    ZE_Sprite* shieldsBig;
    ZE_Sprite* shieldsLittle;
    ZE_Sprite* shieldsMedium;
    ZE_Sprite* lights;
    std::string base;
    std::string hunter;
    std::string bandit;
    std::string cruiser;
    std::string armadillo;

    Sheets() : screen(display())
    {
        using S = SheetSizes;
        particles = load(makeSheet(dir, "particles", 8, S::kParticle, S::kParticle));
        cannons = load(makeSheet(dir, "cannons", 16, S::kCannon, S::kCannon));
        playerCannon = load(makeSheet(dir, "player_cannon", 16, S::kCannon, S::kCannon));
        shieldsBig = load(makeSheet(dir, "shields_big", 4, S::kShieldBig, S::kShieldBig));
        shieldsLittle =
            load(makeSheet(dir, "shields_little", 4, S::kShieldLittle, S::kShieldLittle));
        shieldsMedium =
            load(makeSheet(dir, "shields_medium", 4, S::kShieldMedium, S::kShieldMedium));
        lights = load(makeSheet(dir, "lights", 2, S::kLight, S::kLight));
        base = makeSheet(dir, "base", 4, S::kBaseW, S::kBaseH);
        hunter = makeSheet(dir, "hunter", 4, S::kEnemy, S::kEnemy);
        bandit = makeSheet(dir, "bandit", 4, S::kEnemy, S::kEnemy);
        cruiser = makeSheet(dir, "cruiser", 4, S::kEnemy, S::kEnemy);
        armadillo = makeSheet(dir, "armadillo", 4, S::kEnemy, S::kEnemy);
    }

    ZE_Sprite* load(const std::string& png)
    {
        return new ZE_Sprite(png, screen, 0, 0, nullptr, 1);
    }
};

// The game's sample table (slot 9 empty) on the null sound device; tones last 2 s so a
// sound started by a test is still playing when it looks.
struct Samples {
    testsupport::TempDir dir;
    ZE_Audio* audio = nullptr;
    ZE_Sample* table[12] = {};

    Samples()
    {
        setenv("ALSA_CONFIG_PATH", SOURCE_DIR "/tests/alsa-null.conf", 1);
        EXPECT_TRUE(al_init_acodec_addon());
        audio = new ZE_Audio(nullptr, 14, 1);
        for (int i = 0; i < 12; ++i) {
            if (i == 9)
                continue;
            const std::string path = dir.file("sound" + std::to_string(i) + ".wav");
            testsupport::writeTone(path, 2.0);
            table[i] = new ZE_Sample(path, audio, nullptr);
        }
    }
    // Instances of the pool playing right now.
    int playing() const
    {
        int n = 0;
        for (int i = 0; i < audio->getTotalSoundInstances(); ++i)
            n += al_get_sample_instance_playing(audio->getSoundInstance(i)) ? 1 : 0;
        return n;
    }
};

// The application frame without the library start-up, with a keyboard the test drives
// through a user event source (the frame's keyboard field is set from here, test-side only).
class KeyGame : public ZE_Game {
public:
    KeyGame() : ZE_Game(2, true, NoLibrary{})
    {
        EXPECT_TRUE(al_install_keyboard());
        keyboard = new ZE_Keyboard();
        al_init_user_event_source(&source);
        keyboard->registerTestSource(&source);
    }
    ~KeyGame()
    {
        delete keyboard;
        keyboard = nullptr;
        al_destroy_user_event_source(&source);
    }
    KeyGame(const KeyGame&) = delete;
    KeyGame& operator=(const KeyGame&) = delete;

    // Queues a press or release and polls it, as one frame's poll would.
    void press(int key) { send(ALLEGRO_EVENT_KEY_DOWN, key); }
    void release(int key) { send(ALLEGRO_EVENT_KEY_UP, key); }

private:
    void send(ALLEGRO_EVENT_TYPE type, int key)
    {
        ALLEGRO_EVENT event = {};
        event.keyboard.type = type;
        event.keyboard.keycode = key;
        EXPECT_TRUE(al_emit_user_event(&source, &event, nullptr));
        keyboard->getEvent();
    }

    ALLEGRO_EVENT_SOURCE source;
};

}  // namespace combat

#endif
