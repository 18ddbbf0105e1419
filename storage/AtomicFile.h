#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace storage {

// The outcome of a file write: the old file is intact unless the result is kWritten.
struct WriteResult {
    enum Status { kWritten, kOpenFailed, kWriteFailed };

    Status status = kWritten;
    std::string reason;  // the system's description of the failure

    bool ok() const { return status == kWritten; }
};

// Replaces `path` with `content` so that a crash, a kill or a full disk at any moment leaves
// either the old or the new file, never an empty or half-written one: the content goes to a
// temporary file in the same folder, is flushed to disk and then renamed over the old file.
// The new file is readable and writable by its owner only.
WriteResult WriteFileAtomically(const std::filesystem::path& path, std::string_view content);

// Keeps the file at `path` beside it as `path` + `suffix` (replacing an older one): a copy written
// the same atomic way, or, when the original cannot be read, the original itself moved there.
// False when neither works.
bool KeepBeside(const std::filesystem::path& path, std::string_view suffix,
                std::filesystem::path& keptPath);

// The whole content of a regular file; false when it cannot be read.
bool ReadWholeFile(const std::filesystem::path& path, std::string& content);

}  // namespace storage
