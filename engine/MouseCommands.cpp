#include "MouseCommands.h"

#include <array>
#include <cmath>
#include <limits>
#include <utility>

#include "CommandCode.h"
#include "CommandContext.h"
#include "Text.h"

namespace Tambo {

using platform::MOUSEEVENTF_ABSOLUTE;
using platform::MOUSEEVENTF_LEFTDOWN;
using platform::MOUSEEVENTF_LEFTUP;
using platform::MOUSEEVENTF_MOVE;
using platform::MOUSEEVENTF_RIGHTDOWN;
using platform::MOUSEEVENTF_RIGHTUP;
using platform::MouseRecord;

namespace {

void SendOne(const CommandContext& context, const MouseRecord& record) {
    const std::array<platform::InputRecord, 1> records{record};
    context.Send(records);
}

MouseRecord ButtonRecord(std::uint32_t flags) {
    return MouseRecord{0, 0, flags};
}

MouseRecord AbsoluteMove(float widthMinusOne, float heightMinusOne, ScreenPoint point) {
    return MouseRecord{AbsoluteGridCoordinate(widthMinusOne, point.x),
                       AbsoluteGridCoordinate(heightMinusOne, point.y),
                       MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE};
}

float SizeMinusOne(int size) {
    return static_cast<float>(size - 1);
}

}  // namespace

std::int32_t AbsoluteGridCoordinate(float sizeMinusOne, std::int32_t pixel) {
    const float grid = 65535.0f / sizeMinusOne * static_cast<float>(pixel) + 1.0f;
    if (std::isnan(grid)) {
        return 0;
    }
    // 2^31 is exactly representable as a float; anything at or beyond it saturates.
    constexpr float kLimit = 2147483648.0f;
    if (grid >= kLimit) {
        return std::numeric_limits<std::int32_t>::max();
    }
    if (grid <= -kLimit) {
        return std::numeric_limits<std::int32_t>::min();
    }
    return static_cast<std::int32_t>(std::trunc(grid));
}

// SimpleClick and RightClick

SimpleClick::SimpleClick(std::shared_ptr<CommandContext> context)
    : ICommand(std::move(context), u"SC") {}

void SimpleClick::Execute() {
    SendOne(*context, ButtonRecord(MOUSEEVENTF_LEFTDOWN));
    context->Pause(kPauseMs);
    SendOne(*context, ButtonRecord(MOUSEEVENTF_LEFTUP));
}

void SimpleClick::Press() {
    SendOne(*context, ButtonRecord(MOUSEEVENTF_LEFTDOWN));
}

void SimpleClick::Release() {
    SendOne(*context, ButtonRecord(MOUSEEVENTF_LEFTUP));
}

RightClick::RightClick(std::shared_ptr<CommandContext> context)
    : ICommand(std::move(context), u"RC") {}

void RightClick::Execute() {
    context->ResetToggle();
    SendOne(*context, ButtonRecord(MOUSEEVENTF_RIGHTDOWN));
    context->Pause(kPauseMs);
    SendOne(*context, ButtonRecord(MOUSEEVENTF_RIGHTUP));
}

void RightClick::Press() {
    context->ResetToggle();
    SendOne(*context, ButtonRecord(MOUSEEVENTF_RIGHTDOWN));
}

void RightClick::Release() {
    SendOne(*context, ButtonRecord(MOUSEEVENTF_RIGHTUP));
}

// MouseCommand

MouseCommand::MouseCommand(std::shared_ptr<CommandContext> context, std::int32_t button,
                           std::int32_t x, std::int32_t y)
    : ICommand(std::move(context), CommandCode(u"MC", {button, x, y})),
      move(AbsoluteMove(SizeMinusOne(this->context->ScreenWidth()),
                        SizeMinusOne(this->context->ScreenHeight()), ScreenPoint{x, y})),
      down(ButtonRecord(button == kRightButton ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN)),
      up(ButtonRecord(button == kRightButton ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP)),
      description((button == kRightButton ? u"Mouse Right Click. X:" : u"Mouse Left Click. X:") +
                  DecimalText(x) + u", Y:" + DecimalText(y)) {}

void MouseCommand::SendRecord(const MouseRecord& record) const {
    SendOne(*context, record);
}

void MouseCommand::Execute() {
    context->ResetToggle();
    SendRecord(move);
    SendRecord(down);
    context->Pause(context->timings.pressReleaseMs.load());
    SendRecord(up);
}

void MouseCommand::Press() {
    context->ResetToggle();
    SendRecord(move);
    SendRecord(down);
}

void MouseCommand::Release() {
    SendRecord(up);
}

// MouseDown and MouseUp

MouseDown::MouseDown(std::shared_ptr<CommandContext> context)
    : ICommand(std::move(context), u"MD") {}

void MouseDown::Execute() {
    SendOne(*context, ButtonRecord(MOUSEEVENTF_LEFTDOWN));
}

MouseUp::MouseUp(std::shared_ptr<CommandContext> context) : ICommand(std::move(context), u"MU") {}

void MouseUp::Execute() {
    SendOne(*context, ButtonRecord(MOUSEEVENTF_LEFTUP));
}

// MouseSlide

namespace {

constexpr double kSlideShareOfHeight = 0.013;

const char16_t* DirectionWord(std::int32_t dir) {
    switch (dir) {
        case MouseSlide::kUp:
            return u"UP";
        case MouseSlide::kDown:
            return u"DOWN";
        case MouseSlide::kLeft:
            return u"LEFT";
        case MouseSlide::kRight:
            return u"RIGHT";
        default:
            return u"";
    }
}

MouseRecord SlideRecord(std::int32_t dir, std::int32_t step) {
    switch (dir) {
        case MouseSlide::kUp:
            return MouseRecord{0, -step, MOUSEEVENTF_MOVE};
        case MouseSlide::kDown:
            return MouseRecord{0, step, MOUSEEVENTF_MOVE};
        case MouseSlide::kLeft:
            return MouseRecord{-step, 0, MOUSEEVENTF_MOVE};
        case MouseSlide::kRight:
            return MouseRecord{step, 0, MOUSEEVENTF_MOVE};
        default:
            return MouseRecord{0, 0, MOUSEEVENTF_MOVE};
    }
}

}  // namespace

MouseSlide::MouseSlide(std::shared_ptr<CommandContext> context, std::int32_t dir)
    : ICommand(std::move(context), CommandCode(u"MS", {dir})),
      knownDirection(dir >= kUp && dir <= kRight),
      slide(SlideRecord(
          dir, static_cast<std::int32_t>(this->context->ScreenHeight() * kSlideShareOfHeight))),
      description(std::u16string(u"Move Mouse ") + DirectionWord(dir)) {}

// An unknown direction moves nothing, so it sends nothing either.
void MouseSlide::Execute() {
    if (knownDirection) {
        SendOne(*context, slide);
    }
}

void MouseSlide::Press() {
    Execute();
}

// MouseToggle

namespace {

std::u16string ToggleCode(const std::vector<ScreenPoint>& points) {
    std::u16string code = u"MT";
    for (const ScreenPoint& point : points) {
        code += u' ' + DecimalText(point.x) + u' ' + DecimalText(point.y);
    }
    return code;
}

std::u16string ToggleDescription(const std::vector<ScreenPoint>& points) {
    std::u16string text = u"Mouse Toggle Locations: \n";
    for (const ScreenPoint& point : points) {
        text += u"\t< X: " + DecimalText(point.x) + u" , Y: " + DecimalText(point.y) + u" >\n";
    }
    return text;
}

}  // namespace

MouseToggle::MouseToggle(std::shared_ptr<CommandContext> context, std::vector<ScreenPoint> points)
    : ICommand(std::move(context), ToggleCode(points)),
      points(std::move(points)),
      widthMinusOne(SizeMinusOne(this->context->ScreenWidth())),
      heightMinusOne(SizeMinusOne(this->context->ScreenHeight())),
      description(ToggleDescription(this->points)) {}

// A toggle without points has nowhere to go: it sends nothing and does not pause.
void MouseToggle::Execute() {
    if (points.empty()) {
        return;
    }
    Step();
    context->Pause(kPauseMs);
}

void MouseToggle::Press() {
    Execute();
}

void MouseToggle::Step() {
    std::int32_t index = context->toggleIndex.load();
    if (static_cast<std::uint64_t>(static_cast<std::int64_t>(index)) > points.size() - 1) {
        index = 0;
    }
    context->toggleIndex.store(index + 1);
    SendOne(*context, AbsoluteMove(widthMinusOne, heightMinusOne, points[index]));
}

}  // namespace Tambo
