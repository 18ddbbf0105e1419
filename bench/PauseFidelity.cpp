// How closely a SleepCommand's pause keeps to the requested time on the steady clock.
//
//     build/default/bin/pindeck_pause_fidelity [--pauses N]

#include <chrono>
#include <cstdio>
#include <cstring>
#include <vector>

#include "BenchStats.h"
#include "engine/MakeCommand.h"
#include "platform/desktop/SteadySleeper.h"
#include "platform/fake/RecordingPlatform.h"

int main(int argc, char** argv) {
    using Clock = std::chrono::steady_clock;
    int pauses = 100;
    if (argc == 3 && std::strcmp(argv[1], "--pauses") == 0)
        pauses = std::atoi(argv[2]);

    platform_fake::RecordingPlatform platform;
    Tambo::PlatformServices services = platform.Services();
    services.sleeper = platform_desktop::MakeSteadySleeper();
    const auto context = std::make_shared<Tambo::CommandContext>(services);

    std::printf("SleepCommand pause error (actual - requested), %d pauses per length\n", pauses);
    std::vector<double> all;
    for (const int ms : {1, 5, 20, 50, 150}) {
        const auto sleep = Tambo::MakeCommand(context, "SL " + std::to_string(ms));
        std::vector<double> errors;
        for (int i = 0; i < pauses; ++i) {
            const auto start = Clock::now();
            sleep->Execute();
            errors.push_back(
                std::chrono::duration<double, std::milli>(Clock::now() - start).count() - ms);
        }
        all.insert(all.end(), errors.begin(), errors.end());
        char label[64];
        std::snprintf(label, sizeof label, "  SL %d", ms);
        bench::PrintDistribution(label, bench::Summarise(errors), "ms");
    }
    bench::PrintDistribution("  all lengths", bench::Summarise(all), "ms");
    return 0;
}
