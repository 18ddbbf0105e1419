// pindeckctl: Pindeck without a window, for diagnostics, headless play and scripting.

#include <pthread.h>
#include <csignal>
#include <iostream>
#include <stop_token>
#include <thread>

#include "Pindeckctl.h"

namespace {

// SIGINT and SIGTERM are blocked in every thread and taken by one thread of our own, which turns
// them into a stop request that long-running subcommands watch.
std::jthread StartSignalWatcher(sigset_t signals, std::stop_source stopSource) {
    return std::jthread([signals, stopSource](std::stop_token done) mutable {
        const timespec poll{0, 100'000'000};
        while (!done.stop_requested()) {
            if (sigtimedwait(&signals, nullptr, &poll) > 0) {
                stopSource.request_stop();
                return;
            }
        }
    });
}

}  // namespace

int main(int argc, char** argv) {
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);

// GCC 12 wrongly reports the default-constructed stop_source as possibly uninitialised.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif
    std::stop_source stopSource;
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif
    std::jthread watcher = StartSignalWatcher(signals, stopSource);
    return pindeckctl::Run(argc, argv, std::cout, std::cerr, stopSource.get_token());
}
