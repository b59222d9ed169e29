// Promises of the simulated host that the other tests stand on.
#include <gtest/gtest.h>

#include "hostsim/host.h"

namespace {

TEST(Host, WorkItsHungThreadNeverStartedIsDroppedNotRunLater) {
    hostsim::Host::Options options;
    options.invokeLimitMs = 200;
    hostsim::Host host(options);
    host.HangNow(1000, "test");
    // What the work writes lives in this frame, as it does for every caller.
    bool ran = false;
    host.Invoke([&] { ran = true; });
    EXPECT_FALSE(ran);
    host.Release();
    host.Flush();
    EXPECT_FALSE(ran);
    host.Invoke([&] { ran = true; });
    EXPECT_TRUE(ran);
}

}  // namespace
