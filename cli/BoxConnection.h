#pragma once

#include <memory>
#include <optional>

#include "CliContext.h"
#include "LinePrinter.h"
#include "engine/ControllerEmissary.h"
#include "engine/EventQueue.h"
#include "engine/SettingsDocument.h"

namespace pindeckctl {

// Opens the joystick service and the engine object over it, and connects the box, waiting for
// one (and saying so once) until a stop or the deadline. Empty when the joystick service cannot
// start (after a message) or when no box came before the stop.
std::unique_ptr<Tambo::ControllerEmissary> ConnectBox(
    Tambo::EventQueue& queue, const Tambo::SettingsDocument& settings,
    std::chrono::steady_clock::time_point deadline, LinePrinter& printer, CliContext& cli);

// The end of a run that lasts `seconds` (forever when negative or beyond a century).
std::chrono::steady_clock::time_point DeadlineAfter(double seconds);

}  // namespace pindeckctl
