#include "AtomicFile.h"

#include <fcntl.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>
#include <vector>

namespace storage {
namespace {

std::string SystemReason(int error) {
    return std::strerror(error);
}

bool WriteAll(int fd, std::string_view content, int& error) {
    std::size_t written = 0;
    while (written < content.size()) {
        const ssize_t n = ::write(fd, content.data() + written, content.size() - written);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            error = errno;
            return false;
        }
        written += static_cast<std::size_t>(n);
    }
    return true;
}

// Makes the rename itself durable.
void SyncFolder(const std::filesystem::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

WriteResult WriteFileAtomically(const std::filesystem::path& path, std::string_view content) {
    const std::filesystem::path folder =
        path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
    std::string pattern = (folder / ("." + path.filename().string() + ".tmp-XXXXXX")).string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');

    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) {
        return {WriteResult::kOpenFailed, SystemReason(errno)};
    }
    int error = 0;
    if (WriteAll(fd, content, error) && ::fsync(fd) != 0) {
        error = errno;
    }
    if (::close(fd) != 0 && error == 0) {
        error = errno;
    }
    if (error != 0) {
        ::unlink(name.data());
        return {WriteResult::kWriteFailed, SystemReason(error)};
    }
    if (::rename(name.data(), path.c_str()) != 0) {
        error = errno;
        ::unlink(name.data());
        return {WriteResult::kWriteFailed, SystemReason(error)};
    }
    SyncFolder(folder);
    return {};
}

bool ReadWholeFile(const std::filesystem::path& path, std::string& content) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return false;
    }
    std::ifstream stream(path, std::ios::binary);
    if (!stream) {
        return false;
    }
    std::ostringstream buffer;
    buffer << stream.rdbuf();
    if (stream.bad()) {
        return false;
    }
    content = buffer.str();
    return true;
}

bool KeepBeside(const std::filesystem::path& path, std::string_view suffix,
                std::filesystem::path& keptPath) {
    keptPath = path;
    keptPath += std::string(suffix);
    std::string content;
    if (ReadWholeFile(path, content) && WriteFileAtomically(keptPath, content).ok()) {
        return true;
    }
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return false;
    }
    std::filesystem::rename(path, keptPath, error);
    return !error;
}

}  // namespace storage
