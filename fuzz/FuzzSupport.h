#pragma once

#include <unistd.h>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

namespace fuzz_support {

// A private folder for this fuzzing process, in memory where possible, reused by every input.
inline const std::filesystem::path& ScratchFolder() {
    static const std::filesystem::path folder = [] {
        const std::filesystem::path base = std::filesystem::exists("/dev/shm")
                                               ? "/dev/shm"
                                               : std::filesystem::temp_directory_path();
        auto path = base / ("pindeck-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(path);
        return path;
    }();
    return folder;
}

inline void WriteFile(const std::filesystem::path& path, const std::uint8_t* data,
                      std::size_t size) {
    std::ofstream stream(path, std::ios::binary | std::ios::trunc);
    stream.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

inline std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream stream(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(stream), {});
}

// A property of the code under test did not hold: stop with a report libFuzzer keeps.
[[noreturn]] inline void PropertyFailed(const char* what) {
    std::fprintf(stderr, "property failed: %s\n", what);
    std::abort();
}

}  // namespace fuzz_support
