// Injection latency of the X11 input sink: the time from a Send call to the event arriving, as an
// XInput2 raw event, at a second client of the same X server. Each event is a Left Shift down or
// up, so running it on a desktop types nothing; run it under Xvfb for comparable figures:
//
//     xvfb-run -a -s "-screen 0 1920x1080x24" build/default/bin/pindeck_injection_latency
//
// Options: --events N (default 5000), --display NAME (default: DISPLAY).

#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>
#include <poll.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "XRawKeyObserver.h"
#include "engine/platform/InputRecord.h"
#include "platform/x11/X11InputSink.h"

namespace {

using Clock = std::chrono::steady_clock;
using Tambo::platform::KeyboardRecord;
using Tambo::platform::KEYEVENTF_KEYUP;

constexpr int kWarmUpEvents = 100;
constexpr std::uint16_t kLeftShift = 160;

struct Options {
    int events = 5000;
    const char* display = nullptr;
};

bool ParseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--events") == 0 && i + 1 < argc) {
            options.events = std::atoi(argv[++i]);
        } else if (std::strcmp(argv[i], "--display") == 0 && i + 1 < argc) {
            options.display = argv[++i];
        } else {
            return false;
        }
    }
    return options.events > 0;
}

double Microseconds(Clock::duration duration) {
    return std::chrono::duration<double, std::micro>(duration).count();
}

void PrintFigures(const char* what, std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    const auto at = [&](double share) {
        return samples[static_cast<std::size_t>(share * static_cast<double>(samples.size() - 1))];
    };
    std::printf("%-22s median %8.1f us   p99 %8.1f us   max %8.1f us\n", what, at(0.5), at(0.99),
                samples.back());
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        std::fprintf(stderr, "usage: %s [--events N] [--display NAME]\n", argv[0]);
        return 64;
    }
    std::string whyNot;
    const auto sink = platform_x11::OpenX11InputSink(options.display, whyNot);
    if (!sink) {
        std::fprintf(stderr, "pindeck_injection_latency: %s\n", whyNot.c_str());
        return 1;
    }
    bench::XRawKeyObserver observer(options.display);
    if (!observer.Select()) {
        std::fprintf(stderr, "pindeck_injection_latency: no XInput 2.1 observer connection\n");
        return 1;
    }

    std::vector<double> toObserved;
    std::vector<double> sendCall;
    for (int i = -kWarmUpEvents; i < options.events; ++i) {
        const KeyboardRecord record{kLeftShift, 0, (i % 2 == 0) ? 0u : KEYEVENTF_KEYUP};
        const std::vector<Tambo::platform::InputRecord> records{record};
        const Clock::time_point start = Clock::now();
        sink->Send(records);
        const Clock::time_point returned = Clock::now();
        if (observer.WaitForKeyEvent(1000) == bench::XRawKeyObserver::KeyEvent::Timeout) {
            std::fprintf(stderr, "pindeck_injection_latency: event %d never arrived\n", i);
            return 1;
        }
        const Clock::time_point observed = Clock::now();
        if (i >= 0) {
            toObserved.push_back(Microseconds(observed - start));
            sendCall.push_back(Microseconds(returned - start));
        }
    }
    // Leave Shift up whatever the count.
    sink->Send(
        std::vector<Tambo::platform::InputRecord>{KeyboardRecord{kLeftShift, 0, KEYEVENTF_KEYUP}});

    std::printf("%d key events, one per Send call\n", options.events);
    PrintFigures("Send call returns", sendCall);
    PrintFigures("Send to event observed", toObserved);
    return 0;
}
