#include "core/files/data_folders.h"

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <string_view>
#include <system_error>
#include <vector>

#include "core/files/file_replace.h"
#include "core/files/parameter_files.h"
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

// The class set-up's files of one folder: the parameter files and programs.
std::vector<std::filesystem::path> SetupFiles(const std::filesystem::path& setup)
{
    std::vector<std::filesystem::path> found = SamplePrograms(setup);
    for (const std::string_view name : {kParameterFileName, kOffsetFileName})
        if (IsFile(setup / name)) found.push_back(setup / name);
    return found;
}

// Copies each file into `dir` unless a file there has its name already (an
// earlier, more important source gave it, or the student made it).
std::string SeedFolder(const std::vector<std::filesystem::path>& files, const std::filesystem::path& dir)
{
    for (const std::filesystem::path& file : files) {
        const std::optional<std::string> bytes = ReadFileBytes(file);
        if (!bytes || CreateNewFile(dir / file.filename(), *bytes) == PlaceResult::Failed)
            return "cannot copy " + file.string() + " into " + dir.string();
    }
    return {};
}

}  // namespace

std::vector<std::filesystem::path> ClassSetupFolders(const UserEnvironment& env)
{
    const std::string_view dirs = env.xdgConfigDirs.empty() ? std::string_view("/etc/xdg") : env.xdgConfigDirs;
    std::vector<std::filesystem::path> folders;
    std::size_t start = 0;
    while (start <= dirs.size()) {
        const std::size_t end = std::min(dirs.find(':', start), dirs.size());
        const std::filesystem::path dir(dirs.substr(start, end - start));
        // Relative entries are to be ignored.
        if (dir.is_absolute()) folders.push_back(dir / kUserFolderName);
        start = end + 1;
    }
    return folders;
}

UserEnvironment EnvironmentOfProcess()
{
    UserEnvironment env{Variable("XDG_DATA_HOME"), Variable("HOME"), Variable("XDG_CONFIG_DIRS")};
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
    if (folders.perUser) folders.classSetup = ClassSetupFolders(env);
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
    // The instructor's set-up first: its exercises take their numbers before
    // a sample program of the same number.
    for (const std::filesystem::path& setup : folders.classSetup)
        if (std::string problem = SeedFolder(SetupFiles(setup), dir); !problem.empty()) return problem;
    return SeedFolder(SamplePrograms(folders.data.File(kSamplesFolder)), dir);
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
