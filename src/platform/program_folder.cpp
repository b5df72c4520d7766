#include "platform/program_folder.h"

namespace brivonce {

std::filesystem::path RunningProgramFolder() {
    std::error_code ec;
    std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::path() : program.parent_path();
}

}  // namespace brivonce
