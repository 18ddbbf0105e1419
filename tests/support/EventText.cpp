#include "EventText.h"

#include "JsonText.h"

namespace test_support {

std::vector<std::string> EventLines(const platform_fake::RecordingPlatform& platform) {
    std::vector<std::string> lines;
    for (const auto& event : platform.Events()) {
        lines.push_back(pindeckctl::EventText(event));
    }
    return lines;
}

}  // namespace test_support
