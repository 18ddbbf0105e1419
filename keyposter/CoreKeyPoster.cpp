#include "CoreKeyPoster.h"

#include <utility>

#include "KeyPostingCore.h"

namespace keyposter {
namespace {

class CoreKeyPoster final : public Tambo::platform::KeyPoster {
public:
    explicit CoreKeyPoster(std::shared_ptr<SendKeysService> service)
        : service_(std::move(service)) {}

    void SendKey(std::uint32_t key) override { keyposter::SendKey(*service_, key); }
    void SendKeys(std::uint32_t modifier, std::uint32_t key) override {
        keyposter::SendKeys(*service_, modifier, key);
    }

private:
    std::shared_ptr<SendKeysService> service_;
};

}  // namespace

std::shared_ptr<Tambo::platform::KeyPoster> MakeCoreKeyPoster(
    std::shared_ptr<SendKeysService> service) {
    return std::make_shared<CoreKeyPoster>(std::move(service));
}

}  // namespace keyposter
