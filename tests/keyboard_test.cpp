#include "engine/ZE_Keyboard.h"

#include <allegro5/allegro.h>
#include <gtest/gtest.h>

namespace {

// Feeds hand-made key events through the keyboard's real event queue.
class KeyboardTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(al_init());
        ASSERT_TRUE(al_install_keyboard());
        keyboard = new ZE_Keyboard();
        al_init_user_event_source(&source);
        keyboard->registerTestSource(&source);
    }
    void TearDown() override
    {
        delete keyboard;
        al_destroy_user_event_source(&source);
    }

    void emit(ALLEGRO_EVENT_TYPE type, int keycode)
    {
        ALLEGRO_EVENT event = {};
        event.keyboard.type = type;
        event.keyboard.keycode = keycode;
        ASSERT_TRUE(al_emit_user_event(&source, &event, nullptr));
    }
    // What a key stroke queues: the press, its character, the release.
    void stroke(int keycode)
    {
        emit(ALLEGRO_EVENT_KEY_DOWN, keycode);
        emit(ALLEGRO_EVENT_KEY_CHAR, keycode);
        emit(ALLEGRO_EVENT_KEY_UP, keycode);
    }

    ALLEGRO_EVENT_SOURCE source;
    ZE_Keyboard* keyboard = nullptr;
};

}  // namespace

TEST_F(KeyboardTest, OneEventPerPollGivesTheEdgeOnceAndTheLevelUntilRelease)
{
    stroke(ALLEGRO_KEY_Z);
    struct Poll {
        bool down, pressed;
    };
    // Press, character (no change), release, then an empty queue.
    const Poll polls[] = {{true, true}, {false, true}, {false, false}, {false, false}};
    for (const Poll& p : polls) {
        keyboard->getEvent();
        EXPECT_EQ(keyboard->keyDown(ALLEGRO_KEY_Z), p.down);
        EXPECT_EQ(keyboard->keyPressed(ALLEGRO_KEY_Z), p.pressed);
    }
}

TEST_F(KeyboardTest, TwoKeysInOneIntervalRegisterOnConsecutivePolls)
{
    emit(ALLEGRO_EVENT_KEY_DOWN, ALLEGRO_KEY_LEFT);
    emit(ALLEGRO_EVENT_KEY_DOWN, ALLEGRO_KEY_X);
    keyboard->getEvent();
    EXPECT_TRUE(keyboard->keyDown(ALLEGRO_KEY_LEFT));
    EXPECT_FALSE(keyboard->keyDown(ALLEGRO_KEY_X));
    keyboard->getEvent();
    EXPECT_FALSE(keyboard->keyDown(ALLEGRO_KEY_LEFT));
    EXPECT_TRUE(keyboard->keyDown(ALLEGRO_KEY_X));
    EXPECT_TRUE(keyboard->keyPressed(ALLEGRO_KEY_LEFT));
    EXPECT_TRUE(keyboard->keyPressed(ALLEGRO_KEY_X));
}

TEST_F(KeyboardTest, ClearKeysWhileHeldCountsAsReleasedUntilANewPress)
{
    emit(ALLEGRO_EVENT_KEY_DOWN, ALLEGRO_KEY_UP);
    keyboard->getEvent();
    ASSERT_TRUE(keyboard->keyPressed(ALLEGRO_KEY_UP));
    keyboard->clearKeys();
    EXPECT_FALSE(keyboard->keyPressed(ALLEGRO_KEY_UP));
    EXPECT_FALSE(keyboard->keyDown(ALLEGRO_KEY_UP));
    keyboard->getEvent();  // nothing new: still counted as released
    EXPECT_FALSE(keyboard->keyPressed(ALLEGRO_KEY_UP));
    emit(ALLEGRO_EVENT_KEY_DOWN, ALLEGRO_KEY_UP);
    keyboard->getEvent();
    EXPECT_TRUE(keyboard->keyPressed(ALLEGRO_KEY_UP));
}

TEST_F(KeyboardTest, EmptyQueueClearsTheEdgesAndKeepsTheLevel)
{
    emit(ALLEGRO_EVENT_KEY_DOWN, ALLEGRO_KEY_C);
    keyboard->getEvent();
    keyboard->getEvent();
    EXPECT_FALSE(keyboard->keyDown(ALLEGRO_KEY_C));
    EXPECT_TRUE(keyboard->keyPressed(ALLEGRO_KEY_C));
}

TEST_F(KeyboardTest, CodesOutsideTheTablesAreNeitherReadNorWritten)
{
    for (int code : {-1, -1000, ZE_Keyboard::kKeys, 100000}) {
        EXPECT_FALSE(keyboard->keyDown(code)) << code;
        EXPECT_FALSE(keyboard->keyPressed(code)) << code;
    }
    emit(ALLEGRO_EVENT_KEY_DOWN, ZE_Keyboard::kKeys + 5);
    emit(ALLEGRO_EVENT_KEY_DOWN, ALLEGRO_KEY_ENTER);
    keyboard->getEvent();  // the bad code is consumed harmlessly
    keyboard->getEvent();
    EXPECT_TRUE(keyboard->keyDown(ALLEGRO_KEY_ENTER));
}
