// Counts the live instances of a test class, to prove that every object the
// engine or the layer held has been destroyed.
#pragma once

#include <atomic>

namespace enginetest {

template <class Tag>
class InstanceCounter {
public:
    InstanceCounter() { live_.fetch_add(1); }
    InstanceCounter(const InstanceCounter&) { live_.fetch_add(1); }
    ~InstanceCounter() { live_.fetch_sub(1); }

    static int Live() { return live_.load(); }

private:
    // Changed on any thread: objects are created and destroyed on the engine's threads too.
    static inline std::atomic<int> live_{0};
};

}  // namespace enginetest
