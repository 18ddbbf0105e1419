#pragma once

#include <memory>

#include "engine/platform/KeyPoster.h"

namespace keyposter {

// The engine's key poster for real play: calls the exported functions of libkeyposter.so.
std::shared_ptr<Tambo::platform::KeyPoster> MakeLibraryKeyPoster();

}  // namespace keyposter
