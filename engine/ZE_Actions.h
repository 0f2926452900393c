#ifndef ENGINE_ZE_ACTIONS_H
#define ENGINE_ZE_ACTIONS_H

// The one state enumeration shared by sprites, emitters and the combat objects. Each value has
// one role; 17 and 19 are unused. A sprite's action 0 means idle or free.
enum ZE_Action : int {
    ACTION_FLY = 13,             // bullet in flight
    ACTION_FADE = 14,            // bullet or shield flash fading
    GENERATING = 15,             // particle generator running
    MOTION_FREE = 16,            // sprite physics on
    ANIMATION_LOOP = 18,         // frames cycle for ever
    SCALING = 20,                // scaleTo in progress
    ACTION_ATTACK = 21,          // enemy steering towards the base
    ACTION_RETREAT = 22,         // enemy steering away
    ACTION_SHIELD_HIT = 23,
    ACTION_SHIELD_DOWN = 24,
    ACTION_MISSILE_LAUNCH = 25,
    ACTION_MISSILE_HOMING = 26,
    ACTION_FLASH = 27,           // light flash running
};

#endif
