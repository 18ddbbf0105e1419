// Press-to-inject latency and idle polling cost of the real controller path: an SDL virtual
// joystick read by the polling thread, the event queue and the dispatcher, into either the real
// X11 input sink with the key observed at the X server (--x11, under Xvfb), or a recording sink
// that stamps the moment the press's first record arrives.
//
//     build/default/bin/pindeck_press_latency [--x11] [--presses N] [--idle-seconds S]
//
// Reports the press-to-inject latency (bounded by the 16 ms poll period), the work done after
// the tick's read (press handling alone), and the CPU the idle polling thread uses.

#include <SDL2/SDL.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <mutex>
#include <random>
#include <thread>
#include <variant>

#include "BenchStats.h"
#include "XRawKeyObserver.h"
#include "engine/ControllerEmissary.h"
#include "engine/Dispatcher.h"
#include "engine/MakeCommand.h"
#include "platform/desktop/DesktopPlatform.h"
#include "platform/fake/RecordingPlatform.h"
#include "platform/sdl/SdlJoystick.h"
#include "profiles/ProfileManager.h"

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

// Remembers when the controller was last read, so the press handling after the read can be told
// apart from the wait for the tick.
class StampedJoystick : public Tambo::platform::Joystick {
public:
    explicit StampedJoystick(std::shared_ptr<Tambo::platform::Joystick> inner)
        : inner_(std::move(inner)) {}
    bool Open(bool exclusive) override { return inner_->Open(exclusive); }
    bool Reacquire() override { return inner_->Reacquire(); }
    std::optional<Tambo::platform::JoystickState> Read() override {
        auto state = inner_->Read();
        lastRead = Clock::now().time_since_epoch().count();
        return state;
    }
    void Close() override { inner_->Close(); }
    std::atomic<Clock::rep> lastRead{0};

private:
    std::shared_ptr<Tambo::platform::Joystick> inner_;
};

// Where presses land: the time of every key-down record.
struct Arrivals {
    std::mutex mutex;
    std::condition_variable arrived;
    std::vector<Clock::time_point> downs;
};

double Milliseconds(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

double ProcessCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

void Arrive(Arrivals& arrivals) {
    std::lock_guard lock(arrivals.mutex);
    arrivals.downs.push_back(Clock::now());
    arrivals.arrived.notify_all();
}

// The recording sink: a press has arrived when its key-down record is sent.
std::shared_ptr<Tambo::CommandContext> RecordingTarget(platform_fake::RecordingPlatform& platform,
                                                       Arrivals& arrivals) {
    platform.SetObserver([&](const platform_fake::RecordedEvent& event) {
        if (event.kind != platform_fake::RecordedEvent::Kind::Send)
            return;
        const auto* key = std::get_if<Tambo::platform::KeyboardRecord>(&event.records.front());
        if (key && key->flags == 0)
            Arrive(arrivals);
    });
    return platform.MakeContext();
}

// Watches the X server for the injected key presses on a thread of its own.
// `state` becomes 1 once it observes, -1 when it cannot.
std::jthread ObserveServer(Arrivals& arrivals, std::atomic<int>& state) {
    return std::jthread([&arrivals, &state](std::stop_token stop) {
        bench::XRawKeyObserver observer(nullptr);
        state = observer.Select() ? 1 : -1;
        while (!stop.stop_requested()) {
            if (observer.WaitForKeyEvent(100) == bench::XRawKeyObserver::KeyEvent::Press) {
                Arrive(arrivals);
            }
        }
    });
}

}  // namespace

int main(int argc, char** argv) {
    int presses = 600;
    double idleSeconds = 30;
    bool x11 = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--x11") == 0)
            x11 = true;
        if (i + 1 < argc && std::strcmp(argv[i], "--presses") == 0)
            presses = std::atoi(argv[i + 1]);
        if (i + 1 < argc && std::strcmp(argv[i], "--idle-seconds") == 0)
            idleSeconds = std::atof(argv[i + 1]);
    }

    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_InitSubSystem(SDL_INIT_JOYSTICK);
    const int index = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, 2, 32, 0);
    SDL_Joystick* box = SDL_JoystickOpen(index);
    std::string whyNot;
    auto joystick = std::make_shared<StampedJoystick>(platform_sdl::OpenSdlJoystick(whyNot));

    platform_fake::RecordingPlatform platform;
    Arrivals arrivals;
    std::shared_ptr<Tambo::CommandContext> context;
    std::atomic<int> observing{0};
    std::jthread serverWatch;
    if (x11) {
        auto services = platform_desktop::OpenDesktopPlatform(whyNot);
        if (!services) {
            std::fprintf(stderr, "pindeck_press_latency: %s\n", whyNot.c_str());
            return 1;
        }
        context = std::make_shared<Tambo::CommandContext>(std::move(*services));
        serverWatch = ObserveServer(arrivals, observing);
        while (observing == 0)
            std::this_thread::sleep_for(1ms);
        if (observing < 0) {
            std::fprintf(stderr, "pindeck_press_latency: cannot observe the X server\n");
            return 1;
        }
    } else {
        context = RecordingTarget(platform, arrivals);
    }
    auto manager = std::make_shared<Tambo::ProfileManager>(context, std::filesystem::path());
    auto profile = std::make_shared<Tambo::Profile>(u"bench", 10);
    // Left Shift: a key whose press types nothing wherever the focus is.
    profile->AddActionToSlot(0, manager->SequenceFromCodes("Shift", {"KC 160"}));
    manager->AddProfile(profile);
    manager->SelectProfile(u"bench");

    Tambo::EventQueue queue;
    Tambo::BoxModels models;
    Tambo::ControllerEmissary emissary(joystick, queue, [] { return true; });
    Tambo::Dispatcher dispatcher(queue, models, manager, {});
    dispatcher.StartDispatcher();
    emissary.Device().StartPolling();

    std::vector<double> latencies;
    std::vector<double> work;
    std::mt19937 random(1);
    for (int press = 0; press < presses; ++press) {
        std::this_thread::sleep_for(std::chrono::microseconds(20000 + random() % 16000));
        std::unique_lock lock(arrivals.mutex);
        const std::size_t before = arrivals.downs.size();
        const Clock::time_point pressed = Clock::now();
        SDL_JoystickSetVirtualButton(box, 11, 1);  // slot 0 of the wired box
        arrivals.arrived.wait_for(lock, 1s, [&] { return arrivals.downs.size() > before; });
        if (arrivals.downs.size() == before) {
            std::fprintf(stderr, "press %d never arrived\n", press);
            return 1;
        }
        const Clock::time_point landed = arrivals.downs.back();
        latencies.push_back(Milliseconds(landed - pressed));
        const Clock::time_point read{Clock::duration(joystick->lastRead.load())};
        work.push_back(Milliseconds(landed - read));
        lock.unlock();
        std::this_thread::sleep_for(20ms);
        SDL_JoystickSetVirtualButton(box, 11, 0);
    }
    std::printf("Press to inject, %d presses (virtual joystick -> polling -> dispatch -> %s)\n",
                presses, x11 ? "X11 sink, observed at the X server" : "recording sink");
    bench::PrintDistribution("  press -> key down injected", bench::Summarise(latencies), "ms");
    bench::PrintDistribution("  tick's read -> key down injected (work)", bench::Summarise(work),
                             "ms");

    std::this_thread::sleep_for(200ms);
    const double cpuBefore = ProcessCpuSeconds();
    const Clock::time_point wallBefore = Clock::now();
    std::this_thread::sleep_for(std::chrono::duration<double>(idleSeconds));
    const double cpu = ProcessCpuSeconds() - cpuBefore;
    const double wall = std::chrono::duration<double>(Clock::now() - wallBefore).count();
    std::printf("Idle polling over %.0f s: %.3f %% of one core\n", wall, 100.0 * cpu / wall);

    emissary.Device().StopPolling();
    dispatcher.Stop();
    SDL_JoystickClose(box);
    return 0;
}
