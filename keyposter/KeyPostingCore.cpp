#include "KeyPostingCore.h"

namespace keyposter {

const std::map<std::uint32_t, std::u16string>& KeyTable() {
    static const std::map<std::uint32_t, std::u16string> kTable = {
        {37, u"{LEFT}"}, {38, u"{UP}"}, {39, u"{RIGHT}"}, {40, u"{DOWN}"}, {162, u"^"}, {77, u"m"},
    };
    return kTable;
}

void SendKey(SendKeysService& service, std::uint32_t key) {
    const auto& table = KeyTable();
    const auto entry = table.find(key);
    if (entry == table.end()) {
        return;
    }
    service.SendWait(entry->second);
}

void SendKeys(SendKeysService& service, std::uint32_t modifier, std::uint32_t key) {
    const auto& table = KeyTable();
    const auto modifierEntry = table.find(modifier);
    const auto keyEntry = table.find(key);
    if (modifierEntry == table.end() || keyEntry == table.end()) {
        return;
    }
    service.SendWait(modifierEntry->second + keyEntry->second);
}

}  // namespace keyposter
