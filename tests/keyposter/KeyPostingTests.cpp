#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <mutex>
#include <thread>
#include <vector>

#include "keyposter/KeyPostingCore.h"

namespace {

using ::testing::ElementsAre;

class RecordingService : public keyposter::SendKeysService {
public:
    void SendWait(std::u16string_view text) override {
        std::lock_guard lock(mutex);
        texts.emplace_back(text);
    }
    std::mutex mutex;
    std::vector<std::u16string> texts;
};

TEST(KeyPosting, TableHoldsExactlyTheSixKeys) {
    EXPECT_THAT(keyposter::KeyTable(), ElementsAre(std::pair{37u, std::u16string(u"{LEFT}")},
                                                   std::pair{38u, std::u16string(u"{UP}")},
                                                   std::pair{39u, std::u16string(u"{RIGHT}")},
                                                   std::pair{40u, std::u16string(u"{DOWN}")},
                                                   std::pair{77u, std::u16string(u"m")},
                                                   std::pair{162u, std::u16string(u"^")}));
}

TEST(KeyPosting, SendKeyPostsKnownKeysOnly) {
    RecordingService service;
    keyposter::SendKey(service, 37);
    keyposter::SendKey(service, 65);
    keyposter::SendKey(service, 162);
    EXPECT_THAT(service.texts, ElementsAre(u"{LEFT}", u"^"));
}

TEST(KeyPosting, SendKeysKeepsParameterOrderAndNeverSendsHalf) {
    RecordingService service;
    keyposter::SendKeys(service, 162, 77);
    keyposter::SendKeys(service, 77, 162);
    keyposter::SendKeys(service, 38, 65);
    keyposter::SendKeys(service, 65, 38);
    EXPECT_THAT(service.texts, ElementsAre(u"^m", u"m^"));
}

TEST(KeyPosting, CallableFromManyThreads) {
    RecordingService service;
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&service, t] {
            for (int i = 0; i < 100; ++i) {
                keyposter::SendKey(service, 37 + t);
            }
        });
    }
    for (auto& thread : threads) {
        thread.join();
    }
    EXPECT_EQ(service.texts.size(), 400u);
    EXPECT_EQ(keyposter::KeyTable().size(), 6u);
}

}  // namespace
