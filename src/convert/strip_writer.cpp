#include "convert/strip_writer.h"

namespace korvane {

StripWriter::StripWriter(const StripSink& sink) : sink_(sink), thread_([this] { run(); }) {}

StripWriter::~StripWriter() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

void StripWriter::wait_until_idle(std::unique_lock<std::mutex>& lock) {
    changed_.wait(lock, [&] { return strip_ == nullptr; });
    if (failure_) std::rethrow_exception(failure_);
}

void StripWriter::hand(const PageImage& strip, int count) {
    {
        std::unique_lock lock(mutex_);
        wait_until_idle(lock);
        strip_ = &strip;
        count_ = count;
    }
    changed_.notify_all();
}

void StripWriter::finish() {
    std::unique_lock lock(mutex_);
    wait_until_idle(lock);
}

void StripWriter::run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [&] { return strip_ != nullptr || stopping_; });
        if (stopping_) return;
        const PageImage& strip = *strip_;
        const int count = count_;
        lock.unlock();
        std::exception_ptr failure;
        try {
            sink_(strip, count);
        } catch (...) {
            failure = std::current_exception();
        }
        lock.lock();
        if (failure) failure_ = failure;
        strip_ = nullptr;
        changed_.notify_all();
    }
}

}  // namespace korvane
