#include "run/TrajectoryWorkers.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <utility>

namespace halvern {

namespace {

constexpr int kMostThreads = 256;

int PositiveCount(const char* text) {
    if (!text || !*text) return 0;
    char* end = nullptr;
    const long n = std::strtol(text, &end, 10);
    if (*end != '\0' || n < 1) return 0;
    return static_cast<int>(std::min<long>(n, kMostThreads));
}

}  // namespace

TrajectoryWorkers::TrajectoryWorkers(int threads) {
    threads = std::clamp(threads, 1, kMostThreads);
    threads_.reserve(static_cast<size_t>(threads));
    for (int k = 0; k < threads; ++k)
        threads_.emplace_back([this](std::stop_token stop) { serve(stop); });
}

TrajectoryWorkers::~TrajectoryWorkers() {
    for (std::jthread& t : threads_) t.request_stop();
    {
        std::lock_guard lock(mutex_);
        queue_.clear();
    }
    work_.notify_all();
    threads_.clear();  // joins
}

void TrajectoryWorkers::submit(std::function<void()> work, bool& done) {
    {
        std::lock_guard lock(mutex_);
        done = false;
        queue_.push_back(Job{std::move(work), &done});
    }
    work_.notify_one();
}

bool TrajectoryWorkers::waitUntilDone(const bool& done, std::chrono::milliseconds timeout) {
    std::unique_lock lock(mutex_);
    return finished_.wait_for(lock, timeout, [&] { return done; });
}

void TrajectoryWorkers::serve(std::stop_token stop) {
    std::unique_lock lock(mutex_);
    for (;;) {
        if (!work_.wait(lock, stop, [this] { return !queue_.empty(); })) return;
        Job job = std::move(queue_.front());
        queue_.pop_front();
        lock.unlock();
        job.work();
        lock.lock();
        *job.done = true;
        finished_.notify_all();
    }
}

int RunThreadCount(const int* configured) {
    if (configured) return std::clamp(*configured, 1, kMostThreads);
    if (const int n = PositiveCount(std::getenv("HALVERN_THREADS"))) return n;
    const unsigned cores = std::thread::hardware_concurrency();
    return std::clamp(static_cast<int>(cores), 1, kMostThreads);
}

}  // namespace halvern
