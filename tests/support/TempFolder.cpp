#include "TempFolder.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace test_support {

TempFolder::TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "pindeck-test-XXXXXX").string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    if (!::mkdtemp(name.data())) {
        throw std::runtime_error("mkdtemp failed");
    }
    path_ = name.data();
}

TempFolder::~TempFolder() {
    std::error_code error;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, error);
    std::filesystem::remove_all(path_, error);
}

void TempFolder::Write(const std::string& name, const std::string& content) const {
    std::ofstream stream(File(name), std::ios::binary | std::ios::trunc);
    stream << content;
}

std::string TempFolder::Read(const std::string& name) const {
    std::ifstream stream(File(name), std::ios::binary);
    std::ostringstream buffer;
    buffer << stream.rdbuf();
    return buffer.str();
}

}  // namespace test_support
