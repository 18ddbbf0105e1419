#include "RecordCommand.h"

#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "BoxConnection.h"
#include "engine/ActionRecorder.h"
#include "engine/Text.h"
#include "platform/desktop/DesktopPlatform.h"
#include "platform/desktop/ThreadRepeatingTimer.h"
#include "platform/fake/RecordingPlatform.h"

namespace pindeckctl {
namespace {

using Clock = std::chrono::steady_clock;

struct RecordOptions {
    bool locations = false;
    double seconds = -1;
};

// Each command as its code, a tab and its description; then every code quoted on one line,
// ready to paste after `pindeckctl play`.
void PrintCommands(const std::vector<Tambo::CommandPtr>& commands, std::ostream& out) {
    std::string quoted;
    for (const Tambo::CommandPtr& command : commands) {
        const std::string code = Tambo::Utf16ToUtf8(command->GetCode());
        out << code << '\t' << Tambo::Utf16ToUtf8(command->GetDescription()) << '\n';
        quoted += (quoted.empty() ? "\"" : " \"") + code + "\"";
    }
    out << quoted << '\n';
}

// Waits until `done`, the deadline or a stop; true when `done` came first.
bool WaitForCompletion(const std::atomic<bool>& done, Clock::time_point deadline, CliContext& cli) {
    while (!done && Clock::now() < deadline) {
        const auto step =
            std::min<Clock::duration>(std::chrono::milliseconds(20), deadline - Clock::now());
        if (!WaitUnlessStopped(cli.stop,
                               std::chrono::duration_cast<std::chrono::milliseconds>(step))) {
            break;
        }
    }
    return done;
}

int RunRecord(const RecordOptions& options, CliContext& cli) {
    std::string whyNot;
    auto keyState = platform_desktop::OpenDesktopKeyStateSource(whyNot);
    if (!keyState) {
        cli.err << "pindeckctl record: " << whyNot << '\n';
        return kNoBackend;
    }
    // Recorded commands are only shown here, never played.
    platform_fake::RecordingPlatform describer;
    std::atomic<bool> ended{false};
    Tambo::ActionRecorder recorder(
        Tambo::ActionRecorder::Services{keyState, describer.MakeContext(),
                                        platform_desktop::ThreadTimerFactory()},
        [&ended] { ended = true; });
    const Clock::time_point deadline = DeadlineAfter(options.seconds);

    if (options.locations) {
        cli.err << "Move the cursor to each location and press Shift there; Ctrl+C ends.\n";
        recorder.BeginToggleCapture();
        WaitForCompletion(ended, deadline, cli);
        recorder.EndToggleCapture();
        PrintCommands(recorder.Recorded(), cli.out);
        return kSuccess;
    }
    cli.err << "Press Caps Lock, perform the action, then press Caps Lock again.\n";
    recorder.ArmRecorder();
    const bool endedByCapsLock = WaitForCompletion(ended, deadline, cli);
    recorder.DisarmRecorder();
    PrintCommands(recorder.Recorded(), cli.out);
    return endedByCapsLock ? kSuccess : kOperationFailed;
}

}  // namespace

void AddRecordCommand(CLI::App& app, CliContext& cli) {
    auto options = std::make_shared<RecordOptions>();
    CLI::App* record = app.add_subcommand(
        "record", "Record keystrokes and clicks (Caps Lock to Caps Lock) as command codes");
    record->add_flag("--locations", options->locations,
                     "Capture cursor locations instead, one per Shift press, for a mouse toggle");
    record->add_option("--seconds", options->seconds, "Stop after this many seconds")
        ->check(CLI::NonNegativeNumber);
    record->callback([options, &cli] { cli.exitCode = RunRecord(*options, cli); });
}

}  // namespace pindeckctl
