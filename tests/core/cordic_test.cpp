#include "cordic.h"

#include <gtest/gtest.h>

TEST(CordicGain, FullGainMatchesTheExactProduct) {
    EXPECT_NEAR(CordicGain(53), 0.6072529350088812561694467525L, 1e-18L);
}
