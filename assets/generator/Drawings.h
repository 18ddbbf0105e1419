#pragma once

#include <functional>
#include <string>
#include <vector>

#include "Canvas.h"

namespace assets {

// One picture of the program: the file name its address uses and how to draw it.
struct Drawing {
    std::string fileName;
    std::function<Canvas()> draw;
};

// The 1280 x 720 pictures behind the drawn box, opaque.
std::vector<Drawing> BackgroundDrawings();
// The round box buttons, transparent around the button.
std::vector<Drawing> ButtonDrawings();

}  // namespace assets
