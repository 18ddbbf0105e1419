#pragma once

#include <string_view>

namespace keyposter {

// The platform's send-keys service: delivers a text in send-keys notation ("{LEFT}", "^" for Ctrl
// on the next key, a lower-case letter) to the focused program and returns once it has been
// processed.
class SendKeysService {
public:
    virtual ~SendKeysService() = default;

    virtual void SendWait(std::u16string_view text) = 0;
};

}  // namespace keyposter
