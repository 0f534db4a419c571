#include "platform/ordered_worker.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace {

// Items are done in their order; after a failure those that follow are dropped, Close
// gives the failure once, and the worker takes items again afterwards.
TEST(OrderedWorkerTest, ItemsInOrderUntilAFailure) {
    std::vector<int> done;
    platform::OrderedWorker<int> worker([&](int& item) {
        if (item < 0) throw std::runtime_error("failed");
        done.push_back(item);
    });
    for (const int item : {1, 2, 3}) worker.Add(item);
    worker.WaitUntilDone();
    EXPECT_EQ(done, (std::vector<int>{1, 2, 3}));
    for (const int item : {4, -1, 5, 6}) worker.Add(item);
    EXPECT_NE(worker.Close(), nullptr);
    EXPECT_EQ(done, (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(worker.Close(), nullptr);
    worker.Add(7);
    EXPECT_EQ(worker.Close(), nullptr);
    EXPECT_EQ(done.back(), 7);
}

}  // namespace
