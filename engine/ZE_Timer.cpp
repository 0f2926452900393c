#include "engine/ZE_Timer.h"

#include <allegro5/allegro.h>

ZE_Timer::ZE_Timer(double speed) : timer(al_create_timer(speed)), speed(speed) {}

void ZE_Timer::start()
{
    al_start_timer(timer);
    al_set_timer_count(timer, 0);
}

void ZE_Timer::stop()
{
    al_stop_timer(timer);
    al_set_timer_count(timer, 0);
}

int64_t ZE_Timer::getCount() const
{
    return al_get_timer_count(timer);
}

bool ZE_Timer::isStarted() const
{
    return al_get_timer_started(timer);
}
