#include "core/files/program_folder.h"

#include <system_error>

namespace zan {

ProgramFolder ProgramFolder::OfExecutable()
{
    std::error_code error;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error && exe.has_parent_path()) return ProgramFolder(exe.parent_path());
    // Without /proc the current directory is the best remaining guess.
    return ProgramFolder(std::filesystem::current_path(error));
}

}  // namespace zan
