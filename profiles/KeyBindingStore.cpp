#include "KeyBindingStore.h"

#include <fstream>
#include <optional>
#include <string>
#include <utility>

#include "ProfileFile.h"
#include "storage/AtomicFile.h"

namespace Tambo {
namespace {

// "0" to "5" exactly; anything else names no model.
std::optional<std::int32_t> ModelNumberFromKey(const std::string& key) {
    if (key.size() != 1 || key[0] < '0' || key[0] > '5') {
        return std::nullopt;
    }
    return key[0] - '0';
}

// The member's codes when they fit the model: an array of numbers no longer than its slots.
std::optional<std::vector<std::int32_t>> CodesForModel(const nlohmann::json& value,
                                                       std::int32_t slotCount) {
    if (!value.is_array() || value.size() > static_cast<std::size_t>(slotCount)) {
        return std::nullopt;
    }
    std::vector<std::int32_t> codes;
    for (const nlohmann::json& element : value) {
        if (!element.is_number()) {
            return std::nullopt;
        }
        codes.push_back(ProfileFile::ToInt32(element));
    }
    return codes;
}

}  // namespace

KeyBindingStore::KeyBindingStore(std::filesystem::path folder, Console console)
    : folder_(std::move(folder)), console_(console) {}

bool KeyBindingStore::LoadBindings() {
    const std::filesystem::path path = FilePath();
    std::error_code error;
    if (!std::filesystem::exists(path, error)) {
        return false;
    }
    std::ifstream stream;
    if (std::filesystem::is_regular_file(path, error)) {
        stream.open(path, std::ios::binary);
    }
    if (!stream.is_open()) {
        console_.err << "Failed to open file for reading keybind_data."
                     << "\n";
        keepOriginalBeforeSave_ = true;
        return false;
    }
    try {
        nlohmann::json document;
        stream >> document;  // one value; text after it is ignored
        keybindDocument = std::move(document);
        return true;
    } catch (const std::exception& exception) {
        console_.err << "Exception thrown during keybind data file read\n"
                     << exception.what() << "\n";
        keybindDocument = nullptr;
        keepOriginalBeforeSave_ = true;
        return false;
    }
}

void KeyBindingStore::ApplyBindings(BoxModels& models) const {
    if (!keybindDocument.is_object()) {
        return;
    }
    for (const auto& [key, value] : keybindDocument.items()) {
        const std::optional<std::int32_t> model = ModelNumberFromKey(key);
        if (!model) {
            continue;
        }
        if (const auto codes = CodesForModel(value, models.SlotCount(*model))) {
            models.ReplaceBindings(*model, *codes);
        }
    }
}

bool KeyBindingStore::SaveBindings() {
    const std::filesystem::path path = FilePath();
    if (keepOriginalBeforeSave_) {
        std::filesystem::path kept;
        if (storage::KeepBeside(path, kKeptSuffix, kept)) {
            console_.err << "The key-binding file that could not be read was kept as "
                         << kept.string() << "\n";
        }
        keepOriginalBeforeSave_ = false;
    }
    const storage::WriteResult result =
        storage::WriteFileAtomically(path, keybindDocument.dump(4) + "\n");
    if (result.status == storage::WriteResult::kOpenFailed) {
        console_.err << "Failed to open file for writing keybind_data."
                     << "\n";
        return false;
    }
    if (!result.ok()) {
        console_.err << result.reason << "\n";
        return false;
    }
    return true;
}

bool KeyBindingStore::UpdateBindings(BoxModels& models, std::int32_t modelNumber,
                                     const std::vector<std::int32_t>& codes) {
    nlohmann::json patch = nlohmann::json::object();
    patch[std::to_string(modelNumber)] = codes;
    keybindDocument.merge_patch(patch);
    ApplyBindings(models);
    return SaveBindings();
}

bool BuildBoxModels(BoxModels& models, KeyBindingStore& store) {
    models.Reset();
    if (!store.LoadBindings()) {
        return false;
    }
    store.ApplyBindings(models);
    return true;
}

}  // namespace Tambo
