#ifndef ENGINE_ZE_AUDIO_H
#define ENGINE_ZE_AUDIO_H

struct ALLEGRO_MIXER;
struct ALLEGRO_SAMPLE_INSTANCE;
struct ALLEGRO_VOICE;
class ZE_Display;

// One voice, one mixer and a fixed pool of sample instances, made once at start-up.
// A sound plays on the first idle instance; with none idle it is dropped.
class ZE_Audio {
public:
    ZE_Audio(ZE_Display* display, int sounds, int musics);

    ALLEGRO_SAMPLE_INSTANCE* getSoundInstance(int i) const { return soundInstances[i]; }
    int getTotalSoundInstances() const { return totalSoundInstances; }

private:
    ALLEGRO_VOICE* voice;
    ALLEGRO_MIXER* mixer;
    ALLEGRO_SAMPLE_INSTANCE** soundInstances;
    ALLEGRO_SAMPLE_INSTANCE** musicInstances;
    int totalSoundInstances;
    int totalMusicInstances;
};

#endif
