// The counted chain that every host lookup uses, on a real host tree.
#include <gtest/gtest.h>

#include "host/search.h"
#include "host/signature.h"
#include "host/window_names.h"
#include "hostsim/host.h"

namespace {

using hostsim::Host;

TEST(CountedChain, StepNLandsOnChildNModKPlusOne) {
    Host host;
    for (int k : {0, 1, 2, 7}) {
        HWND child = host.OpenChild({"chain", {{host::kIconClass, k}, {host::kStaticClass, 2}}});
        const auto icons = Host::Children(child, host::kIconClass);
        ASSERT_EQ(static_cast<int>(icons.size()), k);
        for (int n = 1; n <= 3 * (k + 1); ++n) {
            const int expected = n % (k + 1);
            HWND want = expected == 0 ? nullptr : icons[expected - 1];
            EXPECT_EQ(host::NthChild(child, host::kIconClass, n), want) << "k=" << k << " n=" << n;
        }
    }
}

TEST(CountedChain, ContinuingAChainCountsFromWhereItStood) {
    Host host;
    HWND child = host.OpenChild({"chain", {{host::kIconClass, 14}}});
    HWND eighth = host::NthChild(child, host::kIconClass, 8);
    EXPECT_EQ(host::StepChildChain(child, host::kIconClass, eighth, 6),
              host::NthChild(child, host::kIconClass, 14));
    EXPECT_EQ(host::NthChild(child, host::kIconClass, 14),
              Host::Children(child, host::kIconClass)[13]);
}

TEST(CountedChain, FromParentZeroFindsNothingOfTheHost) {
    Host host;
    host.OpenChild({"chain", {{host::kIconClass, 14}, {host::kRichClass, 2}}});
    for (const char* cls :
         {host::kIconClass, host::kRichClass, host::kStaticClass, host::kViewClass}) {
        EXPECT_EQ(host::NthChild(nullptr, cls, 1), nullptr) << cls;
    }
}

TEST(Signature, MetOnlyWhenEveryRequiredControlIsThere) {
    Host host;
    HWND full = host.OpenChild({"full", {{host::kIconClass, 14}, {host::kStaticClass, 4}}});
    HWND seven = host.OpenChild({"seven", {{host::kIconClass, 7}, {host::kStaticClass, 4}}});
    HWND one = host.OpenChild({"one", {{host::kIconClass, 1}, {host::kStaticClass, 4}}});
    const auto check = [](HWND w) {
        return host::MeetsSignature(w, {{host::kStaticClass, 3},
                                        {host::kStaticClass, 4},
                                        {host::kIconClass, 8},
                                        {host::kIconClass, 14}});
    };
    EXPECT_TRUE(check(full));
    EXPECT_FALSE(check(seven));  // step 8 of a chain over seven icons is 0
    EXPECT_FALSE(check(one));    // step 8 over one icon: 8 mod 2 = 0
    EXPECT_FALSE(check(nullptr));
}

TEST(Search, FindsTheFirstMatchInChildOrderAndWrapsPastTheLast) {
    Host host;
    HWND plain = host.OpenChild({"plain", {{host::kStaticClass, 1}}});
    HWND target = host.OpenChild({"target", {{host::kEditClass, 1}}, /*atBack=*/true});
    int examined = 0;
    HWND found = host::SearchHostChildren([&](HWND w) {
        ++examined;
        return w == target;
    });
    EXPECT_EQ(found, target);
    EXPECT_EQ(examined, 2);  // plain first, then target
    (void)plain;

    examined = 0;
    EXPECT_EQ(host::SearchHostChildren([&](HWND) {
                  ++examined;
                  return false;
              }),
              nullptr);
    // each distinct candidate (two windows and the 0 between passes) is examined once
    EXPECT_EQ(examined, 3);
}

TEST(Search, WithoutAHostEveryCandidateIsZero) {
    int examined = 0;
    EXPECT_EQ(host::SearchHostChildren([&](HWND w) {
                  EXPECT_EQ(w, nullptr);
                  ++examined;
                  return false;
              }),
              nullptr);
    EXPECT_EQ(examined, 1);
}

}  // namespace
