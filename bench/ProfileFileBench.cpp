// Load and save time of the profile file for 10 to 10,000 profiles of 14 slots, as ratios to the
// bare JSON work on the same bytes: loading (read, parse, rebuild every profile and command) to
// nlohmann parsing the file, and writing the text to nlohmann dumping the parsed document. The
// crash-safe write of the same bytes to disk (temporary file, flush, rename) is reported on its
// own, and the whole save (text and write) beside it.
//
//     build/default/bin/pindeck_profile_file_bench [--rounds N]

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "BenchStats.h"
#include "engine/Text.h"
#include "platform/fake/RecordingPlatform.h"
#include "profiles/ProfileFile.h"
#include "profiles/ProfileManager.h"
#include "storage/AtomicFile.h"

namespace {

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

template <typename Work>
double MedianMs(int rounds, Work work) {
    std::vector<double> times;
    for (int round = 0; round < rounds; ++round) {
        const auto start = Clock::now();
        work();
        times.push_back(Milliseconds(Clock::now() - start));
    }
    return bench::Summarise(times).median;
}

}  // namespace

int main(int argc, char** argv) {
    int rounds = 5;
    if (argc == 3 && std::strcmp(argv[1], "--rounds") == 0)
        rounds = std::atoi(argv[2]);

    const auto folder =
        std::filesystem::temp_directory_path() / ("pindeck-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    platform_fake::RecordingPlatform platform;
    const auto context = platform.MakeContext();
    std::ostringstream quiet;

    std::printf(
        "Profile file, %d rounds each (median); ratios to nlohmann alone on the same bytes\n",
        rounds);
    std::printf("%9s %10s %9s %9s %6s %9s %9s %6s %9s %9s\n", "profiles", "bytes", "load ms",
                "parse ms", "ratio", "text ms", "dump ms", "ratio", "flush ms", "save ms");
    for (const int count : {10, 100, 1000, 10000}) {
        auto source =
            std::make_shared<Tambo::ProfileManager>(context, folder, Tambo::Console{quiet, quiet});
        for (int i = 0; i < count; ++i) {
            auto profile = std::make_shared<Tambo::Profile>(
                Tambo::Utf8ToUtf16("Profile " + std::to_string(i)), 14);
            for (int slot = 0; slot < 14; ++slot) {
                profile->AddActionToSlot(
                    slot, source->SequenceFromCodes("GSP: Action " + std::to_string(slot),
                                                    {"KC 65", "SL 500", "DU 162 77"}));
            }
            source->AddProfile(profile);
        }
        source->WriteProfiles();
        std::string bytes;
        storage::ReadWholeFile(source->FilePath(), bytes);

        const double load = MedianMs(rounds, [&] {
            auto manager = std::make_shared<Tambo::ProfileManager>(context, folder,
                                                                   Tambo::Console{quiet, quiet});
            manager->LoadProfiles();
        });
        const double parse = MedianMs(rounds, [&] {
            std::ifstream stream(source->FilePath(), std::ios::binary);
            nlohmann::json document;
            stream >> document;
        });
        const nlohmann::json document = nlohmann::json::parse(bytes);
        // The crash-safe replacement of the same bytes alone: temporary file, flush, rename.
        const double flush =
            MedianMs(rounds, [&] { storage::WriteFileAtomically(folder / "flush-only", bytes); });
        const double save = MedianMs(rounds, [&] { source->WriteProfiles(); });
        const auto profiles = source->Profiles();
        const double text = MedianMs(rounds, [&] { (void)Tambo::ProfileFile::ToText(profiles); });
        const double dump = MedianMs(rounds, [&] { (void)document.dump(4); });
        std::printf("%9d %10zu %9.2f %9.2f %6.2f %9.2f %9.2f %6.2f %9.2f %9.2f\n", count,
                    bytes.size(), load, parse, load / parse, text, dump, text / dump, flush, save);
    }
    std::filesystem::remove_all(folder);
    return 0;
}
