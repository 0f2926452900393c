#ifndef ENGINE_ZE_SAMPLE_H
#define ENGINE_ZE_SAMPLE_H

#include <string>

struct ALLEGRO_SAMPLE;
struct ALLEGRO_SAMPLE_INSTANCE;
class ZE_Audio;

// One sound. Several samples may share one loaded sound; each tracks its own last playback.
class ZE_Sample {
public:
    ZE_Sample(std::string path, ZE_Audio* audio, ZE_Sample* shareFrom);

    void play();
    bool isPlaying() const;
    ZE_Audio* getAudio() const { return audio; }
    ALLEGRO_SAMPLE* getSample() const { return sample; }

private:
    ZE_Audio* audio;
    ALLEGRO_SAMPLE* sample;
    ALLEGRO_SAMPLE_INSTANCE* instance;
};

#endif
