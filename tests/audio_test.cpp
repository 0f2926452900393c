#include "engine/ZE_Audio.h"
#include "engine/ZE_Sample.h"

#include "support/TestSupport.h"

#include <allegro5/allegro.h>
#include <allegro5/allegro_acodec.h>
#include <allegro5/allegro_audio.h>
#include <gtest/gtest.h>


namespace {

class AudioTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(al_init());
        ASSERT_TRUE(al_init_acodec_addon());
        audio = new ZE_Audio(nullptr, 14, 1);
        testsupport::writeTone(dir.file("long.wav"), 5.0);
        testsupport::writeTone(dir.file("short.wav"), 0.05);
    }

    testsupport::TempDir dir;
    ZE_Audio* audio = nullptr;
};

}  // namespace

TEST_F(AudioTest, FifteenSoundsAtOncePlayFourteen)
{
    ASSERT_EQ(audio->getTotalSoundInstances(), 14);
    ZE_Sample loaded(dir.file("long.wav"), audio, nullptr);
    ZE_Sample* sounds[15];
    for (ZE_Sample*& s : sounds)
        s = new ZE_Sample("", audio, &loaded);
    for (ZE_Sample* s : sounds)
        s->play();
    int playing = 0;
    for (int i = 0; i < 14; ++i)
        playing += sounds[i]->isPlaying() ? 1 : 0;
    EXPECT_EQ(playing, 14);
    EXPECT_FALSE(sounds[14]->isPlaying()) << "the fifteenth sound must be dropped";
    for (int i = 0; i < 14; ++i)
        EXPECT_TRUE(al_get_sample_instance_playing(audio->getSoundInstance(i))) << i;
}

TEST_F(AudioTest, IsPlayingFollowsTheSamplesOwnPlayback)
{
    ZE_Sample shortSound(dir.file("short.wav"), audio, nullptr);
    ZE_Sample longSound(dir.file("long.wav"), audio, nullptr);
    EXPECT_FALSE(shortSound.isPlaying()) << "before the first play";

    shortSound.play();
    EXPECT_TRUE(shortSound.isPlaying());
    for (int i = 0; i < 100 && shortSound.isPlaying(); ++i)
        al_rest(0.01);
    ASSERT_FALSE(shortSound.isPlaying()) << "a 50 ms sound should have ended within a second";

    // The long sound takes the same, lowest idle instance.
    longSound.play();
    EXPECT_TRUE(longSound.isPlaying());
    EXPECT_TRUE(al_get_sample_instance_playing(audio->getSoundInstance(0)));
    EXPECT_FALSE(shortSound.isPlaying()) << "its instance now plays another sample";
}

TEST_F(AudioTest, SharedSamplesPlayTheSameSoundAndTrackTheirOwnInstance)
{
    ZE_Sample original(dir.file("long.wav"), audio, nullptr);
    ZE_Sample shared("ignored/path.ogg", audio, &original);
    EXPECT_EQ(shared.getSample(), original.getSample());
    EXPECT_EQ(shared.getAudio(), audio);

    original.play();
    EXPECT_FALSE(shared.isPlaying()) << "the share has not played yet";
    shared.play();
    EXPECT_TRUE(shared.isPlaying());
    EXPECT_TRUE(original.isPlaying());
    EXPECT_TRUE(al_get_sample_instance_playing(audio->getSoundInstance(1)));
}
