// The durations of hand-overs, written on the engine's UI thread and read on
// the bench's driving thread.
#pragma once

#include <mutex>
#include <vector>

class HandOverTimes {
public:
    void Add(double milliseconds)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_samples.push_back(milliseconds);
    }
    std::vector<double> Samples() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_samples;
    }
    size_t Count() const { return Samples().size(); }

private:
    mutable std::mutex m_mutex;
    std::vector<double> m_samples;
};
