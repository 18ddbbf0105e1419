// libkeyposter.so: the two exported functions over the platform's send-keys service.

#include <cstdio>
#include <memory>
#include <mutex>

#include "KeyPostingCore.h"
#include "PlatformSendKeysService.h"
#include "keyposter.h"

namespace {

// The service is opened on first use; when the platform has none, the library posts nothing and
// says so once.
keyposter::SendKeysService* Service() {
    static std::once_flag once;
    static std::unique_ptr<keyposter::SendKeysService> service;
    std::call_once(once, [] {
        std::string reason;
        service = keyposter::OpenPlatformSendKeysService(reason);
        if (!service) {
            std::fprintf(stderr,
                         "keyposter: no send-keys service available (%s); keys are not posted\n",
                         reason.c_str());
        }
    });
    return service.get();
}

}  // namespace

extern "C" void SendKey(uint32_t key) {
    if (keyposter::SendKeysService* service = Service()) {
        keyposter::SendKey(*service, key);
    }
}

extern "C" void SendKeys(uint32_t modifier, uint32_t key) {
    if (keyposter::SendKeysService* service = Service()) {
        keyposter::SendKeys(*service, modifier, key);
    }
}
