#include "BoxModels.h"

#include <utility>

namespace Tambo {

BoxType::BoxType(std::int32_t modelNumber, std::int32_t slotCount,
                 std::map<std::int32_t, std::int32_t> builtInMapping)
    : codeToSlot(std::move(builtInMapping)), slotCount(slotCount), modelNumber(modelNumber) {}

std::int32_t BoxType::CodeForSlot(std::int32_t slot) const {
    for (const auto& [code, boundSlot] : codeToSlot) {
        if (boundSlot == slot) {
            return code;
        }
    }
    return static_cast<std::int32_t>(C_Code::kNoCode);
}

void BoxType::Bind(std::int32_t code, std::int32_t slot) {
    codeToSlot[code] = slot;
}

std::int32_t BoxType::SlotForCode(std::int32_t code) const {
    const auto found = codeToSlot.find(code);
    return found == codeToSlot.end() ? UI_Button::kNoSlot : found->second;
}

// Built-in wiring of each model, code -> slot.
WiredBox::WiredBox()
    : BoxType(0, 10,
              {{11, 0}, {10, 1}, {9, 2}, {8, 3}, {7, 4}, {6, 5}, {5, 6}, {4, 7}, {3, 8}, {2, 9}}) {}

WirelessBox::WirelessBox()
    : BoxType(
          1, 10,
          {{9, 0}, {32, 1}, {35, 2}, {33, 3}, {4, 4}, {0, 5}, {5, 6}, {1, 7}, {2, 8}, {34, 9}}) {}

BlueToothBox::BlueToothBox()
    : BoxType(2, 10,
              {{12, 0}, {11, 1}, {10, 2}, {9, 3}, {8, 4}, {7, 5}, {6, 6}, {5, 7}, {4, 8}, {3, 9}}) {
}

WiredV3Box::WiredV3Box()
    : BoxType(3, 10,
              {{9, 0}, {8, 1}, {7, 2}, {6, 3}, {3, 4}, {2, 5}, {1, 6}, {0, 7}, {32, 8}, {33, 9}}) {}

BlueTooth14Box::BlueTooth14Box()
    : BoxType(4, 14,
              {{11, 0},
               {10, 1},
               {9, 2},
               {8, 3},
               {7, 4},
               {6, 5},
               {5, 6},
               {4, 7},
               {3, 8},
               {2, 9},
               {1, 10},
               {0, 11},
               {13, 12},
               {12, 13}}) {}

Dex14Box::Dex14Box()
    : BoxType(5, 14,
              {{11, 0},
               {8, 1},
               {1, 2},
               {6, 3},
               {0, 4},
               {7, 5},
               {3, 6},
               {4, 7},
               {13, 8},
               {2, 9},
               {10, 10},
               {9, 11},
               {12, 12},
               {5, 13}}) {}

BoxModels::BoxModels() {
    Reset();
}

void BoxModels::Reset() {
    std::lock_guard lock(mutex_);
    models_ = {std::make_unique<WiredBox>(),       std::make_unique<WirelessBox>(),
               std::make_unique<BlueToothBox>(),   std::make_unique<WiredV3Box>(),
               std::make_unique<BlueTooth14Box>(), std::make_unique<Dex14Box>()};
}

std::int32_t BoxModels::SlotForCode(std::int32_t modelNumber, std::int32_t code) const {
    if (!IsModelNumber(modelNumber)) {
        return UI_Button::kNoSlot;
    }
    std::lock_guard lock(mutex_);
    return models_[modelNumber]->SlotForCode(code);
}

std::int32_t BoxModels::CodeForSlot(std::int32_t modelNumber, std::int32_t slot) const {
    if (!IsModelNumber(modelNumber)) {
        return static_cast<std::int32_t>(C_Code::kNoCode);
    }
    std::lock_guard lock(mutex_);
    return models_[modelNumber]->CodeForSlot(slot);
}

std::int32_t BoxModels::SlotCount(std::int32_t modelNumber) const {
    if (!IsModelNumber(modelNumber)) {
        return 0;
    }
    std::lock_guard lock(mutex_);
    return models_[modelNumber]->SlotCount();
}

std::map<std::int32_t, std::int32_t> BoxModels::CodeToSlot(std::int32_t modelNumber) const {
    if (!IsModelNumber(modelNumber)) {
        return {};
    }
    std::lock_guard lock(mutex_);
    return models_[modelNumber]->CodeToSlot();
}

void BoxModels::ReplaceBindings(std::int32_t modelNumber, const std::vector<std::int32_t>& codes) {
    if (!IsModelNumber(modelNumber)) {
        return;
    }
    std::lock_guard lock(mutex_);
    BoxType& model = *models_[modelNumber];
    model.ClearBindings();
    for (std::size_t slot = 0; slot < codes.size(); ++slot) {
        model.Bind(codes[slot], static_cast<std::int32_t>(slot));
    }
}

std::u16string BoxModels::Label(std::int32_t modelNumber) {
    static const char16_t* const kLabels[kModelCount] = {u"Wired",    u"Wireless", u"Bluetooth",
                                                         u"Wired V3", u"Tav-14",   u"Dex-14"};
    return IsModelNumber(modelNumber) ? kLabels[modelNumber] : u"";
}

}  // namespace Tambo
