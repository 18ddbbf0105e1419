#pragma once

#include <iostream>

namespace Tambo {

// The two message streams of the file readers and writers. Each message is one line on the
// stream its reader names; tests pass their own streams.
struct Console {
    std::ostream& out;
    std::ostream& err;

    static Console Standard() { return Console{std::cout, std::cerr}; }
};

}  // namespace Tambo
