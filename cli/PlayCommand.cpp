#include "PlayCommand.h"

#include "WholeNumber.h"

#include <limits>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "CommandCodes.h"
#include "JsonText.h"
#include "TimingOverrides.h"
#include "engine/Sequence.h"
#include "keyposter/LibraryKeyPoster.h"
#include "platform/desktop/DesktopPlatform.h"
#include "platform/fake/RecordingPlatform.h"

namespace pindeckctl {
namespace {

enum class Operation { Execute, Press, Release, Repeat };

struct PlayOptions {
    bool dryRun = false;
    bool json = false;
    Operation operation = Operation::Execute;
    int repeat = 1;
    std::string screen = "1920x1080";
    std::vector<std::string> settings;
    std::vector<std::string> codes;
};

struct ScreenSize {
    int width = 0;
    int height = 0;
};

// "WIDTHxHEIGHT" in whole pixels, each at least 2 and within the signed 32-bit range.
std::optional<ScreenSize> ParseScreen(const std::string& text) {
    const std::size_t x = text.find_first_of("xX");
    if (x == std::string::npos) {
        return std::nullopt;
    }
    const auto parse = [](std::string_view part) -> std::optional<int> {
        const std::optional<int> value = ParseWholeNumber<int>(part);
        return value && *value >= 2 ? value : std::nullopt;
    };
    const std::optional<int> width = parse(std::string_view(text).substr(0, x));
    const std::optional<int> height = parse(std::string_view(text).substr(x + 1));
    if (!width || !height) {
        return std::nullopt;
    }
    return ScreenSize{*width, *height};
}

void Play(const std::vector<Tambo::CommandPtr>& commands, Operation operation) {
    if (operation == Operation::Execute) {
        // Exactly what one play of a sequence does, on this thread.
        Tambo::Sequence(u"", commands).PlayNow();
        return;
    }
    for (const Tambo::CommandPtr& command : commands) {
        switch (operation) {
            case Operation::Press:
                command->Press();
                break;
            case Operation::Release:
                command->Release();
                break;
            case Operation::Repeat:
                command->Repeat();
                break;
            case Operation::Execute:
                break;
        }
    }
}

// Applies the --set options; false after reporting a usage error.
bool ApplySettings(const PlayOptions& options, Tambo::EngineTimings& timings, CliContext& cli) {
    for (const std::string& setting : options.settings) {
        std::string error;
        const std::optional<TimingOverride> parsed = ParseTimingOverride(setting, error);
        if (!parsed) {
            cli.err << "pindeckctl play: " << error << '\n';
            return false;
        }
        ApplyTimingOverride(*parsed, timings);
    }
    return true;
}

void PrintEvent(const platform_fake::RecordedEvent& event, bool json, std::ostream& out) {
    // Pauses of 0 ms or less are no pauses at all.
    if (event.kind == platform_fake::RecordedEvent::Kind::Pause && event.pauseMs <= 0) {
        return;
    }
    out << (json ? EventJson(event).dump() : EventText(event)) << '\n';
}

int RunDryRun(const PlayOptions& options, CliContext& cli) {
    const std::optional<ScreenSize> screen = ParseScreen(options.screen);
    if (!screen) {
        cli.err << "pindeckctl play: --screen takes WIDTHxHEIGHT of at least 2x2, got \""
                << options.screen << "\"\n";
        return kUsageError;
    }
    platform_fake::RecordingPlatform platform(
        platform_fake::RecordingPlatform::Options{screen->width, screen->height, false});
    const auto context = platform.MakeContext();
    if (!ApplySettings(options, context->timings, cli)) {
        return kUsageError;
    }
    const auto commands = BuildAllCommands(context, options.codes, cli.err);
    if (!commands) {
        return kRejectedValue;
    }
    platform.SetObserver([&](const platform_fake::RecordedEvent& event) {
        PrintEvent(event, options.json, cli.out);
    });
    for (int round = 0; round < options.repeat; ++round) {
        Play(*commands, options.operation);
    }
    return kSuccess;
}

int RunForReal(const PlayOptions& options, CliContext& cli) {
    std::string whyNot;
    std::optional<Tambo::PlatformServices> services = platform_desktop::OpenDesktopPlatform(whyNot);
    if (!services) {
        cli.err << "pindeckctl play: " << whyNot << '\n';
        return kNoBackend;
    }
    const auto context = std::make_shared<Tambo::CommandContext>(std::move(*services));
    context->keyNames.Fill();
    if (!ApplySettings(options, context->timings, cli)) {
        return kUsageError;
    }
    const auto commands = BuildAllCommands(context, options.codes, cli.err);
    if (!commands) {
        return kRejectedValue;
    }
    for (int round = 0; round < options.repeat; ++round) {
        Play(*commands, options.operation);
    }
    return kSuccess;
}

}  // namespace

void AddPlayCommand(CLI::App& app, CliContext& cli) {
    auto options = std::make_shared<PlayOptions>();
    CLI::App* play = app.add_subcommand("play", "Play command codes into the focused program");
    play->add_flag("--dry-run", options->dryRun,
                   "Play against a recording platform and print every event instead of injecting");
    play->add_flag("--json", options->json, "With --dry-run: one line of JSON per event");
    const std::map<std::string, Operation> operations = {{"execute", Operation::Execute},
                                                         {"press", Operation::Press},
                                                         {"release", Operation::Release},
                                                         {"repeat", Operation::Repeat}};
    play->add_option("--op", options->operation,
                     "execute (as a sequence play does, the default), press, release or repeat")
        ->transform(CLI::CheckedTransformer(operations, CLI::ignore_case));
    play->add_option("--repeat", options->repeat, "Play the whole list N times")
        ->check(CLI::Range(0, std::numeric_limits<int>::max()));
    play->add_option("--screen", options->screen, "With --dry-run: screen size, default 1920x1080");
    play->add_option("--set", options->settings,
                     "Override a timing setting by its settings key, e.g. "
                     "Time_Between_Press_Release_MS=150")
        ->allow_extra_args(false);
    play->add_option("CODE", options->codes, "Command codes, such as \"KC 65\"")->required();
    play->callback([options, &cli] {
        cli.exitCode = options->dryRun ? RunDryRun(*options, cli) : RunForReal(*options, cli);
    });
}

}  // namespace pindeckctl
