#ifndef ENGINE_ZE_KEYBOARD_H
#define ENGINE_ZE_KEYBOARD_H

#include <allegro5/events.h>

// Turns keyboard events into three tables polled once a frame: keys that went down at the
// last poll (an edge), keys that went up, and keys held (a level). One event per poll.
class ZE_Keyboard {
public:
    static constexpr int kKeys = 227;

    ZE_Keyboard();

    void getEvent();
    bool keyDown(int key) const;
    bool keyPressed(int key) const;
    void resetDownKeys();
    void resetUpKeys();
    void resetPressedKeys();
    void clearKeys();

    // Lets a test feed its own events (a user event source) through the real queue.
    void registerTestSource(ALLEGRO_EVENT_SOURCE* source);

private:
    static bool valid(int key) { return key >= 0 && key < kKeys; }

    ALLEGRO_EVENT_QUEUE* eventQueue;
    ALLEGRO_EVENT event;
    bool downKeys[kKeys];
    bool upKeys[kKeys];
    bool pressedKeys[kKeys];
};

#endif
