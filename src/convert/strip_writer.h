#pragma once
// Writing strips on a thread of its own, so that the next strip is drawn
// while the last is written.

#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>

#include "convert/page_strips.h"

namespace korvane {

// Hands strips to a sink one at a time, in order, on its own thread. A strip
// handed over is the sink's until the next one is handed over (or finish()
// returns); only then may it be drawn on again.
class StripWriter {
public:
    explicit StripWriter(const StripSink& sink);
    // Stops the thread; a strip not yet begun is not written.
    ~StripWriter();
    StripWriter(const StripWriter&) = delete;
    StripWriter& operator=(const StripWriter&) = delete;

    // Waits for the strip handed before, then hands this one. Throws what
    // the sink threw for an earlier strip.
    void hand(const PageImage& strip, int count);
    // Waits for the last strip. Throws what the sink threw.
    void finish();

private:
    void wait_until_idle(std::unique_lock<std::mutex>& lock);
    void run();

    const StripSink& sink_;
    std::mutex mutex_;
    std::condition_variable changed_;
    const PageImage* strip_ = nullptr;  // the strip to write, null when idle
    int count_ = 0;
    bool stopping_ = false;
    std::exception_ptr failure_;
    std::thread thread_;  // last: it starts once everything above is ready
};

}  // namespace korvane
