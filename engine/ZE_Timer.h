#ifndef ENGINE_ZE_TIMER_H
#define ENGINE_ZE_TIMER_H

#include <cstdint>

struct ALLEGRO_TIMER;

// A tick counter that tells how long a screen has been shown. Never attached to a queue.
class ZE_Timer {
public:
    explicit ZE_Timer(double speed);

    void start();
    void stop();
    int64_t getCount() const;
    bool isStarted() const;
    double getSpeed() const { return speed; }

private:
    ALLEGRO_TIMER* timer;
    double speed;
};

#endif
