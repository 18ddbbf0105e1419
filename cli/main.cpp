// pindeckctl: Pindeck without a window, for diagnostics, headless play and scripting.

#include <iostream>

#include "Pindeckctl.h"

int main(int argc, char** argv) { return pindeckctl::Run(argc, argv, std::cout, std::cerr); }
