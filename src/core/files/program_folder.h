#pragma once
// The folder the program's data lives in: part programs, parameter files,
// turret pictures and the help text. It is the folder of the executable, not
// the current directory, so the simulator finds its files wherever it is started.

#include <filesystem>
#include <string_view>

namespace zan {

class ProgramFolder {
public:
    explicit ProgramFolder(std::filesystem::path dir) : dir_(std::move(dir)) {}
    static ProgramFolder OfExecutable();

    const std::filesystem::path& dir() const { return dir_; }
    std::filesystem::path File(std::string_view name) const { return dir_ / name; }

private:
    std::filesystem::path dir_;
};

}  // namespace zan
