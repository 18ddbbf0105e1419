#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "ActionRecorder.h"
#include "BoxDevice.h"
#include "EventQueue.h"
#include "Sender.h"
#include "platform/Joystick.h"

namespace Tambo {

// The engine object: owns the box device (and its polling thread) and the action recorder.
// Created once at start-up, when it makes one attempt to open the controller; at exit it stops
// polling and waits for it. Receivers (the custom action page) are told when Caps Lock ends a
// recording.
class ControllerEmissary : public Sender {
public:
    // Without recorder services there is no recorder: the recorder operations do nothing.
    ControllerEmissary(std::shared_ptr<platform::Joystick> joystick, EventQueue& queue,
                       std::function<bool()> exclusive,
                       std::optional<ActionRecorder::Services> recorderServices = std::nullopt);
    ~ControllerEmissary() override;

    BoxDevice& Device() { return device; }

    void ArmRecorder(Receiver* page);
    void DisarmRecorder();
    void BeginToggleCapture();
    void EndToggleCapture();
    std::vector<CommandPtr> recorded() const;
    std::vector<ScreenPoint> togglePoints() const;
    bool Recording() const;

    // Set once the user (or the headless player) has connected the box.
    bool boxConnected = false;

private:
    BoxDevice device;
    std::unique_ptr<ActionRecorder> recorder;
};

}  // namespace Tambo
