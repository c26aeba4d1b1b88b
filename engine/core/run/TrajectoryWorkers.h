// A pool of worker threads (one std::jthread each) that run submitted jobs in the order they
// were submitted; the submitter waits for a job's done flag, which the pool sets under its lock.
#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <stop_token>
#include <thread>
#include <vector>

namespace halvern {

class TrajectoryWorkers {
  public:
    explicit TrajectoryWorkers(int threads);
    TrajectoryWorkers(const TrajectoryWorkers&) = delete;
    TrajectoryWorkers& operator=(const TrajectoryWorkers&) = delete;
    // Jobs not started are dropped; running ones are finished before the threads end.
    ~TrajectoryWorkers();

    // `done` must stay false until the pool sets it and outlive the pool or the job.
    void submit(std::function<void()> work, bool& done);
    // True once `done` is set; false when `timeout` passed first.
    bool waitUntilDone(const bool& done, std::chrono::milliseconds timeout);
    int threads() const { return static_cast<int>(threads_.size()); }

  private:
    struct Job {
        std::function<void()> work;
        bool* done;
    };
    void serve(std::stop_token stop);

    std::mutex mutex_;
    std::condition_variable_any work_;
    std::condition_variable finished_;
    std::deque<Job> queue_;
    std::vector<std::jthread> threads_;
};

// The workers of a run: `configured` when set, else a positive HALVERN_THREADS, else one per
// core; at least 1.
int RunThreadCount(const int* configured);

}  // namespace halvern
