#include "engine/ZE_Audio.h"

#include "engine/ZE_Display.h"
#include "engine/ZE_Util.h"

#include <allegro5/allegro_audio.h>

namespace {
// Fills a pool of instances attached to the mixer, or ends the game with the right message.
void createInstances(ALLEGRO_DISPLAY* parent, ALLEGRO_MIXER* mixer,
                     ALLEGRO_SAMPLE_INSTANCE** pool, int count, const char* createError,
                     const char* attachError)
{
    for (int i = 0; i < count; ++i) {
        pool[i] = al_create_sample_instance(nullptr);
        if (!pool[i])
            ZE_Util::fatalError(parent, createError);
        if (!al_attach_sample_instance_to_mixer(pool[i], mixer))
            ZE_Util::fatalError(parent, attachError);
    }
}
}  // namespace

ZE_Audio::ZE_Audio(ZE_Display* display, int sounds, int musics)
    : voice(nullptr), mixer(nullptr), soundInstances(nullptr), musicInstances(nullptr),
      totalSoundInstances(0), totalMusicInstances(0)
{
    ALLEGRO_DISPLAY* parent = display ? display->getDisplay() : nullptr;
    if (!al_install_audio())
        ZE_Util::fatalError(parent, "Failed to initialize audio!");
    voice = al_create_voice(44100, ALLEGRO_AUDIO_DEPTH_INT16, ALLEGRO_CHANNEL_CONF_2);
    if (!voice)
        ZE_Util::fatalError(parent, "Failed to initialize voice!");
    mixer = al_create_mixer(44100, ALLEGRO_AUDIO_DEPTH_FLOAT32, ALLEGRO_CHANNEL_CONF_2);
    if (!mixer)
        ZE_Util::fatalError(parent, "Failed to initialize mixer!");
    if (!al_attach_mixer_to_voice(mixer, voice))
        ZE_Util::fatalError(parent, "Failed to attach mixer to voice!");

    totalSoundInstances = sounds;
    totalMusicInstances = musics;
    soundInstances = new ALLEGRO_SAMPLE_INSTANCE*[sounds];
    musicInstances = new ALLEGRO_SAMPLE_INSTANCE*[musics];
    createInstances(parent, mixer, soundInstances, sounds,
                    "Failed to create sample instance for sounds!",
                    "Failed to attach sounds sample instance to mixer!");
    createInstances(parent, mixer, musicInstances, musics,
                    "Failed to create sample instance for musics!",
                    "Failed to attach musics sample instance to mixer!");
}
