#include "cli/ordered_batch.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace korvel::cli {

namespace {

// One thread does everything, in order: no thread is started, nothing waits.
void Run_Here(size_t count, const BatchWork& batch) {
    for (size_t i = 0; i < count; ++i) {
        FileOutcome outcome = batch.work(i);
        batch.deliver(i, outcome);
        if (batch.progress) batch.progress(i + 1);
    }
}

} // namespace

void Run_In_Order(size_t count, unsigned threads, const BatchWork& batch) {
    threads = static_cast<unsigned>(std::min<size_t>(threads, count));
    if (threads <= 1) return Run_Here(count, batch);

    std::mutex lock;
    std::condition_variable finished;
    std::vector<std::optional<FileOutcome>> outcomes(count);
    size_t done = 0;
    size_t wanted = 0; // the file the calling thread waits for
    std::atomic<size_t> next{0};
    const auto worker = [&] {
        for (size_t i; (i = next++) < count;) {
            FileOutcome outcome = batch.work(i);
            bool awaited = false;
            {
                const std::lock_guard guard(lock);
                outcomes[i] = std::move(outcome);
                ++done;
                awaited = i == wanted;
            }
            // Waking the calling thread for a file it does not wait for would only take a
            // core from the workers.
            if (awaited) finished.notify_one();
        }
        if (batch.at_thread_end) batch.at_thread_end();
    };
    // jthreads join when they go out of scope, also when a delivery throws.
    std::vector<std::jthread> pool;
    for (unsigned t = 0; t < threads; ++t)
        pool.emplace_back(worker);

    for (size_t i = 0; i < count; ++i) {
        std::unique_lock guard(lock);
        wanted = i;
        while (!outcomes[i]) {
            finished.wait_for(guard, std::chrono::milliseconds(100));
            const size_t so_far = done;
            guard.unlock();
            if (batch.progress) batch.progress(so_far);
            guard.lock();
        }
        FileOutcome outcome = std::move(*outcomes[i]);
        outcomes[i].reset();
        const size_t so_far = done;
        guard.unlock();
        batch.deliver(i, outcome);
        if (batch.progress) batch.progress(so_far);
    }
}

void Run_In_Windows(size_t count, unsigned threads, const BatchWork& batch) {
    threads = static_cast<unsigned>(std::min<size_t>(threads, count));
    if (threads <= 1) return Run_Here(count, batch);
    // Large, as waking an idle core to start a thread can take longer than a hundred files
    // (on a virtual machine, milliseconds); a window's outcomes, a few MB at most, wait for
    // it to end.
    constexpr size_t Window = 4096;
    std::vector<FileOutcome> outcomes;
    for (size_t first = 0; first < count; first += Window) {
        const size_t end = std::min(count, first + Window);
        outcomes.assign(end - first, {});
        std::atomic<size_t> next{first};
        const auto worker = [&] {
            for (size_t i; (i = next++) < end;)
                outcomes[i - first] = batch.work(i);
        };
        {
            std::vector<std::jthread> pool;
            for (unsigned t = 1; t < threads; ++t)
                pool.emplace_back([&] {
                    worker();
                    if (batch.at_thread_end) batch.at_thread_end();
                });
            worker();
        }
        for (size_t i = first; i < end; ++i)
            batch.deliver(i, outcomes[i - first]);
    }
}

} // namespace korvel::cli
