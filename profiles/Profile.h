#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "engine/ActiveProfileSource.h"
#include "engine/ICommand.h"
#include "engine/Sequence.h"

namespace Tambo {

// What every box slot of one profile plays, and how the main page draws the box for it.
//
// Thread safety: the dispatcher and profile-switch commands read profiles while the user
// interface edits them. Every field is guarded by the profile's own lock and handed out as a copy
// (sequences as shared references), so an edit never frees anything a reader still holds.
class Profile : public PlayableProfile {
public:
    static constexpr const char16_t* kDefaultBackgroundPath =
        u"ms-appx:///Assets/background_primary.png";
    static constexpr const char16_t* kDefaultButtonPath = u"ms-appx:///Assets/button.png";

    explicit Profile(std::size_t slotCount);
    Profile(std::u16string name, std::size_t slotCount);
    // A deep copy for editing: new sequences over the same (shared, immutable) commands.
    Profile(const Profile& other);
    Profile& operator=(const Profile&) = delete;

    // A valid slot takes the sequence; any other slot number changes nothing and writes an error
    // text to standard error.
    void AddActionToSlot(std::int32_t slot, SequencePtr sequence);
    void ClearSlot(std::int32_t slot);
    void SetSlotSequence(std::int32_t slot, std::u16string name, std::vector<CommandPtr> commands);
    // Replaces the whole slot list (the profile builder's save).
    void SetSequences(std::vector<SequencePtr> sequences);

    void SetName(std::u16string name);
    void SetBackgroundPath(std::u16string path);
    void SetButtonPath(std::u16string path);
    void SetBoxConfiguration(std::int32_t boxConfiguration);

    std::u16string Name() const;
    std::u16string BackgroundPath() const;
    std::u16string ButtonPath() const;
    std::int32_t BoxConfiguration() const override;
    std::size_t SlotCount() const;
    // The slot's sequence; empty for an empty slot or a slot outside the profile.
    SequencePtr Slot(std::int32_t slot) const override;
    std::vector<SequencePtr> Sequences() const;

private:
    bool IsValidSlot(std::int32_t slot) const;

    mutable std::mutex mutex_;
    std::u16string name_;
    std::u16string backgroundPath_ = kDefaultBackgroundPath;
    std::u16string buttonPath_ = kDefaultButtonPath;
    std::int32_t boxConfiguration_ = 0;
    std::vector<SequencePtr> sequences_;
};

using ProfilePtr = std::shared_ptr<Profile>;

}  // namespace Tambo
