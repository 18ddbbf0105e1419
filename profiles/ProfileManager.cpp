#include "ProfileManager.h"

#include <fstream>
#include <unordered_set>
#include <utility>

#include "ProfileFile.h"
#include "engine/MakeCommand.h"
#include "engine/Text.h"
#include "storage/AtomicFile.h"

namespace Tambo {

using ProfileFile::Member;
using ProfileFile::ToInt32;

std::shared_ptr<ProfileManager> ProfileManager::Instance() {
    static const std::shared_ptr<ProfileManager> instance = std::make_shared<ProfileManager>();
    return instance;
}

ProfileManager::ProfileManager(std::shared_ptr<CommandContext> context,
                               std::filesystem::path folder, Console console)
    : context_(std::move(context)),
      folder_(std::move(folder)),
      out_(&console.out),
      err_(&console.err) {}

void ProfileManager::SetCommandContext(std::shared_ptr<CommandContext> context) {
    context_ = std::move(context);
}

void ProfileManager::SetDataFolder(std::filesystem::path folder) {
    folder_ = std::move(folder);
}

std::filesystem::path ProfileManager::FilePath() const {
    return folder_ / kFileName;
}

bool ProfileManager::AddProfile(ProfilePtr profile) {
    if (!profile) {
        return false;
    }
    const std::u16string name = profile->Name();
    if (!IsNameFree(name)) {
        return false;
    }
    std::lock_guard lock(mutex_);
    profiles_.push_back(std::move(profile));
    return true;
}

void ProfileManager::AppendProfile(ProfilePtr profile) {
    if (!profile) {
        return;
    }
    std::lock_guard lock(mutex_);
    profiles_.push_back(std::move(profile));
}

void ProfileManager::RemoveProfile(const std::u16string& name) {
    ProfilePtr removed;
    {
        std::lock_guard lock(mutex_);
        for (auto it = profiles_.begin(); it != profiles_.end(); ++it) {
            if ((*it)->Name() == name) {
                removed = *it;
                profiles_.erase(it);
                break;
            }
        }
        if (removed && removed == active_) {
            active_.reset();
        }
    }
    // `removed` is released here, outside the lock; a reader holding it keeps it alive.
}

void ProfileManager::SelectProfile(const std::u16string& name) {
    std::lock_guard lock(mutex_);
    for (const ProfilePtr& profile : profiles_) {
        if (profile->Name() == name) {
            active_ = profile;
            return;
        }
    }
}

bool ProfileManager::IsNameFree(const std::u16string& name) const {
    for (const ProfilePtr& profile : Profiles()) {
        if (profile->Name() == name) {
            return false;
        }
    }
    return true;
}

std::vector<ProfilePtr> ProfileManager::Profiles() const {
    std::lock_guard lock(mutex_);
    return profiles_;
}

ProfilePtr ProfileManager::ActiveProfile() const {
    std::lock_guard lock(mutex_);
    return active_;
}

SequencePtr ProfileManager::ActiveSlot(std::int32_t slot) const {
    const ProfilePtr active = ActiveProfile();
    return active ? active->Slot(slot) : nullptr;
}

std::size_t ProfileManager::ProfileCount() const {
    std::lock_guard lock(mutex_);
    return profiles_.size();
}

std::optional<std::u16string> ProfileManager::ProfileNameAt(std::size_t position) const {
    ProfilePtr profile;
    {
        std::lock_guard lock(mutex_);
        if (position >= profiles_.size()) {
            return std::nullopt;
        }
        profile = profiles_[position];
    }
    return profile->Name();
}

SequencePtr ProfileManager::SequenceFromCodes(const std::string& name,
                                              const std::vector<std::string>& codes) const {
    CommandCache unshared;
    return SequenceFromCodes(name, codes, unshared);
}

SequencePtr ProfileManager::SequenceFromCodes(const std::string& name,
                                              const std::vector<std::string>& codes,
                                              CommandCache& cache) const {
    std::vector<CommandPtr> commands;
    commands.reserve(codes.size());
    for (const std::string& code : codes) {
        auto cached = cache.find(code);
        if (cached == cache.end()) {
            cached = cache.emplace(code, MakeCommand(context_, code)).first;
        }
        if (cached->second) {
            commands.push_back(cached->second);
        }
    }
    return std::make_shared<Sequence>(Utf8ToUtf16(name), std::move(commands));
}

bool ProfileManager::LoadProfiles() {
    const std::filesystem::path path = FilePath();
    std::error_code error;
    const bool exists = std::filesystem::exists(path, error);
    std::ifstream stream;
    if (std::filesystem::is_regular_file(path, error)) {
        stream.open(path, std::ios::binary);
    }
    if (!stream.is_open()) {
        // A file that is there but cannot be read must not be replaced unseen by the next write.
        keepOriginalBeforeWrite_ = exists;
        return false;
    }
    try {
        return LoadDocumentProfiles(stream);
    } catch (const std::exception& exception) {
        *out_ << exception.what() << "\n";
        keepOriginalBeforeWrite_ = true;
        return false;
    }
}

bool ProfileManager::LoadDocumentProfiles(std::istream& stream) {
    nlohmann::json document;
    stream >> document;  // one value; text after it is ignored

    CommandCache commandCache;
    std::unordered_set<std::u16string> takenNames;
    for (const ProfilePtr& profile : Profiles()) {
        takenNames.insert(profile->Name());
    }
    for (const nlohmann::json& element : Member(document, "user_profiles")) {
        const nlohmann::json& sequences = Member(element, "sequences");
        auto profile = std::make_shared<Profile>(sequences.size());
        profile->SetName(Utf8ToUtf16(Member(element, "profile_name").get<std::string>()));
        profile->SetBoxConfiguration(ToInt32(Member(element, "box_configuration")));
        profile->SetBackgroundPath(
            Utf8ToUtf16(Member(element, "background_path").get<std::string>()));
        profile->SetButtonPath(Utf8ToUtf16(Member(element, "button_path").get<std::string>()));

        for (const nlohmann::json& entry : sequences) {
            const auto actions = Member(entry, "actions").get<std::vector<std::string>>();
            const std::int32_t slot = ToInt32(Member(entry, "sequence_id"));
            const auto name = Member(entry, "sequence_name").get<std::string>();
            if (slot < 0 || static_cast<std::size_t>(slot) >= profile->SlotCount()) {
                *out_ << "Skipped sequence_id " << slot << " of profile \""
                      << Utf16ToUtf8(profile->Name()) << "\": the profile has "
                      << profile->SlotCount() << " slots\n";
                continue;
            }
            SequencePtr sequence =
                actions.empty() ? nullptr : SequenceFromCodes(name, actions, commandCache);
            // A slot none of whose codes is recognised is as empty as one without codes.
            if (!sequence || sequence->commands.empty()) {
                profile->ClearSlot(slot);
            } else {
                profile->AddActionToSlot(slot, std::move(sequence));
            }
        }
        // The first profile of a name wins; later ones are dropped.
        if (takenNames.insert(profile->Name()).second) {
            std::lock_guard lock(mutex_);
            profiles_.push_back(std::move(profile));
        }
    }
    return true;
}

bool ProfileManager::WriteProfiles() {
    const std::filesystem::path path = FilePath();
    if (keepOriginalBeforeWrite_) {
        std::filesystem::path kept;
        if (storage::KeepBeside(path, kKeptSuffix, kept)) {
            *err_ << "The profile file that failed to load was kept as " << kept.string() << "\n";
        }
        keepOriginalBeforeWrite_ = false;
    }
    const std::string text = ProfileFile::ToText(Profiles());
    const storage::WriteResult result = storage::WriteFileAtomically(path, text);
    if (result.status == storage::WriteResult::kOpenFailed) {
        *err_ << "Error opening file for writing."
              << "\n";
        return false;
    }
    if (!result.ok()) {
        *err_ << "Error writing file: " << result.reason << "\n";
        return false;
    }
    return true;
}

}  // namespace Tambo
