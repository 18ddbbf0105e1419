#include "CommandContext.h"

#include <stdexcept>
#include <utility>

namespace Tambo {

CommandContext::CommandContext(PlatformServices services) : services_(std::move(services)) {
    if (!services_.inputSink || !services_.keyPoster || !services_.sleeper) {
        throw std::invalid_argument(
            "CommandContext needs an input sink, a key poster and a sleeper");
    }
}

void CommandContext::Send(std::span<const platform::InputRecord> records) const {
    services_.inputSink->Send(records);
}

void CommandContext::Pause(std::int64_t milliseconds) const {
    services_.sleeper->SleepMs(milliseconds);
}

std::uint16_t CommandContext::ScanCode(std::uint32_t virtualKey) const {
    return services_.inputSink->ScanCodeForVirtualKey(virtualKey);
}

int CommandContext::ScreenWidth() const {
    return services_.inputSink->ScreenWidth();
}

int CommandContext::ScreenHeight() const {
    return services_.inputSink->ScreenHeight();
}

void CommandContext::SetProfileStore(std::weak_ptr<ProfileStore> store) {
    std::lock_guard lock(profileStoreMutex_);
    profileStore_ = std::move(store);
}

std::shared_ptr<ProfileStore> CommandContext::GetProfileStore() const {
    std::lock_guard lock(profileStoreMutex_);
    return profileStore_.lock();
}

}  // namespace Tambo
