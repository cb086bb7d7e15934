// Starts the windowed program. This header stays free of Qt so that main.cpp needs none.
#pragma once

#include <string>
#include <vector>

namespace orvan {

int lance_interface(int argc, char** argv, const std::vector<std::string>& arguments);

} // namespace orvan
