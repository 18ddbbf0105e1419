#include "LibraryKeyPoster.h"

#include "keyposter.h"

namespace keyposter {
namespace {

class LibraryKeyPoster final : public Tambo::platform::KeyPoster {
public:
    void SendKey(std::uint32_t key) override { ::SendKey(key); }
    void SendKeys(std::uint32_t modifier, std::uint32_t key) override { ::SendKeys(modifier, key); }
};

}  // namespace

std::shared_ptr<Tambo::platform::KeyPoster> MakeLibraryKeyPoster() {
    return std::make_shared<LibraryKeyPoster>();
}

}  // namespace keyposter
