#pragma once

#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>
#include <thread>

#include "engine/Console.h"

namespace Tambo {

// user_session_data.json in the data folder: which profile was selected last, so the next start
// comes back to it. Held as one JSON document; members other than "selected_profile" are kept
// and written back unchanged. The file is compact: no indentation, no line break at the end.
//
// Saving runs on a worker thread of this object, so a selection never waits for the disk. Saves
// are serialised and each writes a snapshot taken when it was requested; when several are
// waiting only the newest is written, so the last selection is the one that stays. Each write
// replaces the file atomically. The destructor waits for the pending save.
//
// Thread safety: every operation may be called from any thread. Locks: `documentMutex_` guards
// the document, `saveMutex_` the save queue; they are never held together.
class SessionDocument {
public:
    static constexpr const char* kFileName = "user_session_data.json";
    static constexpr const char* kSelectedProfileKey = "selected_profile";

    explicit SessionDocument(std::filesystem::path folder, Console console = Console::Standard());
    ~SessionDocument();

    SessionDocument(const SessionDocument&) = delete;
    SessionDocument& operator=(const SessionDocument&) = delete;

    // Reads the file into the document. False without a message when there is no file; false
    // after a message on standard error when it cannot be opened or parsed (the document is then
    // left as it was). Text after the first JSON value is ignored.
    bool LoadSession();

    // The name stored under "selected_profile"; empty when the document has no such member or
    // when it is not a string.
    std::u16string GetSelectedProfileName() const;
    // Stores the name as UTF-8 under "selected_profile". A document that is not an object (never
    // loaded, or a file holding an array) is replaced by an object first.
    void SetSelectedProfileName(std::u16string_view name);

    // Starts writing the document as it is now and returns at once. A document that was never
    // given anything is not written.
    void SaveSession();
    // Waits until every save started before has finished. True when the last write succeeded
    // (or there was nothing to write); a failed write has already written a message on
    // standard error.
    bool Flush();

    nlohmann::json Document() const;
    std::filesystem::path FilePath() const { return folder_ / kFileName; }

private:
    void SaveLoop(std::stop_token stop);
    void StartWorkerLocked();

    const std::filesystem::path folder_;
    const Console console_;

    mutable std::mutex documentMutex_;
    nlohmann::json document_;

    std::mutex saveMutex_;
    std::condition_variable_any saveRequested_;
    std::condition_variable saveDone_;
    std::optional<std::string> pendingText_;  // the newest snapshot not yet taken by the worker
    bool writing_ = false;
    bool lastWriteOk_ = true;
    std::jthread worker_;  // started by the first save; last member, so it stops first
};

}  // namespace Tambo
