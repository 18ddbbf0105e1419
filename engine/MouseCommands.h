#pragma once

// The commands that inject mouse records: SimpleClick, RightClick, MouseCommand, MouseDown,
// MouseUp, MouseSlide and MouseToggle.

#include <cstdint>
#include <memory>
#include <vector>

#include "ICommand.h"
#include "platform/InputRecord.h"

namespace Tambo {

struct ScreenPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;

    friend bool operator==(const ScreenPoint&, const ScreenPoint&) = default;
};

// A screen pixel on the 0..65535 absolute grid: trunc(65535 / (size - 1) * pixel + 1), computed
// in single precision. Values beyond the signed 32-bit range saturate.
std::int32_t AbsoluteGridCoordinate(float sizeMinusOne, std::int32_t pixel);

// Left click wherever the cursor is.
class SimpleClick : public ICommand {
public:
    static constexpr std::int64_t kPauseMs = 300;

    explicit SimpleClick(std::shared_ptr<CommandContext> context);

    std::u16string GetDescription() const override { return u"Left Click"; }
    void Execute() override;
    void Press() override;
    void Release() override;
};

// Right click wherever the cursor is.
class RightClick : public ICommand {
public:
    static constexpr std::int64_t kPauseMs = 300;

    explicit RightClick(std::shared_ptr<CommandContext> context);

    std::u16string GetDescription() const override { return u"Right Click"; }
    void Execute() override;
    void Press() override;
    void Release() override;
};

// Move to a screen point, then click there with the left or right button.
class MouseCommand : public ICommand {
public:
    static constexpr std::int32_t kRightButton = 2;

    MouseCommand(std::shared_ptr<CommandContext> context, std::int32_t button, std::int32_t x,
                 std::int32_t y);

    std::u16string GetDescription() const override { return description; }
    void Execute() override;
    void Press() override;
    void Release() override;
    void Repeat() override {}

private:
    void SendRecord(const platform::MouseRecord& record) const;

    platform::MouseRecord move;
    platform::MouseRecord down;
    platform::MouseRecord up;
    std::u16string description;
};

// Left button down, real time.
class MouseDown : public ICommand {
public:
    explicit MouseDown(std::shared_ptr<CommandContext> context);

    std::u16string GetDescription() const override { return u"Left Mouse RealTime"; }
    void Execute() override;
    void Press() override {}
    void Release() override {}
};

// Left button up, real time.
class MouseUp : public ICommand {
public:
    explicit MouseUp(std::shared_ptr<CommandContext> context);

    std::u16string GetDescription() const override { return u"Left Mouse RealTime"; }
    void Execute() override;
    void Press() override {}
    void Release() override {}
};

// A small relative cursor move: 1.3 % of the screen height in one direction.
class MouseSlide : public ICommand {
public:
    enum Direction : std::int32_t { kUp = 0, kDown = 1, kLeft = 2, kRight = 3 };

    MouseSlide(std::shared_ptr<CommandContext> context, std::int32_t dir);

    std::u16string GetDescription() const override { return description; }
    void Execute() override;
    void Press() override;
    void Release() override {}

private:
    bool knownDirection;
    platform::MouseRecord slide;
    std::u16string description;
};

// Each step moves the cursor to the next of its points, wrapping to the first; all toggles share
// the engine's toggle counter.
class MouseToggle : public ICommand {
public:
    static constexpr std::int64_t kPauseMs = 300;

    MouseToggle(std::shared_ptr<CommandContext> context, std::vector<ScreenPoint> points);

    std::u16string GetDescription() const override { return description; }
    void Execute() override;
    void Press() override;
    void Release() override {}

    const std::vector<ScreenPoint>& Points() const { return points; }

private:
    void Step();

    std::vector<ScreenPoint> points;
    float widthMinusOne;
    float heightMinusOne;
    std::u16string description;
};

}  // namespace Tambo
