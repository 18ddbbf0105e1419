#pragma once

#include <cstdint>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <vector>

#include "engine/BoxModels.h"
#include "engine/Console.h"

namespace Tambo {

// The user's own controller-code-to-slot mappings, one member per box model ("0" to "5", each
// an array: element i is the code bound to slot i, 38 for none), kept in keybind_data.json.
class KeyBindingStore {
public:
    static constexpr const char* kFileName = "keybind_data.json";
    static constexpr const char* kKeptSuffix = ".bad";

    explicit KeyBindingStore(std::filesystem::path folder, Console console = Console::Standard());

    // Reads the file into the document. False without a message when there is no file; false
    // with a message on standard error when it cannot be read (the document is then empty, and
    // the next save first keeps the unreadable file as keybind_data.json.bad).
    bool LoadBindings();
    // Lays the document over the models: each fitting member replaces its model's whole
    // mapping. Members that do not fit a model are skipped, so it keeps the mapping it has.
    void ApplyBindings(BoxModels& models) const;
    // Writes the document atomically; false after a message on standard error.
    bool SaveBindings();
    // Stores one model's list of codes (merged into the document), applies and saves.
    bool UpdateBindings(BoxModels& models, std::int32_t modelNumber,
                        const std::vector<std::int32_t>& codes);

    const nlohmann::json& Document() const { return keybindDocument; }
    std::filesystem::path FilePath() const { return folder_ / kFileName; }

private:
    std::filesystem::path folder_;
    Console console_;
    nlohmann::json keybindDocument;
    bool keepOriginalBeforeSave_ = false;
};

// Builds the six models with their built-in mappings, then lays the stored bindings over them.
// Returns whether the stored bindings were read (false also when there are none).
bool BuildBoxModels(BoxModels& models, KeyBindingStore& store);

}  // namespace Tambo
