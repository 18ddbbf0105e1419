#include "ControllerEmissary.h"

#include <utility>

namespace Tambo {

ControllerEmissary::ControllerEmissary(std::shared_ptr<platform::Joystick> joystick,
                                       EventQueue& queue, std::function<bool()> exclusive,
                                       std::optional<ActionRecorder::Services> recorderServices)
    : device(std::move(joystick), queue, std::move(exclusive)) {
    if (recorderServices) {
        recorder =
            std::make_unique<ActionRecorder>(std::move(*recorderServices), [this] { NotifyAll(); });
    }
    device.Connect();  // the result is not kept: the controller switch connects again as needed
}

ControllerEmissary::~ControllerEmissary() {
    recorder.reset();  // stops its timers before the receivers go
    device.StopPolling();
}

void ControllerEmissary::ArmRecorder(Receiver* page) {
    if (!recorder)
        return;
    if (page)
        AddReceiver(page);
    recorder->ArmRecorder();
}

void ControllerEmissary::DisarmRecorder() {
    if (!recorder)
        return;
    recorder->DisarmRecorder();
    ClearReceivers();
}

void ControllerEmissary::BeginToggleCapture() {
    if (recorder)
        recorder->BeginToggleCapture();
}

void ControllerEmissary::EndToggleCapture() {
    if (recorder)
        recorder->EndToggleCapture();
}

std::vector<CommandPtr> ControllerEmissary::recorded() const {
    return recorder ? recorder->Recorded() : std::vector<CommandPtr>{};
}

std::vector<ScreenPoint> ControllerEmissary::togglePoints() const {
    return recorder ? recorder->TogglePoints() : std::vector<ScreenPoint>{};
}

bool ControllerEmissary::Recording() const {
    return recorder && recorder->Recording();
}

}  // namespace Tambo
