#pragma once

#include <filesystem>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "Profile.h"
#include "engine/ActiveProfileSource.h"
#include "engine/CommandContext.h"
#include "engine/Console.h"
#include "engine/ProfileStore.h"

namespace Tambo {

// Owns every profile, in list order (the order profile-switch commands count in), and which one
// is active; reads and writes profile_data.json.
//
// Thread safety: one lock guards the list and the active profile. Profiles are held as shared
// references and handed out as copies made under that lock, so removing or replacing a profile
// never frees one that the dispatcher or a playing command is still using. The manager's lock is
// never held while a profile's own lock is taken (no nesting, so no lock order to keep).
class ProfileManager : public ProfileStore, public ActiveProfileSource {
public:
    static constexpr const char* kFileName = "profile_data.json";
    static constexpr const char* kKeptSuffix = ".bad";

    // The application's manager, created empty on first use.
    static std::shared_ptr<ProfileManager> Instance();

    ProfileManager() = default;
    ProfileManager(std::shared_ptr<CommandContext> context, std::filesystem::path folder,
                   Console console = Console::Standard());

    // Where commands are rebuilt into and where the profile file lives.
    void SetCommandContext(std::shared_ptr<CommandContext> context);
    void SetDataFolder(std::filesystem::path folder);

    // Appends the profile when its name is free; otherwise changes nothing and returns false.
    bool AddProfile(ProfilePtr profile);
    // Appends the profile whatever its name (built-in presets are added this way).
    void AppendProfile(ProfilePtr profile);
    // Removes the first profile of that name; when it was the active one, none is active.
    void RemoveProfile(const std::u16string& name);
    // Makes the first profile of that name active; an unknown name leaves the active one.
    void SelectProfile(const std::u16string& name) override;
    bool IsNameFree(const std::u16string& name) const;

    std::vector<ProfilePtr> Profiles() const;
    ProfilePtr ActiveProfile() const;
    std::shared_ptr<const PlayableProfile> ActivePlayable() const override {
        return ActiveProfile();
    }
    // The active profile's sequence for a slot; empty when no profile is active or the slot is.
    SequencePtr ActiveSlot(std::int32_t slot) const;

    std::size_t ProfileCount() const override;
    std::optional<std::u16string> ProfileNameAt(std::size_t position) const override;

    // Adds the profiles of the profile file. False when the file is missing or unreadable (no
    // message) or when reading stopped at an error (one line on standard output; the profiles
    // before the failing one stay). After such a failure the next write first keeps the
    // original file beside it as profile_data.json.bad.
    bool LoadProfiles();
    // Replaces the profile file with all profiles, atomically. False after a message on standard
    // error when it could not.
    bool WriteProfiles();

    // A new sequence of the commands rebuilt from the codes; unrecognised codes are left out.
    // A malformed code throws MakeCommand's error.
    SequencePtr SequenceFromCodes(const std::string& name,
                                  const std::vector<std::string>& codes) const;

    std::filesystem::path FilePath() const;

private:
    // Commands rebuilt during one load, by code: equal codes share one (immutable) command.
    using CommandCache = std::unordered_map<std::string, CommandPtr>;

    bool LoadDocumentProfiles(std::istream& stream);
    SequencePtr SequenceFromCodes(const std::string& name, const std::vector<std::string>& codes,
                                  CommandCache& cache) const;

    std::shared_ptr<CommandContext> context_;
    std::filesystem::path folder_;
    std::ostream* out_ = &std::cout;
    std::ostream* err_ = &std::cerr;

    mutable std::mutex mutex_;
    std::vector<ProfilePtr> profiles_;
    ProfilePtr active_;
    bool keepOriginalBeforeWrite_ = false;
};

}  // namespace Tambo
