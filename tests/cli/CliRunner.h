#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "Pindeckctl.h"

namespace test_support {

struct CliResult {
    int exitCode = 0;
    std::string out;
    std::string err;
};

// Runs pindeckctl in-process with the given arguments (without the program name).
inline CliResult RunCli(std::vector<std::string> args) {
    args.insert(args.begin(), "pindeckctl");
    std::vector<const char*> argv;
    for (const std::string& arg : args) {
        argv.push_back(arg.c_str());
    }
    std::ostringstream out;
    std::ostringstream err;
    const int exitCode = pindeckctl::Run(static_cast<int>(argv.size()), argv.data(), out, err);
    return {exitCode, out.str(), err.str()};
}

}  // namespace test_support
