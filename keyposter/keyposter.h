#pragma once

// The exported interface of libkeyposter.so.

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

__attribute__((visibility("default"))) void SendKey(uint32_t key);
__attribute__((visibility("default"))) void SendKeys(uint32_t modifier, uint32_t key);

#ifdef __cplusplus
}
#endif
