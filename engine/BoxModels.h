#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "ControllerEvent.h"
#include "Sender.h"

namespace Tambo {

// One model of button box: which box slot each controller code presses.
class BoxType : public Sender {
public:
    BoxType(std::int32_t modelNumber, std::int32_t slotCount,
            std::map<std::int32_t, std::int32_t> builtInMapping);

    // The smallest code bound to the slot; 38 when none is.
    virtual std::int32_t CodeForSlot(std::int32_t slot) const;
    virtual void Bind(std::int32_t code, std::int32_t slot);
    // The slot of a code; 16 when the code is not bound.
    virtual std::int32_t SlotForCode(std::int32_t code) const;
    virtual std::int32_t SlotCount() const { return slotCount; }

    std::int32_t ModelNumber() const { return modelNumber; }
    const std::map<std::int32_t, std::int32_t>& CodeToSlot() const { return codeToSlot; }
    void ClearBindings() { codeToSlot.clear(); }

protected:
    std::map<std::int32_t, std::int32_t> codeToSlot;
    std::int32_t slotCount;
    std::int32_t modelNumber;
};

class WiredBox : public BoxType {
public:
    WiredBox();
};
class WirelessBox : public BoxType {
public:
    WirelessBox();
};
class BlueToothBox : public BoxType {
public:
    BlueToothBox();
};
class WiredV3Box : public BoxType {
public:
    WiredV3Box();
};
class BlueTooth14Box : public BoxType {
public:
    BlueTooth14Box();
};
class Dex14Box : public BoxType {
public:
    Dex14Box();
};

// The six box models in model-number order. The dispatcher translates codes on its thread while
// the user interface rebinds: every access holds the models' lock. Lock order: the event queue's
// mutex may be held when this lock is taken, never the other way round.
class BoxModels {
public:
    static constexpr std::int32_t kModelCount = 6;

    BoxModels();

    // Rebuilds all six models with their built-in mappings.
    void Reset();
    // The slot for a code on a model; 16 for a model number outside 0 to 5.
    std::int32_t SlotForCode(std::int32_t modelNumber, std::int32_t code) const;
    std::int32_t CodeForSlot(std::int32_t modelNumber, std::int32_t slot) const;
    // The slot count of a model; 0 for a model number outside 0 to 5.
    std::int32_t SlotCount(std::int32_t modelNumber) const;
    std::map<std::int32_t, std::int32_t> CodeToSlot(std::int32_t modelNumber) const;
    // Replaces a model's whole mapping: codes[i] is bound to slot i.
    void ReplaceBindings(std::int32_t modelNumber, const std::vector<std::int32_t>& codes);

    static bool IsModelNumber(std::int32_t modelNumber) {
        return modelNumber >= 0 && modelNumber < kModelCount;
    }
    // The label the main page shows for a model ("Wired", ...); empty outside 0 to 5.
    static std::u16string Label(std::int32_t modelNumber);

private:
    mutable std::mutex mutex_;
    std::array<std::unique_ptr<BoxType>, kModelCount> models_;
};

}  // namespace Tambo
