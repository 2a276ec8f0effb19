#include <gtest/gtest.h>

#include <sys/resource.h>

#include "platform/Priority.h"

namespace vortel {

// Whatever the boost could do here, the process leaves it at the priority it had before.
TEST(PriorityBoost, AlwaysRestoresThePreviousPriority) {
    const int before = getpriority(PRIO_PROCESS, 0);
    {
        const PriorityBoost boost;
        const int during = getpriority(PRIO_PROCESS, 0);
        if (boost.raised()) EXPECT_LT(during, before);
        else EXPECT_EQ(during, before);
    }
    EXPECT_EQ(getpriority(PRIO_PROCESS, 0), before);
}

// Without an allowance for raising, nothing is raised (and no privilege is used).
TEST(PriorityBoost, StaysWithinTheUnprivilegedLimit) {
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_NICE, &old), 0);
    rlimit none{0, old.rlim_max};
    ASSERT_EQ(setrlimit(RLIMIT_NICE, &none), 0);
    {
        const PriorityBoost boost;
        EXPECT_FALSE(boost.raised());
    }
    setrlimit(RLIMIT_NICE, &old);
}

}  // namespace vortel
