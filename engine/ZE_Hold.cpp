#include "engine/ZE_Hold.h"

#include <allegro5/allegro.h>

ZE_Hold::ZE_Hold() : owner(!al_is_bitmap_drawing_held())
{
    if (owner)
        al_hold_bitmap_drawing(true);
}

ZE_Hold::~ZE_Hold()
{
    release();
}

void ZE_Hold::release()
{
    if (owner)
        al_hold_bitmap_drawing(false);
    owner = false;
}

ZE_Unhold::ZE_Unhold() : wasHeld(al_is_bitmap_drawing_held())
{
    if (wasHeld)
        al_hold_bitmap_drawing(false);
}

ZE_Unhold::~ZE_Unhold()
{
    if (wasHeld)
        al_hold_bitmap_drawing(true);
}
