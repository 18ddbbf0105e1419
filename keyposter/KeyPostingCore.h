#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "SendKeysService.h"

namespace keyposter {

// The fixed translation from virtual keys to send-keys text. Built once, never changed, so it is
// read from any thread without a lock.
const std::map<std::uint32_t, std::u16string>& KeyTable();

// Posts one key; a key outside the table posts nothing.
void SendKey(SendKeysService& service, std::uint32_t key);

// Posts the modifier's text followed by the key's text in one call; nothing at all when either
// is outside the table.
void SendKeys(SendKeysService& service, std::uint32_t modifier, std::uint32_t key);

}  // namespace keyposter
