#include "ThreadRepeatingTimer.h"

#include <condition_variable>
#include <mutex>
#include <thread>
#include <utility>

namespace platform_desktop {
namespace {

class ThreadRepeatingTimer final : public Tambo::platform::RepeatingTimer {
public:
    ThreadRepeatingTimer(std::chrono::milliseconds period, std::function<void()> tick)
        : period_(period), tick_(std::move(tick)) {}
    ~ThreadRepeatingTimer() override { Stop(); }

    void Start() override {
        std::lock_guard lock(controlMutex_);
        if (running_) {
            return;
        }
        JoinFinishedWorker();
        running_ = true;
        worker_ = std::jthread([this](std::stop_token stop) { TickUntilStopped(stop); });
    }

    void Stop() override {
        std::unique_lock lock(controlMutex_);
        running_ = false;
        if (!worker_.joinable()) {
            return;
        }
        worker_.request_stop();
        if (worker_.get_id() == std::this_thread::get_id()) {
            return;  // called from our own tick: the loop ends when the tick returns
        }
        std::jthread finishing = std::move(worker_);
        lock.unlock();
        finishing.join();
    }

    bool Running() const override {
        std::lock_guard lock(controlMutex_);
        return running_;
    }

private:
    // A worker stopped from inside its own tick is joined by the next Start or the destructor.
    void JoinFinishedWorker() {
        if (worker_.joinable()) {
            worker_.request_stop();
            worker_.join();
        }
    }

    void TickUntilStopped(std::stop_token stop) {
        std::mutex sleepMutex;
        std::condition_variable_any sleeper;
        auto next = std::chrono::steady_clock::now() + period_;
        while (true) {
            {
                std::unique_lock lock(sleepMutex);
                if (sleeper.wait_until(lock, stop, next, [] { return false; }) ||
                    stop.stop_requested()) {
                    return;
                }
            }
            tick_();
            next += period_;
            const auto now = std::chrono::steady_clock::now();
            if (next < now) {
                next = now;
            }
        }
    }

    const std::chrono::milliseconds period_;
    const std::function<void()> tick_;
    mutable std::mutex controlMutex_;
    bool running_ = false;
    std::jthread worker_;
};

}  // namespace

Tambo::platform::TimerFactory ThreadTimerFactory() {
    return [](std::chrono::milliseconds period, std::function<void()> tick) {
        return std::make_unique<ThreadRepeatingTimer>(period, std::move(tick));
    };
}

}  // namespace platform_desktop
