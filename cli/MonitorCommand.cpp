#include "MonitorCommand.h"

#include <memory>
#include <string>
#include <vector>

#include "BoxConnection.h"
#include "BoxSetup.h"
#include "DataFolderOption.h"
#include "LinePrinter.h"

namespace pindeckctl {
namespace {

using Clock = std::chrono::steady_clock;

std::string EventLine(const Tambo::ControllerEvent& event, const Tambo::BoxModels& models,
                      std::int32_t model) {
    if (event.code == Tambo::C_Code::kDeviceLost)
        return "lost";
    if (event.code == Tambo::C_Code::kDeviceBack)
        return "back";
    const char* kind = event.pressed == Tambo::ControllerEvent::kDown ? "down"
                       : event.pressed == Tambo::ControllerEvent::kUp ? "up"
                                                                      : "repeat";
    std::string line = std::string(kind) + " " + std::to_string(event.code);
    const std::int32_t slot = models.SlotForCode(model, static_cast<std::int32_t>(event.code));
    if (slot != Tambo::UI_Button::kNoSlot) {
        line += " slot " + std::to_string(slot);
    }
    return line;
}

// Takes every event the polling thread appends, as the only consumer, until the deadline.
void PrintEvents(Tambo::EventQueue& queue, const BoxSetup& box, Clock::time_point deadline,
                 LinePrinter& printer, CliContext& cli) {
    const std::int32_t model = box.DefaultModel();
    while (!cli.stop.stop_requested() && Clock::now() < deadline) {
        std::vector<Tambo::ControllerEvent> taken;
        {
            std::unique_lock lock(queue.mutex);
            const auto until = std::min(deadline, Clock::now() + std::chrono::milliseconds(200));
            queue.ready.wait_until(lock, cli.stop, until, [&] { return queue.eventsReady; });
            taken.assign(queue.events.begin(), queue.events.end());
            queue.events.clear();
            queue.eventsReady = false;
        }
        for (const Tambo::ControllerEvent& event : taken) {
            printer.Print(EventLine(event, box.models, model));
        }
    }
}

int RunMonitor(double seconds, CliContext& cli) {
    const auto folder = OpenDataFolder(cli);
    if (!folder) {
        return kOperationFailed;
    }
    const Clock::time_point deadline = DeadlineAfter(seconds);
    BoxSetup box(*folder, Tambo::Console{cli.out, cli.err});
    LinePrinter printer(cli.out);
    Tambo::EventQueue queue;
    auto emissary = ConnectBox(queue, box.settings, deadline, printer, cli);
    if (!emissary) {
        return cli.stop.stop_requested() || Clock::now() >= deadline ? kSuccess : kOperationFailed;
    }
    printer.Print("Controller connected; box model " + std::to_string(box.DefaultModel()) +
                  ". Press its buttons (Ctrl+C ends).");
    emissary->Device().StartPolling();
    PrintEvents(queue, box, deadline, printer, cli);
    emissary->Device().StopPolling();
    return kSuccess;
}

}  // namespace

void AddMonitorCommand(CLI::App& app, CliContext& cli) {
    auto seconds = std::make_shared<double>(-1);
    CLI::App* monitor = app.add_subcommand(
        "monitor", "Connect the box and print every controller event as it arrives");
    monitor->add_option("--seconds", *seconds, "Stop after this many seconds (default: Ctrl+C)")
        ->check(CLI::NonNegativeNumber);
    monitor->callback([seconds, &cli] { cli.exitCode = RunMonitor(*seconds, cli); });
}

}  // namespace pindeckctl
