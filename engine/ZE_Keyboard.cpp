#include "engine/ZE_Keyboard.h"

#include <allegro5/allegro.h>

ZE_Keyboard::ZE_Keyboard() : eventQueue(al_create_event_queue()), event()
{
    al_register_event_source(eventQueue, al_get_keyboard_event_source());
    clearKeys();
}

void ZE_Keyboard::getEvent()
{
    resetDownKeys();
    resetUpKeys();
    if (al_is_event_queue_empty(eventQueue))
        return;
    al_wait_for_event(eventQueue, &event);
    if (event.type == ALLEGRO_EVENT_KEY_DOWN && valid(event.keyboard.keycode)) {
        downKeys[event.keyboard.keycode] = true;
        pressedKeys[event.keyboard.keycode] = true;
    } else if (event.type == ALLEGRO_EVENT_KEY_UP && valid(event.keyboard.keycode)) {
        upKeys[event.keyboard.keycode] = true;
        pressedKeys[event.keyboard.keycode] = false;
    }
}

bool ZE_Keyboard::keyDown(int key) const
{
    return valid(key) && downKeys[key];
}

bool ZE_Keyboard::keyPressed(int key) const
{
    return valid(key) && pressedKeys[key];
}

void ZE_Keyboard::resetDownKeys()
{
    for (bool& k : downKeys)
        k = false;
}

void ZE_Keyboard::resetUpKeys()
{
    for (bool& k : upKeys)
        k = false;
}

void ZE_Keyboard::resetPressedKeys()
{
    for (bool& k : pressedKeys)
        k = false;
}

void ZE_Keyboard::clearKeys()
{
    resetDownKeys();
    resetUpKeys();
    resetPressedKeys();
}

void ZE_Keyboard::registerTestSource(ALLEGRO_EVENT_SOURCE* source)
{
    al_register_event_source(eventQueue, source);
}
