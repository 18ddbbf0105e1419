#include "SessionDocument.h"

#include <pthread.h>
#include <fstream>
#include <utility>

#include "engine/Text.h"
#include "storage/AtomicFile.h"

namespace Tambo {
namespace {

// A write that reports instead of throwing: nothing may escape the worker thread.
storage::WriteResult Write(const std::filesystem::path& path, const std::string& text) {
    try {
        return storage::WriteFileAtomically(path, text);
    } catch (const std::exception& exception) {
        return {storage::WriteResult::kWriteFailed, exception.what()};
    }
}

}  // namespace

SessionDocument::SessionDocument(std::filesystem::path folder, Console console)
    : folder_(std::move(folder)), console_(console) {}

SessionDocument::~SessionDocument() {
    Flush();
}

bool SessionDocument::LoadSession() {
    try {
        const std::filesystem::path path = FilePath();
        if (!std::filesystem::exists(path)) {
            return false;  // the normal case on the very first start
        }
        std::ifstream stream;
        if (!std::filesystem::is_directory(path)) {
            stream.open(path, std::ios::binary);
        }
        if (!stream.is_open()) {
            console_.err << "Failed to open file for reading user_session_data."
                         << "\n";
            return false;
        }
        nlohmann::json parsed;
        stream >> parsed;  // one value; text after it is ignored
        std::lock_guard lock(documentMutex_);
        document_ = std::move(parsed);
        return true;
    } catch (const std::exception& exception) {
        console_.err << "Exception thrown during session data file read\n"
                     << exception.what() << "\n";
        return false;
    }
}

std::u16string SessionDocument::GetSelectedProfileName() const {
    std::lock_guard lock(documentMutex_);
    if (!document_.is_object()) {
        return {};
    }
    const auto member = document_.find(kSelectedProfileKey);
    if (member == document_.end() || !member->is_string()) {
        return {};
    }
    return Utf8ToUtf16(member->get_ref<const std::string&>());
}

void SessionDocument::SetSelectedProfileName(std::u16string_view name) {
    std::lock_guard lock(documentMutex_);
    if (!document_.is_object()) {
        document_ = nlohmann::json::object();
    }
    document_[kSelectedProfileKey] = Utf16ToUtf8(name);
}

nlohmann::json SessionDocument::Document() const {
    std::lock_guard lock(documentMutex_);
    return document_;
}

void SessionDocument::SaveSession() {
    std::string text;
    {
        std::lock_guard lock(documentMutex_);
        if (document_.is_null()) {
            return;  // nothing was ever selected
        }
        // Compact; a loaded string with invalid UTF-8 is written with U+FFFD instead of failing.
        text = document_.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
    }
    std::lock_guard lock(saveMutex_);
    pendingText_ = std::move(text);  // replaces an older snapshot that was not written yet
    StartWorkerLocked();
    saveRequested_.notify_one();
}

void SessionDocument::StartWorkerLocked() {
    if (worker_.joinable()) {
        return;
    }
    worker_ = std::jthread([this](std::stop_token stop) { SaveLoop(stop); });
    pthread_setname_np(worker_.native_handle(), "session-save");
}

void SessionDocument::SaveLoop(std::stop_token stop) {
    std::unique_lock lock(saveMutex_);
    while (true) {
        // A stop request still lets a waiting snapshot be written first.
        if (!saveRequested_.wait(lock, stop, [this] { return pendingText_.has_value(); })) {
            return;
        }
        const std::string text = std::move(*pendingText_);
        pendingText_.reset();
        writing_ = true;
        lock.unlock();

        const storage::WriteResult result = Write(FilePath(), text);
        if (!result.ok()) {
            console_.err << "Error writing session data file: " << result.reason << "\n";
        }

        lock.lock();
        writing_ = false;
        lastWriteOk_ = result.ok();
        saveDone_.notify_all();
    }
}

bool SessionDocument::Flush() {
    std::unique_lock lock(saveMutex_);
    saveDone_.wait(lock, [this] { return !pendingText_ && !writing_; });
    return lastWriteOk_;
}

}  // namespace Tambo
