#pragma once

namespace pindeckctl {

// Exit status of every subcommand.
enum ExitCode : int {
    kSuccess = 0,
    kOperationFailed = 1,  // a load returned false, an unknown profile name
    kRejectedValue = 2,    // a command code, a box model, a category
    kNoBackend = 3,        // no platform backend to inject with
    kUsageError = 64,
};

}  // namespace pindeckctl
