#pragma once

#include <cstdint>
#include <memory>

#include "Sequence.h"

namespace Tambo {

// What the dispatcher reads of a profile: its box model and the sequence of a slot.
class PlayableProfile {
public:
    virtual ~PlayableProfile() = default;

    virtual std::int32_t BoxConfiguration() const = 0;
    // Empty for an empty slot and for a slot outside the profile.
    virtual SequencePtr Slot(std::int32_t slot) const = 0;
};

// Where the dispatcher finds the active profile. The returned reference keeps the profile alive
// while it is used, whatever the user interface changes meanwhile.
class ActiveProfileSource {
public:
    virtual ~ActiveProfileSource() = default;

    virtual std::shared_ptr<const PlayableProfile> ActivePlayable() const = 0;
};

}  // namespace Tambo
