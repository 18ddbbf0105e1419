#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace Tambo {

// What a profile-switch command needs of the profile store, and nothing more.
class ProfileStore {
public:
    virtual ~ProfileStore() = default;

    virtual std::size_t ProfileCount() const = 0;
    // The name of the profile at a list position; empty when the position is past the end (the
    // list may shrink between the count and this call).
    virtual std::optional<std::u16string> ProfileNameAt(std::size_t position) const = 0;
    // Makes the first profile of that name active; no such profile leaves the active one.
    virtual void SelectProfile(const std::u16string& name) = 0;
};

}  // namespace Tambo
