#pragma once

#include <mutex>
#include <ostream>
#include <string>

namespace pindeckctl {

// Writes whole lines to one stream from several threads (the dispatcher, playing sequences,
// the main loop), flushing each so a watching user sees it at once.
class LinePrinter {
public:
    explicit LinePrinter(std::ostream& out) : out_(out) {}

    void Print(const std::string& line) {
        std::lock_guard lock(mutex_);
        out_ << line << std::endl;
    }

private:
    std::mutex mutex_;
    std::ostream& out_;
};

}  // namespace pindeckctl
