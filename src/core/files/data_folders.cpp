#include "core/files/data_folders.h"

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <system_error>
#include <vector>

#include "core/files/file_replace.h"
#include "core/files/program_file.h"

namespace zan {

namespace {

std::string Variable(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

// The home folder of the password database, for a process started without
// $HOME (a service, "env -i").
std::string HomeOfUser()
{
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    constexpr long kFallbackBufferSize = 16384;  // bytes, when the system gives no hint
    if (size <= 0) size = kFallbackBufferSize;
    std::vector<char> buffer(static_cast<std::size_t>(size));
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || found == nullptr) return {};
    return found->pw_dir != nullptr ? found->pw_dir : "";
}

bool IsFile(const std::filesystem::path& path)
{
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

// The sample programs of the data folder, in order of names.
std::vector<std::filesystem::path> SamplePrograms(const std::filesystem::path& samples)
{
    std::vector<std::filesystem::path> found;
    std::error_code error;
    for (std::filesystem::directory_iterator it(samples, error), end; !error && it != end; it.increment(error))
        if (it->path().extension() == ".zan" && IsFile(it->path())) found.push_back(it->path());
    std::sort(found.begin(), found.end());
    return found;
}

}  // namespace

UserEnvironment EnvironmentOfProcess()
{
    UserEnvironment env{Variable("XDG_DATA_HOME"), Variable("HOME")};
    if (env.home.empty()) env.home = HomeOfUser();
    return env;
}

std::filesystem::path UserProgramFolder(const UserEnvironment& env)
{
    // A relative $XDG_DATA_HOME is to be ignored, like an unset one.
    const std::filesystem::path xdg(env.xdgDataHome);
    if (xdg.is_absolute()) return xdg / kUserFolderName;
    if (env.home.empty()) return {};
    return std::filesystem::path(env.home) / ".local" / "share" / kUserFolderName;
}

DataFolders ResolveDataFolders(const std::filesystem::path& executableDir, const UserEnvironment& env,
                               const std::optional<std::filesystem::path>& programs)
{
    DataFolders folders;
    const std::filesystem::path installed = (executableDir / kInstalledDataFolder).lexically_normal();
    folders.installed = IsFile(installed / kHelpFileName);
    folders.data = ProgramFolder(folders.installed ? installed : executableDir);
    const std::filesystem::path user = UserProgramFolder(env);
    folders.perUser = !programs && folders.installed && !user.empty();
    if (programs)
        folders.programs = ProgramFolder(*programs);
    else if (folders.perUser)
        folders.programs = ProgramFolder(user);
    else
        folders.programs = folders.data;
    return folders;
}

std::string PrepareProgramFolder(const DataFolders& folders)
{
    if (!folders.perUser) return {};
    const std::filesystem::path& dir = folders.programs.dir();
    std::error_code error;
    if (std::filesystem::is_directory(dir, error)) return {};
    if (!std::filesystem::create_directories(dir, error) && error)
        return "cannot make the program folder " + dir.string() + ": " + error.message();
    for (const std::filesystem::path& sample : SamplePrograms(folders.data.File(kSamplesFolder))) {
        const std::optional<std::string> bytes = ReadFileBytes(sample);
        if (!bytes || CreateNewFile(dir / sample.filename(), *bytes) == PlaceResult::Failed)
            return "cannot copy the sample program " + sample.filename().string() + " into " + dir.string();
    }
    return {};
}

DataFolders LocateDataFolders(const std::optional<std::filesystem::path>& programs)
{
    return ResolveDataFolders(ProgramFolder::OfExecutable().dir(), EnvironmentOfProcess(), programs);
}

DataFolders DataFoldersOfProcess(const std::optional<std::filesystem::path>& programs, std::string& problem)
{
    const DataFolders folders = LocateDataFolders(programs);
    problem = PrepareProgramFolder(folders);
    RemoveSaveLeftovers(folders.programs.dir());
    return folders;
}

std::string ProgramFolderNote(const DataFolders& folders)
{
    return "Part programs, Pset.dat and Dset.dat are kept in " + folders.programs.dir().string();
}

}  // namespace zan
