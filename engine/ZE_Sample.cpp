#include "engine/ZE_Sample.h"

#include "engine/ZE_Audio.h"
#include "engine/ZE_Util.h"

#include <allegro5/allegro_audio.h>

ZE_Sample::ZE_Sample(std::string path, ZE_Audio* audio, ZE_Sample* shareFrom)
    : audio(audio), sample(nullptr), instance(nullptr)
{
    if (shareFrom) {
        sample = shareFrom->getSample();
        return;
    }
    sample = al_load_sample(path.c_str());
    if (!sample)
        ZE_Util::fatalError(nullptr, "File '" + path + "' not found or bad audio format!");
}

void ZE_Sample::play()
{
    const int total = audio->getTotalSoundInstances();
    ALLEGRO_SAMPLE_INSTANCE* idle = nullptr;
    for (int i = 0; i < total && !idle; ++i) {
        ALLEGRO_SAMPLE_INSTANCE* candidate = audio->getSoundInstance(i);
        if (!al_get_sample_instance_playing(candidate))
            idle = candidate;
    }
    if (!idle)
        return;  // every instance busy: a sound never interrupts another
    instance = idle;
    al_set_sample(instance, sample);
    al_set_sample_instance_playmode(instance, ALLEGRO_PLAYMODE_ONCE);
    al_play_sample_instance(instance);
}

bool ZE_Sample::isPlaying() const
{
    if (!instance || !al_get_sample_instance_playing(instance))
        return false;
    const ALLEGRO_SAMPLE* current = al_get_sample(instance);
    return current && al_get_sample_data(current) == al_get_sample_data(sample);
}
