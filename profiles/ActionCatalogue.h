#pragma once

// The fixed vocabulary of named actions a box button can be given without recording anything:
// generic keys and mouse moves, and the shortcuts of each supported simulator. An action is
// identified by its category and its index within the category; every request builds new
// objects, so the catalogue itself holds no state.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "engine/CommandContext.h"
#include "engine/Sequence.h"

namespace Tambo::ActionCatalogue {

// Categories 0 to 7 are tables of named actions; category 8 makes a profile switch for any index.
inline constexpr std::uint32_t kTableCategoryCount = 8;
inline constexpr std::uint32_t kProfileSwapCategory = 8;
inline constexpr const char16_t* kProfileSwapName = u"Profile Swap";

struct ActionId {
    std::uint32_t category = 0;
    std::uint32_t index = 0;

    friend bool operator==(const ActionId&, const ActionId&) = default;
};

// A new sequence named as the catalogue names the action, holding newly built commands that play
// into `context` (which must not be empty). Category 8 gives "Profile Swap" with a switch to
// profile number `index` (its existence is checked only when it plays). Empty for any other
// category and for an index past the end of a category.
SequencePtr GetAction(const std::shared_ptr<CommandContext>& context, std::uint32_t category,
                      std::uint32_t index);

// How many actions a table category holds; 0 for category 8 (unbounded) and beyond.
std::size_t ActionCount(std::uint32_t category);

// The action of a table category with exactly this name (names are unique across the tables).
std::optional<ActionId> FindAction(std::u16string_view name);

}  // namespace Tambo::ActionCatalogue
