#include "Profile.h"

#include <iostream>
#include <utility>

namespace Tambo {

Profile::Profile(std::size_t slotCount) : sequences_(slotCount) {}

Profile::Profile(std::u16string name, std::size_t slotCount)
    : name_(std::move(name)), sequences_(slotCount) {}

Profile::Profile(const Profile& other) {
    std::lock_guard lock(other.mutex_);
    name_ = other.name_;
    backgroundPath_ = other.backgroundPath_;
    buttonPath_ = other.buttonPath_;
    boxConfiguration_ = other.boxConfiguration_;
    sequences_.reserve(other.sequences_.size());
    for (const SequencePtr& sequence : other.sequences_) {
        sequences_.push_back(
            sequence ? std::make_shared<Sequence>(sequence->name, sequence->commands) : nullptr);
    }
}

bool Profile::IsValidSlot(std::int32_t slot) const {
    return slot >= 0 && static_cast<std::size_t>(slot) < sequences_.size();
}

void Profile::AddActionToSlot(std::int32_t slot, SequencePtr sequence) {
    std::lock_guard lock(mutex_);
    if (!IsValidSlot(slot)) {
        std::cerr << "ERROR: Attempt to add action to slot greater than active slots.";
        return;
    }
    sequences_[static_cast<std::size_t>(slot)] = std::move(sequence);
}

void Profile::ClearSlot(std::int32_t slot) {
    std::lock_guard lock(mutex_);
    if (IsValidSlot(slot)) {
        sequences_[static_cast<std::size_t>(slot)].reset();
    }
}

void Profile::SetSlotSequence(std::int32_t slot, std::u16string name,
                              std::vector<CommandPtr> commands) {
    auto sequence = std::make_shared<Sequence>(std::move(name), std::move(commands));
    std::lock_guard lock(mutex_);
    if (IsValidSlot(slot)) {
        sequences_[static_cast<std::size_t>(slot)] = std::move(sequence);
    }
}

void Profile::SetSequences(std::vector<SequencePtr> sequences) {
    std::lock_guard lock(mutex_);
    sequences_ = std::move(sequences);
}

void Profile::SetName(std::u16string name) {
    std::lock_guard lock(mutex_);
    name_ = std::move(name);
}

void Profile::SetBackgroundPath(std::u16string path) {
    std::lock_guard lock(mutex_);
    backgroundPath_ = std::move(path);
}

void Profile::SetButtonPath(std::u16string path) {
    std::lock_guard lock(mutex_);
    buttonPath_ = std::move(path);
}

void Profile::SetBoxConfiguration(std::int32_t boxConfiguration) {
    std::lock_guard lock(mutex_);
    boxConfiguration_ = boxConfiguration;
}

std::u16string Profile::Name() const {
    std::lock_guard lock(mutex_);
    return name_;
}

std::u16string Profile::BackgroundPath() const {
    std::lock_guard lock(mutex_);
    return backgroundPath_;
}

std::u16string Profile::ButtonPath() const {
    std::lock_guard lock(mutex_);
    return buttonPath_;
}

std::int32_t Profile::BoxConfiguration() const {
    std::lock_guard lock(mutex_);
    return boxConfiguration_;
}

std::size_t Profile::SlotCount() const {
    std::lock_guard lock(mutex_);
    return sequences_.size();
}

SequencePtr Profile::Slot(std::int32_t slot) const {
    std::lock_guard lock(mutex_);
    return IsValidSlot(slot) ? sequences_[static_cast<std::size_t>(slot)] : nullptr;
}

std::vector<SequencePtr> Profile::Sequences() const {
    std::lock_guard lock(mutex_);
    return sequences_;
}

}  // namespace Tambo
