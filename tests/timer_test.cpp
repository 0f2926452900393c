#include "engine/ZE_Timer.h"

#include <allegro5/allegro.h>
#include <gtest/gtest.h>

TEST(Timer, StartStopAndRestartCountFromZero)
{
    ASSERT_TRUE(al_init());
    ZE_Timer timer(1.0 / 60.0);
    EXPECT_FALSE(timer.isStarted());
    EXPECT_EQ(timer.getCount(), 0);

    timer.start();
    EXPECT_TRUE(timer.isStarted());
    al_rest(0.2);
    const int64_t counted = timer.getCount();
    EXPECT_GE(counted, 8);  // about 12 ticks in 0.2 s; generous for a loaded machine
    EXPECT_LE(counted, 30);

    timer.start();  // a second start only resets the count
    EXPECT_TRUE(timer.isStarted());
    EXPECT_LT(timer.getCount(), counted);
    al_rest(0.1);
    EXPECT_GT(timer.getCount(), 0);

    timer.stop();
    EXPECT_FALSE(timer.isStarted());
    EXPECT_EQ(timer.getCount(), 0);
    al_rest(0.05);
    EXPECT_EQ(timer.getCount(), 0);
}
