#pragma once

#include <filesystem>

namespace brivonce {

// The folder of the running program file, without needing a Qt application;
// empty when the system cannot tell.
std::filesystem::path RunningProgramFolder();

}  // namespace brivonce
