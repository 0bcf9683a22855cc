#pragma once
// The save lock held by another thread until the object ends, for tests of
// what a save does when it cannot have the lock.
#include <gtest/gtest.h>

#include <future>
#include <thread>

#include "settings/FileSystem.h"

namespace mervik::testing {

class HeldSaveLock {
public:
    HeldSaveLock()
        : holder_([this] {
              fs::SaveLock lock;
              taken_.set_value(lock.Held());
              release_.get_future().wait();
          }) {
        EXPECT_TRUE(taken_.get_future().get());
    }
    ~HeldSaveLock() {
        release_.set_value();
        holder_.join();
    }
    HeldSaveLock(const HeldSaveLock&) = delete;
    HeldSaveLock& operator=(const HeldSaveLock&) = delete;

private:
    std::promise<bool> taken_;
    std::promise<void> release_;
    std::thread holder_;
};

} // namespace mervik::testing
