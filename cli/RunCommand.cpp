#include "RunCommand.h"

#include <memory>
#include <optional>
#include <string>

#include "BoxConnection.h"
#include "BoxSetup.h"
#include "DataFolderOption.h"
#include "JsonText.h"
#include "LinePrinter.h"
#include "engine/Dispatcher.h"
#include "engine/Text.h"
#include "platform/desktop/DesktopPlatform.h"
#include "platform/fake/RecordingPlatform.h"
#include "profiles/ProfileManager.h"
#include "profiles/SessionDocument.h"

namespace pindeckctl {
namespace {

using Clock = std::chrono::steady_clock;

struct RunOptions {
    std::string profile;
    bool profileGiven = false;
    double seconds = -1;
    bool dryRun = false;
    bool json = false;
};

// Where the player's commands go: the real desktop, or (dry run) a recording platform whose
// events are printed as they happen.
struct PlayTarget {
    std::optional<platform_fake::RecordingPlatform> recording;
    std::shared_ptr<Tambo::CommandContext> context;
};

std::optional<PlayTarget> OpenPlayTarget(const RunOptions& options, LinePrinter& printer,
                                         CliContext& cli) {
    PlayTarget target;
    if (options.dryRun) {
        target.recording.emplace();
        target.recording->SetObserver([&printer, json = options.json](const auto& event) {
            if (event.kind != platform_fake::RecordedEvent::Kind::Pause || event.pauseMs > 0) {
                printer.Print(json ? EventJson(event).dump() : EventText(event));
            }
        });
        target.context = std::make_shared<Tambo::CommandContext>(target.recording->Services());
    } else {
        std::string whyNot;
        std::optional<Tambo::PlatformServices> services =
            platform_desktop::OpenDesktopPlatform(whyNot);
        if (!services) {
            cli.err << "pindeckctl run: " << whyNot << '\n';
            return std::nullopt;
        }
        target.context = std::make_shared<Tambo::CommandContext>(std::move(*services));
    }
    target.context->keyNames.Fill();
    return target;
}

// Makes the requested profile active, or without a request the one selected last; false after a
// message when the requested profile does not exist.
bool ActivateProfile(const RunOptions& options, Tambo::ProfileManager& manager,
                     Tambo::SessionDocument& session, CliContext& cli) {
    if (!options.profileGiven) {
        if (session.LoadSession()) {
            manager.SelectProfile(session.GetSelectedProfileName());
        }
        return true;
    }
    const std::u16string name = Tambo::Utf8ToUtf16(options.profile);
    if (manager.IsNameFree(name)) {
        cli.err << "pindeckctl run: no profile named \"" << Tambo::SanitizeUtf8(options.profile)
                << "\"\n";
        return false;
    }
    manager.SelectProfile(name);
    return true;
}

std::string ActiveProfileText(const Tambo::ProfileManager& manager) {
    const Tambo::ProfilePtr active = manager.ActiveProfile();
    return active ? "Active profile: " + Tambo::Utf16ToUtf8(active->Name())
                  : std::string("No profile is active: presses play nothing.");
}

Tambo::Dispatcher::Reports PrintingReports(LinePrinter& printer) {
    return Tambo::Dispatcher::Reports{
        [&printer] { printer.Print("Controller lost; waiting for it to come back."); },
        [&printer] { printer.Print("Controller back."); },
        [&printer](const std::string& error) { printer.Print("A play failed: " + error); },
    };
}

// Plays until a stop or the deadline, announcing every profile switch made from the box and
// remembering it as the selected profile for the next start.
void PlayUntilStopped(Tambo::CommandContext& context, const Tambo::ProfileManager& manager,
                      Tambo::SessionDocument& session, Clock::time_point deadline,
                      LinePrinter& printer, CliContext& cli) {
    while (!cli.stop.stop_requested() && Clock::now() < deadline) {
        const auto wait =
            std::min<Clock::duration>(std::chrono::milliseconds(100), deadline - Clock::now());
        WaitUnlessStopped(cli.stop, std::chrono::duration_cast<std::chrono::milliseconds>(wait));
        bool switched = false;
        while (context.notifications.TryPop()) {
            switched = true;
        }
        if (!switched) {
            continue;
        }
        printer.Print(ActiveProfileText(manager));
        if (const Tambo::ProfilePtr active = manager.ActiveProfile()) {
            session.SetSelectedProfileName(active->Name());
            session.SaveSession();
        }
    }
}

int RunPlayer(const RunOptions& options, CliContext& cli) {
    const auto folder = OpenDataFolder(cli);
    if (!folder) {
        return kOperationFailed;
    }
    LinePrinter printer(cli.out);
    std::optional<PlayTarget> target = OpenPlayTarget(options, printer, cli);
    if (!target) {
        return kNoBackend;
    }
    const Tambo::Console console{cli.out, cli.err};
    BoxSetup box(*folder, console);
    box.settings.CopyTimingsTo(target->context->timings);

    auto manager = std::make_shared<Tambo::ProfileManager>(target->context, *folder, console);
    target->context->SetProfileStore(manager);
    manager->LoadProfiles();
    Tambo::SessionDocument session(*folder, console);
    if (!ActivateProfile(options, *manager, session, cli)) {
        return kOperationFailed;
    }
    printer.Print(ActiveProfileText(*manager));

    const Clock::time_point deadline = DeadlineAfter(options.seconds);
    Tambo::EventQueue queue;
    auto emissary = ConnectBox(queue, box.settings, deadline, printer, cli);
    if (!emissary) {
        return cli.stop.stop_requested() || Clock::now() >= deadline ? kSuccess : kOperationFailed;
    }
    printer.Print("Controller connected; playing (Ctrl+C ends).");
    Tambo::Dispatcher dispatcher(queue, box.models, manager, PrintingReports(printer));
    dispatcher.StartDispatcher();
    emissary->Device().StartPolling();
    PlayUntilStopped(*target->context, *manager, session, deadline, printer, cli);
    emissary->Device().StopPolling();
    dispatcher.Stop();
    session.Flush();
    return kSuccess;
}

}  // namespace

void AddRunCommand(CLI::App& app, CliContext& cli) {
    auto options = std::make_shared<RunOptions>();
    CLI::App* run = app.add_subcommand(
        "run", "Headless player: play the active profile from the box until Ctrl+C");
    run->add_option("--profile", options->profile,
                    "Make this profile active (default: the profile selected last)")
        ->each([options](const std::string&) { options->profileGiven = true; });
    run->add_option("--seconds", options->seconds, "Stop after this many seconds")
        ->check(CLI::NonNegativeNumber);
    run->add_flag("--dry-run", options->dryRun,
                  "Print what would be injected instead of injecting it");
    run->add_flag("--json", options->json, "With --dry-run: one line of JSON per event");
    run->callback([options, &cli] { cli.exitCode = RunPlayer(*options, cli); });
}

}  // namespace pindeckctl
